// Declared fields of the proposal and of its detail data sets, in the order
// the server's packets and the screen rely on.
#include "Cli_psr41300/data/data_set_tables.h"

namespace cli_psr41300::data {

namespace {

using T = TfrmSolicitaProposta;

// A proposal version: header, party (customer or prospect), contact, operators.
const FieldSpec kProposta[] = {
    {"DSEMAIPROFAS", kText, 50, "E-mail", kHidden},
    {"NRFAXPROPFAS", kText, 25, "Fax", kHidden, "!\\(99\\)0000-0000;0; "},
    {"DSOBSPROPFAS", kText, 250, "Observação", kHidden},
    {"IDSOLPROPFAS", kText, 1, "Ident. Solicitação", kHidden},
    {"CODIGO", kText, 21, "Cliente/Prospect"},
    {"NOME", kText, 50, "Cliente/Prospect"},
    {"NRPROPOSFAS", kText, 20, "Proposta", 0, "", "", 20},
    {"CDOPERSOLI", kText, 12},
    {"OPERSOLI", kText, 40},
    {"DTPROPOSFAS", kDateTime, 0, "Data Proposta"},
    {"DTACEPROPFAS", kDateTime, 0, "Aceite da Proposta"},
    {"NRINSJURCLIE", kText, 20, "", kHidden},
    {"DTVALPROPFAS", kDateTime, 0, "Validade"},
    {"NRVERPROPFAS", kText, 2, "Nº Versão da Proposta"},
    {"CDFILIAL", kText, 4, "", kHidden},
    {"CDOPERINCL", kText, 12},
    {"NRCONTATO", kText, 10},
    {"CDPROSPECT", kText, 21},
    {"CDOPERADOR", kText, 12},
    {"NMOPERADOR", kText, 40, "Operador"},
    {"IDTPCONTATO", kText, 1},
    {"IDTPIJURCLIE", kText, 1},
    {"IDTPIJURPROS", kText, 1},
    {"IDCLIENPROSP", kText, 1},
    {"CDCLIENTE", kText, 21, "", kHidden},
    {"DSREFECONT", kText, 60},
    {"PROPOSTA", kText, 100, "", kCalculated},
};

// A product line under contract.
const FieldSpec kDadosContLinhaProd[] = {
    {"CDLINPPROP", kText, 20, "Código", 0, "99999999999999999999;0; "},
    {"NMLINPPROP", kText, 50, "Linha de Produto"},
    {"NMPROCOMERCI", kText, 50, "Prod. Comercial"},
    {"NRUSUALINPP", kFloat, 0, "N° Usuários"},
    {"NRACESLINPP", kFloat, 0, "Pontos Acesso"},
    {"IDTIPLINPP", kText, 1, "Tp. Linha Prod."},
    {"IDAMBLINPP", kText, 3, "Plataforma"},
    {"IDTPPGTLINPP", kText, 1, "Tp. Pagamento"},
    {"QTLINPPROP", kFloat, 0, "Qt. Licenças"},
    {"VRLUSOPROP", kFloat, 0, "Vr. Unit. LU", 0, "", kMoney},
    {"VRMENSPROP", kFloat, 0, "Vr. Unit. Mensal", 0, "", kMoney},
    {"NRPROPOSFAS", kText, 20},
    {"NRVERPROPFAS", kText, 2},
    {"CDPROCOMERCI", kText, 10},
    {"VALORTOTALMENSAL", kDecimal, kDecimalPrecision, "", 0, "", kMoney},
    {"VALORTOTALLU", kDecimal, kDecimalPrecision, "", 0, "", kMoney},
    {"DIFAMENLINPP", kFloat, 0, "Dia Fat.", 0, "", "", 0, 1, 31},
    {"IDMPROCLINPP", kText, 1, "Modo"},
    {"IDLPROCLINPP", kText, 1, "Local"},
};

// A system of the current contract product line.
const FieldSpec kSistLinhaProd[] = {
    {"NMSISTEMA", kText, 40, "Sistema"}, {"NRPROPOSFAS", kText, 20}, {"NRVERPROPFAS", kText, 2},
    {"CDLINPPROP", kText, 20},           {"CDSISTEMA", kText, 8},
};

// A contract service with its hourly value.
const FieldSpec kDadosContServico[] = {
    {"NRPROPOSFAS", kText, 20},
    {"NRVERPROPFAS", kText, 2},
    {"CDTIPOSERV", kText, 3},
    {"VRHORAPROP", kFloat, 0, "Valor Hora", 0, "", kMoney},
    {"NMTIPOSERV", kText, 30, "Serviço"},
};

// An ordered product line: first the line as stored, from CDLIN on the
// attributes of the picked product line.
const FieldSpec kPedidosLinhaProd[] = {
    {"CDCLIENTE", kText, 21},
    {"NRPROPOSFAS", kText, 20},
    {"NRVERPROPFAS", kText, 2},
    {"NRLINPPEDP", kText, 3},
    {"QTLINPPEDP", kFloat, 0, "Qt. Licenças"},
    {"VRLUSOPEDP", kFloat, 0, "Vr. Unit. LU", 0, "", kMoney},
    {"VRMENSPEDP", kFloat, 0, "Vr. Unit. Mensal", 0, "", kMoney},
    {"DIFAMENSPEDP", kFloat, 0, "Dia Fat."},
    {"DTCALUSOPEDP", kDateTime, 0, "Dt. Carência"},
    {"NMLINPPROP", kText, 50},
    {"IDAMBLINPP", kText, 3},
    {"IDTIPLINPP", kText, 1},
    {"IDTPPGTLINPP", kText, 1},
    {"NRUSUALINPP", kFloat, 0},
    {"NRACESLINPP", kFloat, 0},
    {"QTLINPPROP", kFloat, 0},
    {"VALORTOTALLU", kDecimal, kDecimalPrecision, "", 0, "", kMoney},
    {"VALORTOTALMENSAL", kDecimal, kDecimalPrecision, "", 0, "", kMoney},
    {"CDLIN", kText, 20, "Código"},
    {"NMLIN", kText, 50, "Linha de Produto"},
    {"PLATAFORMA", kText, 3, "Plataforma"},
    {"TP_LINHAPROD", kText, 1, "Tp. Linha Prod."},
    {"TP_PAG", kText, 1, "Tp. Pagamento"},
    {"NR_USUARIO", kDecimal, kDecimalPrecision, "N° Usuários"},
    {"VALOR_LU", kDecimal, kDecimalPrecision, "Vr. Unit. LU", kHidden, "", kMoney},
    {"DIA_FATURAMENTO", kDecimal, kDecimalPrecision, "Dia Fat."},
    {"DIFAMENLINPP", kFloat, 0},
    {"VALOR_MENSAL", kDecimal, kDecimalPrecision, "Vr. Unit. Mensal", kHidden, "", kMoney},
    {"NR_ACESSO", kDecimal, kDecimalPrecision, "Pontos Acesso"},
    {"CDLINPPROP", kText, 20},
    {"CDLINPCLIE", kText, 20},
    {"QUANTIDADE", kDecimal, kDecimalPrecision, "Qt. Licenças"},
    {"MODO_PROCESSAMENTO", kText, 1, "Modo"},
    {"LOCAL_PROCESSAMENTO", kText, 1, "Local"},
};

// A system of the current ordered product line.
const FieldSpec kPedidosSist[] = {
    {"SISTEMA", kText, 40, "Sistema"},
    {"IDENTIFICADOR", kText, 1},
};

// A due date of the licence of use of the current ordered line, with its value.
const FieldSpec kVenc_Valor[] = {
    {"NRPROPOSFAS", kText, 20},
    {"NRVERPROPFAS", kText, 2},
    {"NRLINPPEDP", kText, 3},
    {"DTVELUSOPEDP", kDateTime, 0, "Data de Vencimento", 0, "!99/99/0000;1; "},
    {"VRVELUSOPEDP", kFloat, 0, "Valor", 0, "", kMoney},
};

// An ordered service.
const FieldSpec kPedidosServico[] = {
    {"NMTIPOSERV", kText, 30, "Serviço"},
    {"QTSERVPEDP", kFloat, 0, "Quantidade de Horas"},
    {"VRHORAPEDP", kFloat, 0, "Valor Hora", 0, "", kMoney},
    {"NRPROPOSFAS", kText, 20},
    {"NRVERPROPFAS", kText, 2},
    {"CDTIPOSERV", kText, 3},
    {"TXOBSPROPSERV", kText, 4000},
    {"NRSERVPEDP", kText, 3},
};

// A text attached to the proposal.
const FieldSpec kMensagem[] = {
    {"NRORDEMMSG", kFloat, 0, "Ordem"},
    {"NRPROPOSFAS", kText, 20},
    {"NRVERPROPFAS", kText, 2},
    {"CDTXTPROPFAS", kText, 20, "Código da Proposta(Mensagem)"},
    {"TXPROPFAS", kBlob, 0},
};

const DataSetSpec kEditable[] = {
    {"cdsProposta", &T::cdsProposta, kProposta},
    {"cdsDadosContLinhaProd", &T::cdsDadosContLinhaProd, kDadosContLinhaProd},
    {"cdsSistLinhaProd", &T::cdsSistLinhaProd, kSistLinhaProd},
    {"cdsDadosContServico", &T::cdsDadosContServico, kDadosContServico},
    {"cdsPedidosLinhaProd", &T::cdsPedidosLinhaProd, kPedidosLinhaProd},
    {"cdsPedidosSist", &T::cdsPedidosSist, kPedidosSist},
    {"cdsVenc_Valor", &T::cdsVenc_Valor, kVenc_Valor},
    {"cdsPedidosServico", &T::cdsPedidosServico, kPedidosServico},
    {"cdsMensagem", &T::cdsMensagem, kMensagem},
};

}  // namespace

std::span<const DataSetSpec> EditableDataSets() { return kEditable; }

}  // namespace cli_psr41300::data
