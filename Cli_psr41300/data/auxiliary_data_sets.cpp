// The auxiliary data sets: search lists, validation answers and sequence
// answers filled from the server and only read. The validation answers
// declare no fields: only their emptiness counts.
#include "Cli_psr41300/data/data_set_tables.h"

namespace cli_psr41300::data {

namespace {

using T = TfrmSolicitaProposta;

// Contacts of the proposal's party, for the contact search.
const FieldSpec kPesqContato[] = {
    {"CDFILIAL", kText, 4, "", kHidden},    {"NRCONTATO", kText, 40, "Contato", kReadOnly, "", "", 20},
    {"CDCLIENTE", kText, 21, "", kHidden},  {"DDSREFECONT", kText, 60, "Descrição"},
    {"CDFORNECED", kText, 21, "", kHidden}, {"CDPROSPECT", kText, 21, "", kHidden},
    {"IDTPCONTATO", kText, 1, "", kHidden}, {"CDSITUACAO", kText, 20, "", kHidden},
    {"CDSISTEMA", kText, 8, "", kHidden},   {"CDASSUNTO", kText, 5, "", kHidden},
};

// The contact found by the contact check.
const FieldSpec kCont[] = {
    {"NRCONTATO", kText, 40, "", kReadOnly},
    {"DDSREFECONT", kText, 60},
    {"IDTPCONTATO", kText, 1},
    {"CDCLIENTE", kText, 21},
    {"CDFILIAL", kText, 4, "", kHidden},
    {"CDFORNECED", kText, 21, "", kHidden},
    {"CDPROSPECT", kText, 21, "", kHidden},
    {"CDSITUACAO", kText, 20, "", kHidden},
    {"CDSISTEMA", kText, 8, "", kHidden},
    {"CDASSUNTO", kText, 5, "", kHidden},
};

// Commercial products, for the product-line picker.
const FieldSpec kDadosContProdComercial[] = {
    {"CDPROCOMERCI", kText, 10, "Código"},
    {"NMPROCOMERCI", kText, 50, "Produto Comercial"},
};

// Systems already recorded for a contract product line.
const FieldSpec kValidaSistema[] = {
    {"NRPROPOSFAS", kText, 20}, {"NRVERPROPFAS", kText, 2}, {"CDLINPPROP", kText, 20},
    {"CDSISTEMA", kText, 8},    {"NMSISTEMA", kText, 40},
};

// Product lines offered by the order-line picker.
const FieldSpec kPesqPedidos[] = {
    {"MODO_PROCESSAMENTO", kText, 1, "", kHidden},
    {"LOCAL_PROCESSAMENTO", kText, 1, "", kHidden},
    {"CDLINPCLIE", kText, 20, "Código"},
    {"NMLINPCLIE", kText, 50, "Linha de Produto"},
    {"PLATAFORMA", kText, 3, "Plataforma"},
    {"TP_LINHA_PROD", kText, 1, "Tp. Linha Prod.", kHidden},
    {"TP_PAGAMENTO", kText, 1, "", kHidden},
    {"NR_USUARIO", kDecimal, kDecimalPrecision, "", kHidden},
    {"NR_ACESSO", kDecimal, kDecimalPrecision, "", kHidden},
    {"QUANTIDADE", kDecimal, kDecimalPrecision, "", kHidden},
    {"CDLINPGRAVA", kText, 20, "", kHidden},
    {"VALOR_LU", kDecimal, kDecimalPrecision, "", kHidden},
    {"VALOR_MENSAL", kDecimal, kDecimalPrecision, "", kHidden},
    {"DIA_FATURAMENTO", kDecimal, kDecimalPrecision, "", kHidden},
    {"IDENTIFICADOR", kText, 1, "", kHidden},
};

// Service types offered for ordered services.
const FieldSpec kPedidosServ[] = {
    {"CODIGO", kText, 3, "Código"},
    {"SERVICO", kText, 30, "Serviço"},
    {"VALOR_HORA", kDecimal, kDecimalPrecision, "valor Hora", 0, "", kMoney},
};

// Next ordered-service number.
const FieldSpec kSeqServico[] = {
    {"NRSERVPEDP", kDecimal, kDecimalPrecision, "", kReadOnly},
};

// Next ordered-line number.
const FieldSpec kSeqPedidosLinhaProd[] = {
    {"NRLINPPEDP", kDecimal, kDecimalPrecision, "", kReadOnly},
};

// The order's total of due values, for the acceptance check.
const FieldSpec kSum_ValorPedido[] = {
    {"VALOR", kDecimal, kDecimalPrecision, "", kReadOnly},
};

// The server's standard texts, for the text picker.
const FieldSpec kPesqMsg[] = {
    {"CDPADTXT", kText, 20, "Código"},
    {"TXPADTXT", kBlob, 0, "", kHidden},
};

const DataSetSpec kAuxiliary[] = {
    {"cdsValidaProposta", &T::cdsValidaProposta, {}},
    {"cdsValidaContrato", &T::cdsValidaContrato, {}},
    {"cdsCont", &T::cdsCont, kCont},
    {"cdsPesqContato", &T::cdsPesqContato, kPesqContato},
    {"cdsValidaLinhaProd_DadosCont", &T::cdsValidaLinhaProd_DadosCont, {}},
    {"cdsDadosContProdComercial", &T::cdsDadosContProdComercial, kDadosContProdComercial},
    {"cdsValidaSistema", &T::cdsValidaSistema, kValidaSistema},
    {"cdsValidaServico", &T::cdsValidaServico, {}},
    {"cdsValidaLinhaProd_Pedidos", &T::cdsValidaLinhaProd_Pedidos, {}},
    {"cdsseqPedidosLinhaProd", &T::cdsseqPedidosLinhaProd, kSeqPedidosLinhaProd},
    {"cdsPesqPedidos", &T::cdsPesqPedidos, kPesqPedidos},
    {"cdsPedidosServ", &T::cdsPedidosServ, kPedidosServ},
    {"cdsValidaServPed", &T::cdsValidaServPed, {}},
    {"cdsSeqServico", &T::cdsSeqServico, kSeqServico},
    {"cdsSum_ValorPedido", &T::cdsSum_ValorPedido, kSum_ValorPedido},
    {"cdsValidaMsg", &T::cdsValidaMsg, {}},
    {"cdsPesqMsg", &T::cdsPesqMsg, kPesqMsg},
};

}  // namespace

std::span<const DataSetSpec> AuxiliaryDataSets() { return kAuxiliary; }

}  // namespace cli_psr41300::data
