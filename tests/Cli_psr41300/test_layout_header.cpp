// The header panel: every control bound to its proposal field with its
// colour and enabled state, the party choice, the kind list, the search
// buttons with their lists, and the bold labels.
#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

struct ExpectedControl {
  const char* name;
  const char* field;
  const char* colour;  // "input", "readonly" or "" (default)
  bool enabled;
};

const ExpectedControl kExpectedControls[] = {
    {"dbeProposta", "NRPROPOSFAS", "input", true},
    {"depProposta", "DTPROPOSFAS", "input", true},
    {"depAceite", "DTACEPROPFAS", "readonly", true},
    {"depValidade", "DTVALPROPFAS", "input", true},
    {"dbrClieProsp", "IDCLIENPROSP", "", true},
    {"dbeCdClienteProsp", "NRINSJURCLIE", "input", true},
    {"dbeClienteProsp", "NOME", "readonly", false},
    {"dbeContato", "NRCONTATO", "", true},
    {"dbeNmContato", "DSREFECONT", "readonly", false},
    {"dbeObservacao", "DSOBSPROPFAS", "", true},
    {"dbeEmail", "DSEMAIPROFAS", "", true},
    {"dbeFax", "NRFAXPROPFAS", "", true},
    {"dcbIdentSolicitacao", "IDSOLPROPFAS", "", true},
    {"dbeCdOperIncl", "CDOPERINCL", "readonly", false},
    {"dbeNmOperIncl", "NMOPERADOR", "readonly", false},
    {"dbeCdOperSoli", "CDOPERSOLI", "input", true},
    {"dbeNmOperSoli", "OPERSOLI", "readonly", false},
};

class HeaderPanel : public UnconnectedScreen {};

TEST_F(HeaderPanel, EveryControlEditsItsProposalField) {
  for (const ExpectedControl& expected : kExpectedControls) {
    SCOPED_TRACE(expected.name);
    auto& control = screen.Get<plat::TDBFieldControl>(expected.name);
    EXPECT_EQ(control.DataSource(), screen.dtsProposta);
    EXPECT_EQ(control.DataField(), expected.field);
    EXPECT_EQ(control.ColorRole, expected.colour);
    EXPECT_EQ(control.Enabled(), expected.enabled);
    EXPECT_FALSE(control.ReadOnly());
    EXPECT_EQ(control.Parent(), screen.panEmpresa);
  }
}

TEST_F(HeaderPanel, DatesUseTheDateEditWithCalendar) {
  for (const char* name : {"depProposta", "depAceite", "depValidade"})
    EXPECT_NE(dynamic_cast<plat::TDBDateEditPlus*>(screen.FindComponent(name)), nullptr) << name;
}

TEST_F(HeaderPanel, PartyChoiceStoresCustomerOrProspectInBold) {
  EXPECT_EQ(screen.dbrClieProsp->Items, (std::vector<std::string>{"Cliente", "Prospect"}));
  EXPECT_EQ(screen.dbrClieProsp->Values, (std::vector<std::string>{"C", "P"}));
  EXPECT_TRUE(screen.dbrClieProsp->Bold);
}

TEST_F(HeaderPanel, KindListOffersRequestAndAnEmptyItem) {
  EXPECT_EQ(screen.dcbIdentSolicitacao->Items, (std::vector<std::string>{"Solicitação", ""}));
}

TEST_F(HeaderPanel, SearchButtonsListTheirSources) {
  struct Expected {
    plat::TBtnPesquisa* button;
    plat::TDataSource* source;
  };
  for (const Expected& expected :
       {Expected{screen.btpClienteProsp, screen.dtsPesqCliente}, Expected{screen.btnProposta, screen.dtsPesqContato},
        Expected{screen.btnPesqOperador, screen.dtsOperador}}) {
    SCOPED_TRACE(expected.button->Name());
    EXPECT_EQ(expected.button->Hint(), "Pesquisar");
    EXPECT_EQ(expected.button->DataSource, expected.source);
    EXPECT_EQ(expected.button->Parent(), screen.panEmpresa);
  }
  EXPECT_EQ(screen.btpClienteProsp->Title, "Cliente\\Prospect");
  EXPECT_EQ(screen.btnPesqOperador->EmptyError, "Não há operador cadastrado.");
}

TEST_F(HeaderPanel, LabelsAreTheBoldCaptionsOfThePanel) {
  std::set<std::string> captions;
  for (const plat::TControl* child : screen.panEmpresa->Children())
    if (auto* label = dynamic_cast<const plat::TLabel*>(child)) {
      EXPECT_TRUE(label->Bold) << label->Name();
      captions.insert(label->Caption());
    }
  EXPECT_EQ(captions,
            (std::set<std::string>{"Proposta", "Cadastro", "Aceite", "Validade", "Contato", "Observação", "E-Mail",
                                   "Fax", "Tp. Proposta", "Operador de Inclusão", "Operador Solicitante"}));
}

TEST_F(HeaderPanel, TabbingStartsAtTheProposalNumberAndSkipsDisabledEdits) {
  std::vector<std::string> order;
  for (const plat::TControl* control : screen.TabList())
    if (control->HasAncestor(*screen.panEmpresa)) order.push_back(control->Name());
  ASSERT_FALSE(order.empty());
  EXPECT_EQ(order.front(), "dbeProposta");
  for (const char* disabled : {"dbeClienteProsp", "dbeNmContato", "dbeCdOperIncl", "dbeNmOperIncl", "dbeNmOperSoli"})
    EXPECT_EQ(std::find(order.begin(), order.end(), disabled), order.end()) << disabled;
}

}  // namespace
}  // namespace screen_test
