// The value strips under the product-line grids, the ordered service's
// observation, and the text page's group and editor.
#include <string>
#include <vector>

#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

class TotalsAndTexts : public UnconnectedScreen {
 protected:
  std::vector<std::string> LabelCaptions(const plat::TControl& container) {
    std::vector<std::string> captions;
    for (const plat::TControl* child : container.Children())
      if (auto* label = dynamic_cast<const plat::TLabel*>(child)) {
        EXPECT_TRUE(label->Bold) << label->Name();
        captions.push_back(label->Caption());
      }
    return captions;
  }
};

TEST_F(TotalsAndTexts, ContractTotalsShowTheCurrentLineInNeutralColourReadOnly) {
  EXPECT_EQ(LabelCaptions(*screen.edtValorTotalLu->Parent()),
            (std::vector<std::string>{"Valor Total LU", "Valor Total Mensal"}));
  struct Expected {
    plat::TDBEdit* edit;
    const char* field;
  };
  for (const Expected& expected :
       {Expected{screen.edtValorTotalLu, "VALORTOTALLU"}, Expected{screen.edtValorTotalMensal, "VALORTOTALMENSAL"}}) {
    SCOPED_TRACE(expected.edit->Name());
    EXPECT_EQ(expected.edit->DataSource(), screen.dtsDadosContLinhaProd);
    EXPECT_EQ(expected.edit->DataField(), expected.field);
    EXPECT_EQ(expected.edit->ColorRole, "readonly");
    EXPECT_TRUE(expected.edit->ReadOnly());
    EXPECT_TRUE(expected.edit->HasAncestor(*screen.tshDadosContLinhaProd));
  }
}

TEST_F(TotalsAndTexts, OrderStripLabelsAreSpelledAsShown) {
  auto captions = LabelCaptions(*screen.edtSomaTotalLu->Parent());
  EXPECT_EQ(captions, (std::vector<std::string>{"Valor Total LU", "Valor Total Mensal", "Valorl LU", "Valor Mensal"}));
  EXPECT_EQ(screen.lblValor_LU->Caption(), "Valorl LU");
}

TEST_F(TotalsAndTexts, OrderLineValuesAndOrderTotalsAreReadOnly) {
  for (plat::TEdit* edit :
       {screen.edtValor_LU, screen.edtValor_Mensal, screen.edtSomaTotalLu_, screen.edtSomaTotalMensal_}) {
    EXPECT_TRUE(edit->ReadOnly) << edit->Name();
    EXPECT_FALSE(edit->UserEdit("1")) << edit->Name();
  }
  for (plat::TEdit* edit : {screen.edtSomaTotalLu, screen.edtSomaTotalMensal}) {
    EXPECT_TRUE(edit->ReadOnly) << edit->Name();
    EXPECT_FALSE(edit->UserEdit("1")) << edit->Name();
    EXPECT_EQ(edit->ColorRole, "menu") << edit->Name();
  }
  for (plat::TEdit* edit : std::initializer_list<plat::TEdit*>{screen.edtValor_LU, screen.edtValor_Mensal,
                                                               screen.edtSomaTotalLu_, screen.edtSomaTotalMensal_,
                                                               screen.edtSomaTotalLu, screen.edtSomaTotalMensal})
    EXPECT_TRUE(edit->HasAncestor(*screen.tshPedidosLinhaProd)) << edit->Name();
}

TEST_F(TotalsAndTexts, SplittersSeparateTheGridsFromWhatIsBelowThem) {
  EXPECT_TRUE(screen.splDadosContLinhaProd->HasAncestor(*screen.tshDadosContLinhaProd));
  EXPECT_TRUE(screen.splPedidosLinhaProd->HasAncestor(*screen.tshPedidosLinhaProd));
  EXPECT_TRUE(screen.splMensagem->HasAncestor(*screen.tshMensagem));
  EXPECT_GT(screen.dbgDadosContSistema->Top, screen.splDadosContLinhaProd->Top);
  EXPECT_GT(screen.splDadosContLinhaProd->Top, screen.dbgDadosContLinhaProd->Top);
}

TEST_F(TotalsAndTexts, ObservationEditsTheOrderedServiceText) {
  EXPECT_EQ(screen.grpObservacao->Caption(), "Observação");
  EXPECT_EQ(screen.dbrObs->Parent(), screen.grpObservacao);
  EXPECT_EQ(screen.dbrObs->DataSource(), screen.dtsPedidosServico);
  EXPECT_EQ(screen.dbrObs->DataField(), "TXOBSPROPSERV");
  EXPECT_TRUE(screen.grpObservacao->HasAncestor(*screen.tshPedidosServico));
}

TEST_F(TotalsAndTexts, TextPageHoldsTheBoldDescriptionGroupAndTheRichEditor) {
  EXPECT_EQ(screen.grpDescricaoProposta->Caption(), "Descrição da Proposta");
  EXPECT_TRUE(screen.grpDescricaoProposta->Bold);
  EXPECT_EQ(screen.dbgMensagem->Parent(), screen.grpDescricaoProposta);
  EXPECT_EQ(screen.dreMensagem->DataSource(), screen.dtsMensagem);
  EXPECT_EQ(screen.dreMensagem->DataField(), "TXPROPFAS");
  EXPECT_TRUE(screen.dreMensagem->HasAncestor(*screen.tshMensagem));
}

}  // namespace
}  // namespace screen_test
