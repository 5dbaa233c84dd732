// What the user does to a grid, in the headless grid's own terms, and how it
// reaches the grid: through the screen's user-action layer, as one event of
// the host's message loop (a silent abort ends it quietly, an error is shown
// once).
#pragma once

#include <functional>

#include "platform/ui/grid.h"
#include "platform/ui/user_actions.h"

namespace desk {

struct GridAction {
  enum Kind { Select, KeyPress, Key, Choose, EditButton, Title, DoubleClick } kind = Select;
  int row = -1;                             // Select, DoubleClick: the view row, -1 keeps the row
  int column = -1;                          // Select, DoubleClick: the column, -1 keeps the column; Title: the column
  char32_t character = 0;                   // KeyPress
  plat::GridKey key = plat::GridKey::Down;  // Key
  int pick = -1;                            // Choose: the pick-list entry

  static GridAction SelectCell(int row, int column) { return {Select, row, column}; }
  static GridAction Type(char32_t c) { return {KeyPress, -1, -1, c}; }
  static GridAction Press(plat::GridKey k) { return {Key, -1, -1, 0, k}; }
  static GridAction ChoosePick(int index) { return {Choose, -1, -1, 0, plat::GridKey::Down, index}; }
  static GridAction ClickEditButton() { return {EditButton}; }
  static GridAction ClickTitle(int column) { return {Title, -1, column}; }
  static GridAction DoubleClickCell(int row, int column) { return {DoubleClick, row, column}; }

  friend bool operator==(const GridAction&, const GridAction&) = default;
};

// A front-end that runs the user's actions itself, as one event of its own
// (the window bridge does, to keep Qt's focus in step afterwards), hands the
// grid window this door; the door runs the work with the form's TUserActions.
using UserActionWork = std::function<plat::ActionResult(plat::TUserActions&)>;
using ActionDoor = std::function<plat::ActionResult(const UserActionWork&)>;

// Runs the action on the grid through TUserActions (which first gives the grid
// the focus): through the door when there is one, else with the grid form's
// own; a grid on no form gets it directly, inside plat::RunEvent.
plat::ActionResult RunGridAction(plat::TDBGrid& grid, const GridAction& action, const ActionDoor& door = {});

}  // namespace desk
