#include "platform/ui/navigator.h"

#include "platform/data/dataset.h"
#include "platform/data/messages.h"
#include "platform/ui/dialogs.h"

namespace plat {

TDBNavigator::TDBNavigator(TComponent* owner, std::string name, TControl* parent)
    : TControl(owner, std::move(name), parent) {}

bool TDBNavigator::ButtonEnabled(NavButton button) const {
  TDataSet* ds = link_.DataSet();
  if (!Enabled() || !ds || !ds->Active()) return false;
  bool editing = ds->Editing();
  bool canModify = ds->CanModify();
  switch (button) {
    case NavButton::First:
    case NavButton::Prior:
      return !editing && !ds->IsEmpty() && ds->RecNo() > 1;
    case NavButton::Next:
    case NavButton::Last:
      return !editing && !ds->IsEmpty() && ds->RecNo() < ds->RecordCount();
    case NavButton::Insert:
      return canModify && !editing;
    case NavButton::Delete:
      return canModify && !ds->IsEmpty() && !editing;
    case NavButton::Edit:
      return canModify && !editing;
    case NavButton::Post:
    case NavButton::Cancel:
      return canModify && editing;
    case NavButton::Refresh:
      return !editing;
  }
  return false;
}

void TDBNavigator::ClickButton(NavButton button) {
  if (!Showing() || !ButtonEnabled(button)) return;
  TDataSet& ds = *link_.DataSet();
  switch (button) {
    case NavButton::First:
      ds.First();
      break;
    case NavButton::Prior:
      ds.Prior();
      break;
    case NavButton::Next:
      ds.Next();
      break;
    case NavButton::Last:
      ds.Last();
      break;
    case NavButton::Insert:
      ds.Insert();
      break;
    case NavButton::Delete:
      if (!ConfirmDelete || ConfirmYesNo(Message(Msg::DeleteRecord))) ds.Delete();
      break;
    case NavButton::Edit:
      ds.Edit();
      break;
    case NavButton::Post:
      ds.Post();
      break;
    case NavButton::Cancel:
      ds.Cancel();
      break;
    case NavButton::Refresh:
      break;  // client data sets are refreshed by the screen
  }
}

}  // namespace plat
