// CellEditor: the in-place editor of a grid's current cell in the window, a
// line edit laid over the cell with a caret, selection, cut, copy and
// paste, Home and End, and Backspace and Delete inside the text. The grid
// stays in charge of what the text may become:
// - each typed or pasted character is offered to the grid's key-press
//   handler first; a swallowed one never reaches the text, a replaced one
//   goes in replaced;
// - every change of the text is handed to the grid at once as the cell's
//   pending text (which puts the data set into edit, as typing does); a
//   change the grid refuses is taken back;
// - a text field edits its value laid into its edit mask and never grows
//   past the field's size, as a data-aware edit does;
// - the grid's own keys (Escape, Enter, Tab, Up and Down, Insert, Ctrl+Delete,
//   F4, Ctrl+Enter, page keys) go to the grid, and so do Left and Right at
//   the ends of the text.
// The view opens it (typing, F2, a click on the current cell) and closes it
// when the current cell changes or the focus leaves the grid.
#pragma once

#include <QLineEdit>

namespace desk {

class GridView;

class CellEditor : public QLineEdit {
 public:
  explicit CellEditor(GridView& view);

  // Shows it over the current cell with the cell's text, the caret at the
  // end (or at the given point of the cell, from a click).
  void Open(const QPoint* clickedAt = nullptr);
  void Close();
  bool IsOpen() const { return isVisible(); }
  // Follows the grid after it changed: closes when the current cell is
  // another one, else takes the grid's text when it differs and moves with
  // the cell.
  void Follow();
  // A key pressed in it, or sent on to it by the view.
  void Key(QKeyEvent* event);

 protected:
  // Tab and Shift+Tab are keys of the grid, not a focus move.
  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override { Key(event); }
  void focusOutEvent(QFocusEvent* event) override;

 private:
  void Insert(const QString& typed);
  bool Filter(char32_t& key);
  void Hand();
  QRect CellArea() const;

  GridView& view_;
  int row_ = -1, column_ = -1;  // the cell it is open on
  bool handing_ = false;        // the grid is taking the text: nothing to follow yet
};

}  // namespace desk
