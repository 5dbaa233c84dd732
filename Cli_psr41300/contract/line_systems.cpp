// The systems of the current contract product line: picked from the local
// table of systems or typed, checked by the server for duplicates when new
// (on leaving the column already, and before the post), stored under the
// current product line, and sent at every post and delete. After a post the
// systems of the current ordered line are fetched again.
#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;
using plat::TComponent;
using plat::TDataSet;

namespace {

const steps::Required kSystemRequired[] = {{"NMSISTEMA", "SISTINF"}};
const steps::PickCopy kSystemCopies[] = {{"CDSISTEMA", "CDSISTEMA"}, {"NMSISTEMA", "NMSISTEMA"}};

// A system's name typed over the row takes the code of that system.
void TakeSystemCode(TfrmSolicitaProposta& form) {
  steps::TakeCodeOfLocalName(form, *form.cdsSistLinhaProd, *form.adqDadosContTipoSistema, "NMSISTEMA", "CDSISTEMA",
                             "SISTEMAINV", "SISTINF");
}

}  // namespace

void TfrmSolicitaProposta::cdsSistLinhaProdAfterInsert(TDataSet& dataSet) {
  dataSet.FieldByName("NMSISTEMA").FocusControl();
}

void TfrmSolicitaProposta::dbgDadosContSistemaEditButtonClick(TComponent&) {
  if (cdsDadosContLinhaProd->IsEmpty()) EndWith(*this, "LinhaProd_Deve");
  steps::RunPicker(*this, {.grid = dbgDadosContSistema,
                           .column = "NMSISTEMA",
                           .refresh =
                               [this] {
                                 adqDadosContTipoSistema->Close();
                                 adqDadosContTipoSistema->Open();
                               },
                           .list = dtsDadosContTipoSistema,
                           .titleCode = "SISTEMA",
                           .emptyCode = "SISTEMAINV",
                           .target = cdsSistLinhaProd,
                           .copies = kSystemCopies});
}

void TfrmSolicitaProposta::Vd_Sistema(bool must) {
  steps::CheckDuplicate(*this, must,
                        {.dataSet = cdsSistLinhaProd,
                         .field = "NMSISTEMA",
                         .missingCode = "SISTINF",
                         .ask =
                             [this] {
                               return appclient::RdmSolicitaProposta(*netProposta)
                                   .ValidaSistema(CurrentProposal(*this).number, Text(*cdsSistLinhaProd, "CDSISTEMA"),
                                                  Text(*cdsDadosContLinhaProd, "CDLINPPROP"));
                             },
                         .answer = cdsValidaSistema,
                         .duplicateCode = "SISJACAD"});
}

// A duplicate is reported as soon as the user leaves the system's column of
// a new row; an empty name waits for the post.
void TfrmSolicitaProposta::dbgDadosContSistemaColExit(TComponent&) {
  if (!steps::LeavingNewRowColumn(*this, *cdsSistLinhaProd, "NMSISTEMA")) return;
  TakeSystemCode(*this);
  Vd_Sistema(false);
}

// A system belongs to a product line: with no line in the contract there is
// none to store it under (the server could not keep it), so the post is
// refused as the picker is.
void TfrmSolicitaProposta::cdsSistLinhaProdBeforePost(TDataSet& dataSet) {
  TakeSystemCode(*this);
  if (dtsSistLinhaProd->State() == plat::DataSetState::Insert) Vd_Sistema(true);
  steps::CheckRequired(*this, dataSet, kSystemRequired);
  if (!dataSet.Editing()) return;
  steps::CopyProposalKey(*this, dataSet);
  if (cdsDadosContLinhaProd->IsEmpty()) {
    dataSet.FieldByName("NMSISTEMA").FocusControl();
    EndWith(*this, "LinhaProd_Deve");
  }
  // The line as stored: a code being typed over is not yet the line's.
  CopyStored(dataSet, "CDLINPPROP", *cdsDadosContLinhaProd, "CDLINPPROP");
}

void TfrmSolicitaProposta::cdsSistLinhaProdAfterPost(TDataSet&) {
  steps::SendDetailChanges(*this, *cdsSistLinhaProd);
  fetch::OrderLineSystems(*this);
}

// The ordered line's systems are the server's reading of these: a deleted
// system leaves them as a stored one does.
void TfrmSolicitaProposta::cdsSistLinhaProdAfterDelete(TDataSet&) {
  steps::SendDetailChanges(*this, *cdsSistLinhaProd);
  fetch::OrderLineSystems(*this);
}

void TfrmSolicitaProposta::cdsSistLinhaProdAfterCancel(TDataSet&) {
  steps::DiscardRefusedChanges(*this, *cdsSistLinhaProd);
}

void TfrmSolicitaProposta::cdsSistLinhaProdAfterScroll(TDataSet&) { dtsSistLinhaProdStateChange(*dtsSistLinhaProd); }

void TfrmSolicitaProposta::dbgDadosContSistemaEnter(TComponent& sender) { dtsSistLinhaProdStateChange(sender); }

void TfrmSolicitaProposta::dbgDadosContSistemaExit(TComponent&) { steps::PostOnExit(*this, *cdsSistLinhaProd); }

}  // namespace cli_psr41300
