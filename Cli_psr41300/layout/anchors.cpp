// How the screen follows a window made larger than its design: the pages and
// the main grid of each page grow with the window, the panels above them
// widen, and what sits under a growing grid (totals, splitters, the second
// grid) moves down with the window's bottom edge. Pages fill their page
// control by themselves; every control not named here keeps its place.
#include "Cli_psr41300/layout/control_tables.h"

namespace cli_psr41300 {

namespace {

struct AnchorSpec {
  const char* name;
  unsigned anchors;
};

constexpr unsigned kGrows = plat::kAnchorAll;
constexpr unsigned kWidens = plat::akLeft | plat::akTop | plat::akRight;
constexpr unsigned kFollowsBottom = plat::akLeft | plat::akRight | plat::akBottom;
constexpr unsigned kFollowsRight = plat::akTop | plat::akRight;

const AnchorSpec kAnchors[] = {
    // the window: toolbar, outer pages, navigator
    {"panMenu", kWidens},
    {"lblCodTela", kFollowsRight},
    {"pgcPadrao", kGrows},
    {"panNavigator", kFollowsBottom},
    {"lblPendente", kFollowsRight},
    // the list page
    {"dbgPadrao", kGrows},
    // the form page: the header widens, the detail pages take the rest
    {"panEmpresa", kWidens},
    {"pgcDadosCont_Ped_Mens", kGrows},
    {"pgcDadosCont_LinhaProd_Serv", kGrows},
    {"PageControl5", kGrows},
    // contract data: the product lines grow, their totals and systems follow the bottom
    {"dbgDadosContLinhaProd", kGrows},
    {"panTotaisDadosCont", kFollowsBottom},
    {"splDadosContLinhaProd", kFollowsBottom},
    {"dbgDadosContSistema", kFollowsBottom},
    {"dbgDadosContServico", kGrows},
    // orders: the ordered lines grow, systems, due values and totals follow the bottom
    {"dbgPedidosLinhaProd", kGrows},
    {"splPedidosLinhaProd", kFollowsBottom},
    {"panPedidosSistVenc", kFollowsBottom},
    {"dbgVenc_Valor", kWidens},
    {"panTotaisPedidos", kFollowsBottom},
    {"dbgPedidosServico", kGrows},
    {"grpObservacao", kFollowsBottom},
    {"dbrObs", kWidens},
    // texts: the list of texts widens, the text itself grows
    {"grpDescricaoProposta", kWidens},
    {"dbgMensagem", kWidens},
    {"splMensagem", kWidens},
    {"panFormatacao", kWidens},
    {"dreMensagem", kGrows},
};

}  // namespace

void TfrmSolicitaProposta::CreateAnchors() {
  for (const AnchorSpec& row : kAnchors) layout::Container(*this, row.name).Anchors = row.anchors;
}

}  // namespace cli_psr41300
