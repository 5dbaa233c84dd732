// Binds the data-source state handlers, the record commands and the list
// grid's drawing to their components.
#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300 {

namespace {

using T = TfrmSolicitaProposta;

struct StateBinding {
  plat::TDataSource* T::*source;
  void (T::*handler)(plat::TComponent&);
};

// The list source dtsPadrao is bound by the standard screen itself, and
// dtsPedidosSist (read-only systems of an ordered line) has no handler.
const StateBinding kStateBindings[] = {
    {&T::dtsProposta, &T::dtsPropostaStateChange},
    {&T::dtsDadosContLinhaProd, &T::dtsDadosContLinhaProdStateChange},
    {&T::dtsSistLinhaProd, &T::dtsSistLinhaProdStateChange},
    {&T::dtsDadosContServico, &T::dtsDadosContServicoStateChange},
    {&T::dtsPedidosLinhaProd, &T::dtsPedidosLinhaProdStateChange},
    {&T::dtsPedidosServico, &T::dtsPedidosServicoStateChange},
    {&T::dtsVenc_Valor, &T::dtsVenc_ValorStateChange},
    {&T::dtsMensagem, &T::dtsMensagemStateChange},
};

}  // namespace

// The record commands reach their handlers through the standard screen's
// buttons and menu items, which call the overridden handlers.
void TfrmSolicitaProposta::BindCommandEvents() {
  for (const StateBinding& row : kStateBindings) {
    auto handler = row.handler;
    (this->*row.source)->OnStateChange = [this, handler](plat::TDataSource& sender) { (this->*handler)(sender); };
  }
  dbgPadrao->OnDrawColumnCell = [this](plat::TDBGrid& sender, const plat::TRect& rect, int dataCol,
                                       plat::TColumn& column, plat::TGridDrawState state) {
    dbgPadraoDrawColumnCell(sender, rect, dataCol, column, state);
  };
  dbgPadrao->OnEnter = [this](plat::TControl& sender) { dbgPadraoEnter(sender); };
}

}  // namespace cli_psr41300
