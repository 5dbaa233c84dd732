// GridDelegate: paints the cells of a grid window. Each cell is drawn by the
// headless grid on its recorded canvas (the grid's default drawing, then its
// draw handler, as the screen wrote it) and the canvas replayed on the
// window. The current cell shows the editor's pending text while the user
// types, a focus frame while the grid has the focus, and the column's cell
// button: an ellipsis button, or the drop-down arrow of a pick list.
#pragma once

#include <QStyledItemDelegate>

#include "platform/ui/grid.h"

namespace desk {

enum class CellButton { None, Ellipsis, PickList };

// The button a column shows in its current cell: none in a read-only grid.
CellButton ButtonOf(const plat::TDBGrid& grid, int column);
// Where the button sits in a cell: a square at its right edge.
QRect ButtonRect(const QRect& cell);

class GridDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  GridDelegate(plat::TDBGrid& grid, QObject* parent = nullptr);

  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  void PaintThroughCanvas(QPainter& painter, const QStyleOptionViewItem& option, const QModelIndex& index) const;
  void PaintEditor(QPainter& painter, const QStyleOptionViewItem& option) const;
  void PaintButton(QPainter& painter, const QStyleOptionViewItem& option, CellButton button) const;

  plat::TDBGrid& grid_;
};

}  // namespace desk
