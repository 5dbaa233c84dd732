// Incluir: inserts into the data set behind the focused control. A detail
// can only take a row when it is loaded and there is a proposal to hang it
// on; otherwise, and from any other control, a new proposal is started.
#include "Cli_psr41300/commands/command_targets.h"

namespace cli_psr41300 {

using plat::TComponent;

void TfrmSolicitaProposta::sbtIncluirClick(TComponent&) {
  const commands::CommandTarget target = commands::TargetOf(*this, commands::kIncluir);
  if (commands::LockedByAcceptance(*this, target, commands::kIncluir)) return;
  if (target.OnDetail()) {
    plat::TClientDataSet& detail = *(this->*target.dataSet);
    if (!detail.Active() || cdsProposta->IsEmpty()) {
      cdsProposta->Insert();
      return;
    }
    commands::FocusTargetField(*this, target);
    detail.Insert();
    return;
  }
  // With no proposal listed the new one is inserted where the user is.
  if (cdsProposta->IsEmpty()) {
    cdsProposta->Insert();
    return;
  }
  // From the list, the header or any other control: a new proposal on a
  // clean form page.
  depValidade->SetText("");
  depProposta->SetText("");
  depAceite->SetText("");
  pgcPadrao->SetActivePage(tshFormulario);
  commands::FocusTargetField(*this, target);
  cdsProposta->Insert();
}

}  // namespace cli_psr41300
