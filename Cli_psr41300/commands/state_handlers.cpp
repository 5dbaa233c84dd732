// The data-source state handlers: each judges one data set by the common
// rule of the record commands. They are bound to their data sources' state
// changes and called again wherever the user enters a grid, a page or a
// record, so the handler that ran last decides what is enabled. A detail's
// handler takes its lock from the detail's row.
#include "Cli_psr41300/commands/state_rules.h"

namespace cli_psr41300 {

namespace {

using commands::AcceptanceLock;
using commands::ButtonCopy;
using commands::StateRule;
using T = TfrmSolicitaProposta;

const StateRule kProposta{&T::cdsProposta, AcceptanceLock::Header, ButtonCopy::All};
const StateRule kPadrao{&T::cdsProposta, AcceptanceLock::None, ButtonCopy::AllButIncluir};

}  // namespace

using plat::TComponent;

void TfrmSolicitaProposta::dtsPropostaStateChange(TComponent&) { commands::ApplyStateRule(*this, kProposta); }

// The list source watches the proposals too; the base's own judgement runs
// first. It is attached to cdsProposta before dtsProposta, so on a state
// change of the proposals the header lock of dtsPropostaStateChange comes
// last and is not undone here.
void TfrmSolicitaProposta::dtsPadraoStateChange(TComponent& sender) {
  TfrmPadrao::dtsPadraoStateChange(sender);
  commands::ApplyStateRule(*this, kPadrao);
}

void TfrmSolicitaProposta::ShowPendingWork() { commands::ApplyPendingRule(*this); }

void TfrmSolicitaProposta::dtsMensagemStateChange(TComponent&) { commands::ApplyDetailStateRule(*this, *cdsMensagem); }

void TfrmSolicitaProposta::dtsDadosContLinhaProdStateChange(TComponent&) {
  commands::ApplyDetailStateRule(*this, *cdsDadosContLinhaProd);
}

void TfrmSolicitaProposta::dtsSistLinhaProdStateChange(TComponent&) {
  commands::ApplyDetailStateRule(*this, *cdsSistLinhaProd);
}

void TfrmSolicitaProposta::dtsDadosContServicoStateChange(TComponent&) {
  commands::ApplyDetailStateRule(*this, *cdsDadosContServico);
}

void TfrmSolicitaProposta::dtsPedidosLinhaProdStateChange(TComponent&) {
  commands::ApplyDetailStateRule(*this, *cdsPedidosLinhaProd);
}

void TfrmSolicitaProposta::dtsPedidosServicoStateChange(TComponent&) {
  commands::ApplyDetailStateRule(*this, *cdsPedidosServico);
}

void TfrmSolicitaProposta::dtsVenc_ValorStateChange(TComponent&) {
  commands::ApplyDetailStateRule(*this, *cdsVenc_Valor);
}

}  // namespace cli_psr41300
