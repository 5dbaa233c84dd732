// What the screen's handlers share, in every part of the screen: ending an
// operation with a catalogue message, moving the focus when a check
// fails, the customer/prospect choice with the look-up that belongs to each
// kind of party, the local look-ups opened by key or whole, and loading a
// server answer into a data set.
#pragma once

#include <initializer_list>
#include <string>

#include "Cli_psr41300/frm_solicita_proposta.h"
#include "appclient/rdm_solicita_proposta.h"
#include "host/server_result.h"

namespace cli_psr41300::support {

using T = TfrmSolicitaProposta;

// Shows the text of the code from msgPadrao as an error and ends the running
// operation with the silent abort.
[[noreturn]] void EndWith(const T& form, const char* code);
// Moves the focus to the control, then ends as EndWith.
[[noreturn]] void FocusAndEndWith(const T& form, plat::TControl& control, const char* code);

// Runs a check; when it fails in any way (its message included), runs
// focus and lets the failure go on.
template <class Check, class Focus>
void FocusOnFailure(Check&& check, Focus&& focus) {
  try {
    check();
  } catch (...) {
    focus();
    throw;
  }
}

// A text that holds nothing but blanks counts as not informed.
bool Empty(const std::string& text);
// A field of the current record as text ("" when null).
std::string Text(const plat::TDataSet& dataSet, const char* field);
void SetText(plat::TDataSet& dataSet, const char* field, const std::string& value);
// Copies a field's value from the current record of one data set to another.
void Copy(plat::TDataSet& to, const char* toField, const plat::TDataSet& from, const char* fromField);
// The same with the value as the other record is stored on the server, not
// as it is being typed over nor as a change the server refused left it: a
// row hangs on the key its master is stored under.
void CopyStored(plat::TDataSet& to, const char* toField, const plat::TClientDataSet& from, const char* fromField);

// Puts the data set into edit state unless it is already editing.
void EditUnlessEditing(plat::TDataSet& dataSet);
// A code typed into its edit while the proposal is being edited no longer
// names what the name field shows: clears that field. Only typed text
// counts; the edit showing its field again (in another mask, say) changes
// nothing.
void ClearNameWhenTyped(const T& form, const plat::TDBFieldControl& code, const char* nameField);

// Opens a local look-up: the rows whose key equals keyValue, or every row
// when allValue is "T".
void OpenLookup(plat::TADOIBQuery& query, const char* keyParam, const std::string& keyValue, const char* allParam,
                const std::string& allValue);

// Passes a server answer through the host's result check and loads it.
void Load(plat::TClientDataSet& dataSet, host::ServerResult answer);
// The key (number, version) of the current proposal as stored: while its
// number is being typed over, or a new number the server refused waits in
// the log, the details still belong to the stored one. A proposal being
// inserted has the key it is being given.
appclient::ProposalKey CurrentProposal(const T& form);
// Whether a stored record being edited has any of these fields typed over
// (its value now differs from the one stored on the server, a refused
// change still in the log included).
bool StoredValueTypedOver(const plat::TClientDataSet& dataSet, std::initializer_list<const char*> fields);
// Whether the proposals' logged changes give a stored proposal another
// number or version.
bool StoredKeyChanges(const plat::TClientDataSet& proposals);

// The party of a proposal is a customer when item 0 ("Cliente") of the
// choice is selected, a prospect otherwise (item 1 or none).
bool CustomerChosen(const T& form);

// How one kind of party is looked up in the host's database, and where the
// picked or found row goes in the proposal.
struct PartyLookup {
  const char* kind;  // "C" customer, "P" prospect
  plat::TADOIBQuery* T::*query;
  plat::TDataSource* T::*source;  // the list of the party search button
  const char* numberParam;        // registration number to look for
  const char* allParam;           // "T" lists every party
  const char* numberField;        // registration number in the look-up
  const char* nameField;          // trade name in the look-up
  const char* personTypeField;    // person type, same name in the proposal
  const char* codeField;          // party code, same name in the proposal
  const char* notFoundCode;       // message when the number is not there
};

const PartyLookup& ChosenParty(const T& form);

// A party code given to the server as the pair (customer code, prospect
// code): the code goes in the place of the chosen kind, the other is empty.
struct PartyCodes {
  std::string customer;
  std::string prospect;
};
PartyCodes CodesForKind(const T& form, const std::string& code);

}  // namespace cli_psr41300::support
