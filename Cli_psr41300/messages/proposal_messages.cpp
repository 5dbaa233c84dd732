// The proposal's messages: a code, an order and a text each, typed or taken
// from the server's standard texts, checked by the server for a code already
// used in the proposal, and sent at every post and delete. The screen never
// loads the messages of an existing proposal: these rules take effect
// whenever the list is open.
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;
using plat::TComponent;
using plat::TDataSet;

namespace {

const steps::Required kOrderRequired[] = {{"NRORDEMMSG", "Ordem"}};

}  // namespace

void TfrmSolicitaProposta::cdsMensagemAfterInsert(TDataSet& dataSet) {
  dataSet.FieldByName("CDTXTPROPFAS").FocusControl();
}

// By proposal number and code only; the version is not asked.
void TfrmSolicitaProposta::Vd_Mensagem(bool must) {
  steps::CheckDuplicate(*this, must,
                        {.dataSet = cdsMensagem,
                         .field = "CDTXTPROPFAS",
                         .missingCode = "MensInf",
                         .ask =
                             [this] {
                               return appclient::RdmSolicitaProposta(*netProposta)
                                   .ValidaMsg(CurrentProposal(*this).number, Text(*cdsMensagem, "CDTXTPROPFAS"));
                             },
                         .answer = cdsValidaMsg,
                         .duplicateCode = "MSGJCAD"});
}

// An empty text brings the text page forward, hidden tab and all, so the
// user sees what is missing.
void TfrmSolicitaProposta::cdsMensagemBeforePost(TDataSet& dataSet) {
  if (dtsMensagem->State() == plat::DataSetState::Insert) Vd_Mensagem(true);
  if (Empty(dreMensagem->Text())) {
    pgcDadosCont_Ped_Mens->SetActivePage(tshMensagem);
    dataSet.FieldByName("TXPROPFAS").FocusControl();
    EndWith(*this, "Mensagem");
  }
  steps::CheckRequired(*this, dataSet, kOrderRequired);
  steps::CopyProposalKey(*this, dataSet);
}

void TfrmSolicitaProposta::cdsMensagemAfterPost(TDataSet&) { steps::SendDetailChanges(*this, *cdsMensagem); }

void TfrmSolicitaProposta::cdsMensagemAfterDelete(TDataSet&) { steps::SendDetailChanges(*this, *cdsMensagem); }

void TfrmSolicitaProposta::cdsMensagemAfterCancel(TDataSet&) { steps::DiscardRefusedChanges(*this, *cdsMensagem); }

void TfrmSolicitaProposta::dbgMensagemColExit(TComponent&) {
  if (steps::LeavingNewRowColumn(*this, *cdsMensagem, "CDTXTPROPFAS")) Vd_Mensagem(false);
}

// The pick runs no check: the code is checked when the row is posted.
void TfrmSolicitaProposta::dbgMensagemEditButtonClick(TComponent&) {
  steps::RunPicker(*this,
                   {.grid = dbgMensagem,
                    .column = "CDTXTPROPFAS",
                    .refresh = [this] { Load(*cdsPesqMsg, appclient::RdmSolicitaProposta(*netProposta).PesqMsg()); },
                    .list = dtsPesqMsg,
                    .titleCode = "msg",
                    .emptyCode = "msgInv",
                    .target = cdsMensagem,
                    .fill =
                        [this](const TDataSet& chosen) {
                          SetText(*cdsMensagem, "CDTXTPROPFAS", Text(chosen, "CDPADTXT"));
                          SetText(*cdsMensagem, "TXPROPFAS", Text(chosen, "TXPADTXT"));
                        }});
}

}  // namespace cli_psr41300
