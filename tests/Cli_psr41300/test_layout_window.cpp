// The window, its toolbar additions, its pages and tabs, the navigator
// panel and the menu: captions, hints, hidden and disabled controls, and the
// pages each page control starts on.
#include <string>
#include <vector>

#include "Cli_psr41300/unconnected_screen.h"
#include "platform/ui/navigator.h"

namespace screen_test {
namespace {

class Window : public UnconnectedScreen {};

TEST_F(Window, CaptionPlaceAndSize) {
  EXPECT_EQ(screen.Name(), "frmSolicitaProposta");
  EXPECT_EQ(screen.Caption(), "Solicitação de Proposta");
  EXPECT_EQ(screen.Left, 187);
  EXPECT_EQ(screen.Top, 110);
  EXPECT_EQ(screen.Width, 990);
  EXPECT_EQ(screen.Height, 605);
  EXPECT_EQ(screen.lblCodTela->Caption(), "PSR41300");
}

TEST_F(Window, ScreenButtonsStartHiddenWithTheirHintsButAceite) {
  struct Expected {
    plat::TSpeedButton* button;
    const char* hint;
    bool enabled;
    bool visible = false;
  };
  for (const Expected& expected :
       {Expected{screen.sbtFiltro, "Filtrar", true}, Expected{screen.sbtAceite, "Aceite", false, true},
        Expected{screen.sbtcomissao, "Comissão", false}, Expected{screen.sbtCopiar, "Copiar Proposta", true}}) {
    SCOPED_TRACE(expected.button->Name());
    EXPECT_EQ(expected.button->Hint(), expected.hint);
    EXPECT_EQ(expected.button->Visible(), expected.visible);
    EXPECT_EQ(expected.button->Enabled(), expected.enabled);
    EXPECT_EQ(expected.button->Parent(), screen.panMenu);
  }
  EXPECT_FALSE(screen.sbtImprimir->Enabled());
  EXPECT_TRUE(screen.sbtIncluir->Visible());
}

TEST_F(Window, CompletedImageIsAHiddenSmallPicture) {
  EXPECT_FALSE(screen.imgConcluida->Visible());
  EXPECT_EQ(screen.imgConcluida->Width, 17);
  EXPECT_EQ(screen.imgConcluida->Height, 19);
}

TEST_F(Window, OuterPagesAreCaptionedAndStartOnTheRecordView) {
  EXPECT_EQ(screen.tshFolhaDados->Caption(), "Folha de Dados(Grade)");
  EXPECT_EQ(screen.tshFormulario->Caption(), "Proposta");
  EXPECT_EQ(screen.pgcPadrao->ActivePage(), screen.tshFormulario);
  EXPECT_TRUE(screen.panEmpresa->HasAncestor(*screen.tshFormulario));
  EXPECT_TRUE(screen.pgcDadosCont_Ped_Mens->HasAncestor(*screen.tshFormulario));
}

TEST_F(Window, DetailPagesInOrderWithTheirCaptions) {
  auto captions = [](const plat::TPageControl& pages) {
    std::vector<std::string> list;
    for (const plat::TTabSheet* page : pages.Pages()) list.push_back(page->Name() + ":" + page->Caption());
    return list;
  };
  EXPECT_EQ(captions(*screen.pgcDadosCont_Ped_Mens),
            (std::vector<std::string>{"tshDadosCont:Dados Contratuais", "tshPedidos:Pedidos", "tshMensagem:Texto"}));
  EXPECT_EQ(captions(*screen.pgcDadosCont_LinhaProd_Serv),
            (std::vector<std::string>{"tshDadosContLinhaProd:Linha de Produto", "tshDadosContServicos:Serviços",
                                      "TabSheet13:"}));
  EXPECT_EQ(captions(*screen.PageControl5),
            (std::vector<std::string>{"tshPedidosLinhaProd:Linha de Produto", "tshPedidosServico:Serviços"}));
  EXPECT_EQ(screen.pgcDadosCont_LinhaProd_Serv->Parent(), screen.tshDadosCont);
  EXPECT_EQ(screen.PageControl5->Parent(), screen.tshPedidos);
  EXPECT_TRUE(screen.TabSheet13->Children().empty());
}

TEST_F(Window, DetailPageControlsStartOnTheirFirstPage) {
  EXPECT_EQ(screen.pgcDadosCont_Ped_Mens->ActivePage(), screen.tshDadosCont);
  EXPECT_EQ(screen.pgcDadosCont_LinhaProd_Serv->ActivePage(), screen.tshDadosContLinhaProd);
  EXPECT_EQ(screen.PageControl5->ActivePage(), screen.tshPedidosLinhaProd);
}

TEST_F(Window, HiddenTabsAreNeverOfferedToTheUser) {
  for (plat::TTabSheet* page : {screen.TabSheet13, screen.tshMensagem}) {
    SCOPED_TRACE(page->Name());
    EXPECT_FALSE(page->TabVisible());
    EXPECT_FALSE(page->PageControl().UserSelect(*page));
    EXPECT_NE(page->PageControl().ActivePage(), page);
  }
  for (plat::TTabSheet* page : {screen.tshDadosCont, screen.tshPedidos, screen.tshDadosContLinhaProd,
                                screen.tshDadosContServicos, screen.tshPedidosLinhaProd, screen.tshPedidosServico})
    EXPECT_TRUE(page->TabVisible()) << page->Name();
}

TEST_F(Window, TextPageCanStillBeBroughtForwardByProgram) {
  screen.pgcDadosCont_Ped_Mens->SetActivePage(screen.tshMensagem);
  EXPECT_EQ(screen.pgcDadosCont_Ped_Mens->ActivePage(), screen.tshMensagem);
  EXPECT_FALSE(screen.tshMensagem->TabVisible());
}

TEST_F(Window, NavigatorPanelShowsTheProposalName) {
  EXPECT_EQ(screen.dbtNome->Parent(), screen.panNavigator);
  EXPECT_EQ(screen.dbtNome->DataSource(), screen.dtsProposta);
  EXPECT_EQ(screen.dbtNome->DataField(), "PROPOSTA");
  EXPECT_EQ(screen.dbnPadrao->Parent(), screen.panNavigator);
}

TEST_F(Window, FilterAndAcceptanceItemsEndTheMaintenanceMenuAfterASeparator) {
  const auto& items = screen.mnuManutencao->Items();
  ASSERT_GE(items.size(), 3u);
  EXPECT_EQ(items.back(), screen.mnuAceite);
  EXPECT_EQ(items[items.size() - 2], screen.mnuFiltro);
  EXPECT_TRUE(items[items.size() - 3]->IsSeparator());
  EXPECT_EQ(screen.mnuAceite->Caption, "Ac&eite");
  EXPECT_EQ(screen.mnuFiltro->Caption, "Filtrar in&voices");
  EXPECT_EQ(screen.mnuFiltro->ShortCut, "Ctrl+V");
  EXPECT_FALSE(screen.mnuFiltro->OnClick);
}

}  // namespace
}  // namespace screen_test
