// Moving through the proposals: each proposal that becomes current brings
// its contract product lines and the systems of the first line from the
// server (the other details come with their pages), and is named in the
// navigator by its number and party.
#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/header/header_support.h"

namespace cli_psr41300 {

using namespace header;

void TfrmSolicitaProposta::cdsPropostaAfterScroll(plat::TDataSet&) {
  fetch::ContractLines(*this);
  // The systems of the first line, named by that line's own key; a proposal
  // without lines asks with empty strings and gets none.
  fetch::SystemsOfCurrentLine(*this);
  dtsPropostaStateChange(*dtsProposta);
}

void TfrmSolicitaProposta::cdsPropostaCalcFields(plat::TDataSet& dataSet) {
  SetText(dataSet, "PROPOSTA", Text(dataSet, "NRPROPOSFAS") + " - " + Text(dataSet, "NOME"));
}

}  // namespace cli_psr41300
