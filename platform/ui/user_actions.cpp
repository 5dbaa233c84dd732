#include "platform/ui/user_actions.h"

#include "platform/data/errors.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/dialogs.h"
#include "platform/ui/form.h"
#include "platform/ui/pages.h"
#include "platform/ui/splitter.h"

namespace plat {

const char* ActionResultName(ActionResult result) {
  switch (result) {
    case ActionResult::Done:
      return "done";
    case ActionResult::Aborted:
      return "aborted";
    case ActionResult::Failed:
      return "failed";
    case ActionResult::Refused:
      return "refused";
  }
  return "?";
}

ActionResult RunEvent(const std::function<bool()>& work) {
  try {
    return work() ? ActionResult::Done : ActionResult::Refused;
  } catch (const EAbort&) {
    return ActionResult::Aborted;
  } catch (const std::exception& e) {
    Dialogs::Current().ShowError(e.what());
    return ActionResult::Failed;
  }
}

TControl& TUserActions::Control(std::string_view name) const { return form_.Get<TControl>(name); }

bool TUserActions::FocusFor(TControl& control) {
  if (!control.Focusable()) return control.Showing() && control.EnabledInTree();
  form_.FocusControl(control);
  return control.Focused();
}

ActionResult TUserActions::Focus(TControl& control) {
  return Run([&] { return control.CanFocus() && FocusFor(control); });
}

ActionResult TUserActions::Tab(bool forward) {
  return Run([&] { return form_.SelectNext(forward); });
}

ActionResult TUserActions::Type(TControl& control, const std::string& text) {
  return Run([&] {
    if (!FocusFor(control)) return false;
    if (auto* grid = dynamic_cast<TDBGrid*>(&control)) {
      if (grid->ReadOnly()) return false;  // a read-only grid takes no typing
      grid->UserTypeText(text);
      return true;
    }
    if (auto* edit = dynamic_cast<TDBFieldControl*>(&control)) return edit->UserEdit(text);
    if (auto* edit = dynamic_cast<TEdit*>(&control)) return edit->UserEdit(text);
    return false;
  });
}

ActionResult TUserActions::Choose(TControl& control, int index) {
  return Run([&] {
    if (!FocusFor(control)) return false;
    if (auto* grid = dynamic_cast<TDBGrid*>(&control)) {
      grid->UserChoosePick(index);
      return true;
    }
    if (auto* choice = dynamic_cast<TDBChoiceControl*>(&control)) return choice->UserChoose(index);
    return false;
  });
}

ActionResult TUserActions::Click(TControl& control) {
  return Run([&] {
    if (!control.Showing() || !control.EnabledInTree()) return false;
    if (control.Focusable() && !FocusFor(control)) return false;
    control.Click();
    return true;
  });
}

ActionResult TUserActions::Click(TMenuItem& item) {
  return Run([&] {
    for (TMenuItem* i = &item; i; i = i->ParentItem())
      if (!i->Visible() || !i->Enabled()) return false;
    item.Click();
    return true;
  });
}

ActionResult TUserActions::SelectTab(TPageControl& pages, TTabSheet& page) {
  return Run([&] { return pages.Showing() && pages.UserSelect(page); });
}

ActionResult TUserActions::GridSelect(TDBGrid& grid, int row, int column) {
  return Run([&] {
    if (!FocusFor(grid)) return false;
    grid.UserSelectCell(row, column);
    return true;
  });
}

ActionResult TUserActions::GridKeyPress(TDBGrid& grid, char32_t key) {
  return Run([&] {
    if (!FocusFor(grid)) return false;
    grid.UserKeyPress(key);
    return true;
  });
}

ActionResult TUserActions::GridFilterKey(TDBGrid& grid, char32_t& key) {
  return Run([&] {
    if (!FocusFor(grid)) return false;
    key = grid.UserFilterKey(key);
    return true;
  });
}

ActionResult TUserActions::GridSetEditorText(TDBGrid& grid, const std::string& text) {
  return Run([&] { return FocusFor(grid) && grid.UserSetEditorText(text); });
}

ActionResult TUserActions::DragSplitter(TSplitter& splitter, int distance) {
  return Run([&] {
    if (!splitter.Showing()) return false;
    splitter.UserDrag(distance);
    return true;
  });
}

ActionResult TUserActions::GridTitleClick(TDBGrid& grid, int column) {
  return Run([&] {
    if (!FocusFor(grid)) return false;
    grid.UserTitleClick(column);
    return true;
  });
}

ActionResult TUserActions::GridKey(TDBGrid& grid, plat::GridKey key) {
  return Run([&] {
    if (!FocusFor(grid)) return false;
    grid.UserKey(key);
    return true;
  });
}

ActionResult TUserActions::GridDblClick(TDBGrid& grid, int row, int column) {
  return Run([&] {
    if (!FocusFor(grid)) return false;
    grid.UserSelectCell(row, column);
    grid.UserDblClick();
    return true;
  });
}

ActionResult TUserActions::GridEllipsis(TDBGrid& grid) {
  return Run([&] {
    if (!FocusFor(grid)) return false;
    return grid.UserEditButtonClick();
  });
}

}  // namespace plat
