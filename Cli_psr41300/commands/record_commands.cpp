// Alterar and Excluir on the data set behind the focused control; Confirmar
// and Cancelar on every data set with pending edits, the proposal first.
#include "Cli_psr41300/commands/command_targets.h"

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
  if (!Confirmed(*this, "Excl")) return;
  (this->*commands::TargetOf(*this, commands::kExcluir).dataSet)->Delete();
}

// A failed post (a refused check, a refused sending) ends the command there:
// the data sets after it are left as they are.
void TfrmSolicitaProposta::sbtConfirmarClick(TComponent&) {
  for (auto member : commands::PostingOrder()) {
    plat::TClientDataSet& dataSet = *(this->*member);
    if (dataSet.Editing()) dataSet.Post();
  }
}

void TfrmSolicitaProposta::sbtCancelarClick(TComponent&) {
  if (!Confirmed(*this, "Canc")) return;
  for (auto member : commands::CancellingOrder()) {
    plat::TDataSet* dataSet = (this->*member)->DataSet();
    if (dataSet && dataSet->Editing()) dataSet->Cancel();
  }
}

}  // namespace cli_psr41300
