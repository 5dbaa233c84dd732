// A new proposal: the details of the previous one are closed, and the new
// record starts with the operator, the server's date, a validity of thirty
// days, a customer request, the next number from the server and version 1.
#include "Cli_psr41300/data/detail_grids.h"
#include "Cli_psr41300/screen_support.h"
#include "host/vogalis.h"
#include "platform/data/errors.h"

namespace cli_psr41300 {

using namespace support;

namespace {

// The next proposal number. The server answers it as a single value, which
// does not go through the host's result check; a call that failed (or an
// answer that is not a value) must still stop the insert, so that no error
// text or empty answer is ever taken for a number.
std::string NextProposalNumber(host::TNetConnection& net) {
  const host::ServerResult answer = appclient::RdmSolicitaProposta(net).PrxProposta();
  if (answer.Failed())
    throw plat::EError("The application server did not give the next proposal number: " + answer.error);
  if (answer.kind != host::ServerResult::Kind::Value)
    throw plat::EError("The application server did not give the next proposal number: it answered a data packet.");
  return answer.value.ToText();
}

}  // namespace

void TfrmSolicitaProposta::cdsPropostaBeforeInsert(plat::TDataSet&) {
  cdsProposta->FieldByName("NRPROPOSFAS").FocusControl();
}

void TfrmSolicitaProposta::cdsPropostaAfterInsert(plat::TDataSet&) {
  for (const details::Detail* detail : details::ClosingOrder()) (this->*detail->dataSet)->Close();
  panEmpresa->SetFocus();
  SetText(*cdsProposta, "NMOPERADOR", host::Vogalis::NomeOperador());
  depProposta->SetDate(host::Lib90500::DtServ(""));
  depValidade->SetDate(host::Lib90500::DtServ("") + 30.0);
  SetText(*cdsProposta, "IDCLIENPROSP", "C");
  SetText(*cdsProposta, "IDSOLPROPFAS", "S");
  SetText(*cdsProposta, "NRPROPOSFAS", NextProposalNumber(*netProposta));
  SetText(*cdsProposta, "NRVERPROPFAS", "1");
  cdsProposta->FieldByName("NRVERPROPFAS").FocusControl();
}

}  // namespace cli_psr41300
