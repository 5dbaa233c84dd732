// TDBGrid: a data-aware grid over a data source, in the classic manner.
//
// What callers may rely on:
// - The current row is the data set's cursor (the insert row while
//   inserting); SelectedIndex is the current column among the grid's columns,
//   SelectedField its field. Moving to another row posts a modified row.
// - Typing in a cell (UserKeyPress, UserTypeText) first runs OnKeyPress, which
//   may swallow the key by setting it to '\0'; otherwise the cell editor
//   takes it after auto-edit puts the data set into edit (refused in a
//   read-only grid, column or field). Cell text is pending until the column or
//   row is left, the grid is left, or the data set posts; it is then written
//   through the field's set-text handler. A text field with an edit mask is
//   edited laid into its mask, as a data-aware edit does.
// - Keys: Insert inserts; Down on the last row appends (not from an unmodified
//   new row); Ctrl+Delete deletes after the host's confirmation; Escape
//   takes back the cell's typed text, and with none pending cancels the
//   row; Tab and Enter move to the next visible column (Tab from the last
//   column goes to the first column of the next row). Leaving a column by
//   key or by selecting another column runs OnColExit.
// - Leaving the grid writes the pending cell text; a new row left untouched is
//   cancelled (CancelOnExit, on by default).
// - Sortable grids: a click on a column's title (UserTitleClick) runs
//   OnTitleClick and then, in a sortable grid over a client data set, sorts
//   the data set by the column's field through its index: ascending, and
//   descending when the title of the column already sorted ascending is
//   clicked again. The pending cell text is written first; a failing post
//   leaves the order unchanged. SortColumn tells which column the data set
//   is sorted by, for the title to show it.
// - Paint lays the visible rows out on a canvas; for every cell the grid
//   draws its default and then, when set, calls OnDrawColumnCell.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/data/datalink.h"
#include "platform/ui/canvas.h"
#include "platform/ui/control.h"

namespace plat {

class TDataSource;
class TField;
class TDBGrid;

enum class ButtonStyle { Auto, Ellipsis };

class TColumn {
 public:
  TColumn(TDBGrid& grid, std::string fieldName);

  const std::string& FieldName() const { return fieldName_; }
  TField* Field() const;
  // Title defaults to the field's display label; width to seven pixels per
  // character of the field's display width (64 when the field is missing).
  std::string Title() const;
  void SetTitle(std::string title) {
    title_ = std::move(title);
    hasTitle_ = true;
  }
  int Width() const;
  void SetWidth(int width) { width_ = width; }
  bool Visible = true;
  bool ReadOnly = false;
  ButtonStyle Button = ButtonStyle::Auto;
  std::vector<std::string> PickList;

 private:
  TDBGrid* grid_;
  std::string fieldName_;
  std::string title_;
  bool hasTitle_ = false;
  int width_ = 0;
};

// Keys the grid handles besides characters.
enum class GridKey { Insert, Down, Up, CtrlDelete, Escape, Tab, ShiftTab, Enter, Home, End };

struct TGridDrawState {
  bool selected = false;  // the current row
  bool focused = false;   // the current cell of the focused grid
  bool pending = false;   // the row holds a change not stored yet (drawn marked)
};

class TDBGrid : public TControl {
 public:
  TDBGrid(TComponent* owner, std::string name, TControl* parent = nullptr);
  ~TDBGrid() override;

  TDataSource* DataSource() const { return link_.DataSource(); }
  void SetDataSource(TDataSource* source) { link_.SetDataSource(source); }
  TDataSet* DataSet() const { return link_.DataSet(); }

  // Columns. Without declared columns the grid shows the data set's visible fields.
  TColumn& AddColumn(std::string fieldName);
  std::vector<TColumn*> Columns() const;
  TColumn* ColumnByField(std::string_view fieldName) const;

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly);
  bool CancelOnExit = true;
  bool ConfirmDelete = true;
  int DefaultRowHeight = 18;

  int SelectedIndex() const { return selected_; }
  void SetSelectedIndex(int index);  // by program: no OnColExit
  TField* SelectedField() const;
  int Row() const;       // current data row, -1 when none
  int RowCount() const;  // data rows shown

  // The cell editor.
  const std::string& EditorText() const { return editorText_; }
  bool EditorModified() const { return editorModified_; }

  // User actions (the front-end calls these through TUserActions).
  void UserSelectCell(int row, int column);    // row -1 keeps the row
  void UserKeyPress(char32_t key);             // a typed character
  void UserTypeText(const std::string& text);  // replaces the cell's text, as if typed
  void UserKey(GridKey key);
  void UserChoosePick(int index);  // a pick-list entry for the current column
  // The ellipsis button of the current cell (nothing when it has none);
  // false, and nothing done, when the grid is read-only.
  bool UserEditButtonClick();
  // The double click on the current row: runs OnDblClick.
  void UserDblClick();
  void UserTitleClick(int column);  // the title of a column (an index among Columns())
  // For a front-end's own cell editor (caret, selection, paste): offers one
  // typed character to OnKeyPress and returns it as the handler left it (0:
  // swallowed); nothing is written. Then UserSetEditorText hands over the
  // whole text the editor holds, as pending cell text, after auto-edit as
  // typing does; false when the cell cannot be edited.
  char32_t UserFilterKey(char32_t key);
  bool UserSetEditorText(const std::string& text);
  // Whether the current cell can be edited now (grid, column, field and data set).
  bool CanEditCell() const;

  bool Sortable = false;
  // The column whose field the data set is sorted by (-1 when none shown)
  // and whether descending.
  int SortColumn() const;
  bool SortDescending() const;

  // Writes pending cell text to the field now.
  void UpdateData();

  // Events.
  std::function<void(TDBGrid&, char32_t& key)> OnKeyPress;
  TNotifyEvent OnColExit;
  TNotifyEvent OnEditButtonClick;
  // A double click on a row, and Enter in a read-only grid (a list), which
  // then does not move to the next column: how a list opens its row.
  TNotifyEvent OnDblClick;
  std::function<void(TDBGrid&, TColumn&)> OnTitleClick;
  std::function<void(TDBGrid&, const TRect&, int dataCol, TColumn&, TGridDrawState)> OnDrawColumnCell;
  TCanvas Canvas;

  // Lays out and draws the visible rows starting at topRow (at most
  // visibleRows of them) on Canvas, which is cleared first.
  void Paint(int topRow = 0, int visibleRows = 30);
  // Draws one cell (a view row and an index among Columns()) into rect on
  // Canvas, which is cleared first, as Paint draws it: the default drawing,
  // then OnDrawColumnCell. A front-end that lays the cells out itself calls
  // this for each cell it shows. Nothing is drawn for a row or column out of
  // range, or for a hidden column.
  void PaintCell(int row, int column, const TRect& rect);
  // The classic default drawing of a cell: fills the rectangle and writes the
  // field's display text with the canvas's current brush and font, which
  // Paint sets before each cell (window colours, highlight on the current row;
  // a row holding a change not stored yet in bold, on the hint colour unless
  // it is the current row).
  void DefaultDrawColumnCell(const TRect& rect, int dataCol, TColumn& column, TGridDrawState state);
  // Display text of a cell.
  std::string CellText(int row, int column) const;

  void DoEnter() override;
  void DoExit() override;
  void FocusChanged() override;

 private:
  class Link;
  enum class RowStep { None, Move, Append };

  const std::vector<std::unique_ptr<TColumn>>& ColumnList() const;
  TColumn* SelectedColumn() const;
  bool CanModifyData() const;
  bool BeginEdit();
  void Select(int index);  // no writing, no OnColExit
  void LoadEditor();
  void Refresh();
  void ResetEditor();
  void ColExit();
  void TypeKeys(const std::u32string& keys, bool replace);
  std::vector<int> VisibleColumns() const;
  void MoveToColumn(int index);
  void MoveColumnBy(int delta, bool wrapRows);
  RowStep StepDown() const;
  RowStep StepUp() const;
  void TakeStep(RowStep step, int delta);
  void DeleteRecord();
  // Prepares the canvas for the cell and draws it; the row is being read.
  void DrawCell(int row, int col, TColumn& column, const TRect& rect, bool focused);
  // The cell editor's text as typed into the selected field.
  std::string Typed(const std::string& text) const;

  std::unique_ptr<Link> linkImpl_;
  TDataLink& link_;
  std::vector<std::unique_ptr<TColumn>> columns_;
  // Columns made for the data set's visible fields when none are declared.
  mutable std::vector<std::unique_ptr<TColumn>> fieldColumns_;
  bool readOnly_ = false;
  int selected_ = 0;
  std::string editorText_;
  bool editorModified_ = false;
};

}  // namespace plat
