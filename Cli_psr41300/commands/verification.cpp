// Verificar: the screen's refresh. It fetches again what the user is looking
// at: the proposal list on the list page, the details of the page and tab
// shown on the form page (then the tab handlers run, as a tab change would).
// Pending edits are neither posted nor cancelled first.
#include "Cli_psr41300/data/detail_fetches.h"

namespace cli_psr41300 {

void TfrmSolicitaProposta::sbtVerificarClick(plat::TComponent& sender) {
  if (pgcPadrao->ActivePage() == tshFolhaDados) fetch::Proposals(*this);
  if (pgcPadrao->ActivePage() != tshFormulario) return;
  if (pgcDadosCont_Ped_Mens->ActivePage() == tshDadosCont) {
    if (pgcDadosCont_LinhaProd_Serv->ActivePage() == tshDadosContLinhaProd) {
      fetch::ContractLines(*this);
      fetch::SystemsOfCurrentLine(*this);
      pgcDadosCont_LinhaProd_ServChange(sender);
    }
    if (pgcDadosCont_LinhaProd_Serv->ActivePage() == tshDadosContServicos) {
      fetch::ContractServices(*this);
      pgcDadosCont_LinhaProd_ServChange(sender);
    }
  } else {
    if (PageControl5->ActivePage() == tshPedidosLinhaProd) {
      fetch::OrderLines(*this);
      fetch::DueValues(*this);
      PageControl5Change(sender);
    }
    if (PageControl5->ActivePage() == tshPedidosServico) {
      fetch::OrderServices(*this);
      PageControl5Change(sender);
    }
  }
}

}  // namespace cli_psr41300
