// Binds the proposal's state handler, the list grid's drawing and entry and
// the detail page controls' changes. The details' state handlers come with
// their rows (data/), the list source's with the standard screen.
#include "Cli_psr41300/bind_support.h"

namespace cli_psr41300 {

// The record commands reach their handlers through the standard screen's
// buttons and menu items, which call the overridden handlers.
void TfrmSolicitaProposta::BindCommandEvents() {
  binding::OnStateChange(*this, *dtsProposta, PSR_HANDLER(dtsPropostaStateChange));
  dbgPadrao->OnDrawColumnCell = [this](plat::TDBGrid& sender, const plat::TRect& rect, int dataCol,
                                       plat::TColumn& column, plat::TGridDrawState state) {
    dbgPadraoDrawColumnCell(sender, rect, dataCol, column, state);
  };
  Bindings.Add(dbgPadrao->Name(), "OnDrawColumnCell", "dbgPadraoDrawColumnCell");
  binding::OnControl(*this, *dbgPadrao, &plat::TControl::OnEnter, "OnEnter", PSR_HANDLER(dbgPadraoEnter));
  binding::OnChange(*this, *pgcDadosCont_Ped_Mens, PSR_HANDLER(pgcDadosCont_Ped_MensChange));
  binding::OnChange(*this, *pgcDadosCont_LinhaProd_Serv, PSR_HANDLER(pgcDadosCont_LinhaProd_ServChange));
  binding::OnChange(*this, *PageControl5, PSR_HANDLER(PageControl5Change));
}

}  // namespace cli_psr41300
