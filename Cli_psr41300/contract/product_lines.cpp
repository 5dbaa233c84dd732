// The product lines of the proposal's contract: a new line's defaults, the
// checks before a line is stored (required fields in their order, the
// commercial product by its exact name, a new code free in the proposal and
// in the party's contract), the sending of every post and delete with the
// whole list fetched again after a post, the commercial-product picker, the
// key filter of the coded columns, and the grid's entry and exit.
#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"
#include "host/vogalis.h"

namespace cli_psr41300 {

using namespace support;
using plat::TComponent;
using plat::TDataSet;

namespace {

// Before the commercial product is looked up, in this order.
const steps::Required kNamesRequired[] = {
    {"CDLINPPROP", "CODDADOLIN"},
    {"NMLINPPROP", "LINPROD"},
    {"NMPROCOMERCI", "PRODCOMERCI"},
};

// After it, in this order.
const steps::Required kValuesRequired[] = {
    {"NRUSUALINPP", "NUMUSU"},  {"IDTIPLINPP", "TPLINPROD"},    {"IDTPPGTLINPP", "TPPAG"},
    {"QTLINPPROP", "QTLICE"},   {"VRLUSOPROP", "VALLU"},        {"VRMENSPROP", "VALMES"},
    {"DIFAMENLINPP", "DIAFAT"}, {"IDMPROCLINPP", "Modo_Proce"}, {"IDLPROCLINPP", "Local_Proce"},
};

const steps::PickCopy kProductCopies[] = {{"CDPROCOMERCI", "CDPROCOMERCI"}, {"NMPROCOMERCI", "NMPROCOMERCI"}};

// The coded columns take their values from their pick lists only; Backspace
// and Enter still work.
bool KeyFiltered(const std::string& field) {
  return field == "IDAMBLINPP" || field == "IDTIPLINPP" || field == "IDTPPGTLINPP";
}

}  // namespace

void TfrmSolicitaProposta::cdsDadosContLinhaProdAfterInsert(TDataSet& dataSet) {
  dataSet.FieldByName("CDLINPPROP").FocusControl();
  SetText(dataSet, "IDAMBLINPP", "WEB");
  SetText(dataSet, "IDTIPLINPP", "M");
  SetText(dataSet, "IDTPPGTLINPP", "A");
  dataSet.FieldByName("NRACESLINPP").SetAsFloat(0);
  // Mode and place must be chosen.
  dataSet.FieldByName("IDMPROCLINPP").Clear();
  dataSet.FieldByName("IDLPROCLINPP").Clear();
}

void TfrmSolicitaProposta::cdsDadosContLinhaProdBeforePost(TDataSet& dataSet) {
  steps::CheckRequired(*this, dataSet, kNamesRequired);
  if (!cdsDadosContProdComercial->Active()) fetch::CommercialProducts(*this);
  // The commercial product by its exact name. A line named after a product
  // stores that product's code too, so that a name typed by hand does not
  // leave the line with another product's code, or none.
  plat::TField& product = dataSet.FieldByName("NMPROCOMERCI");
  if (!cdsDadosContProdComercial->Locate("NMPROCOMERCI", plat::Variant(product.AsString()))) {
    product.FocusControl();
    EndWith(*this, "PRODCOMERCIINV");
  }
  Copy(dataSet, "CDPROCOMERCI", *cdsDadosContProdComercial, "CDPROCOMERCI");
  steps::CheckRequired(*this, dataSet, kValuesRequired);
  if (dataSet.State() == plat::DataSetState::Insert) {
    Vd_DadosCont_LinhaProd(true);
    Vd_Contrato(true);
  }
  steps::CopyProposalKey(*this, dataSet);
  // A stored line given another code takes its systems with it on the
  // server: what they hold pending is settled under the code they were read
  // by first (a refusal keeps the line being typed).
  if (StoredValueTypedOver(*cdsDadosContLinhaProd, {"CDLINPPROP"}))
    steps::SettleDependents(*this, *cdsDadosContLinhaProd);
}

void TfrmSolicitaProposta::Vd_DadosCont_LinhaProd(bool must) {
  steps::CheckDuplicate(*this, must,
                        {.dataSet = cdsDadosContLinhaProd,
                         .field = "CDLINPPROP",
                         .missingCode = "LINPROD",
                         .ask =
                             [this] {
                               return appclient::RdmSolicitaProposta(*netProposta)
                                   .ValidaLinhaProd_DadosCont(CurrentProposal(*this),
                                                              Text(*cdsDadosContLinhaProd, "CDLINPPROP"));
                             },
                         .answer = cdsValidaLinhaProd_DadosCont,
                         .duplicateCode = "LINPRODJCAD"});
}

// After a post the whole list comes again, with the server's totals, also
// when nothing was sent; a refused send leaves the list as it is. The
// systems shown then belong to the line as the server keeps it: when the
// refused change gave the line another code, they are closed (unless they
// hold work of their own), to come again with the line.
void TfrmSolicitaProposta::cdsDadosContLinhaProdAfterPost(TDataSet&) {
  try {
    steps::SendDetailChanges(*this, *cdsDadosContLinhaProd);
  } catch (...) {
    plat::TClientDataSet& systems = *cdsSistLinhaProd;
    const bool ofAnotherCode = !systems.IsEmpty() && !steps::HoldsWork(systems) &&
                               Text(systems, "CDLINPPROP") != Text(*cdsDadosContLinhaProd, "CDLINPPROP");
    if (ofAnotherCode) {
      steps::CloseWithDependents(*this, systems);
      dtsDadosContLinhaProdStateChange(*dtsDadosContLinhaProd);
    }
    throw;
  }
  fetch::ContractLines(*this);
}

// The server deletes a line's systems with it: the host's copy of them is
// refreshed too. A refused delete stops before the scroll that follows it,
// so the deleted line's systems are closed rather than shown under the line
// current now.
void TfrmSolicitaProposta::cdsDadosContLinhaProdAfterDelete(TDataSet&) {
  try {
    steps::SendDetailChanges(*this, *cdsDadosContLinhaProd);
  } catch (...) {
    steps::CloseWithDependents(*this, *cdsSistLinhaProd);
    dtsDadosContLinhaProdStateChange(*dtsDadosContLinhaProd);
    throw;
  }
  host::Vogalis::AtualizaLocalCache({details::DetailOf(*this, *cdsSistLinhaProd).cacheTable});
}

void TfrmSolicitaProposta::cdsDadosContLinhaProdAfterCancel(TDataSet&) {
  steps::DiscardRefusedChanges(*this, *cdsDadosContLinhaProd);
}

// The systems typed for the line being left are stored under it first.
void TfrmSolicitaProposta::cdsDadosContLinhaProdBeforeScroll(TDataSet&) {
  steps::SettleDependents(*this, *cdsDadosContLinhaProd);
}

void TfrmSolicitaProposta::cdsDadosContLinhaProdAfterScroll(TDataSet&) {
  fetch::SystemsOfCurrentLine(*this);
  dtsDadosContLinhaProdStateChange(*dtsDadosContLinhaProd);
}

void TfrmSolicitaProposta::dbgDadosContLinhaProdEditButtonClick(TComponent&) {
  steps::RunPicker(*this, {.grid = dbgDadosContLinhaProd,
                           .column = "NMPROCOMERCI",
                           .refresh = [this] { fetch::CommercialProducts(*this); },
                           .list = dtsDadosContProdComercial,
                           .titleCode = "PRODCOM",
                           .emptyCode = "PRODCOMINV",
                           .target = cdsDadosContLinhaProd,
                           .copies = kProductCopies});
}

void TfrmSolicitaProposta::dbgDadosContLinhaProdKeyPress(TComponent&, char32_t& key) {
  if (!cdsDadosContLinhaProd->Editing() || key == 8 || key == 13) return;
  const plat::TField* field = dbgDadosContLinhaProd->SelectedField();
  if (field && KeyFiltered(field->FieldName())) key = 0;
}

void TfrmSolicitaProposta::dbgDadosContLinhaProdEnter(TComponent& sender) {
  PageControl5->SetActivePage(tshPedidosLinhaProd);
  dtsDadosContLinhaProdStateChange(sender);
}

void TfrmSolicitaProposta::dbgDadosContLinhaProdExit(TComponent&) { steps::PostOnExit(*this, *cdsDadosContLinhaProd); }

}  // namespace cli_psr41300
