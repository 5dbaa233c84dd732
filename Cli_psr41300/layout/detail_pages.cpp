// The detail area of the record view: the page control for contract data,
// orders and texts, and the inner page controls of contract data and orders.
// The third contract page and the text page never show a tab.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

using namespace layout;

const TabSheetSpec kDetailPages[] = {
    {"tshDadosCont", &T::tshDadosCont, &T::pgcDadosCont_Ped_Mens, "Dados Contratuais"},
    {"tshPedidos", &T::tshPedidos, &T::pgcDadosCont_Ped_Mens, "Pedidos"},
    {"tshMensagem", &T::tshMensagem, &T::pgcDadosCont_Ped_Mens, "Texto", false},
};

const ControlSpec<plat::TPageControl> kInnerPageControls[] = {
    {"pgcDadosCont_LinhaProd_Serv", &T::pgcDadosCont_LinhaProd_Serv, "tshDadosCont", {0, 0, 966, 322}},
    {"PageControl5", &T::PageControl5, "tshPedidos", {0, 0, 966, 322}},
};

const TabSheetSpec kInnerPages[] = {
    {"tshDadosContLinhaProd", &T::tshDadosContLinhaProd, &T::pgcDadosCont_LinhaProd_Serv, "Linha de Produto"},
    {"tshDadosContServicos", &T::tshDadosContServicos, &T::pgcDadosCont_LinhaProd_Serv, "Serviços"},
    {"TabSheet13", &T::TabSheet13, &T::pgcDadosCont_LinhaProd_Serv, "", false},
    {"tshPedidosLinhaProd", &T::tshPedidosLinhaProd, &T::PageControl5, "Linha de Produto"},
    {"tshPedidosServico", &T::tshPedidosServico, &T::PageControl5, "Serviços"},
};

}  // namespace

void TfrmSolicitaProposta::CreateDetailPages() {
  pgcDadosCont_Ped_Mens = &Create<plat::TPageControl>("pgcDadosCont_Ped_Mens", tshFormulario);
  Place(*pgcDadosCont_Ped_Mens, {0, 136, 974, 350});
  CreateTabSheets(*this, kDetailPages, {4, 24, 966, 322});

  CreateControls<plat::TPageControl>(*this, kInnerPageControls);
  CreateTabSheets(*this, kInnerPages, {4, 24, 958, 294});

  // Each page control opens on its first page.
  pgcDadosCont_Ped_Mens->SetActivePage(tshDadosCont);
  pgcDadosCont_LinhaProd_Serv->SetActivePage(tshDadosContLinhaProd);
  PageControl5->SetActivePage(tshPedidosLinhaProd);
}

}  // namespace cli_psr41300
