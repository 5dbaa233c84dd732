// Page navigation: the details are not kept loaded, so bringing a page or a
// tab forward fetches what it shows from the server. A pending new header
// (or a product line being typed) is posted before its page is left; the
// order value edits are recomputed, and the commands judged again for the
// page now shown.
#include "Cli_psr41300/data/detail_fetches.h"

namespace cli_psr41300 {

using plat::TComponent;

void TfrmSolicitaProposta::pgcPadraoChange(TComponent& sender) {
  TfrmPadrao::pgcPadraoChange(sender);
  if (cdsProposta->State() == plat::DataSetState::Browse) {
    pgcDadosCont_LinhaProd_Serv->SetActivePage(tshDadosContLinhaProd);
    // The ordered lines' grid has no column for this field: the request
    // leaves the focus where it is.
    cdsPedidosLinhaProd->FieldByName("CDLINPPROP").FocusControl();
  } else {
    cdsProposta->FieldByName("NRPROPOSFAS").FocusControl();
  }
  dtsPropostaStateChange(*dtsProposta);
}

void TfrmSolicitaProposta::pgcDadosCont_Ped_MensChange(TComponent&) {
  if (cdsProposta->State() == plat::DataSetState::Insert) cdsProposta->Post();
  const plat::TTabSheet* page = pgcDadosCont_Ped_Mens->ActivePage();
  const bool proposals = !cdsProposta->IsEmpty();
  if (page == tshDadosCont && proposals) {
    if (pgcDadosCont_LinhaProd_Serv->ActivePage() == tshDadosContLinhaProd) {
      fetch::ContractLines(*this);
      fetch::ContractLineSystems(*this);
    } else if (pgcDadosCont_LinhaProd_Serv->ActivePage() == tshDadosContServicos) {
      fetch::ContractServices(*this);
    }
  } else if (page == tshPedidos && proposals) {
    // Whichever tab the orders show; the ordered services are not fetched here.
    fetch::OrderLines(*this);
    fetch::OrderLineSystems(*this);
    fetch::DueValues(*this);
  } else if (PageControl5->ActivePage() == tshPedidosServico && proposals) {
    fetch::OrderServices(*this);
  }
  MostraValoresLinha();
  // The totals are this proposal's also when it has no contract line (they
  // would show the proposal seen before).
  Calcula_Valores();
  if (!cdsDadosContLinhaProd->IsEmpty()) cdsPedidosLinhaProd->FieldByName("CDLIN").FocusControl();
}

// The state calls cross on purpose: with the product lines' grid active the
// systems' commands are judged, and the other way round.
void TfrmSolicitaProposta::pgcDadosCont_LinhaProd_ServChange(TComponent&) {
  if (cdsDadosContLinhaProd->Editing()) cdsDadosContLinhaProd->Post();
  const plat::TTabSheet* tab = pgcDadosCont_LinhaProd_Serv->ActivePage();
  const plat::TControl* active = ActiveControl();
  if (tab == tshDadosContLinhaProd && active == dbgDadosContLinhaProd) {
    dtsSistLinhaProdStateChange(*dtsSistLinhaProd);
  } else if (tab == tshDadosContLinhaProd && active == dbgDadosContSistema) {
    dtsDadosContLinhaProdStateChange(*dtsDadosContLinhaProd);
  } else if (tab == tshDadosContServicos) {
    fetch::ContractServices(*this);
    dtsDadosContServicoStateChange(*dtsDadosContServico);
  }
}

// The services tab fetches the ordered services twice, the service sequence
// between: the commands are judged on the first answer. The lines' grid
// judges its commands twice, once after its fetch and once with the others.
void TfrmSolicitaProposta::PageControl5Change(TComponent&) {
  const bool lines = PageControl5->ActivePage() == tshPedidosLinhaProd;
  const bool services = PageControl5->ActivePage() == tshPedidosServico;
  const plat::TControl* active = ActiveControl();
  if (lines && active == dbgPedidosLinhaProd) {
    fetch::OrderLines(*this);
    dtsPedidosLinhaProdStateChange(*dtsPedidosLinhaProd);
  } else if (lines && active == dbgPediLinhaProdSist) {
    fetch::OrderLineSystems(*this);
  } else if (lines && active == dbgVenc_Valor) {
    fetch::DueValues(*this);
  } else if (services) {
    fetch::OrderServices(*this);
  }

  if (lines && active == dbgPedidosLinhaProd)
    dtsPedidosLinhaProdStateChange(*dtsPedidosLinhaProd);
  else if (lines && active == dbgVenc_Valor)
    dtsVenc_ValorStateChange(*dtsVenc_Valor);
  else if (services)
    dtsPedidosServicoStateChange(*dtsPedidosServico);

  if (services) {
    fetch::ServiceSequence(*this);
    fetch::OrderServices(*this);
  }
}

void TfrmSolicitaProposta::FetchShownDetails() {
  if (pgcPadrao->ActivePage() != tshFormulario || cdsProposta->IsEmpty() || cdsProposta->Editing()) return;
  const plat::TTabSheet* page = pgcDadosCont_Ped_Mens->ActivePage();
  if (page == tshDadosCont) {
    if (pgcDadosCont_LinhaProd_Serv->ActivePage() == tshDadosContServicos) fetch::ContractServices(*this);
  } else if (page == tshPedidos) {
    if (PageControl5->ActivePage() == tshPedidosServico) {
      fetch::OrderServices(*this);
    } else {
      fetch::OrderLines(*this);
    }
  }
}

}  // namespace cli_psr41300
