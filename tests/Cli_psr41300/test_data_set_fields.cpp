// Every client data set of the screen exists with its declared fields in
// order: type, size, label, visibility, read-only and required flags, edit
// mask, display format and range. The validation answers declare none.
#include <map>
#include <string>
#include <vector>

#include "Cli_psr41300/field_description.h"
#include "Cli_psr41300/unconnected_screen.h"

namespace screen_test {
namespace {

using Lines = std::vector<std::string>;

const std::map<std::string, Lines> kExpectedFields = {
    {"cdsProposta",
     {R"(DSEMAIPROFAS text(50) "E-mail" hidden)",
      R"(NRFAXPROPFAS text(25) "Fax" hidden mask[!\(99\)0000-0000;0; ])",
      R"(DSOBSPROPFAS text(250) "Observação" hidden)",
      R"(IDSOLPROPFAS text(1) "Ident. Solicitação" hidden)",
      R"(CODIGO text(21) "Cliente/Prospect")",
      R"(NOME text(50) "Cliente/Prospect")",
      R"(NRPROPOSFAS text(20) "Proposta")",
      "CDOPERSOLI text(12)",
      "OPERSOLI text(40)",
      R"(DTPROPOSFAS date-time "Data Proposta")",
      R"(DTACEPROPFAS date-time "Aceite da Proposta")",
      "NRINSJURCLIE text(20) hidden",
      R"(DTVALPROPFAS date-time "Validade")",
      R"(NRVERPROPFAS text(2) "Nº Versão da Proposta")",
      "CDFILIAL text(4) hidden",
      "CDOPERINCL text(12)",
      "NRCONTATO text(10)",
      "CDPROSPECT text(21)",
      "CDOPERADOR text(12)",
      R"(NMOPERADOR text(40) "Operador")",
      "IDTPCONTATO text(1)",
      "IDTPIJURCLIE text(1)",
      "IDTPIJURPROS text(1)",
      "IDCLIENPROSP text(1)",
      "CDCLIENTE text(21) hidden",
      "DSREFECONT text(60)",
      "PROPOSTA text(100) calculated"}},
    {"cdsDadosContLinhaProd",
     {R"(CDLINPPROP text(20) "Código" mask[99999999999999999999;0; ])", R"(NMLINPPROP text(50) "Linha de Produto")",
      R"(NMPROCOMERCI text(50) "Prod. Comercial")", R"(NRUSUALINPP float "N° Usuários")",
      R"(NRACESLINPP float "Pontos Acesso")", R"(IDTIPLINPP text(1) "Tp. Linha Prod.")",
      R"(IDAMBLINPP text(3) "Plataforma")", R"(IDTPPGTLINPP text(1) "Tp. Pagamento")",
      R"(QTLINPPROP float "Qt. Licenças")", R"(VRLUSOPROP float "Vr. Unit. LU" format[#,##0.00])",
      R"(VRMENSPROP float "Vr. Unit. Mensal" format[#,##0.00])", "NRPROPOSFAS text(20)", "NRVERPROPFAS text(2)",
      "CDPROCOMERCI text(10)", "VALORTOTALMENSAL decimal(32,0) format[#,##0.00]",
      "VALORTOTALLU decimal(32,0) format[#,##0.00]", R"(DIFAMENLINPP float "Dia Fat." min 1 max 31)",
      R"(IDMPROCLINPP text(1) "Modo")", R"(IDLPROCLINPP text(1) "Local")"}},
    {"cdsSistLinhaProd",
     {R"(NMSISTEMA text(40) "Sistema")", "NRPROPOSFAS text(20)", "NRVERPROPFAS text(2)", "CDLINPPROP text(20)",
      "CDSISTEMA text(8)"}},
    {"cdsDadosContServico",
     {"NRPROPOSFAS text(20)", "NRVERPROPFAS text(2)", "CDTIPOSERV text(3)",
      R"(VRHORAPROP float "Valor Hora" format[#,##0.00])", R"(NMTIPOSERV text(30) "Serviço")"}},
    {"cdsPedidosLinhaProd",
     {"CDCLIENTE text(21)",
      "NRPROPOSFAS text(20)",
      "NRVERPROPFAS text(2)",
      "NRLINPPEDP text(3)",
      R"(QTLINPPEDP float "Qt. Licenças")",
      R"(VRLUSOPEDP float "Vr. Unit. LU" format[#,##0.00])",
      R"(VRMENSPEDP float "Vr. Unit. Mensal" format[#,##0.00])",
      R"(DIFAMENSPEDP float "Dia Fat.")",
      R"(DTCALUSOPEDP date-time "Dt. Carência")",
      "NMLINPPROP text(50)",
      "IDAMBLINPP text(3)",
      "IDTIPLINPP text(1)",
      "IDTPPGTLINPP text(1)",
      "NRUSUALINPP float",
      "NRACESLINPP float",
      "QTLINPPROP float",
      "VALORTOTALLU decimal(32,0) format[#,##0.00]",
      "VALORTOTALMENSAL decimal(32,0) format[#,##0.00]",
      R"(CDLIN text(20) "Código")",
      R"(NMLIN text(50) "Linha de Produto")",
      R"(PLATAFORMA text(3) "Plataforma")",
      R"(TP_LINHAPROD text(1) "Tp. Linha Prod.")",
      R"(TP_PAG text(1) "Tp. Pagamento")",
      R"(NR_USUARIO decimal(32,0) "N° Usuários")",
      R"(VALOR_LU decimal(32,0) "Vr. Unit. LU" hidden format[#,##0.00])",
      R"(DIA_FATURAMENTO decimal(32,0) "Dia Fat.")",
      "DIFAMENLINPP float",
      R"(VALOR_MENSAL decimal(32,0) "Vr. Unit. Mensal" hidden format[#,##0.00])",
      R"(NR_ACESSO decimal(32,0) "Pontos Acesso")",
      "CDLINPPROP text(20)",
      "CDLINPCLIE text(20)",
      R"(QUANTIDADE decimal(32,0) "Qt. Licenças")",
      R"(MODO_PROCESSAMENTO text(1) "Modo")",
      R"(LOCAL_PROCESSAMENTO text(1) "Local")"}},
    {"cdsPedidosSist", {R"(SISTEMA text(40) "Sistema")", "IDENTIFICADOR text(1)"}},
    {"cdsVenc_Valor",
     {"NRPROPOSFAS text(20)", "NRVERPROPFAS text(2)", "NRLINPPEDP text(3)",
      R"(DTVELUSOPEDP date-time "Data de Vencimento" mask[!99/99/0000;1; ])",
      R"(VRVELUSOPEDP float "Valor" format[#,##0.00])"}},
    {"cdsPedidosServico",
     {R"(NMTIPOSERV text(30) "Serviço")", R"(QTSERVPEDP float "Quantidade de Horas")",
      R"(VRHORAPEDP float "Valor Hora" format[#,##0.00])", "NRPROPOSFAS text(20)", "NRVERPROPFAS text(2)",
      "CDTIPOSERV text(3)", "TXOBSPROPSERV text(4000)", "NRSERVPEDP text(3)"}},
    {"cdsMensagem",
     {R"(NRORDEMMSG float "Ordem")", "NRPROPOSFAS text(20)", "NRVERPROPFAS text(2)",
      R"x(CDTXTPROPFAS text(20) "Código da Proposta(Mensagem)")x", "TXPROPFAS blob"}},
    {"cdsPesqContato",
     {"CDFILIAL text(4) hidden", R"(NRCONTATO text(40) "Contato" read-only width 20)", "CDCLIENTE text(21) hidden",
      R"(DDSREFECONT text(60) "Descrição")", "CDFORNECED text(21) hidden", "CDPROSPECT text(21) hidden",
      "IDTPCONTATO text(1) hidden", "CDSITUACAO text(20) hidden", "CDSISTEMA text(8) hidden",
      "CDASSUNTO text(5) hidden"}},
    {"cdsCont",
     {"NRCONTATO text(40) read-only", "DDSREFECONT text(60)", "IDTPCONTATO text(1)", "CDCLIENTE text(21)",
      "CDFILIAL text(4) hidden", "CDFORNECED text(21) hidden", "CDPROSPECT text(21) hidden",
      "CDSITUACAO text(20) hidden", "CDSISTEMA text(8) hidden", "CDASSUNTO text(5) hidden"}},
    {"cdsDadosContProdComercial",
     {R"(CDPROCOMERCI text(10) "Código")", R"(NMPROCOMERCI text(50) "Produto Comercial")"}},
    {"cdsValidaSistema",
     {"NRPROPOSFAS text(20)", "NRVERPROPFAS text(2)", "CDLINPPROP text(20)", "CDSISTEMA text(8)",
      "NMSISTEMA text(40)"}},
    {"cdsPesqPedidos",
     {"MODO_PROCESSAMENTO text(1) hidden", "LOCAL_PROCESSAMENTO text(1) hidden", R"(CDLINPCLIE text(20) "Código")",
      R"(NMLINPCLIE text(50) "Linha de Produto")", R"(PLATAFORMA text(3) "Plataforma")",
      R"(TP_LINHA_PROD text(1) "Tp. Linha Prod." hidden)", "TP_PAGAMENTO text(1) hidden",
      "NR_USUARIO decimal(32,0) hidden", "NR_ACESSO decimal(32,0) hidden", "QUANTIDADE decimal(32,0) hidden",
      "CDLINPGRAVA text(20) hidden", "VALOR_LU decimal(32,0) hidden", "VALOR_MENSAL decimal(32,0) hidden",
      "DIA_FATURAMENTO decimal(32,0) hidden", "IDENTIFICADOR text(1) hidden"}},
    {"cdsPedidosServ",
     {R"(CODIGO text(3) "Código")", R"(SERVICO text(30) "Serviço")",
      R"(VALOR_HORA decimal(32,0) "valor Hora" format[#,##0.00])"}},
    {"cdsSeqServico", {"NRSERVPEDP decimal(32,0) read-only"}},
    {"cdsseqPedidosLinhaProd", {"NRLINPPEDP decimal(32,0) read-only"}},
    {"cdsSum_ValorPedido", {"VALOR decimal(32,0) read-only"}},
    {"cdsPesqMsg", {R"(CDPADTXT text(20) "Código")", "TXPADTXT blob hidden"}},
};

const char* const kValidationAnswers[] = {
    "cdsValidaProposta", "cdsValidaContrato",          "cdsValidaLinhaProd_DadosCont",
    "cdsValidaServico",  "cdsValidaLinhaProd_Pedidos", "cdsValidaServPed",
    "cdsValidaMsg",
};

class DataSetFields : public UnconnectedScreen {};

TEST_F(DataSetFields, EachDataSetDeclaresItsFieldsInOrder) {
  for (const auto& [name, expected] : kExpectedFields) {
    auto& dataSet = screen.Get<plat::TClientDataSet>(name);
    EXPECT_EQ(DescribeFields(dataSet), expected) << name;
  }
}

TEST_F(DataSetFields, ValidationAnswersDeclareNoFields) {
  for (const char* name : kValidationAnswers) EXPECT_EQ(screen.Get<plat::TClientDataSet>(name).FieldCount(), 0) << name;
}

TEST_F(DataSetFields, ScreenHasExactlyTheTwentySixClientDataSets) {
  int count = 0;
  for (const auto& component : screen.Components())
    if (dynamic_cast<const plat::TClientDataSet*>(component.get())) ++count;
  EXPECT_EQ(count, static_cast<int>(kExpectedFields.size() + std::size(kValidationAnswers)));
  EXPECT_EQ(count, 26);
}

TEST_F(DataSetFields, MembersPointAtTheDataSetsOfTheirNames) {
  EXPECT_EQ(screen.cdsProposta, &screen.Get<plat::TClientDataSet>("cdsProposta"));
  EXPECT_EQ(screen.cdsVenc_Valor, &screen.Get<plat::TClientDataSet>("cdsVenc_Valor"));
  EXPECT_EQ(screen.cdsseqPedidosLinhaProd, &screen.Get<plat::TClientDataSet>("cdsseqPedidosLinhaProd"));
  EXPECT_EQ(screen.cdsValidaMsg, &screen.Get<plat::TClientDataSet>("cdsValidaMsg"));
  EXPECT_EQ(screen.cdsPesqMsg, &screen.Get<plat::TClientDataSet>("cdsPesqMsg"));
}

TEST_F(DataSetFields, DataSetsStartClosed) {
  for (const auto& [name, expected] : kExpectedFields)
    EXPECT_FALSE(screen.Get<plat::TClientDataSet>(name).Active()) << name;
}

}  // namespace
}  // namespace screen_test
