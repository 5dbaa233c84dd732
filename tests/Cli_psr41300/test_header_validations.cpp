// Checks of the proposal as a whole that no handler calls yet: a contract
// product-line code already in the party's contract, and a prospect being
// accepted that is already a customer. And the next proposal number, which
// must be a value, never a packet taken for one.
#include <string>
#include <vector>

#include "Cli_psr41300/test_header_fixture.h"
#include "host/dtmdbgeral.h"
#include "platform/data/errors.h"

namespace screen_test {
namespace {

// The contract line check, with the record view showing the contract lines.
class ContractLineCheck : public ConnectedScreen {
 protected:
  ContractLineCheck() {
    NewProposalWithoutRules();
    screen.cdsProposta->FieldByName("CODIGO").SetAsString("11222333000181");
    plat::TClientDataSet& lines = *screen.cdsDadosContLinhaProd;
    for (auto* event : {&lines.BeforeInsert, &lines.AfterInsert, &lines.BeforePost, &lines.AfterPost,
                        &lines.AfterScroll, &lines.OnNewRecord})
      *event = nullptr;
    lines.CreateDataSet();
    lines.Append();
    screen.pgcPadrao->SetActivePage(screen.tshFormulario);
    screen.pgcDadosCont_Ped_Mens->SetActivePage(screen.tshDadosCont);
    screen.pgcDadosCont_LinhaProd_Serv->SetActivePage(screen.tshDadosContLinhaProd);
    screen.dbeEmail->SetFocus();
    screen.cdsDadosContLinhaProd->FieldByName("CDLINPPROP").SetAsString("900");
  }
  // A record in the answer: the code is already in the contract.
  void ContractHolds() {
    server.AnswerPacket("Valida_Contrato", {{{"CDLINPCLIE", plat::FieldType::String, 20}}, {{plat::Variant("900")}}});
  }
  bool FocusOnTheCode() const {
    return screen.ActiveControl() == screen.dbgDadosContLinhaProd &&
           screen.dbgDadosContLinhaProd->SelectedField() == &screen.cdsDadosContLinhaProd->FieldByName("CDLINPPROP");
  }
};

TEST_F(ContractLineCheck, ACodeInTheContractIsRefused) {
  ContractHolds();
  EXPECT_THROW(screen.Vd_Contrato(true), plat::EAbort);
  EXPECT_EQ(calls, (std::vector<MadeCall>{{"Valida_Contrato", {"900", "11222333000181"}}}));
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Código da Linha de Produto já existente no Contrato."}));
  EXPECT_TRUE(FocusOnTheCode());
}

TEST_F(ContractLineCheck, ACodeNotInTheContractPasses) {
  screen.Vd_Contrato(true);
  EXPECT_EQ(calls.size(), 1u);
  EXPECT_TRUE(dialogs.Transcript().empty());
  EXPECT_EQ(screen.ActiveControl(), screen.dbeEmail);
}

TEST_F(ContractLineCheck, AnEmptyCodeIsAnErrorOnlyWhenRequired) {
  screen.cdsDadosContLinhaProd->FieldByName("CDLINPPROP").Clear();
  screen.Vd_Contrato(false);
  EXPECT_TRUE(dialogs.Transcript().empty());
  EXPECT_THROW(screen.Vd_Contrato(true), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Código de Linha de Produto deve ser informado."}));
  EXPECT_TRUE(calls.empty());
  EXPECT_TRUE(FocusOnTheCode());
}

TEST_F(ContractLineCheck, AFailedServerCheckMovesTheFocusToo) {
  server.AnswerError("Valida_Contrato", "Contratos indisponíveis.");
  EXPECT_THROW(screen.Vd_Contrato(true), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Contratos indisponíveis."}));
  EXPECT_TRUE(FocusOnTheCode());
}

// The prospect-to-customer check against the host's customer table.
class ProspectAlreadyCustomer : public ConnectedScreen {
 protected:
  ProspectAlreadyCustomer() {
    auto& database = host::dtmDBGeral();
    if (!database.Connected()) database.Open(":memory:");
    database.Execute(
        "CREATE TEMP TABLE CLIENTE (CDCLIENTE VARCHAR(21), NRINSJURCLIE VARCHAR(20), NMFANTCLIE VARCHAR(50), "
        "IDTPIJURCLIE VARCHAR(1));"
        "INSERT INTO CLIENTE VALUES ('44555666000181', '44555666000181', 'Bom Preço', 'J');");
    NewProposalWithoutRules();
    screen.cdsProposta->FieldByName("IDCLIENPROSP").SetAsString("P");
    screen.cdsProposta->FieldByName("NRINSJURCLIE").SetAsString("44555666000181");
  }
  ~ProspectAlreadyCustomer() override { host::dtmDBGeral().Execute("DROP TABLE temp.CLIENTE;"); }
  void Prospect(const char* code) { screen.cdsProposta->FieldByName("CODIGO").SetAsString(code); }
};

TEST_F(ProspectAlreadyCustomer, AProspectWhoseCodeIsACustomerIsRefused) {
  Prospect("44555666000181");
  EXPECT_THROW(screen.Vd_GeraCliente(true), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"O Prospect informado já esta cadastrado como Cliente."}));
  EXPECT_EQ(screen.adqValidaCliente->ParamByName("P_CDCLIENTE").AsString(), "44555666000181");
}

TEST_F(ProspectAlreadyCustomer, AProspectNotACustomerPasses) {
  Prospect("22334455000186");
  screen.Vd_GeraCliente(true);
  EXPECT_TRUE(dialogs.Transcript().empty());
  EXPECT_TRUE(screen.adqValidaCliente->IsEmpty());
}

TEST_F(ProspectAlreadyCustomer, AnEmptyPartyIsAnErrorOnlyWhenRequired) {
  Prospect("44555666000181");
  screen.cdsProposta->FieldByName("NRINSJURCLIE").Clear();
  ASSERT_EQ(screen.dbeCdClienteProsp->Text(), "");
  screen.Vd_GeraCliente(false);
  EXPECT_TRUE(dialogs.Transcript().empty());
  EXPECT_THROW(screen.Vd_GeraCliente(true), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Cliente/Prospect deve ser informado."}));
  EXPECT_FALSE(screen.adqValidaCliente->Active());
}

// The next proposal number of a new proposal (a failed request is run
// against the real server by the scenarios).
class NextProposalNumber : public ConnectedScreen {
 protected:
  NextProposalNumber() {
    plat::TClientDataSet& proposals = *screen.cdsProposta;
    proposals.AfterScroll = nullptr;
    proposals.CreateDataSet();
  }
};

TEST_F(NextProposalNumber, APacketIsNoNumber) {
  server.AnswerPacket("PrxProposta", {{{"NRPROPOSFAS", plat::FieldType::String, 20}}, {{plat::Variant("1")}}});
  EXPECT_THROW(screen.cdsProposta->Append(), plat::EError);
  EXPECT_EQ(screen.cdsProposta->FieldByName("NRPROPOSFAS").AsString(), "");
}

}  // namespace
}  // namespace screen_test
