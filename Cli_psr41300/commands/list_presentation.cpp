// The proposal list: accepted proposals are drawn in grey text, and going
// back to the list puts the form page's detail tabs on their first pages.
#include "Cli_psr41300/commands/state_rules.h"

namespace cli_psr41300 {

// The grid shows the drawn row as cdsProposta's current record while this
// runs. The whole cell is painted here, whatever the grid drew before.
void TfrmSolicitaProposta::dbgPadraoDrawColumnCell(plat::TDBGrid& sender, const plat::TRect& rect, int,
                                                   plat::TColumn& column, plat::TGridDrawState) {
  plat::TCanvas& canvas = sender.Canvas;
  canvas.FillRect(rect);
  if (commands::ProposalAccepted(*this)) canvas.Font.Color = plat::clr::GrayText;
  plat::TField* field = column.Field();
  canvas.TextRect(rect, rect.left + 2, rect.top + 2, field ? field->DisplayText() : std::string());
}

void TfrmSolicitaProposta::dbgPadraoEnter(plat::TComponent&) {
  pgcDadosCont_Ped_Mens->SetActivePage(tshDadosCont);
  pgcDadosCont_LinhaProd_Serv->SetActivePage(tshDadosContLinhaProd);
  PageControl5->SetActivePage(tshPedidosLinhaProd);
}

}  // namespace cli_psr41300
