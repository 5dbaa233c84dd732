#include "desktop/grid_delegate.h"

#include <QApplication>
#include <QFontMetrics>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionButton>
#include <QStyleOptionFocusRect>

#include "desktop/canvas_painter.h"
#include "desktop/qt_text.h"

namespace desk {

namespace {

constexpr int kTextInset = 2;  // the grid's own inset of cell text

QStyle& StyleOf(const QStyleOptionViewItem& option) {
  return option.widget ? *option.widget->style() : *QApplication::style();
}

}  // namespace

CellButton ButtonOf(const plat::TDBGrid& grid, int column) {
  std::vector<plat::TColumn*> columns = grid.Columns();
  if (grid.ReadOnly() || column < 0 || column >= static_cast<int>(columns.size())) return CellButton::None;
  if (columns[column]->Button == plat::ButtonStyle::Ellipsis) return CellButton::Ellipsis;
  return columns[column]->PickList.empty() ? CellButton::None : CellButton::PickList;
}

QRect ButtonRect(const QRect& cell) {
  int side = std::min(cell.height(), cell.width());
  return QRect(cell.right() + 1 - side, cell.top(), side, cell.height());
}

GridDelegate::GridDelegate(plat::TDBGrid& grid, QObject* parent) : QStyledItemDelegate(parent), grid_(grid) {}

void GridDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  bool current = index.row() == grid_.Row() && index.column() == grid_.SelectedIndex();
  if (current && grid_.EditorModified())
    PaintEditor(*painter, option);
  else
    PaintThroughCanvas(*painter, option, index);
  if (!current) return;
  if (CellButton button = ButtonOf(grid_, index.column()); button != CellButton::None)
    PaintButton(*painter, option, button);
  if (grid_.Focused()) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.backgroundColor = option.palette.color(QPalette::Highlight);
    StyleOf(option).drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, option.widget);
  }
}

QSize GridDelegate::sizeHint(const QStyleOptionViewItem&, const QModelIndex& index) const {
  std::vector<plat::TColumn*> columns = grid_.Columns();
  int width = index.column() < static_cast<int>(columns.size()) ? columns[index.column()]->Width() : 64;
  return QSize(width, grid_.DefaultRowHeight);
}

void GridDelegate::PaintThroughCanvas(QPainter& painter, const QStyleOptionViewItem& option,
                                      const QModelIndex& index) const {
  const QRect& r = option.rect;
  try {
    grid_.PaintCell(index.row(), index.column(),
                    plat::TRect{r.left(), r.top(), r.left() + r.width(), r.top() + r.height()});
  } catch (const std::exception&) {
    // A draw handler that fails leaves its cell blank; painting goes on.
    painter.fillRect(r, option.palette.color(QPalette::Base));
    return;
  }
  ReplayCanvas(grid_.Canvas, painter, option.palette, option.font);
}

// The cell editor as a plain edit box holding the text typed so far, the
// caret after it.
void GridDelegate::PaintEditor(QPainter& painter, const QStyleOptionViewItem& option) const {
  const QRect& r = option.rect;
  QString text = ToQt(grid_.EditorText());
  QFontMetrics metrics(option.font);
  painter.save();
  painter.fillRect(r, option.palette.color(QPalette::Base));
  painter.setClipRect(r, Qt::IntersectClip);
  painter.setFont(option.font);
  painter.setPen(option.palette.color(QPalette::Text));
  QPoint origin(r.left() + kTextInset, r.top() + kTextInset);
  painter.drawText(origin + QPoint(0, metrics.ascent()), text);
  if (grid_.Focused()) {
    int x = origin.x() + metrics.horizontalAdvance(text);
    painter.drawLine(x, origin.y(), x, origin.y() + metrics.height() - 1);
  }
  painter.restore();
}

void GridDelegate::PaintButton(QPainter& painter, const QStyleOptionViewItem& option, CellButton button) const {
  QStyle& style = StyleOf(option);
  QStyleOptionButton face;
  face.QStyleOption::operator=(option);
  face.rect = ButtonRect(option.rect);
  face.state = QStyle::State_Enabled | QStyle::State_Raised;
  face.features = QStyleOptionButton::None;
  if (button == CellButton::Ellipsis) {
    face.text = QStringLiteral("…");
    style.drawControl(QStyle::CE_PushButton, &face, &painter, option.widget);
    return;
  }
  style.drawControl(QStyle::CE_PushButtonBevel, &face, &painter, option.widget);
  QStyleOption arrow = face;
  arrow.rect = face.rect.adjusted(3, 3, -3, -3);
  style.drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, &painter, option.widget);
}

}  // namespace desk
