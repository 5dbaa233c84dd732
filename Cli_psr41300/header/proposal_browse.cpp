// Moving through the proposals: each proposal that becomes current brings
// its contract product lines and the systems of the first line from the
// server (the other details come with their pages: those of the page on show
// at once), and is named in the navigator by its number and party. Nothing
// of the proposal left stays on screen, and nothing it held pending is lost.
#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;

// Before another proposal becomes current (or a new one is started, or this
// one deleted), what its details still hold pending is settled under its own
// key; a refusal keeps this proposal current with the work pending.
void TfrmSolicitaProposta::cdsPropostaBeforeScroll(plat::TDataSet&) { steps::SettleProposalDetails(*this); }

// The commands and the acceptance lock follow the proposal current now,
// also when one of its details could not be fetched.
void TfrmSolicitaProposta::cdsPropostaAfterScroll(plat::TDataSet&) {
  try {
    ShowProposalDetails();
  } catch (...) {
    dtsPropostaStateChange(*dtsProposta);
    throw;
  }
  dtsPropostaStateChange(*dtsProposta);
}

void TfrmSolicitaProposta::ShowProposalDetails() {
  // The details the scroll does not fetch belong to the proposal left: they
  // are closed, so that none of their rows is shown, edited or stored under
  // this one. The page on show fetches its own again below.
  for (plat::TClientDataSet* detail : {cdsDadosContServico, cdsPedidosLinhaProd, cdsPedidosServico, cdsMensagem})
    steps::CloseWithDependents(*this, *detail);
  fetch::ContractLines(*this);
  // The systems of the first line, named by that line's own key; a proposal
  // without lines asks with empty strings and gets none.
  fetch::SystemsOfCurrentLine(*this);
  FetchShownDetails();
  // The order values are this proposal's (0 while its lines are not loaded).
  Calcula_Valores();
  MostraValoresLinha();
}

void TfrmSolicitaProposta::cdsPropostaCalcFields(plat::TDataSet& dataSet) {
  SetText(dataSet, "PROPOSTA", Text(dataSet, "NRPROPOSFAS") + " - " + Text(dataSet, "NOME"));
}

}  // namespace cli_psr41300
