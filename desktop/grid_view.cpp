#include "desktop/grid_view.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QScrollBar>
#include <algorithm>

#include "desktop/cell_editor.h"
#include "desktop/grid_delegate.h"
#include "desktop/grid_keys.h"
#include "desktop/grid_model.h"
#include "desktop/qt_text.h"

namespace desk {

GridView::GridView(plat::TDBGrid& grid, QWidget* parent)
    : QTableView(parent), grid_(grid), model_(new GridModel(grid, this)) {
  setObjectName(ToQt(grid.Name()));
  setModel(model_);
  setItemDelegate(new GridDelegate(grid, this));
  // The grid decides what is current and what may be edited; the view
  // neither selects nor opens editors of its own.
  setSelectionMode(QAbstractItemView::NoSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setTabKeyNavigation(true);
  setAutoScroll(false);
  setWordWrap(false);
  setCornerButtonEnabled(false);
  setFocusPolicy(Qt::StrongFocus);
  setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  QHeaderView* rows = verticalHeader();
  rows->hide();
  rows->setMinimumSectionSize(1);
  rows->setSectionResizeMode(QHeaderView::Fixed);
  rows->setDefaultSectionSize(grid.DefaultRowHeight);
  QHeaderView* titles = horizontalHeader();
  titles->setMinimumSectionSize(1);
  titles->setSectionResizeMode(QHeaderView::Interactive);
  titles->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  titles->setHighlightSections(false);
  // A click on a title is the grid's: a sortable grid sorts by it. The
  // arrow shows the column the data set is sorted by.
  titles->setSectionsClickable(true);
  titles->setSortIndicatorShown(false);
  connect(titles, &QHeaderView::sectionClicked, this, [this](int column) {
    if (!hasFocus()) setFocus(Qt::MouseFocusReason);
    Act(GridAction::ClickTitle(column));
    ApplyColumns();
  });
  connect(model_, &GridModel::cursorMoved, this, &GridView::FollowCursor);
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    followed_ = {-1, -1};
    ApplyColumns();
  });
  connect(titles, &QHeaderView::sectionResized, this, &GridView::ColumnResized);
  editor_ = new CellEditor(*this);
  auto follow = [this] { editor_->Follow(); };
  connect(model_, &QAbstractItemModel::dataChanged, this, follow);
  connect(model_, &QAbstractItemModel::modelReset, this, follow);
  connect(horizontalScrollBar(), &QScrollBar::valueChanged, this, follow);
  connect(verticalScrollBar(), &QScrollBar::valueChanged, this, follow);
  connect(titles, &QHeaderView::sectionResized, this, follow);
  ApplyColumns();
  FollowCursor();
}

plat::ActionResult GridView::Run(const UserActionWork& work) {
  if (door_) return door_(work);
  if (plat::TForm* form = grid_.ParentForm()) {
    plat::TUserActions actions(*form);
    return work(actions);
  }
  return plat::ActionResult::Refused;
}

QMenu* GridView::PickList() const { return pickList_ && pickList_->isVisible() ? pickList_ : nullptr; }

QRect GridView::CellRect(int row, int column) const {
  return visualRect(model_->index(row, column)).intersected(viewport()->rect());
}

plat::ActionResult GridView::Act(const GridAction& action) {
  plat::ActionResult result = RunGridAction(grid_, action, door_);
  model_->Sync();
  return result;
}

void GridView::ApplyColumns() {
  applyingColumns_ = true;
  QHeaderView* titles = horizontalHeader();
  int sorted = grid_.SortColumn();
  titles->setSortIndicatorShown(sorted >= 0);
  if (sorted >= 0) titles->setSortIndicator(sorted, grid_.SortDescending() ? Qt::DescendingOrder : Qt::AscendingOrder);
  std::vector<plat::TColumn*> columns = grid_.Columns();
  for (int i = 0; i < static_cast<int>(columns.size()) && i < model_->columnCount(); ++i) {
    bool hidden = !columns[i]->Visible;
    if (isColumnHidden(i) != hidden) setColumnHidden(i, hidden);
    int width = std::max(columns[i]->Width(), TitleWidth(i));
    if (!hidden && columnWidth(i) != width) setColumnWidth(i, width);
  }
  applyingColumns_ = false;
}

// The width a column needs to show its whole title, with room for the
// sort arrow: no title is cut off, however narrow its column was laid out.
int GridView::TitleWidth(int column) const {
  QString title = model_->headerData(column, Qt::Horizontal, Qt::DisplayRole).toString();
  if (title.isEmpty()) return 0;
  constexpr int kMarginsAndArrow = 24;
  return horizontalHeader()->fontMetrics().horizontalAdvance(title) + kMarginsAndArrow;
}

// A width the user dragged becomes the column's width.
void GridView::ColumnResized(int column, int, int newWidth) {
  if (applyingColumns_ || newWidth <= 0 || isColumnHidden(column)) return;
  std::vector<plat::TColumn*> columns = grid_.Columns();
  if (column < static_cast<int>(columns.size())) columns[column]->SetWidth(newWidth);
}

void GridView::FollowCursor() {
  ApplyColumns();  // a handler may have shown or hidden a column
  QModelIndex index = model_->index(grid_.Row(), grid_.SelectedIndex());
  if (!index.isValid()) {
    selectionModel()->clearCurrentIndex();
    followed_ = {-1, -1};
    return;
  }
  if (index != currentIndex()) selectionModel()->setCurrentIndex(index, QItemSelectionModel::NoUpdate);
  // Scrolled into view when the grid moved, not at every repaint, so that
  // the wheel may look elsewhere meanwhile.
  editor_->Follow();
  if (followed_ == std::pair{index.row(), index.column()}) return;
  followed_ = {index.row(), index.column()};
  QModelIndex shown = index;
  if (isColumnHidden(index.column())) shown = model_->index(index.row(), std::max(columnAt(0), 0));
  scrollTo(shown);
}

// Typing into a cell that can be edited, or F2, opens the cell editor; the
// typed key goes on into it, in the place of the cell's text (Backspace
// and F2 edit the text as it is).
void GridView::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~Qt::KeypadModifier;
  const bool plain = !(mods & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  const QString text = event->text();
  const bool typing = plain && ((!text.isEmpty() && text.at(0).isPrint()) || event->key() == Qt::Key_Backspace);
  if (editor_->IsOpen()) {  // keys sent to the view while its editor is open are the editor's
    editor_->Key(event);
    return;
  }
  if ((typing || (event->key() == Qt::Key_F2 && mods == Qt::NoModifier)) && grid_.CanEditCell()) {
    event->accept();
    if (!editor_->IsOpen()) editor_->Open();
    if (typing && event->key() != Qt::Key_Backspace) editor_->selectAll();
    if (typing) editor_->Key(event);
    return;
  }
  GridKeyPress(event);
}

void GridView::GridKeyPress(QKeyEvent* event) {
  GridPosition at;
  at.row = grid_.Row();
  at.rowCount = grid_.RowCount();
  at.column = grid_.SelectedIndex();
  std::vector<plat::TColumn*> columns = grid_.Columns();
  for (int i = 0; i < static_cast<int>(columns.size()); ++i)
    if (columns[i]->Visible) at.visibleColumns.push_back(i);
  at.pageRows = std::max(1, viewport()->height() / std::max(1, grid_.DefaultRowHeight) - 1);
  KeyTranslation translation = TranslateKey(*event, at);
  if (!translation.taken) {
    event->ignore();  // for the window: menu shortcuts and the like
    return;
  }
  event->accept();
  for (const GridAction& action : translation.actions)
    if (Act(action) != plat::ActionResult::Done) break;
  if (translation.openPickList) DropDownPickList();
}

void GridView::mousePressEvent(QMouseEvent* event) {
  event->accept();
  if (event->button() != Qt::LeftButton) return;
  if (!hasFocus()) setFocus(Qt::MouseFocusReason);
  QPoint at = event->position().toPoint();
  QModelIndex index = indexAt(at);
  if (!index.isValid()) return;
  // The cell button is there only on the current cell.
  bool current = model_->IsCurrent(index);
  CellButton button = ButtonOf(grid_, index.column());
  if (current && button != CellButton::None && ButtonRect(visualRect(index)).contains(at)) {
    if (button == CellButton::Ellipsis)
      Act(GridAction::ClickEditButton());
    else
      DropDownPickList();
    return;
  }
  // A click on the current cell edits it, the caret where it was clicked.
  if (current && grid_.CanEditCell()) {
    editor_->Open(&at);
    return;
  }
  Act(GridAction::SelectCell(index.row(), index.column()));
}

// The press before a double click already clicked the cell's button: on the
// button the double click is that one click. Elsewhere on a cell of a grid
// with a double-click action it is that action (a list opens its row);
// otherwise a second click.
void GridView::mouseDoubleClickEvent(QMouseEvent* event) {
  QPoint at = event->position().toPoint();
  QModelIndex index = indexAt(at);
  if (index.isValid() && model_->IsCurrent(index) && ButtonOf(grid_, index.column()) != CellButton::None &&
      ButtonRect(visualRect(index)).contains(at)) {
    event->accept();
    return;
  }
  if (!index.isValid() || editor_->IsOpen() || !grid_.OnDblClick) {
    mousePressEvent(event);
    return;
  }
  event->accept();
  Act(GridAction::DoubleClickCell(index.row(), index.column()));
}

void GridView::mouseMoveEvent(QMouseEvent* event) { event->accept(); }

void GridView::DropDownPickList() {
  int column = grid_.SelectedIndex();
  if (grid_.Row() < 0 || ButtonOf(grid_, column) != CellButton::PickList) return;
  const std::vector<std::string>& picks = grid_.Columns()[column]->PickList;
  if (!pickList_) {
    pickList_ = new QMenu(this);
    pickList_->setObjectName(QStringLiteral("pickList"));
  }
  pickList_->clear();
  for (int i = 0; i < static_cast<int>(picks.size()); ++i) {
    QAction* entry = pickList_->addAction(ToQt(picks[i]));
    entry->setCheckable(true);
    entry->setChecked(picks[i] == grid_.EditorText());
    connect(entry, &QAction::triggered, this, [this, i] { Act(GridAction::ChoosePick(i)); });
  }
  QRect cell = visualRect(model_->index(grid_.Row(), column));
  pickList_->setMinimumWidth(cell.width());
  pickList_->popup(viewport()->mapToGlobal(cell.bottomLeft() + QPoint(0, 1)));
}

}  // namespace desk

QWidget* CreateGridView(plat::TDBGrid& grid, QWidget* parent) { return new desk::GridView(grid, parent); }
