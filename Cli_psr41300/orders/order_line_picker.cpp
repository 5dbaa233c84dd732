// The order-line picker: the product lines the proposal can order, from its
// own contract or from the customer's, picked in the host's search. The pick
// fills the current line (a browsing one is put into edit, a new one started
// on an empty list) and stores it at once, so the line's checks, numbering
// and sending all run.
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;

namespace {

// Texts copied as stored, codes and not display texts.
const steps::PickCopy kTextCopies[] = {
    {"CDLIN", "CDLINPCLIE"},           {"NMLIN", "NMLINPCLIE"},    {"PLATAFORMA", "PLATAFORMA"},
    {"TP_LINHAPROD", "TP_LINHA_PROD"}, {"TP_PAG", "TP_PAGAMENTO"},
};

// Decimals as four-place currency values. A value the picked line does not
// have stays empty, so that a line without billing day is refused by its
// check instead of being stored with day 0.
void CopyCurrency(plat::TDataSet& line, const char* to, const plat::TDataSet& picked, const char* from) {
  const plat::TField& source = picked.FieldByName(from);
  if (source.IsNull())
    line.FieldByName(to).Clear();
  else
    line.FieldByName(to).SetValue(plat::Variant(plat::Decimal::FromDouble(source.AsCurrency())));
}

// Where the picked line comes from: "1" one of the proposal's contract
// lines, anything else a line the customer holds.
void FillReferences(plat::TDataSet& line, const plat::TDataSet& picked) {
  if (Text(picked, "IDENTIFICADOR") == "1") {
    Copy(line, "CDLINPPROP", picked, "CDLINPCLIE");
    Copy(line, "NMLINPPROP", picked, "NMLINPCLIE");
    line.FieldByName("CDLINPCLIE").Clear();
  } else {
    line.FieldByName("CDLINPPROP").Clear();
    line.FieldByName("NMLINPPROP").Clear();
    Copy(line, "CDLINPCLIE", picked, "CDLINPCLIE");
  }
}

void FillValues(plat::TDataSet& line, const plat::TDataSet& picked) {
  for (const steps::PickCopy& copy : kTextCopies) Copy(line, copy.to, picked, copy.from);
  CopyCurrency(line, "NR_USUARIO", picked, "NR_USUARIO");
  CopyCurrency(line, "NR_ACESSO", picked, "NR_ACESSO");
  if (picked.FieldByName("QUANTIDADE").IsNull())
    line.FieldByName("QTLINPPEDP").Clear();
  else
    line.FieldByName("QTLINPPEDP").SetAsFloat(picked.FieldByName("QUANTIDADE").AsCurrency());
  CopyCurrency(line, "VALOR_LU", picked, "VALOR_LU");
  CopyCurrency(line, "VALOR_MENSAL", picked, "VALOR_MENSAL");
  CopyCurrency(line, "DIA_FATURAMENTO", picked, "DIA_FATURAMENTO");
  Copy(line, "MODO_PROCESSAMENTO", picked, "MODO_PROCESSAMENTO");
  Copy(line, "LOCAL_PROCESSAMENTO", picked, "LOCAL_PROCESSAMENTO");
  // The line totals, from the values now in the line.
  const double quantity = line.FieldByName("QTLINPPEDP").AsFloat();
  line.FieldByName("VALORTOTALLU").SetAsFloat(quantity * line.FieldByName("VALOR_LU").AsFloat());
  line.FieldByName("VALORTOTALMENSAL").SetAsFloat(quantity * line.FieldByName("VALOR_MENSAL").AsFloat());
}

// The product lines the proposal can order, from the server.
void LoadOrderableLines(T& form) {
  Load(*form.cdsPesqPedidos, appclient::RdmSolicitaProposta(*form.netProposta)
                                 .PesqPedidos(CurrentProposal(form), Text(*form.cdsProposta, "CODIGO")));
}

}  // namespace

// An order line names what it orders by its contract or customer line: one
// stored with only a typed code would name nothing, and its due dates and
// systems could never be listed again.
void TfrmSolicitaProposta::TakeLineOfTypedCode() {
  plat::TDataSet& line = *cdsPedidosLinhaProd;
  const std::string code = Text(line, "CDLIN");
  if (Empty(code) || code == Text(line, "CDLINPPROP") || code == Text(line, "CDLINPCLIE")) return;
  FocusOnFailure(
      [&] {
        LoadOrderableLines(*this);
        if (!cdsPesqPedidos->Locate("CDLINPCLIE", plat::Variant(code))) EndWith(*this, "LINHAPRODNCAD");
      },
      [&] { line.FieldByName("CDLIN").FocusControl(); });
  FillReferences(line, *cdsPesqPedidos);
  Copy(line, "NMLIN", *cdsPesqPedidos, "NMLINPCLIE");
}

void TfrmSolicitaProposta::dbgPedidosLinhaProdEditButtonClick(plat::TComponent&) {
  const bool picked = steps::RunPicker(*this, {.grid = dbgPedidosLinhaProd,
                                               .column = "CDLIN",
                                               .refresh = [this] { LoadOrderableLines(*this); },
                                               .list = dtsPesqPedidos,
                                               .titleCode = "LINHAPROD",
                                               .emptyCode = "LINHAPRODNCAD",
                                               .target = cdsPedidosLinhaProd,
                                               .fill =
                                                   [this](const plat::TDataSet& chosen) {
                                                     steps::CopyProposalKey(*this, *cdsPedidosLinhaProd);
                                                     FillReferences(*cdsPedidosLinhaProd, chosen);
                                                     FillValues(*cdsPedidosLinhaProd, chosen);
                                                   }});
  if (picked) cdsPedidosLinhaProd->Post();
}

}  // namespace cli_psr41300
