// TUserActions: the one way a front-end (the scripted host, the desktop
// window) hands the user's actions to a screen.
//
// Each action runs like one event of the host's message loop: the silent
// abort (EAbort) ends it quietly; any other exception is shown in the host's
// error dialog and ends it. Every action returns Done when it ran to its end,
// Aborted after a silent abort, Failed after an error was shown, and Refused
// when the control did not take the action (hidden, disabled, read-only, or
// it could not get the focus).
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "platform/ui/grid.h"

namespace plat {

class TForm;
class TControl;
class TMenuItem;
class TPageControl;
class TTabSheet;
class TSplitter;

enum class ActionResult { Done, Aborted, Failed, Refused };
const char* ActionResultName(ActionResult result);

// Runs a piece of work as one event of the host's message loop (see above);
// work returns false when it refused to act.
ActionResult RunEvent(const std::function<bool()>& work);

class TUserActions {
 public:
  explicit TUserActions(TForm& form) : form_(form) {}

  // Runs any piece of work as one message-loop event.
  ActionResult Run(const std::function<bool()>& work) { return RunEvent(work); }

  ActionResult Focus(TControl& control);
  ActionResult Tab(bool forward = true);  // the Tab key between controls
  // Focuses the control and replaces its text as typed (edits, date edits,
  // rich text, plain edits, grid cells).
  ActionResult Type(TControl& control, const std::string& text);
  // Focuses the control and picks an item (radio group, drop-down list, the
  // pick list of the grid's current column).
  ActionResult Choose(TControl& control, int index);
  // Clicks a button (speed buttons and search buttons keep the focus where
  // it is; other controls are focused first).
  ActionResult Click(TControl& control);
  ActionResult Click(TMenuItem& item);
  ActionResult SelectTab(TPageControl& pages, TTabSheet& page);

  ActionResult GridSelect(TDBGrid& grid, int row, int column);
  ActionResult GridKeyPress(TDBGrid& grid, char32_t key);
  // A front-end's cell editor: the typed character offered to the grid's
  // key-press handler (key as the handler left it), and the editor's text
  // handed to the grid; both focus the grid first.
  ActionResult GridFilterKey(TDBGrid& grid, char32_t& key);
  ActionResult GridSetEditorText(TDBGrid& grid, const std::string& text);
  // Drags a splitter bar by a distance (see TSplitter::UserDrag).
  ActionResult DragSplitter(TSplitter& splitter, int distance);
  // A click on a column's title (an index among the grid's columns).
  ActionResult GridTitleClick(TDBGrid& grid, int column);
  ActionResult GridKey(TDBGrid& grid, plat::GridKey key);
  ActionResult GridEllipsis(TDBGrid& grid);
  // A double click on a cell: selects it, then the grid's double-click action.
  ActionResult GridDblClick(TDBGrid& grid, int row, int column);

  // By component name, for scripts.
  TControl& Control(std::string_view name) const;

 private:
  bool FocusFor(TControl& control);
  TForm& form_;
};

}  // namespace plat
