// The keyboard of a grid window: which key stands for which grid action.
// The classic keys go to the grid as they are (Insert, Up, Down, Ctrl+Delete,
// Escape, Tab, Shift+Tab, Enter, Home, End), typed characters go through the
// grid's key-press handler, and the moves the headless grid has no key for
// (Left, Right, Page Up/Down, Ctrl+Home/End) select the cell they lead to.
#pragma once

#include <vector>

#include "desktop/grid_actions.h"

class QKeyEvent;

namespace desk {

// Where the grid stands, for the keys that move the selection.
struct GridPosition {
  int row = -1;  // the current view row, -1 when none
  int rowCount = 0;
  int column = 0;                   // the selected column
  std::vector<int> visibleColumns;  // indexes of the shown columns, in order
  int pageRows = 1;                 // rows one Page Up/Down moves
};

struct KeyTranslation {
  bool taken = false;               // the grid window handles the key (even when it does nothing)
  std::vector<GridAction> actions;  // to run in order
  bool openPickList = false;        // drop the current column's pick list down
};

KeyTranslation TranslateKey(const QKeyEvent& event, const GridPosition& at);

}  // namespace desk
