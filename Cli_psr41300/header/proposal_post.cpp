// Posting a proposal: the header's required entries in a fixed order, the
// data taken from the host on every post, the checks of the number, party,
// operator and contact, and the sending of each post and delete to the
// server at once. Cancelling discards whatever is still unsent.
#include <array>
#include <utility>

#include "Cli_psr41300/data/detail_fetches.h"
#include "Cli_psr41300/data/record_steps.h"
#include "Cli_psr41300/screen_support.h"
#include "host/vogalis.h"

namespace cli_psr41300 {

using namespace support;

void TfrmSolicitaProposta::cdsPropostaBeforePost(plat::TDataSet&) {
  // The header's required entries, in this order; only the first one
  // missing is reported, on the form page.
  const std::pair<plat::TDBFieldControl*, const char*> required[] = {
      {dbeProposta, "PROP_INF"}, {depValidade, "DEPVALID"}, {depProposta, "DTCAD"}, {dbeCdClienteProsp, "CLI_INF"}};
  for (const auto& [control, code] : required) {
    if (!Empty(control->Text())) continue;
    pgcPadrao->SetActivePage(tshFormulario);
    FocusAndEndWith(*this, *control, code);
  }

  // Who posts, from where, for whom: taken again on every post.
  SetText(*cdsProposta, "CDFILIAL", host::Vogalis::FiliProc());
  SetText(*cdsProposta, "CDOPERINCL", host::Vogalis::Operador());
  // The list's operator code is the including operator's: it follows.
  SetText(*cdsProposta, "CDOPERADOR", host::Vogalis::Operador());
  SetText(*cdsProposta, "NMOPERADOR", host::Vogalis::NomeOperador());
  SetText(*cdsProposta, "CDOPERSOLI", dbeCdOperSoli->Text());
  SetText(*cdsProposta, "IDCLIENPROSP", CustomerChosen(*this) ? "C" : "P");

  if (dtsProposta->State() == plat::DataSetState::Insert) Vd_Proposta(true);
  Vd_ClientePros(true);
  Vd_Operador(true);
  Vd_Contato(true);
  CheckAcceptanceWhenFirstStored();
  // A stored proposal given another number or version takes its details
  // with it on the server: what they hold pending is settled under the key
  // they were read by first (a refusal keeps the header being typed).
  if (StoredValueTypedOver(*cdsProposta, {"NRPROPOSFAS", "NRVERPROPFAS"})) steps::SettleProposalDetails(*this);

  // The party's code goes in the place of its kind. A code of the other kind
  // left from a party chosen before the kind was switched does not belong to
  // this proposal and is not kept with it, nor is that party's person type
  // (the server reads it from the party the proposal names).
  const bool customer = CustomerChosen(*this);
  SetText(*cdsProposta, customer ? "CDCLIENTE" : "CDPROSPECT", Text(*cdsProposta, "CODIGO"));
  for (const char* field :
       customer ? std::array{"CDPROSPECT", "IDTPIJURPROS"} : std::array{"CDCLIENTE", "IDTPIJURCLIE"})
    cdsProposta->FieldByName(field).Clear();
  dtsPropostaStateChange(*dtsProposta);
}

// A stored proposal whose number or version was changed takes its details
// with it on the server: once that is stored, the details on screen still
// carry the old key, so they are brought again under the new one.
void TfrmSolicitaProposta::cdsPropostaAfterPost(plat::TDataSet&) {
  const bool keyChanged = StoredKeyChanges(*cdsProposta);
  // A new key sent again from the log did not pass the post's settling:
  // the details' pending work goes first under the key stored now.
  if (keyChanged) steps::SettleProposalDetails(*this);
  SendChanges(*cdsProposta, "SetProposta", "PROPOSTAFAS");
  // The ordered line's systems are listed for the party: stored with
  // another one, the proposal shows them for it.
  if (keyChanged)
    ShowProposalDetails();
  else
    steps::ShowStaleDependents(*this);
}

// A refused delete stops before the scroll that follows it: the details of
// the deleted proposal are closed, so that none of them is edited under the
// proposal current now, and the commands and the acceptance lock follow
// that proposal.
void TfrmSolicitaProposta::cdsPropostaAfterDelete(plat::TDataSet&) {
  try {
    SendChanges(*cdsProposta, "SetProposta", "PROPOSTAFAS");
  } catch (...) {
    for (const details::Detail* detail : details::ClosingOrder())
      steps::CloseWithDependents(*this, *(this->*detail->dataSet));
    dtsPropostaStateChange(*dtsProposta);
    throw;
  }
}

void TfrmSolicitaProposta::cdsPropostaAfterCancel(plat::TDataSet&) {
  // The ordered line's systems are listed for the proposal's party: fetched
  // while another party was being typed, they come again for the party the
  // proposal has back (taking back refused changes shows them already).
  const bool discarding = cdsProposta->ChangeCount() > 0;
  steps::DiscardChanges(*this, *cdsProposta);
  if (!cancelConfirmed && !discarding) steps::ShowStaleDependents(*this);
  pgcPadrao->SetActivePage(tshFolhaDados);
}

}  // namespace cli_psr41300
