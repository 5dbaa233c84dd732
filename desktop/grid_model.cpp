#include "desktop/grid_model.h"

#include <QPointer>
#include <algorithm>
#include <cstdlib>

#include "desktop/qt_text.h"
#include "platform/data/datalink.h"
#include "platform/data/datasource.h"

namespace desk {

// Hears the grid's data source. It is attached after the grid's own link,
// so the grid has caught up (its editor, its current column) when it is told.
class GridModel::Link : public plat::TDataLink {
 public:
  explicit Link(GridModel& model) : model_(model) {}

  void ActiveChanged() override { model_.Update(Scope::AllRows); }
  void EditingChanged() override { model_.Update(Scope::CurrentRow); }
  void DataSetChanged() override { model_.Update(Scope::AllRows); }
  void RecordChanged(plat::TField*) override { model_.Update(Scope::CurrentRow); }
  void LogChanged() override { model_.Update(Scope::AllRows); }

 private:
  GridModel& model_;
};

GridModel::GridModel(plat::TDBGrid& grid, QObject* parent)
    : QAbstractTableModel(parent), grid_(grid), link_(std::make_unique<Link>(*this)) {
  rows_ = grid_.RowCount();
  columns_ = static_cast<int>(grid_.Columns().size());
  current_ = grid_.Row();
  active_ = grid_.DataSet() && grid_.DataSet()->Active();
  link_->SetDataSource(grid_.DataSource());
  // The grid's look changes (its current column, the editor's text, the
  // focus) come through its change hook, which a front-end may already use.
  QPointer<GridModel> self(this);
  grid_.OnChanged = [self, previous = grid_.OnChanged](plat::TControl& control) {
    if (previous) previous(control);
    if (self) self->Update(Scope::CurrentRow);
  };
}

GridModel::~GridModel() = default;

int GridModel::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : rows_; }

int GridModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : columns_; }

bool GridModel::IsCurrent(const QModelIndex& index) const {
  return index.isValid() && index.row() == grid_.Row() && index.column() == grid_.SelectedIndex();
}

QVariant GridModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) return {};
  // The data set may have lost rows the view has not heard of yet (while
  // its controls are disabled).
  if (index.row() >= grid_.RowCount()) return {};
  if (IsCurrent(index) && grid_.EditorModified()) return ToQt(grid_.EditorText());
  return ToQt(grid_.CellText(index.row(), index.column()));
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || role != Qt::DisplayRole) return {};
  std::vector<plat::TColumn*> columns = grid_.Columns();
  if (section < 0 || section >= static_cast<int>(columns.size())) return {};
  return ToQt(columns[section]->Title());
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const {
  if (!index.isValid()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  std::vector<plat::TColumn*> columns = grid_.Columns();
  bool readOnly =
      grid_.ReadOnly() || index.column() >= static_cast<int>(columns.size()) || columns[index.column()]->ReadOnly;
  return readOnly ? flags : flags | Qt::ItemIsEditable;
}

void GridModel::Sync() { Update(Scope::AllRows); }

void GridModel::RowsChanged(int first, int last) {
  first = std::max(first, 0);
  last = std::min(last, rows_ - 1);
  if (first > last || columns_ == 0) return;
  emit dataChanged(index(first, 0), index(last, columns_ - 1));
}

// The data set tells what changed, not where: a row more is the new row at
// the cursor (insert, append), a row less is the one the cursor was on
// (delete, a cancelled insert). Anything else is a new layout. The rows
// themselves are read again whenever they are painted, so repainting is all
// a change of values needs.
void GridModel::Update(Scope scope) {
  if (updating_) return;
  // A grid pointed at another data source: the link follows, and being told
  // of it brings the model here again.
  if (link_->DataSource() != grid_.DataSource()) {
    link_->SetDataSource(grid_.DataSource());
    return;
  }
  updating_ = true;
  bool active = grid_.DataSet() && grid_.DataSet()->Active();
  int rows = grid_.RowCount();
  int columns = static_cast<int>(grid_.Columns().size());
  int current = grid_.Row();
  bool relaid = false;
  if (active != active_ || columns != columns_ || std::abs(rows - rows_) > 1) {
    beginResetModel();
    active_ = active;
    columns_ = columns;
    rows_ = rows;
    endResetModel();
    relaid = true;
  } else if (rows == rows_ + 1) {
    int at = std::clamp(current, 0, rows_);
    beginInsertRows({}, at, at);
    rows_ = rows;
    endInsertRows();
  } else if (rows == rows_ - 1) {
    int at = std::clamp(current_, 0, rows_ - 1);
    beginRemoveRows({}, at, at);
    rows_ = rows;
    endRemoveRows();
  }
  if (!relaid) {
    if (scope == Scope::AllRows) {
      RowsChanged(0, rows_ - 1);
    } else {
      RowsChanged(current_, current_);
      RowsChanged(current, current);
    }
  }
  current_ = current;
  updating_ = false;
  emit cursorMoved();
}

}  // namespace desk
