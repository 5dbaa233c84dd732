// The services of the proposal's contract, each with its hourly value: a
// service picked from the local table of service types or typed, checked by
// the server for duplicates when new (on leaving the column already, and
// before the post), and sent at every post and delete. The list itself is
// fetched by the page and tab changes and by the refresh.
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;
using plat::TComponent;
using plat::TDataSet;

namespace {

const steps::Required kValueRequired[] = {{"VRHORAPROP", "VRHORAINF"}};
const steps::PickCopy kServiceCopies[] = {{"CDTIPOSERV", "CDTIPOSERV"}, {"NMTIPOSERV", "NMTIPOSERV"}};

// A service's name typed over the row takes the code of that service type.
void TakeServiceCode(TfrmSolicitaProposta& form) {
  steps::TakeCodeOfLocalName(form, *form.cdsDadosContServico, *form.adqDadosContTipoServ, "NMTIPOSERV", "CDTIPOSERV",
                             "SERVINV", "SERVINF");
}

}  // namespace

void TfrmSolicitaProposta::cdsDadosContServicoAfterInsert(TDataSet& dataSet) {
  dataSet.FieldByName("NMTIPOSERV").FocusControl();
}

// Runs whether or not the proposal has contract product lines.
void TfrmSolicitaProposta::dbgDadosContServicoEditButtonClick(TComponent&) {
  steps::RunPicker(*this, {.grid = dbgDadosContServico,
                           .column = "NMTIPOSERV",
                           .refresh =
                               [this] {
                                 adqDadosContTipoServ->Close();
                                 adqDadosContTipoServ->Open();
                               },
                           .list = dtsDadosContTipoServ,
                           .titleCode = "SERV",
                           .emptyCode = "SERVINV",
                           .target = cdsDadosContServico,
                           .copies = kServiceCopies});
}

// The duplicate test asks by the proposal's number (the number every
// contract line of it carries), also when the contract has no line yet.
void TfrmSolicitaProposta::Vd_Servico(bool must) {
  steps::CheckDuplicate(*this, must,
                        {.dataSet = cdsDadosContServico,
                         .field = "NMTIPOSERV",
                         .missingCode = "SERVINF",
                         .ask =
                             [this] {
                               return appclient::RdmSolicitaProposta(*netProposta)
                                   .ValidaServico(CurrentProposal(*this).number,
                                                  Text(*cdsDadosContServico, "CDTIPOSERV"));
                             },
                         .answer = cdsValidaServico,
                         .duplicateCode = "SERVJCAD"});
}

// As for systems: a duplicate is reported when the service's column of a new
// row is left; an empty service waits for the post.
void TfrmSolicitaProposta::dbgDadosContServicoColExit(TComponent&) {
  if (!steps::LeavingNewRowColumn(*this, *cdsDadosContServico, "NMTIPOSERV")) return;
  TakeServiceCode(*this);
  Vd_Servico(false);
}

void TfrmSolicitaProposta::cdsDadosContServicoBeforePost(TDataSet& dataSet) {
  TakeServiceCode(*this);
  if (dtsDadosContServico->State() == plat::DataSetState::Insert) Vd_Servico(true);
  steps::CheckRequired(*this, dataSet, kValueRequired);
  steps::CopyProposalKey(*this, dataSet);
}

void TfrmSolicitaProposta::cdsDadosContServicoAfterPost(TDataSet&) {
  steps::SendDetailChanges(*this, *cdsDadosContServico);
}

void TfrmSolicitaProposta::cdsDadosContServicoAfterDelete(TDataSet&) {
  steps::SendDetailChanges(*this, *cdsDadosContServico);
}

void TfrmSolicitaProposta::cdsDadosContServicoAfterCancel(TDataSet&) {
  steps::DiscardRefusedChanges(*this, *cdsDadosContServico);
}

void TfrmSolicitaProposta::cdsDadosContServicoAfterScroll(TDataSet&) {
  dtsDadosContServicoStateChange(*dtsDadosContServico);
}

void TfrmSolicitaProposta::dbgDadosContServicoEnter(TComponent&) {
  dtsDadosContServicoStateChange(*dtsDadosContServico);
}

void TfrmSolicitaProposta::dbgDadosContServicoExit(TComponent&) { steps::PostOnExit(*this, *cdsDadosContServico); }

}  // namespace cli_psr41300
