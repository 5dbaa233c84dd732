// The proposal's messages, with their list opened empty (the screen never
// opens it itself): the checks of a new message in their order, the text
// page brought forward for a missing text, and the duplicate code.
#include <string>
#include <vector>

#include "Cli_psr41300/test_header_fixture.h"
#include "platform/data/errors.h"

namespace screen_test {
namespace {

class ProposalMessages : public ConnectedScreen {
 protected:
  ProposalMessages() {
    NewProposalWithoutRules();
    screen.cdsProposta->FieldByName("NRPROPOSFAS").SetAsString("1001");
    screen.cdsProposta->FieldByName("NRVERPROPFAS").SetAsString("2");
    screen.cdsProposta->Post();
    screen.pgcPadrao->SetActivePage(screen.tshFormulario);
    messages.CreateDataSet();
    messages.Append();
    calls.clear();
  }
  std::vector<std::string> Failed() {
    EXPECT_THROW(messages.Post(), plat::EAbort);
    std::vector<std::string> shown = dialogs.Messages();
    dialogs.Clear();
    return shown;
  }
  plat::TClientDataSet& messages = *screen.cdsMensagem;
};

TEST_F(ProposalMessages, ANewMessageNeedsItsCodeThenItsTextThenItsOrder) {
  EXPECT_EQ(Failed(), (std::vector<std::string>{"Código da Proposta(Mensagem) deve ser informado."}));
  EXPECT_TRUE(calls.empty());

  messages.FieldByName("CDTXTPROPFAS").SetAsString("PRAZO");
  EXPECT_EQ(Failed(), (std::vector<std::string>{"Mensagem deve ser informada."}));
  EXPECT_EQ(screen.pgcDadosCont_Ped_Mens->ActivePage(), screen.tshMensagem);  // its tab hidden all the same
  EXPECT_EQ(screen.ActiveControl(), screen.dreMensagem);

  messages.FieldByName("TXPROPFAS").SetAsString("Entrega em 30 dias.");
  EXPECT_EQ(Failed(), (std::vector<std::string>{"Ordem do Texto deve ser informado."}));
  EXPECT_EQ(messages.State(), plat::DataSetState::Insert);

  messages.FieldByName("NRORDEMMSG").SetAsFloat(1);
  messages.Post();
  EXPECT_EQ(messages.FieldByName("NRPROPOSFAS").AsString(), "1001");
  EXPECT_EQ(messages.FieldByName("NRVERPROPFAS").AsString(), "2");
  ASSERT_GE(calls.size(), 2u);
  EXPECT_EQ(calls.front(), (MadeCall{"ValidaMsg", {"1001", "PRAZO"}}));
  EXPECT_EQ(calls.back(), (MadeCall{"SetMensagem", {"<delta 1>"}}));
}

TEST_F(ProposalMessages, ACodeTheProposalAlreadyHasIsRefused) {
  server.AnswerPacket("ValidaMsg", {{{"CDTXTPROPFAS", plat::FieldType::String, 20}}, {{plat::Variant("PRAZO")}}});
  messages.FieldByName("CDTXTPROPFAS").SetAsString("PRAZO");
  EXPECT_EQ(Failed(), (std::vector<std::string>{"Código da Mensagem já cadastrado."}));
  EXPECT_EQ(screen.pgcDadosCont_Ped_Mens->ActivePage(), screen.tshDadosCont);
  EXPECT_EQ(messages.State(), plat::DataSetState::Insert);
}

}  // namespace
}  // namespace screen_test
