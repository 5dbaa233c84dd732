#include "desktop/grid_actions.h"

#include "platform/ui/form.h"

namespace desk {

namespace {

plat::ActionResult RunOnForm(plat::TUserActions& actions, plat::TDBGrid& grid, const GridAction& action) {
  switch (action.kind) {
    case GridAction::Select:
      return actions.GridSelect(grid, action.row, action.column);
    case GridAction::KeyPress:
      return actions.GridKeyPress(grid, action.character);
    case GridAction::Key:
      return actions.GridKey(grid, action.key);
    case GridAction::Choose:
      return actions.Choose(grid, action.pick);
    case GridAction::EditButton:
      return actions.GridEllipsis(grid);
    case GridAction::Title:
      return actions.GridTitleClick(grid, action.column);
    case GridAction::DoubleClick:
      return actions.GridDblClick(grid, action.row, action.column);
  }
  return plat::ActionResult::Refused;
}

void RunOnGrid(plat::TDBGrid& grid, const GridAction& action) {
  switch (action.kind) {
    case GridAction::Select:
      grid.UserSelectCell(action.row, action.column);
      break;
    case GridAction::KeyPress:
      grid.UserKeyPress(action.character);
      break;
    case GridAction::Key:
      grid.UserKey(action.key);
      break;
    case GridAction::Choose:
      grid.UserChoosePick(action.pick);
      break;
    case GridAction::EditButton:
      grid.UserEditButtonClick();
      break;
    case GridAction::Title:
      grid.UserTitleClick(action.column);
      break;
    case GridAction::DoubleClick:
      grid.UserSelectCell(action.row, action.column);
      grid.UserDblClick();
      break;
  }
}

}  // namespace

plat::ActionResult RunGridAction(plat::TDBGrid& grid, const GridAction& action, const ActionDoor& door) {
  if (door) return door([&](plat::TUserActions& actions) { return RunOnForm(actions, grid, action); });
  if (plat::TForm* form = grid.ParentForm()) {
    plat::TUserActions actions(*form);
    return RunOnForm(actions, grid, action);
  }
  return plat::RunEvent([&] {
    RunOnGrid(grid, action);
    return true;
  });
}

}  // namespace desk
