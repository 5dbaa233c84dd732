// The data-source state handlers: each judges one data set by the common
// rule of the record commands. They are bound to their data sources' state
// changes and called again wherever the user enters a grid, a page or a
// record, so the handler that ran last decides what is enabled.
#include "Cli_psr41300/commands/state_rules.h"

namespace cli_psr41300 {

namespace {

using commands::AcceptanceLock;
using commands::ButtonCopy;
using commands::StateRule;
using T = TfrmSolicitaProposta;

const StateRule kProposta{&T::cdsProposta, AcceptanceLock::Header, ButtonCopy::All};
const StateRule kPadrao{&T::cdsProposta, AcceptanceLock::None, ButtonCopy::AllButIncluir};
const StateRule kMensagem{&T::cdsMensagem, AcceptanceLock::None, ButtonCopy::All};
const StateRule kDadosContLinhaProd{&T::cdsDadosContLinhaProd, AcceptanceLock::Detail, ButtonCopy::All,
                                    &T::dbgDadosContLinhaProd};
const StateRule kSistLinhaProd{&T::cdsSistLinhaProd, AcceptanceLock::Detail, ButtonCopy::All, &T::dbgDadosContSistema};
const StateRule kDadosContServico{&T::cdsDadosContServico, AcceptanceLock::Detail, ButtonCopy::All,
                                  &T::dbgDadosContServico};
const StateRule kPedidosLinhaProd{&T::cdsPedidosLinhaProd, AcceptanceLock::Detail, ButtonCopy::All,
                                  &T::dbgPedidosLinhaProd};
const StateRule kPedidosServico{&T::cdsPedidosServico, AcceptanceLock::Detail, ButtonCopy::All, &T::dbgPedidosServico};
const StateRule kVenc_Valor{&T::cdsVenc_Valor, AcceptanceLock::Detail, ButtonCopy::All, &T::dbgVenc_Valor};

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

void TfrmSolicitaProposta::dtsMensagemStateChange(TComponent&) { commands::ApplyStateRule(*this, kMensagem); }

void TfrmSolicitaProposta::dtsDadosContLinhaProdStateChange(TComponent&) {
  commands::ApplyStateRule(*this, kDadosContLinhaProd);
}

void TfrmSolicitaProposta::dtsSistLinhaProdStateChange(TComponent&) { commands::ApplyStateRule(*this, kSistLinhaProd); }

void TfrmSolicitaProposta::dtsDadosContServicoStateChange(TComponent&) {
  commands::ApplyStateRule(*this, kDadosContServico);
}

void TfrmSolicitaProposta::dtsPedidosLinhaProdStateChange(TComponent&) {
  commands::ApplyStateRule(*this, kPedidosLinhaProd);
}

void TfrmSolicitaProposta::dtsPedidosServicoStateChange(TComponent&) {
  commands::ApplyStateRule(*this, kPedidosServico);
}

void TfrmSolicitaProposta::dtsVenc_ValorStateChange(TComponent&) { commands::ApplyStateRule(*this, kVenc_Valor); }

}  // namespace cli_psr41300
