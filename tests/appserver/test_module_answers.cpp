// The proposal module's reading methods over a real connection: each answers
// the fields its screen data set declares, and the rows the screen needs.
#include <gtest/gtest.h>

#include "appserver/packet_shape.h"
#include "server_fixture.h"

using apptest::At;
using apptest::Column;
using plat::FieldType;

namespace {

class ModuleAnswers : public apptest::ServerFixture {};

struct DeclaredCase {
  const char* method;
  std::vector<const char*> args;
  // The screen data set's declared fields (S<n> text, F float, D32 decimal, T date-time, B blob).
  const char* fields;
};

const DeclaredCase kDeclared[] = {
    {"GetProposta",
     {"0001", "000000000001"},
     "DSEMAIPROFAS S50, NRFAXPROPFAS S25, DSOBSPROPFAS S250, IDSOLPROPFAS S1, CODIGO S21, NOME S50, NRPROPOSFAS S20, "
     "CDOPERSOLI S12, OPERSOLI S40, DTPROPOSFAS T, DTACEPROPFAS T, NRINSJURCLIE S20, DTVALPROPFAS T, "
     "NRVERPROPFAS S2, CDFILIAL S4, CDOPERINCL S12, NRCONTATO S10, CDPROSPECT S21, CDOPERADOR S12, NMOPERADOR S40, "
     "IDTPCONTATO S1, IDTPIJURCLIE S1, IDTPIJURPROS S1, IDCLIENPROSP S1, CDCLIENTE S21, DSREFECONT S60"},
    {"GetDadosContLinhaProd",
     {"1001", "1"},
     "CDLINPPROP S20, NMLINPPROP S50, NMPROCOMERCI S50, NRUSUALINPP F, NRACESLINPP F, IDTIPLINPP S1, IDAMBLINPP S3, "
     "IDTPPGTLINPP S1, QTLINPPROP F, VRLUSOPROP F, VRMENSPROP F, NRPROPOSFAS S20, NRVERPROPFAS S2, CDPROCOMERCI S10, "
     "VALORTOTALMENSAL D32, VALORTOTALLU D32, DIFAMENLINPP F, IDMPROCLINPP S1, IDLPROCLINPP S1"},
    {"GetSistLinhaProd",
     {"1001", "1", "10"},
     "NMSISTEMA S40, NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, CDSISTEMA S8"},
    {"GetDadosContServico",
     {"1001", "1"},
     "NRPROPOSFAS S20, NRVERPROPFAS S2, CDTIPOSERV S3, VRHORAPROP F, NMTIPOSERV S30"},
    {"GetPedidosLinhaProd",
     {"1001", "1"},
     "CDCLIENTE S21, NRPROPOSFAS S20, NRVERPROPFAS S2, NRLINPPEDP S3, QTLINPPEDP F, VRLUSOPEDP F, VRMENSPEDP F, "
     "DIFAMENSPEDP F, DTCALUSOPEDP T, NMLINPPROP S50, IDAMBLINPP S3, IDTIPLINPP S1, IDTPPGTLINPP S1, NRUSUALINPP F, "
     "NRACESLINPP F, QTLINPPROP F, VALORTOTALLU D32, VALORTOTALMENSAL D32, CDLIN S20, NMLIN S50, PLATAFORMA S3, "
     "TP_LINHAPROD S1, TP_PAG S1, NR_USUARIO D32, VALOR_LU D32, DIA_FATURAMENTO D32, DIFAMENLINPP F, VALOR_MENSAL D32, "
     "NR_ACESSO D32, CDLINPPROP S20, CDLINPCLIE S20, QUANTIDADE D32, MODO_PROCESSAMENTO S1, LOCAL_PROCESSAMENTO S1"},
    {"PedidosSist", {"1001", "1", "10", "11222333000181", ""}, "SISTEMA S40, IDENTIFICADOR S1"},
    {"GetVenc_Valor",
     {"1001", "1", "10", ""},
     "NRPROPOSFAS S20, NRVERPROPFAS S2, NRLINPPEDP S3, DTVELUSOPEDP T, VRVELUSOPEDP F"},
    {"GetPedidosServico",
     {"1001", "1"},
     "NMTIPOSERV S30, QTSERVPEDP F, VRHORAPEDP F, NRPROPOSFAS S20, NRVERPROPFAS S2, CDTIPOSERV S3, "
     "TXOBSPROPSERV S4000, NRSERVPEDP S3"},
    {"SeqServico", {}, "NRSERVPEDP D32"},
    {"seqPedidosLinhaProd", {}, "NRLINPPEDP D32"},
    {"DadosContProdComercial", {}, "CDPROCOMERCI S10, NMPROCOMERCI S50"},
    {"PedidosServico", {"1001", "1", "11222333000181"}, "CODIGO S3, SERVICO S30, VALOR_HORA D32"},
    {"PesqPedidos",
     {"1001", "1", "11222333000181"},
     "MODO_PROCESSAMENTO S1, LOCAL_PROCESSAMENTO S1, CDLINPCLIE S20, NMLINPCLIE S50, PLATAFORMA S3, TP_LINHA_PROD S1, "
     "TP_PAGAMENTO S1, NR_USUARIO D32, NR_ACESSO D32, QUANTIDADE D32, CDLINPGRAVA S20, VALOR_LU D32, VALOR_MENSAL D32, "
     "DIA_FATURAMENTO D32, IDENTIFICADOR S1"},
    {"PesqMsg", {}, "CDPADTXT S20, TXPADTXT B"},
    {"GetContato",
     {"0001", "C", "11222333000181", ""},
     "CDFILIAL S4, NRCONTATO S40, CDCLIENTE S21, DDSREFECONT S60, CDFORNECED S21, CDPROSPECT S21, IDTPCONTATO S1, "
     "CDSITUACAO S20, CDSISTEMA S8, CDASSUNTO S5"},
    {"Valida_Contato",
     {"0001", "C", "11222333000181", "", "0000000001"},
     "NRCONTATO S40, DDSREFECONT S60, IDTPCONTATO S1, CDCLIENTE S21, CDFILIAL S4, CDFORNECED S21, CDPROSPECT S21, "
     "CDSITUACAO S20, CDSISTEMA S8, CDASSUNTO S5"},
    {"ValidaSistema",
     {"1001", "FIN", "10"},
     "NRPROPOSFAS S20, NRVERPROPFAS S2, CDLINPPROP S20, CDSISTEMA S8, NMSISTEMA S40"},
    {"Sum_ValorPedido", {"1001"}, "VALOR D32"},
};

TEST_F(ModuleAnswers, EveryDataSetMethodAnswersTheDeclaredFieldsWithTypeAndSize) {
  for (const auto& c : kDeclared) {
    std::vector<plat::RpcArg> args(c.args.begin(), c.args.end());
    auto packet = Fetch(c.method, args);
    EXPECT_FALSE(packet.rows.empty()) << c.method << " answered no rows from the demo data";
    for (const auto& want : appsrv::ParseFields(c.fields)) {
      int index = packet.FieldIndex(want.name);
      ASSERT_GE(index, 0) << c.method << " lacks the field " << want.name;
      const auto& got = packet.fields[std::size_t(index)];
      EXPECT_EQ(got.type, want.type) << c.method << "." << want.name;
      EXPECT_EQ(got.size, want.size) << c.method << "." << want.name;
    }
  }
}

TEST_F(ModuleAnswers, GetPropostaListsEveryProposalOfTheBranchWhateverTheOperator) {
  auto branch1 = Fetch("GetProposta", {"0001", "000000000002"});
  EXPECT_EQ(Column(branch1, "NRPROPOSFAS"), (std::vector<std::string>{"1001", "1001", "1002", "1003", "1004"}));
  EXPECT_EQ(Column(branch1, "NRVERPROPFAS"), (std::vector<std::string>{"1", "2", "1", "1", "1"}));
  EXPECT_EQ(Column(Fetch("GetProposta", {"0002", "ADMIN"}), "NRPROPOSFAS"),
            (std::vector<std::string>{"1005", "1006", "1007"}));
  EXPECT_TRUE(Fetch("GetProposta", {"9999", "ADMIN"}).rows.empty());
}

TEST_F(ModuleAnswers, GetPropostaJoinsPartyOperatorAndContactNames) {
  auto list = Fetch("GetProposta", {"0001", "ADMIN"});
  // 1001/1: a company customer, accepted.
  EXPECT_EQ(At(list, 0, "CODIGO").ToText(), "11222333000181");
  EXPECT_EQ(At(list, 0, "NOME").ToText(), "Metalúrgica Horizonte");
  EXPECT_EQ(At(list, 0, "NRINSJURCLIE").ToText(), "11222333000181");
  EXPECT_EQ(At(list, 0, "IDTPIJURCLIE").ToText(), "J");
  EXPECT_EQ(At(list, 0, "NMOPERADOR").ToText(), "Ana Paula Ribeiro");
  EXPECT_EQ(At(list, 0, "CDOPERADOR").ToText(), "000000000001");
  EXPECT_EQ(At(list, 0, "OPERSOLI").ToText(), "Carlos Eduardo Mendes");
  EXPECT_EQ(At(list, 0, "DSREFECONT").ToText(), "Roberto Almeida - Diretor de TI");
  EXPECT_EQ(At(list, 0, "DTACEPROPFAS"), plat::Variant(plat::DateTime::FromDate(2024, 9, 20)));
  EXPECT_TRUE(At(list, 1, "DTACEPROPFAS").IsNull());
  // 1003/1: a prospect: code, name and registration number are the prospect's.
  EXPECT_EQ(At(list, 3, "IDCLIENPROSP").ToText(), "P");
  EXPECT_EQ(At(list, 3, "CODIGO").ToText(), "22334455000186");
  EXPECT_EQ(At(list, 3, "NOME").ToText(), "Construtora Vale Verde");
  EXPECT_EQ(At(list, 3, "IDTPIJURPROS").ToText(), "J");
  // 1004/1: the prospect whose code is also a customer's is named as the prospect.
  EXPECT_EQ(At(list, 4, "NOME").ToText(), "Bom Preço Atacado");
}

TEST_F(ModuleAnswers, ContractLinesCarryTheTotalsOfTheWholeProposalVersion) {
  auto lines = Fetch("GetDadosContLinhaProd", {"1001", "1"});
  ASSERT_EQ(Column(lines, "CDLINPPROP"), (std::vector<std::string>{"10", "11"}));
  // 15 x 1100 + 5 x 700 and 15 x 170 + 5 x 85, on every row.
  for (std::size_t row = 0; row < 2; ++row) {
    EXPECT_EQ(At(lines, row, "VALORTOTALLU").ToDecimal(), plat::Decimal::FromInt(20000));
    EXPECT_EQ(At(lines, row, "VALORTOTALMENSAL").ToDecimal(), plat::Decimal::FromInt(2975));
  }
  EXPECT_TRUE(Fetch("GetDadosContLinhaProd", {"1006", "1"}).rows.empty());
}

TEST_F(ModuleAnswers, OrderLinesRepeatTheirValuesUnderBothNamesAndTotalPerLine) {
  auto lines = Fetch("GetPedidosLinhaProd", {"1001", "1"});
  ASSERT_EQ(Column(lines, "NRLINPPEDP"), (std::vector<std::string>{"1", "2"}));
  EXPECT_EQ(At(lines, 0, "VALOR_LU").ToDecimal(), plat::Decimal::FromInt(1100));
  EXPECT_EQ(At(lines, 0, "VRLUSOPEDP").ToDouble(), 1100.0);
  EXPECT_EQ(At(lines, 0, "VALORTOTALLU").ToDecimal(), plat::Decimal::FromInt(16500));
  EXPECT_EQ(At(lines, 0, "DTCALUSOPEDP"), plat::Variant(plat::DateTime::FromDate(2024, 10, 1)));
  // Line 2 is a line the customer holds: its contracted quantity comes from there.
  EXPECT_EQ(At(lines, 1, "CDLINPCLIE").ToText(), "900");
  EXPECT_EQ(At(lines, 1, "QTLINPPROP").ToDouble(), 25.0);
}

TEST_F(ModuleAnswers, PesqPedidosOffersContractLinesAsOneAndHeldLinesAsZero) {
  auto offer = Fetch("PesqPedidos", {"1001", "1", "11222333000181"});
  EXPECT_EQ(Column(offer, "CDLINPCLIE"), (std::vector<std::string>{"10", "11", "900", "901"}));
  EXPECT_EQ(Column(offer, "IDENTIFICADOR"), (std::vector<std::string>{"1", "1", "0", "0"}));
  EXPECT_EQ(At(offer, 0, "QUANTIDADE").ToDecimal(), plat::Decimal::FromInt(15));
  EXPECT_EQ(At(offer, 2, "VALOR_LU").ToDecimal(), plat::Decimal::FromInt(1200));
}

TEST_F(ModuleAnswers, PesqPedidosOffersNoHeldLinesToAProspectSharingACustomerCode) {
  Sql("INSERT INTO PROPOSTALINP (NRPROPOSFAS, NRVERPROPFAS, CDLINPPROP, NMLINPPROP) VALUES ('1004', '1', '40', "
      "'Atacado')");
  auto offer = Fetch("PesqPedidos", {"1004", "1", "44555666000181"});
  EXPECT_EQ(Column(offer, "CDLINPCLIE"), (std::vector<std::string>{"40"}));
}

TEST_F(ModuleAnswers, OrderSystemsAndDueDatesFollowTheLinesOrigin) {
  EXPECT_EQ(Column(Fetch("PedidosSist", {"1001", "1", "10", "11222333000181", ""}), "SISTEMA"),
            (std::vector<std::string>{"Estoque", "Faturamento", "Financeiro"}));
  auto held = Fetch("PedidosSist", {"1001", "1", "", "11222333000181", "900"});
  EXPECT_EQ(Column(held, "SISTEMA"),
            (std::vector<std::string>{"Contabilidade", "Estoque", "Faturamento", "Financeiro"}));
  EXPECT_EQ(Column(held, "IDENTIFICADOR"), (std::vector<std::string>{"0", "0", "0", "0"}));
  EXPECT_TRUE(Fetch("PedidosSist", {"", "", "", "11222333000181", ""}).rows.empty());

  EXPECT_EQ(Fetch("GetVenc_Valor", {"1001", "1", "10", ""}).rows.size(), 3u);
  auto dues = Fetch("GetVenc_Valor", {"1001", "1", "", "900"});
  EXPECT_EQ(Column(dues, "NRLINPPEDP"), (std::vector<std::string>{"2", "2"}));
  EXPECT_TRUE(Fetch("GetVenc_Valor", {"", "", "", ""}).rows.empty());
}

TEST_F(ModuleAnswers, PedidosServicoOffersContractServicesFirstThenOtherTypesAtStandardValue) {
  auto offer = Fetch("PedidosServico", {"1001", "1", "11222333000181"});
  EXPECT_EQ(Column(offer, "CODIGO"), (std::vector<std::string>{"IMP", "TRE", "CON", "DES", "MIG", "SUP"}));
  EXPECT_EQ(At(offer, 0, "VALOR_HORA").ToDecimal(), plat::Decimal::FromInt(140));  // contracted
  EXPECT_EQ(At(offer, 2, "VALOR_HORA").ToDecimal(), plat::Decimal::FromInt(180));  // standard
}

TEST_F(ModuleAnswers, ContactsAreThoseOfThePartyOfTheKindInTheBranch) {
  EXPECT_EQ(Column(Fetch("GetContato", {"0001", "C", "11222333000181", ""}), "NRCONTATO"),
            (std::vector<std::string>{"0000000001", "0000000002"}));
  EXPECT_EQ(Column(Fetch("GetContato", {"0001", "P", "", "44555666000181"}), "NRCONTATO"),
            (std::vector<std::string>{"0000000006"}));
  EXPECT_EQ(Column(Fetch("GetContato", {"0001", "C", "44555666000181", ""}), "NRCONTATO"),
            (std::vector<std::string>{"0000000003"}));
  EXPECT_TRUE(Fetch("GetContato", {"0002", "C", "11222333000181", ""}).rows.empty());
}

TEST_F(ModuleAnswers, SumOfDueValuesIsOfTheVersionTheConnectionWorksOn) {
  // Without a current proposal the highest version (2, no order) is meant.
  EXPECT_EQ(At(Fetch("Sum_ValorPedido", {"1001"}), 0, "VALOR").ToDecimal(), plat::Decimal());
  Fetch("GetPedidosLinhaProd", {"1001", "1"});
  EXPECT_EQ(At(Fetch("Sum_ValorPedido", {"1001"}), 0, "VALOR").ToDecimal(), plat::Decimal::FromInt(22500));
  EXPECT_EQ(At(Fetch("Sum_ValorPedido", {"4242"}), 0, "VALOR").ToDecimal(), plat::Decimal());
}

}  // namespace
