// Moving through the proposals: each proposal that becomes current brings
// its contract product lines and the systems of the first line from the
// server (the other details come with their pages), and is named in the
// navigator by its number and party.
#include "Cli_psr41300/header/header_support.h"

namespace cli_psr41300 {

using namespace header;

void TfrmSolicitaProposta::cdsPropostaAfterScroll(plat::TDataSet&) {
  server::RdmSolicitaProposta rdm(*netProposta);
  Load(*cdsDadosContLinhaProd, rdm.GetDadosContLinhaProd(CurrentProposal(*this)));
  // The systems of the first line, named by that line's own key; a proposal
  // without lines asks with empty strings and gets none.
  const plat::TClientDataSet& line = *cdsDadosContLinhaProd;
  Load(*cdsSistLinhaProd,
       rdm.GetSistLinhaProd({Text(line, "NRPROPOSFAS"), Text(line, "NRVERPROPFAS")}, Text(line, "CDLINPPROP")));
  dtsPropostaStateChange(*dtsProposta);
}

void TfrmSolicitaProposta::cdsPropostaCalcFields(plat::TDataSet& dataSet) {
  SetText(dataSet, "PROPOSTA", Text(dataSet, "NRPROPOSFAS") + " - " + Text(dataSet, "NOME"));
}

}  // namespace cli_psr41300
