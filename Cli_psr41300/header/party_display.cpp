// How the proposal's party code, registration number and kind are shown, and
// how the kind is taken from its list; and how the search lists show the
// registration numbers of customers and prospects.
//
// Registration numbers and codes are shown through the mask of their
// person type. A number or code not informed yet is shown empty: laid into
// a mask it would show the mask's punctuation alone, which reads as a value
// (and would let an empty entry pass for an informed one).
#include "Cli_psr41300/screen_support.h"
#include "host/consiste.h"
#include "platform/data/format.h"

namespace cli_psr41300 {

using namespace support;

namespace {

// The value of the field shown through the registration-number mask of the
// person type.
std::string Masked(const plat::TField& value, const std::string& personType) {
  const std::string stored = value.AsString();
  if (stored.empty()) return {};
  return plat::FormatMaskText(host::Consiste::PictPess(personType), stored);
}

}  // namespace

void TfrmSolicitaProposta::cdsPropostaCODIGOGetText(plat::TField& sender, std::string& text, bool) {
  // The customer's person type, for prospects too.
  text = Masked(sender, Text(sender.DataSet(), "IDTPIJURCLIE"));
}

void TfrmSolicitaProposta::cdsPropostaNRINSJURCLIEGetText(plat::TField& sender, std::string& text, bool) {
  const char* personType = CustomerChosen(*this) ? "IDTPIJURCLIE" : "IDTPIJURPROS";
  text = Masked(sender, Text(sender.DataSet(), personType));
}

void TfrmSolicitaProposta::cdsPropostaIDSOLPROPFASGetText(plat::TField& sender, std::string& text, bool) {
  if (sender.IsNull()) return;
  text = msgPadrao->Msg(sender.AsString() == "S" ? "Solicitação" : "Proposta");
}

void TfrmSolicitaProposta::cdsPropostaIDSOLPROPFASSetText(plat::TField& sender, const std::string&) {
  // The kind follows the list's choice, whatever text came with it.
  sender.SetAsString(dcbIdentSolicitacao->ItemIndex() == 0 ? "S" : "N");
}

void TfrmSolicitaProposta::qryClienteNRINSJURCLIEGetText(plat::TField& sender, std::string& text, bool) {
  text = Masked(sender, Text(sender.DataSet(), "IDTPIJURCLIE"));
}

void TfrmSolicitaProposta::qryProspectNRINSJURPROSGetText(plat::TField& sender, std::string& text, bool) {
  text = Masked(sender, Text(sender.DataSet(), "IDTPIJURPROS"));
}

}  // namespace cli_psr41300
