// GridModel: a headless grid (plat::TDBGrid) as a Qt table model. Its
// columns are the grid's columns (hidden ones included, for the view to
// hide), its rows the data set's view rows (the insert row where it will be
// inserted), read lazily one cell at a time when the view asks, so a list of
// any length costs only what is on screen.
//
// The model listens to the grid's data source and to the grid's look-change
// hook and keeps itself in step: rows inserted or removed as the data set
// gains or loses one, a new layout when it is opened, closed or refilled, the
// current row repainted as its fields change. cursorMoved() tells the view
// where the grid's current cell is after every such change.
#pragma once

#include <QAbstractTableModel>
#include <memory>

#include "platform/ui/grid.h"

namespace desk {

class GridModel : public QAbstractTableModel {
  Q_OBJECT

 public:
  explicit GridModel(plat::TDBGrid& grid, QObject* parent = nullptr);
  ~GridModel() override;

  plat::TDBGrid& Grid() const { return grid_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // Display and edit roles: the cell's display text, or the grid's pending
  // editor text in the current cell.
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  // Horizontal: the column titles, and the column widths as size hints.
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  // Editable unless the grid or the column is read-only.
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // Whether the cell is the grid's current cell.
  bool IsCurrent(const QModelIndex& index) const;

  // Brings the rows in step with the data set and repaints them (the
  // notifications call it; it does no harm at any other time).
  void Sync();

 signals:
  // The grid's current cell may have moved or changed its look.
  void cursorMoved();

 private:
  class Link;
  enum class Scope { CurrentRow, AllRows };

  void Update(Scope scope);
  void RowsChanged(int first, int last);

  plat::TDBGrid& grid_;
  std::unique_ptr<Link> link_;
  std::function<void(plat::TControl&)> chainedOnChanged_;
  int rows_ = 0;
  int columns_ = 0;
  int current_ = -1;
  bool active_ = false;
  bool updating_ = false;
};

}  // namespace desk
