#include "platform/ui/grid.h"

#include <algorithm>

#include "platform/data/clientdataset.h"
#include "platform/data/cp1252.h"
#include "platform/data/datasource.h"
#include "platform/data/field.h"
#include "platform/data/messages.h"
#include "platform/ui/db_control.h"
#include "platform/ui/dialogs.h"

namespace plat {

// ---- columns ----------------------------------------------------------------

TColumn::TColumn(TDBGrid& grid, std::string fieldName) : grid_(&grid), fieldName_(std::move(fieldName)) {}

TField* TColumn::Field() const {
  TDataSet* dataSet = grid_->DataSet();
  return dataSet ? dataSet->FindField(fieldName_) : nullptr;
}

std::string TColumn::Title() const {
  if (hasTitle_) return title_;
  TField* field = Field();
  return field ? field->DisplayLabel() : fieldName_;
}

int TColumn::Width() const {
  if (width_ > 0) return width_;
  TField* field = Field();
  return field ? field->DisplayWidth() * 7 : 64;
}

// ---- the link to the data source ----------------------------------------------

// Keeps the cell editor in step with the data set and writes it when asked.
class TDBGrid::Link : public TDataLink {
 public:
  explicit Link(TDBGrid& grid) : grid_(grid) {}

  void ActiveChanged() override {
    if (!Active()) grid_.editorModified_ = false;
    grid_.Refresh();
  }
  // Leaving the editing states (post, cancel, delete) ends any pending text:
  // a post has written it, a cancel or delete discards it.
  void EditingChanged() override {
    if (!Editing()) grid_.editorModified_ = false;
    grid_.Refresh();
  }
  void DataSetChanged() override { grid_.Refresh(); }
  // The program set the selected field (a picker's copy, say), or the whole
  // record: what was typed into the cell before gives way to it, so that a
  // later exit does not write the old text over the new value.
  void RecordChanged(TField* field) override {
    if (field && field != grid_.SelectedField()) return;
    grid_.editorModified_ = false;
    grid_.Refresh();
  }
  void UpdateData() override { grid_.UpdateData(); }
  bool FocusControl(TField& field) override {
    std::vector<TColumn*> columns = grid_.Columns();
    auto shown =
        std::find_if(columns.begin(), columns.end(), [&](TColumn* c) { return c->Visible && c->Field() == &field; });
    if (shown == columns.end() || !grid_.CanFocus()) return false;
    grid_.SetSelectedIndex(static_cast<int>(shown - columns.begin()));
    grid_.SetFocus();
    return grid_.Focused();
  }

 private:
  TDBGrid& grid_;
};

// ---- the grid -------------------------------------------------------------------

TDBGrid::TDBGrid(TComponent* owner, std::string name, TControl* parent)
    : TControl(owner, std::move(name), parent), linkImpl_(std::make_unique<Link>(*this)), link_(*linkImpl_) {}

TDBGrid::~TDBGrid() = default;

TColumn& TDBGrid::AddColumn(std::string fieldName) {
  columns_.push_back(std::make_unique<TColumn>(*this, std::move(fieldName)));
  LoadEditor();
  return *columns_.back();
}

const std::vector<std::unique_ptr<TColumn>>& TDBGrid::ColumnList() const {
  if (!columns_.empty()) return columns_;
  std::vector<TField*> fields;
  if (TDataSet* dataSet = DataSet())
    for (TField* field : dataSet->Fields())
      if (field->Visible()) fields.push_back(field);
  bool same = fields.size() == fieldColumns_.size() &&
              std::equal(fields.begin(), fields.end(), fieldColumns_.begin(),
                         [](TField* f, const auto& c) { return f->FieldName() == c->FieldName(); });
  if (same) return fieldColumns_;
  // Rebuilt for the new field list; a column keeps its settings while its field stays.
  std::vector<std::unique_ptr<TColumn>> rebuilt;
  for (TField* field : fields) {
    auto old = std::find_if(fieldColumns_.begin(), fieldColumns_.end(),
                            [&](const auto& c) { return c && c->FieldName() == field->FieldName(); });
    if (old != fieldColumns_.end())
      rebuilt.push_back(std::move(*old));
    else
      rebuilt.push_back(std::make_unique<TColumn>(const_cast<TDBGrid&>(*this), field->FieldName()));
  }
  fieldColumns_ = std::move(rebuilt);
  return fieldColumns_;
}

std::vector<TColumn*> TDBGrid::Columns() const {
  std::vector<TColumn*> columns;
  for (const auto& column : ColumnList()) columns.push_back(column.get());
  return columns;
}

TColumn* TDBGrid::ColumnByField(std::string_view fieldName) const {
  for (const auto& column : ColumnList())
    if (column->FieldName() == fieldName) return column.get();
  return nullptr;
}

TColumn* TDBGrid::SelectedColumn() const {
  const auto& columns = ColumnList();
  return selected_ >= 0 && selected_ < static_cast<int>(columns.size()) ? columns[selected_].get() : nullptr;
}

TField* TDBGrid::SelectedField() const {
  TColumn* column = SelectedColumn();
  return column ? column->Field() : nullptr;
}

void TDBGrid::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  Changed();
}

void TDBGrid::SetSelectedIndex(int index) {
  if (index == selected_ || index < 0 || index >= static_cast<int>(ColumnList().size())) return;
  UpdateData();
  Select(index);
}

void TDBGrid::Select(int index) {
  selected_ = index;
  editorModified_ = false;
  Refresh();
}

int TDBGrid::Row() const { return link_.Active() ? DataSet()->ViewCurrentRow() : -1; }
int TDBGrid::RowCount() const { return link_.Active() ? DataSet()->ViewRowCount() : 0; }

// ---- the cell editor ------------------------------------------------------------

void TDBGrid::LoadEditor() {
  if (editorModified_) return;  // typed text stays until written or discarded
  TField* field = SelectedField();
  editorText_ = field && Row() >= 0 ? MaskedEditText(*field) : std::string();
}

void TDBGrid::Refresh() {
  LoadEditor();
  Changed();
}

bool TDBGrid::CanModifyData() const { return !readOnly_ && link_.Active() && DataSet()->CanModify(); }

bool TDBGrid::CanEditCell() const {
  TColumn* column = SelectedColumn();
  TField* field = column ? column->Field() : nullptr;
  return CanModifyData() && field && !column->ReadOnly && !field->ReadOnly() && !field->Calculated();
}

bool TDBGrid::BeginEdit() { return CanEditCell() && link_.Edit(); }

void TDBGrid::UpdateData() {
  if (!editorModified_) return;
  TField* field = SelectedField();
  std::string text = editorText_;
  // Cleared first so that the field's change notification reloads the editor
  // with the text as the field keeps it.
  editorModified_ = false;
  if (field) {
    try {
      WriteEditedText(*field, text);
    } catch (...) {
      editorModified_ = true;  // the text stays pending where the user typed it
      editorText_ = text;
      Changed();
      throw;
    }
  }
  Refresh();
}

void TDBGrid::TypeKeys(const std::u32string& keys, bool replace) {
  std::u32string accepted;
  for (char32_t key : keys) {
    if (OnKeyPress) OnKeyPress(*this, key);
    // Other control characters (Enter, Escape) arrive as grid keys, not text.
    if (key == U'\b' || key >= 0x20) accepted.push_back(key);
  }
  if (accepted.empty() && !(replace && keys.empty())) return;
  if (!BeginEdit()) return;
  std::u32string text = replace ? std::u32string() : ToCodePoints(editorText_);
  for (char32_t key : accepted) {
    if (key != U'\b')
      text.push_back(key);
    else if (!text.empty())
      text.pop_back();
  }
  editorText_ = Typed(FromCodePoints(text));
  editorModified_ = true;
  Changed();
}

std::string TDBGrid::Typed(const std::string& text) const {
  const TField* field = SelectedField();
  return field ? TypedEditText(*field, text) : text;
}

void TDBGrid::UserKeyPress(char32_t key) { TypeKeys(std::u32string(1, key), false); }

void TDBGrid::UserTypeText(const std::string& text) { TypeKeys(ToCodePoints(text), true); }

char32_t TDBGrid::UserFilterKey(char32_t key) {
  if (OnKeyPress) OnKeyPress(*this, key);
  return key;
}

bool TDBGrid::UserSetEditorText(const std::string& text) {
  if (text == editorText_) return true;
  if (!BeginEdit()) return false;
  editorText_ = Typed(text);
  editorModified_ = true;
  Changed();
  return true;
}

void TDBGrid::UserChoosePick(int index) {
  TColumn* column = SelectedColumn();
  if (!column || index < 0 || index >= static_cast<int>(column->PickList.size()) || !BeginEdit()) return;
  editorText_ = column->PickList[index];
  editorModified_ = true;
  Changed();
}

bool TDBGrid::UserEditButtonClick() {
  TColumn* column = SelectedColumn();
  // A read-only grid offers no picker: what it would pick could only change
  // the rows the grid does not let the user change.
  if (readOnly_) return false;
  if (column && column->Button == ButtonStyle::Ellipsis && OnEditButtonClick) OnEditButtonClick(*this);
  return true;
}

void TDBGrid::UserDblClick() {
  if (OnDblClick) OnDblClick(*this);
}

void TDBGrid::UserTitleClick(int column) {
  std::vector<TColumn*> columns = Columns();
  if (column < 0 || column >= static_cast<int>(columns.size())) return;
  TColumn& clicked = *columns[static_cast<std::size_t>(column)];
  if (OnTitleClick) OnTitleClick(*this, clicked);
  auto* data = dynamic_cast<TClientDataSet*>(DataSet());
  TField* field = clicked.Field();
  if (!Sortable || !data || !data->Active() || !field || field->Calculated()) return;
  UpdateData();
  bool again = data->IndexFieldName() == field->FieldName() && !data->IndexDescending();
  data->SetIndex(field->FieldName(), again);
}

int TDBGrid::SortColumn() const {
  auto* data = dynamic_cast<TClientDataSet*>(DataSet());
  if (!data || data->IndexFieldName().empty()) return -1;
  std::vector<TColumn*> columns = Columns();
  for (std::size_t i = 0; i < columns.size(); ++i)
    if (columns[i]->FieldName() == data->IndexFieldName()) return static_cast<int>(i);
  return -1;
}

bool TDBGrid::SortDescending() const {
  auto* data = dynamic_cast<TClientDataSet*>(DataSet());
  return data && data->IndexDescending();
}

// ---- moving between cells ---------------------------------------------------------

void TDBGrid::ColExit() {
  if (OnColExit) OnColExit(*this);
}

std::vector<int> TDBGrid::VisibleColumns() const {
  std::vector<int> visible;
  const auto& columns = ColumnList();
  for (int i = 0; i < static_cast<int>(columns.size()); ++i)
    if (columns[i]->Visible) visible.push_back(i);
  return visible;
}

// Leaving the current column by the user's doing: pending text is written
// and OnColExit runs before the other column is selected.
void TDBGrid::MoveToColumn(int index) {
  if (index == selected_) return;
  UpdateData();
  ColExit();
  Select(index);
}

TDBGrid::RowStep TDBGrid::StepDown() const {
  if (!link_.Active()) return RowStep::None;
  if (Row() < RowCount() - 1) return RowStep::Move;
  TDataSet* dataSet = DataSet();
  bool untouchedNewRow = dataSet->State() == DataSetState::Insert && !dataSet->Modified() && !editorModified_;
  return !untouchedNewRow && CanModifyData() ? RowStep::Append : RowStep::None;
}

TDBGrid::RowStep TDBGrid::StepUp() const { return Row() > 0 ? RowStep::Move : RowStep::None; }

void TDBGrid::TakeStep(RowStep step, int delta) {
  if (step == RowStep::None) return;
  UpdateData();
  if (step == RowStep::Append)
    DataSet()->Append();
  else
    DataSet()->MoveToViewRow(Row() + delta);
}

void TDBGrid::MoveColumnBy(int delta, bool wrapRows) {
  std::vector<int> visible = VisibleColumns();
  if (visible.empty()) return;
  auto at = std::find(visible.begin(), visible.end(), selected_);
  int position = at != visible.end() ? static_cast<int>(at - visible.begin())
                                     : (delta > 0 ? -1 : static_cast<int>(visible.size()));
  int next = position + delta;
  if (next >= 0 && next < static_cast<int>(visible.size())) {
    MoveToColumn(visible[next]);
    return;
  }
  RowStep step = !wrapRows ? RowStep::None : delta > 0 ? StepDown() : StepUp();
  UpdateData();
  if (step == RowStep::None) return;  // no row to go to: the cell stays
  ColExit();
  TakeStep(step, delta);
  Select(delta > 0 ? visible.front() : visible.back());
}

void TDBGrid::UserSelectCell(int row, int column) {
  const auto& columns = ColumnList();
  if (column >= 0 && column < static_cast<int>(columns.size()) && columns[column]->Visible) MoveToColumn(column);
  if (row >= 0 && row < RowCount() && row != Row()) {
    UpdateData();
    DataSet()->MoveToViewRow(row);
  }
}

void TDBGrid::DeleteRecord() {
  TDataSet* dataSet = DataSet();
  if (!CanModifyData() || (dataSet->IsEmpty() && dataSet->State() != DataSetState::Insert)) return;
  if (ConfirmDelete && !ConfirmYesNo(Message(Msg::DeleteRecord))) return;
  dataSet->Delete();
}

// Escape: the cell's typed text is taken back first; with none pending, the
// row's changes are cancelled.
void TDBGrid::ResetEditor() {
  if (editorModified_) {
    editorModified_ = false;
    Refresh();
    return;
  }
  if (link_.Editing()) DataSet()->Cancel();
  Refresh();
}

void TDBGrid::UserKey(GridKey key) {
  switch (key) {
    case GridKey::Insert:
      if (CanModifyData()) DataSet()->Insert();
      break;
    case GridKey::Down:
      TakeStep(StepDown(), 1);
      break;
    case GridKey::Up:
      TakeStep(StepUp(), -1);
      break;
    case GridKey::CtrlDelete:
      DeleteRecord();
      break;
    case GridKey::Escape:
      ResetEditor();
      break;
    case GridKey::Tab:
      MoveColumnBy(1, true);
      break;
    case GridKey::ShiftTab:
      MoveColumnBy(-1, true);
      break;
    case GridKey::Enter:
      if (readOnly_ && OnDblClick)
        OnDblClick(*this);
      else
        MoveColumnBy(1, false);
      break;
    case GridKey::Home:
    case GridKey::End: {
      std::vector<int> visible = VisibleColumns();
      if (!visible.empty()) MoveToColumn(key == GridKey::Home ? visible.front() : visible.back());
      break;
    }
  }
}

// ---- focus ------------------------------------------------------------------------

void TDBGrid::DoEnter() {
  Refresh();
  TControl::DoEnter();
}

void TDBGrid::DoExit() {
  TDataSet* dataSet = DataSet();
  if (CancelOnExit && link_.Active() && dataSet->State() == DataSetState::Insert && !dataSet->Modified() &&
      !editorModified_)
    dataSet->Cancel();
  else
    UpdateData();  // a failure here keeps the focus on the grid
  TControl::DoExit();
}

void TDBGrid::FocusChanged() { Refresh(); }

// ---- drawing ------------------------------------------------------------------------

void TDBGrid::Paint(int topRow, int visibleRows) {
  Canvas.Clear();
  if (!link_.Active()) return;
  TDataSet& dataSet = *DataSet();
  const auto& columns = ColumnList();
  int first = std::max(topRow, 0);
  int last = first + std::clamp(visibleRows, 0, std::max(dataSet.ViewRowCount() - first, 0));
  bool focused = Focused();
  for (int row = first; row < last; ++row) {
    int top = (row - first) * DefaultRowHeight;
    dataSet.ReadViewRow(row, [&] {
      int left = 0;
      for (int col = 0; col < static_cast<int>(columns.size()); ++col) {
        TColumn& column = *columns[col];
        if (!column.Visible) continue;
        TRect rect{left, top, left + column.Width(), top + DefaultRowHeight};
        left = rect.right;
        DrawCell(row, col, column, rect, focused);
      }
    });
  }
}

void TDBGrid::PaintCell(int row, int column, const TRect& rect) {
  Canvas.Clear();
  const auto& columns = ColumnList();
  if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns.size()) ||
      !columns[column]->Visible)
    return;
  DataSet()->ReadViewRow(row, [&] { DrawCell(row, column, *columns[column], rect, Focused()); });
}

void TDBGrid::DrawCell(int row, int col, TColumn& column, const TRect& rect, bool focused) {
  bool current = row == DataSet()->ViewCurrentRow();
  TGridDrawState state{current, current && col == selected_ && focused, DataSet()->ViewRowPending(row)};
  // The current cell is highlighted, focused or not (the user sees where a key
  // would go), and the rest of its row shaded.
  bool currentCell = current && col == selected_;
  Canvas.Brush.Color = currentCell      ? clr::Highlight
                       : state.selected ? clr::CurrentRow
                       : state.pending  ? clr::Info
                                        : clr::Window;
  Canvas.Font.Color = currentCell ? clr::HighlightText : clr::WindowText;
  Canvas.Font.Bold = state.pending;
  DefaultDrawColumnCell(rect, col, column, state);
  if (OnDrawColumnCell) OnDrawColumnCell(*this, rect, col, column, state);
}

void TDBGrid::DefaultDrawColumnCell(const TRect& rect, int dataCol, TColumn& column, TGridDrawState state) {
  (void)dataCol;
  (void)state;
  TField* field = column.Field();
  Canvas.FillRect(rect);
  Canvas.TextRect(rect, rect.left + 2, rect.top + 2, field ? field->DisplayText() : std::string());
}

std::string TDBGrid::CellText(int row, int column) const {
  const auto& columns = ColumnList();
  if (row < 0 || row >= RowCount() || column < 0 || column >= static_cast<int>(columns.size())) return {};
  TField* field = columns[column]->Field();
  if (!field) return {};
  std::string text;
  DataSet()->ReadViewRow(row, [&] { text = field->DisplayText(); });
  return text;
}

}  // namespace plat
