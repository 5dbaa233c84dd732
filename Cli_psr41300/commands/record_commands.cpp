// Alterar and Excluir on the data set behind the focused control; Confirmar
// and Cancelar on every data set with pending edits or refused changes
// (Confirmar the proposal first, Cancelar the proposal last).
#include "Cli_psr41300/commands/command_targets.h"
#include "Cli_psr41300/data/record_steps.h"

namespace cli_psr41300 {

namespace {

// Asks a confirmation of the standard catalogue; only Yes proceeds.
bool Confirmed(const TfrmSolicitaProposta& screen, const char* code) {
  return screen.msgMensagensPadroes->ShowMsg(code, plat::DialogType::Confirmation, plat::mbYesNo, 0) == plat::mrYes;
}

}  // namespace

using plat::TComponent;

void TfrmSolicitaProposta::sbtAlterarClick(TComponent& sender) {
  const commands::CommandTarget target = commands::TargetOf(*this, commands::kAlterar);
  if (commands::LockedByAcceptance(*this, target, commands::kAlterar)) return;
  switch (target.edit) {
    case commands::EditRoute::DataSet:
      commands::FocusTargetField(*this, target);
      (this->*target.dataSet)->Edit();
      break;
    case commands::EditRoute::DataSource:
      commands::FocusTargetField(*this, target);
      (this->*target.dataSource)->Edit();
      break;
    case commands::EditRoute::BaseAlterar:
    case commands::EditRoute::None:
      TfrmPadrao::sbtAlterarClick(sender);
      break;
  }
}

void TfrmSolicitaProposta::sbtExcluirClick(TComponent&) {
  const commands::CommandTarget target = commands::TargetOf(*this, commands::kExcluir);
  if (commands::LockedByAcceptance(*this, target, commands::kExcluir)) return;
  if (!Confirmed(*this, "Excl")) return;
  (this->*target.dataSet)->Delete();
}

// A failed post (a refused check, a refused sending) ends the command there:
// the data sets after it are left as they are. Changes the server refused
// before are sent again.
void TfrmSolicitaProposta::sbtConfirmarClick(TComponent&) {
  for (auto member : commands::PostingOrder()) {
    plat::TClientDataSet& dataSet = *(this->*member);
    if (dataSet.Editing())
      dataSet.Post();
    else if (dataSet.ChangeCount() > 0)
      steps::ResendRefused(*this, dataSet);
  }
}

// Asked once: the rows being typed are cancelled and the changes the server
// refused are discarded with them.
void TfrmSolicitaProposta::sbtCancelarClick(TComponent&) {
  if (!Confirmed(*this, "Canc")) return;
  cancelConfirmed = true;
  struct Reset {
    bool& flag;
    ~Reset() { flag = false; }
  } reset{cancelConfirmed};
  for (auto member : commands::CancellingOrder()) {
    plat::TDataSet* dataSet = (this->*member)->DataSet();
    auto* logged = dynamic_cast<plat::TClientDataSet*>(dataSet);
    if (dataSet && dataSet->Editing())
      dataSet->Cancel();
    else if (logged)
      steps::DiscardChanges(*this, *logged);
  }
  // Rows given back their stored keys (and the proposal its stored party)
  // show what is stored under them again, once nothing is left to cancel.
  cancelConfirmed = false;
  steps::ShowStaleDependents(*this);
  ShowPendingWork();
}

}  // namespace cli_psr41300
