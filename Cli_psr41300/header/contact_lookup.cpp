// The proposal's contact: a contact person of the chosen party, kept by the
// server per branch. The search button lists the party's contacts; the check
// asks the server for the typed contact number of that party.
#include "Cli_psr41300/screen_support.h"
#include "host/consiste.h"
#include "host/vogalis.h"

namespace cli_psr41300 {

using namespace support;

namespace {

constexpr int kContactWidth = 10;

}  // namespace

void TfrmSolicitaProposta::btnPropostaBeforePesq(plat::TComponent&, bool&) {
  const PartyCodes party = CodesForKind(*this, Text(*cdsProposta, "CODIGO"));
  Load(*cdsPesqContato,
       appclient::RdmSolicitaProposta(*netProposta)
           .GetContato(host::Vogalis::FiliProc(), ChosenParty(*this).kind, party.customer, party.prospect));
}

void TfrmSolicitaProposta::btnPropostaAfterPesq(plat::TComponent&) {
  EditUnlessEditing(*cdsProposta);
  Copy(*cdsProposta, "NRCONTATO", *cdsPesqContato, "NRCONTATO");
  Copy(*cdsProposta, "DSREFECONT", *cdsPesqContato, "DDSREFECONT");
  Copy(*cdsProposta, "IDTPCONTATO", *cdsPesqContato, "IDTPCONTATO");
}

void TfrmSolicitaProposta::dbeContatoChange(plat::TComponent&) { ClearNameWhenTyped(*this, *dbeContato, "DSREFECONT"); }

void TfrmSolicitaProposta::dbeContatoExit(plat::TComponent&) { Vd_Contato(false); }

// The contact may stay empty, so the flag changes nothing here.
void TfrmSolicitaProposta::Vd_Contato(bool) {
  const std::string contact = Text(*cdsProposta, "NRCONTATO");
  if (Empty(contact) || !cdsProposta->Editing()) return;

  const PartyLookup& kind = ChosenParty(*this);
  const PartyCodes party = CodesForKind(*this, Text(*cdsProposta, kind.codeField));
  Load(*cdsCont, appclient::RdmSolicitaProposta(*netProposta)
                     .Valida_Contato(host::Vogalis::FiliProc(), kind.kind, party.customer, party.prospect,
                                     host::Consiste::Ajusta(contact, kContactWidth)));
  if (cdsCont->IsEmpty()) FocusAndEndWith(*this, *dbeContato, "CONT_N_CAD");

  Copy(*cdsProposta, "CDCLIENTE", *cdsCont, "CDCLIENTE");
  Copy(*cdsProposta, "CDPROSPECT", *cdsCont, "CDPROSPECT");
  SetText(*cdsProposta, "NRCONTATO", host::Consiste::Ajusta(Text(*cdsCont, "NRCONTATO"), kContactWidth));
  Copy(*cdsProposta, "DSREFECONT", *cdsCont, "DDSREFECONT");
  Copy(*cdsProposta, "IDTPCONTATO", *cdsCont, "IDTPCONTATO");
}

}  // namespace cli_psr41300
