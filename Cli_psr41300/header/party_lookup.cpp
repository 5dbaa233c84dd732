// The proposal's party: a customer or a prospect, chosen in dbrClieProsp and
// named by its registration number. The search button lists every party of
// the chosen kind; the check looks the typed number up and takes the party's
// code, name and person type.
#include "Cli_psr41300/screen_support.h"

namespace cli_psr41300 {

using namespace support;

void TfrmSolicitaProposta::dbrClieProspChange(plat::TComponent&) {
  // While browsing, the choice only follows the proposal shown: its own
  // party stays on view, its number shown in the mask of its kind.
  if (!cdsProposta->Editing()) {
    if (plat::TField* number = dbeCdClienteProsp->Field()) dbeCdClienteProsp->SetText(number->Text());
    return;
  }
  // Another kind of party chosen for the proposal being edited: the number
  // and name of the former kind no longer apply. They are cleared as entries,
  // so they are written with the proposal.
  dbeCdClienteProsp->UserEdit("");
  dbeClienteProsp->UserEdit("");
}

void TfrmSolicitaProposta::btpClienteProspBeforePesq(plat::TComponent&, bool&) {
  if (dbrClieProsp->ItemIndex() < 0) dbrClieProsp->SetItemIndex(0);
  EditUnlessEditing(*cdsProposta);
  const PartyLookup& party = ChosenParty(*this);
  btpClienteProsp->DataSource = this->*party.source;
  OpenLookup(*(this->*party.query), party.numberParam, "", party.allParam, "T");
}

void TfrmSolicitaProposta::btpClienteProspAfterPesq(plat::TComponent&) {
  EditUnlessEditing(*cdsProposta);
  const PartyLookup& party = ChosenParty(*this);
  const plat::TADOIBQuery& picked = *(this->*party.query);
  Copy(*cdsProposta, "NRINSJURCLIE", picked, party.numberField);
  Copy(*cdsProposta, party.personTypeField, picked, party.personTypeField);
  Copy(*cdsProposta, "NOME", picked, party.nameField);
  Copy(*cdsProposta, party.codeField, picked, party.codeField);
}

void TfrmSolicitaProposta::dbeCdClienteProspChange(plat::TComponent&) {
  ClearNameWhenTyped(*this, *dbeCdClienteProsp, "NOME");
}

void TfrmSolicitaProposta::dbeCdClienteProspExit(plat::TComponent&) { Vd_ClientePros(false); }

void TfrmSolicitaProposta::Vd_ClientePros(bool must) {
  const std::string number = Text(*cdsProposta, "NRINSJURCLIE");
  if (Empty(number)) {
    if (must) FocusAndEndWith(*this, *dbeCdClienteProsp, "CLI_INF");
    return;
  }
  if (!cdsProposta->Editing()) return;

  SetText(*cdsProposta, "CODIGO", dbeCdClienteProsp->Text());
  const PartyLookup& party = ChosenParty(*this);
  btpClienteProsp->DataSource = this->*party.source;
  plat::TADOIBQuery& found = *(this->*party.query);
  OpenLookup(found, party.numberParam, number, party.allParam, "");
  if (found.IsEmpty()) FocusAndEndWith(*this, *dbeCdClienteProsp, party.notFoundCode);

  Copy(*cdsProposta, "CODIGO", found, party.codeField);
  Copy(*cdsProposta, "NOME", found, party.nameField);
  Copy(*cdsProposta, party.personTypeField, found, party.personTypeField);
  Copy(*cdsProposta, party.codeField, found, party.codeField);
}

}  // namespace cli_psr41300
