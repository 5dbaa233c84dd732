// The two message catalogues hold exactly the screen's messages, each text
// byte for byte under its case-sensitive code.
#include <string>
#include <utility>
#include <vector>

#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

using Entries = std::vector<std::pair<std::string, std::string>>;

const Entries kExpectedMensagens = {
    {"PROP_INF", "Proposta deve ser informada."},
    {"VERSAO_INF", "Versão da Proposta deve ser informada."},
    {"DEPVALID", "Validade da Proposta deve ser informada."},
    {"DEPACEITE", "Data de aceite da Proposta deve ser informada."},
    {"Cli_NCad", "Não há Cliente cadastrado."},
    {"Pro_NCad", "Não há Prospect cadastrado."},
    {"MensInf", "Código da Proposta(Mensagem) deve ser informado."},
    {"SERV", "Serviço"},
    {"SERVINV", "Não há serviço cadastrado."},
    {"SERVINF", "Serviço deve ser informado."},
    {"VRHORAINF", "Valor/Hora do serviço deve ser informado."},
    {"Mensagem", "Mensagem deve ser informada."},
    {"PRODCOM", "Produto Comercial."},
    {"PRODCOMINV", "Não há Produto Comercial cadastrado."},
    {"SISTEMA", "Sistema"},
    {"SISTEMAINV", "Não há Sistema cadastrado."},
    {"LOCA", "Locação"},
    {"MANUT", "Manutenção"},
    {"PGFIXO", "Pg. Fixo"},
    {"PGPROPOR", "Pg. Proporcional"},
    {"CODDADOLIN", "Código de Linha de Produto deve ser informado."},
    {"LINPROD", "Linha de Produto deve ser informada."},
    {"PRODCOMERCI", "Produto Comercial deve ser informado."},
    {"NUMUSU", "Número de usuários deve ser informado."},
    {"NUMACES", "Número de Acessos deve ser informado."},
    {"TPLINPROD", "Tipo de Linha de Produto deve ser informada."},
    {"TPPAG", "Tipo de Pagamento deve ser informado."},
    {"QTLICE", "Quantidade de Licenças deve ser informada."},
    {"VALLU", "Valor da Licença de Uso deve ser informada."},
    {"VALMES", "Valor Mensal deve ser informado."},
    {"SISTINF", "Sistema deve ser informado."},
    {"DTCAD", "Data de cadastramento da proposta deve ser informada."},
    {"CLIEPROS", "Cliente/Prospect deve ser informado."},
    {"SERVJCAD", "Serviço já cadastrado."},
    {"SISJACAD", "Sistema já cadastrado."},
    {"MSGJCAD", "Código da Mensagem já cadastrado."},
    {"DTVENC", "Data de Vencimento deve ser informada."},
    {"VALOR", "Valor deve ser informado."},
    {"Qtde_Horas", "Quantidade de horas deve ser informada."},
    {"msg", "Mensagem"},
    {"msgInv", "Não há Mensagem cadastrada."},
    {"DIAFAT", "Dia do Faturamento deve ser informado."},
    {"WEB", "WEB"},
    {"WIN", "WIN"},
    {"DOS", "DOS"},
    {"Ped_Sist", "Deverá existir sistema(s) cadastrado(s) no Pedido de Linha de Produto.\r\n"},
    {"PedLinhaProd_Serv", "Deverá existir pelo menos um pedido de Linha de Produto ou Serviços cadastrados."},
    {"Dt_Venc_LinProd", "Data de vencimento da Linha de Produto deve ser informada."},
    {"Valor_Ped",
     "A soma dos valores da Data de Vencimento devem ser igual ao Valor LU da Linha de Produto do Pedido."},
    {"Aceite_Sucesso", "Aceite realizado com sucesso."},
    {"PROPJACAD", "Proposta já cadastrada."},
    {"LINPRODJCAD", "Linha de Produto já cadastrada para Proposta informada."},
    {"LINHAPROD", "Linha de Produto"},
    {"LINHAPRODNCAD", "Não há Linha de Produto cadastrada."},
    {"Ordem", "Ordem do Texto deve ser informado."},
    {"DtCarencia", "Data de Carência deve ser informada."},
    {"Sist_Dados", "Deverá existir sistema(s) cadastrado(s) na Linha de Produto dos Dados Contratuais.\r\n"},
    {"CDCONTRATO", "Código da Linha de Produto já existente no Contrato."},
    {"LinhaProd_Deve", "Deverá existir Linha de Produto cadastrada."},
    {"Prosp_Clie", "O Prospect informado já esta cadastrado como Cliente."},
    {"Copia", "Deseja fazer cópia da Proposta?"},
    {"Solicitação", "Solicitação"},
    {"Proposta", "Proposta"},
    {"Filial", "Filial"},
    {"Matriz", "Matriz"},
    {"Modo_Proce", "Modo de processamento deve ser informado."},
    {"Local_Proce", "Local de processamento deve ser informado."},
    {"PRODCOMERCIINV", "Produto Comercial inválido."},
    {"N_PROS_CLI", "Não há Contato cadastrado para Cliente/Prospect informado."},
    {"CLI_INF", "Cliente\\Prospect deve ser informado"},
    {"CONT_N_CAD", "Contato não cadastrado"},
    {"CLI_N_CAD", "Cliente/Prospect não cadastrado"},
    {"PROS_N_CAD", "Prospect não cadastrado"},
    {"OPER_INF", "Operador deve ser informado"},
    {"OPER_N_CAD", "Operador não cadastrado"},
};

const Entries kExpectedConfirmacoes = {
    {"Excl", "Confirma exclusão?"},
    {"Canc", "Cancelar operação?"},
    {"Copia", "Deseja copiar esta Proposta."},
};

class Catalogues : public UnconnectedScreen {
 protected:
  // Every expected entry is found with its exact text, and nothing else is there.
  static void ExpectExactly(const host::TMessages& catalogue, const Entries& expected) {
    ASSERT_EQ(catalogue.Count(), static_cast<int>(expected.size())) << catalogue.Name();
    for (const auto& [code, text] : expected) {
      ASSERT_TRUE(catalogue.Has(code)) << catalogue.Name() << ": " << code;
      EXPECT_EQ(catalogue.Msg(code), text) << catalogue.Name() << ": " << code;
    }
  }
};

TEST_F(Catalogues, MainCatalogueHoldsTheSeventyFiveMessagesExactly) {
  EXPECT_EQ(kExpectedMensagens.size(), 75u);
  ExpectExactly(*screen.msgPadrao, kExpectedMensagens);
}

TEST_F(Catalogues, ConfirmationCatalogueHoldsTheThreeQuestionsExactly) {
  ExpectExactly(*screen.msgMensagensPadroes, kExpectedConfirmacoes);
}

TEST_F(Catalogues, CopyQuestionDiffersBetweenTheCatalogues) {
  EXPECT_EQ(screen.msgPadrao->Msg("Copia"), "Deseja fazer cópia da Proposta?");
  EXPECT_EQ(screen.msgMensagensPadroes->Msg("Copia"), "Deseja copiar esta Proposta.");
}

TEST_F(Catalogues, CodesAreCaseSensitive) {
  EXPECT_EQ(screen.msgPadrao->Msg("msg"), "Mensagem");
  EXPECT_EQ(screen.msgPadrao->Msg("Mensagem"), "Mensagem deve ser informada.");
  EXPECT_FALSE(screen.msgPadrao->Has("MODO_PROCE"));
  EXPECT_FALSE(screen.msgPadrao->Has("copia"));
}

TEST_F(Catalogues, OnlyTheTwoSystemMessagesEndWithCarriageReturnLineFeed) {
  std::vector<std::string> endingWithCrLf;
  for (const auto& [code, text] : kExpectedMensagens) {
    std::string shown = screen.msgPadrao->Msg(code);
    if (shown.size() >= 2 && shown.ends_with("\r\n")) endingWithCrLf.push_back(code);
  }
  EXPECT_EQ(endingWithCrLf, (std::vector<std::string>{"Ped_Sist", "Sist_Dados"}));
}

TEST_F(Catalogues, PartyRequiredMessageKeepsItsBackslash) {
  EXPECT_EQ(screen.msgPadrao->Msg("CLI_INF"), "Cliente\\Prospect deve ser informado");
  EXPECT_EQ(screen.msgPadrao->Msg("CLIEPROS"), "Cliente/Prospect deve ser informado.");
}

}  // namespace
}  // namespace screen_test
