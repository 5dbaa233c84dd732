// The ordered product lines: a new line's grace date, the checks and the
// numbering before a line is stored, the value update and the sending after
// it with the order totals, and the systems and due dates that always belong
// to the current line.
#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"
#include "host/consiste.h"
#include "host/vogalis.h"

namespace cli_psr41300 {

using namespace support;
using plat::TComponent;
using plat::TDataSet;

namespace {

// The grace date, then the billing day.
const steps::Required kOrderRequired[] = {{"DTCALUSOPEDP", "DtCarencia"}, {"DIA_FATURAMENTO", "DIAFAT"}};
// A stored line keeps a product line: cleared, its due dates and systems
// would be read by a line it no longer names.
const steps::Required kLineRequired[] = {{"CDLIN", "LINPROD"}};

}  // namespace

// A new line has no systems and no due dates yet.
void TfrmSolicitaProposta::cdsPedidosLinhaProdAfterInsert(TDataSet& dataSet) {
  cdsPedidosSist->Close();
  cdsVenc_Valor->Close();
  dataSet.FieldByName("DTCALUSOPEDP").SetAsDateTime(host::Lib90500::DtServ(""));
}

// The number comes from the server at every post; only a new line takes it,
// as the server hands it out ("1" when the answer has no row).
void TfrmSolicitaProposta::cdsPedidosLinhaProdBeforePost(TDataSet& dataSet) {
  fetch::LineSequence(*this);
  const bool inserting = dtsPedidosLinhaProd->State() == plat::DataSetState::Insert;
  // A stored line given another product line (picked or typed) is checked
  // as a new one is: the order names each product line once, and the due
  // dates and systems are read by it.
  if (inserting || StoredValueTypedOver(*cdsPedidosLinhaProd, {"CDLIN"})) Vd_Pedidos_LinhaProd(true);
  steps::CheckRequired(*this, dataSet, kLineRequired);
  TakeLineOfTypedCode();
  inCountPed = cdsseqPedidosLinhaProd->RecordCount();
  if (dataSet.State() == plat::DataSetState::Insert) {
    SetText(dataSet, "NRLINPPEDP", inCountPed < 1 ? "1" : Text(*cdsseqPedidosLinhaProd, "NRLINPPEDP"));
    // A line typed by hand (not picked) belongs to the proposal too.
    steps::CopyProposalKey(*this, dataSet);
  }
  steps::CheckRequired(*this, dataSet, kOrderRequired);
  if (CustomerChosen(*this)) Copy(dataSet, "CDCLIENTE", *cdsProposta, "CODIGO");
  MostraValoresLinha();
}

void TfrmSolicitaProposta::Vd_Pedidos_LinhaProd(bool must) {
  steps::CheckDuplicate(*this, must,
                        {.dataSet = cdsPedidosLinhaProd,
                         .field = "CDLIN",
                         .missingCode = "LINPROD",
                         .ask =
                             [this] {
                               return appclient::RdmSolicitaProposta(*netProposta)
                                   .ValidaLinhaProd_Pedidos(CurrentProposal(*this),
                                                            Text(*cdsPedidosLinhaProd, "CDLIN"));
                             },
                         .answer = cdsValidaLinhaProd_Pedidos,
                         .duplicateCode = "LINPRODJCAD"});
}

// The due dates are fetched before the line is sent. The server's values
// are updated only once the line itself was taken (a refused line leaves the
// server as it was); the totals follow a successful send only.
void TfrmSolicitaProposta::cdsPedidosLinhaProdAfterPost(TDataSet& dataSet) {
  fetch::DueValues(*this);
  const bool sending = cdsPedidosLinhaProd->ChangeCount() > 0;
  if (sending) steps::SendDetailChanges(*this, *cdsPedidosLinhaProd);
  // A quantity left empty stays empty (the update would store 0). The line
  // is stored by now: a refused update still shows the line's systems.
  const std::string line = Text(dataSet, "CDLIN");
  try {
    if (!dataSet.FieldByName("QTLINPPEDP").IsNull())
      host::Consiste::CheckResultServ(
          appclient::RdmSolicitaProposta(*netProposta)
              .GetUpDateValor(dataSet.FieldByName("QTLINPPEDP").AsFloat(), CurrentProposal(*this), line, line),
          true, 0);
  } catch (...) {
    fetch::OrderLineSystems(*this);
    throw;
  }
  if (sending) Calcula_Valores();
  fetch::OrderLineSystems(*this);
  dtsPedidosLinhaProdStateChange(*dtsPedidosLinhaProd);
}

// Whether or not the server took the delete, the systems and due dates
// shown afterwards are those of the line current now.
void TfrmSolicitaProposta::cdsPedidosLinhaProdAfterDelete(TDataSet&) {
  try {
    steps::SendDetailChanges(*this, *cdsPedidosLinhaProd);
  } catch (...) {
    steps::CloseWithDependents(*this, *cdsVenc_Valor);
    cdsPedidosSist->Close();
    throw;
  }
  Calcula_Valores();
  MostraValoresLinha();
  if (cdsPedidosLinhaProd->IsEmpty()) {
    cdsPedidosSist->Close();
    cdsVenc_Valor->Close();
  }
}

void TfrmSolicitaProposta::cdsPedidosLinhaProdAfterCancel(TDataSet&) {
  steps::DiscardRefusedChanges(*this, *cdsPedidosLinhaProd);
}

// The due dates typed for the line being left are stored under it first.
void TfrmSolicitaProposta::cdsPedidosLinhaProdBeforeScroll(TDataSet&) {
  steps::SettleDependents(*this, *cdsPedidosLinhaProd);
}

void TfrmSolicitaProposta::cdsPedidosLinhaProdAfterScroll(TDataSet&) {
  steps::FetchDependents(*this, *cdsPedidosLinhaProd,
                         {[this] { fetch::OrderLineSystems(*this); }, [this] { fetch::DueValues(*this); }});
  MostraValoresLinha();
  dtsPedidosLinhaProdStateChange(*dtsPedidosLinhaProd);
}

// The line type comes with the picked line: the column takes no key.
void TfrmSolicitaProposta::dbgPedidosLinhaProdKeyPress(TComponent&, char32_t& key) {
  const plat::TField* field = dbgPedidosLinhaProd->SelectedField();
  if (field && field->FieldName() == "TP_LINHAPROD") key = 0;
}

void TfrmSolicitaProposta::dbgPedidosLinhaProdEnter(TComponent&) {
  dtsPedidosLinhaProdStateChange(*dtsPedidosLinhaProd);
}

void TfrmSolicitaProposta::dbgPedidosLinhaProdExit(TComponent&) { steps::PostOnExit(*this, *cdsPedidosLinhaProd); }

// The ordered line's systems are only shown: entering them judges the
// commands of the contract systems.
void TfrmSolicitaProposta::dbgPediLinhaProdSistEnter(TComponent&) { dtsSistLinhaProdStateChange(*dtsSistLinhaProd); }

}  // namespace cli_psr41300
