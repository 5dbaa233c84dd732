// The ordered services: picked from the services the proposal can order
// (with their hourly value), checked by the server when new or when their
// service type changed, numbered by the server, and sent at every post and
// delete. The observation box follows the current service.
#include "Cli_psr41300/cli_psr41300.h"
#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;
using plat::TComponent;
using plat::TDataSet;

namespace {

// The hours, then the hourly value.
const steps::Required kServiceRequired[] = {{"QTSERVPEDP", "Qtde_Horas"}, {"VRHORAPEDP", "VALOR"}};

// An edited service whose type was changed is checked as a new one.
bool TypeChanged(const TDataSet& service) {
  const plat::TField& type = service.FieldByName("CDTIPOSERV");
  return type.ValueText(type.OldValue()) != type.AsString();
}

// The services this proposal can order, fetched for it.
void FetchOrderableServices(TfrmSolicitaProposta& form) {
  Load(*form.cdsPedidosServ, appclient::RdmSolicitaProposta(*form.netProposta)
                                 .PedidosServico(CurrentProposal(form), Text(*form.cdsProposta, "CODIGO")));
}

// A service's name typed over the row takes the code of that service among
// those the proposal can order.
void TakeServiceCode(TfrmSolicitaProposta& form) {
  steps::TakeCodeOfName(form, {.row = form.cdsPedidosServico,
                               .nameField = "NMTIPOSERV",
                               .codeField = "CDTIPOSERV",
                               .list = form.cdsPedidosServ,
                               .open =
                                   [&form] {
                                     if (!form.cdsPedidosServ->Active()) FetchOrderableServices(form);
                                   },
                               .refresh = [&form] { FetchOrderableServices(form); },
                               .listName = "SERVICO",
                               .listCode = "CODIGO",
                               .unknownCode = "SERVINV",
                               .missingCode = "SERVINF"});
}

}  // namespace

// The pick is not stored here: hours and observation come next.
void TfrmSolicitaProposta::dbgPedidosServicoEditButtonClick(TComponent&) {
  steps::RunPicker(*this,
                   {.grid = dbgPedidosServico,
                    .column = "NMTIPOSERV",
                    .refresh = [this] { FetchOrderableServices(*this); },
                    .list = dtsPedidosServ,
                    .titleCode = "SERV",
                    .emptyCode = "SERVINV",
                    .target = cdsPedidosServico,
                    .fill =
                        [this](const TDataSet& chosen) {
                          TDataSet& service = *cdsPedidosServico;
                          steps::CopyProposalKey(*this, service);
                          Copy(service, "CDTIPOSERV", chosen, "CODIGO");
                          Copy(service, "NMTIPOSERV", chosen, "SERVICO");
                          service.FieldByName("VRHORAPEDP").SetAsFloat(chosen.FieldByName("VALOR_HORA").AsCurrency());
                        }});
}

// Asked by the proposal's number (the number its ordered lines carry), also
// when the order has no line yet.
void TfrmSolicitaProposta::Vd_ServPed(bool must) {
  steps::CheckDuplicate(*this, must,
                        {.dataSet = cdsPedidosServico,
                         .field = "CDTIPOSERV",
                         .missingCode = "SERVINF",
                         .ask =
                             [this] {
                               return appclient::RdmSolicitaProposta(*netProposta)
                                   .ValidaServPed(CurrentProposal(*this).number,
                                                  Text(*cdsPedidosServico, "CDTIPOSERV"));
                             },
                         .answer = cdsValidaServPed,
                         .duplicateCode = "SERVJCAD",
                         .focusField = "NMTIPOSERV"});
}

void TfrmSolicitaProposta::dbgPedidosServicoColExit(TComponent&) {
  if (!steps::LeavingNewRowColumn(*this, *cdsPedidosServico, "NMTIPOSERV")) return;
  TakeServiceCode(*this);
  Vd_ServPed(false);
}

void TfrmSolicitaProposta::cdsPedidosServicoBeforePost(TDataSet& dataSet) {
  TakeServiceCode(*this);
  const bool inserting = dataSet.State() == plat::DataSetState::Insert;
  if (inserting || (dataSet.State() == plat::DataSetState::Edit && TypeChanged(dataSet))) Vd_ServPed(true);
  fetch::ServiceSequence(*this);
  steps::CheckRequired(*this, dataSet, kServiceRequired);
  inCountServ = cdsSeqServico->RecordCount();
  if (inserting && inCountServ > 0) SetText(dataSet, "NRSERVPEDP", Text(*cdsSeqServico, "NRSERVPEDP"));
  // A service typed by name (not picked) belongs to the proposal too.
  if (inserting) steps::CopyProposalKey(*this, dataSet);
}

void TfrmSolicitaProposta::cdsPedidosServicoAfterPost(TDataSet&) {
  steps::SendDetailChanges(*this, *cdsPedidosServico);
}

void TfrmSolicitaProposta::cdsPedidosServicoAfterDelete(TDataSet&) {
  steps::SendDetailChanges(*this, *cdsPedidosServico);
}

void TfrmSolicitaProposta::cdsPedidosServicoAfterCancel(TDataSet&) {
  steps::DiscardRefusedChanges(*this, *cdsPedidosServico);
}

void TfrmSolicitaProposta::cdsPedidosServicoAfterScroll(TDataSet&) {
  dtsPedidosServicoStateChange(*dtsPedidosServico);
  dbrObs->SetText(Text(*cdsPedidosServico, "TXOBSPROPSERV"));
}

void TfrmSolicitaProposta::dbgPedidosServicoEnter(TComponent&) { dtsPedidosServicoStateChange(*dtsPedidosServico); }

void TfrmSolicitaProposta::dbgPedidosServicoExit(TComponent&) { steps::PostOnExit(*this, *cdsPedidosServico); }

}  // namespace cli_psr41300
