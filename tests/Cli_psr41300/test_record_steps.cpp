// The steps the detail grids share: required fields, the duplicate check,
// the picker and the grid exit. Each is run here on the contract's data
// sets, with the stand-in server answering.
#include <string>
#include <vector>

#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/test_header_fixture.h"
#include "appclient/rdm_solicita_proposta.h"
#include "platform/data/errors.h"

namespace screen_test {
namespace {

using cli_psr41300::steps::CheckDuplicate;
using cli_psr41300::steps::CheckRequired;
using cli_psr41300::steps::PostOnExit;
using cli_psr41300::steps::Required;

// A contract line being inserted with no record rules of its own, on the
// form page, with the focus in the header.
class DetailSteps : public ConnectedScreen {
 protected:
  DetailSteps() {
    NewProposalWithoutRules();
    lines.BeforePost = nullptr;
    lines.AfterPost = nullptr;
    lines.AfterScroll = nullptr;
    lines.AfterInsert = nullptr;
    lines.CreateDataSet();
    lines.Append();
    screen.pgcPadrao->SetActivePage(screen.tshFormulario);
    screen.dbeEmail->SetFocus();
  }
  bool FocusOn(const char* field) const {
    return screen.ActiveControl() == screen.dbgDadosContLinhaProd &&
           screen.dbgDadosContLinhaProd->SelectedField() == &lines.FieldByName(field);
  }
  cli_psr41300::steps::DuplicateCheck LineCodeCheck() {
    return {.dataSet = &lines,
            .field = "CDLINPPROP",
            .missingCode = "LINPROD",
            .ask = [this] { return ::appclient::RdmSolicitaProposta(*screen.netProposta).PesqMsg(); },
            .answer = screen.cdsValidaLinhaProd_DadosCont,
            .duplicateCode = "LINPRODJCAD"};
  }

  plat::TClientDataSet& lines = *screen.cdsDadosContLinhaProd;
};

TEST_F(DetailSteps, TheFirstEmptyRequiredFieldIsFocusedWithItsMessage) {
  const Required required[] = {{"NMLINPPROP", "LINPROD"}, {"NRACESLINPP", "NUMUSU"}, {"QTLINPPROP", "QTLICE"}};
  lines.FieldByName("NMLINPPROP").SetAsString("   ");  // blanks only: not informed
  EXPECT_THROW(CheckRequired(screen, lines, required), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Linha de Produto deve ser informada."}));
  EXPECT_TRUE(FocusOn("NMLINPPROP"));

  // A number holding 0 is informed.
  dialogs.Clear();
  lines.FieldByName("NMLINPPROP").SetAsString("Linha");
  lines.FieldByName("NRACESLINPP").SetAsFloat(0);
  EXPECT_THROW(CheckRequired(screen, lines, required), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Quantidade de Licenças deve ser informada."}));
  EXPECT_TRUE(FocusOn("QTLINPPROP"));
}

TEST_F(DetailSteps, ADuplicateIsRefusedWithTheFocusOnItsField) {
  server.AnswerPacket("PesqMsg", {{{"CDLINPPROP", plat::FieldType::String, 20}}, {{plat::Variant("12")}}});
  lines.FieldByName("CDLINPPROP").SetAsString("12");
  EXPECT_THROW(CheckDuplicate(screen, true, LineCodeCheck()), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Linha de Produto já cadastrada para Proposta informada."}));
  EXPECT_TRUE(FocusOn("CDLINPPROP"));
  EXPECT_EQ(screen.cdsValidaLinhaProd_DadosCont->RecordCount(), 1);
}

TEST_F(DetailSteps, ARefusedAnswerMovesTheFocusBeforeItGoesOn) {
  server.AnswerError("PesqMsg", "Banco indisponível.");
  lines.FieldByName("CDLINPPROP").SetAsString("12");
  EXPECT_THROW(CheckDuplicate(screen, true, LineCodeCheck()), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Banco indisponível."}));
  EXPECT_TRUE(FocusOn("CDLINPPROP"));
}

TEST_F(DetailSteps, AnEmptyValueIsOnlyAnErrorWhenItMustBeInformed) {
  CheckDuplicate(screen, false, LineCodeCheck());
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(screen.ActiveControl(), screen.dbeEmail);
  EXPECT_THROW(CheckDuplicate(screen, true, LineCodeCheck()), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Linha de Produto deve ser informada."}));
  EXPECT_TRUE(calls.empty());
}

// The product lines' grid posts only a new line; the systems' grid a new or
// a changed one.
TEST_F(DetailSteps, LeavingAGridPostsInTheStatesOfItsRow) {
  lines.Cancel();
  lines.Append();
  lines.FieldByName("CDLINPPROP").SetAsString("1");
  PostOnExit(screen, lines);
  EXPECT_EQ(lines.State(), plat::DataSetState::Browse);
  lines.Edit();
  lines.FieldByName("CDLINPPROP").SetAsString("2");
  PostOnExit(screen, lines);
  EXPECT_EQ(lines.State(), plat::DataSetState::Edit);

  plat::TClientDataSet& systems = *screen.cdsSistLinhaProd;
  systems.BeforePost = nullptr;
  systems.AfterPost = nullptr;
  systems.CreateDataSet();
  systems.Append();
  systems.FieldByName("NMSISTEMA").SetAsString("Financeiro");
  systems.Post();
  systems.Edit();
  systems.FieldByName("NMSISTEMA").SetAsString("Estoque");
  PostOnExit(screen, systems);
  EXPECT_EQ(systems.State(), plat::DataSetState::Browse);
}

// The commercial products as the server lists them.
plat::DataPacket Products() {
  return {{{"CDPROCOMERCI", plat::FieldType::String, 10}, {"NMPROCOMERCI", plat::FieldType::String, 50}},
          {{plat::Variant("ERP"), plat::Variant("Gestão Empresarial ERP")},
           {plat::Variant("FOLHA"), plat::Variant("Folha de Pagamento")}}};
}

// The picker runs from its column only; a pick puts a browsing line into
// edit and copies code and name from the row chosen.
TEST_F(DetailSteps, APickFromItsColumnCopiesTheChosenRowIntoABrowsingLine) {
  server.AnswerPacket("DadosContProdComercial", Products());
  lines.FieldByName("CDLINPPROP").SetAsString("10");
  lines.Post();
  screen.pgcDadosCont_Ped_Mens->SetActivePage(screen.tshDadosCont);
  screen.dbgDadosContLinhaProd->SetFocus();

  screen.dbgDadosContLinhaProd->SetSelectedIndex(0);  // CDLINPPROP
  screen.dbgDadosContLinhaProdEditButtonClick(*screen.dbgDadosContLinhaProd);
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(dialogs.Transcript().empty());

  screen.dbgDadosContLinhaProd->SetSelectedIndex(2);  // NMPROCOMERCI
  dialogs.PickRow(1);
  screen.dbgDadosContLinhaProdEditButtonClick(*screen.dbgDadosContLinhaProd);
  ASSERT_EQ(dialogs.Transcript().size(), 1u);
  EXPECT_EQ(dialogs.Transcript()[0].text, "Produto Comercial.");
  EXPECT_EQ(dialogs.Transcript()[0].emptyText, "Não há Produto Comercial cadastrado.");
  EXPECT_EQ(lines.State(), plat::DataSetState::Edit);
  EXPECT_EQ(lines.FieldByName("CDPROCOMERCI").AsString(), "FOLHA");
  EXPECT_EQ(lines.FieldByName("NMPROCOMERCI").AsString(), "Folha de Pagamento");

  // Closed without a choice: nothing changes, the list was fetched again.
  dialogs.PickRow(-1);
  screen.dbgDadosContLinhaProdEditButtonClick(*screen.dbgDadosContLinhaProd);
  EXPECT_EQ(lines.FieldByName("CDPROCOMERCI").AsString(), "FOLHA");
  EXPECT_EQ(calls.size(), 2u);
}

}  // namespace
}  // namespace screen_test
