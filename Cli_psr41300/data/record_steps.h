// The steps the detail grids' record rules share, each one piece of code
// that a handler calls with its own names: sending a detail's changes after
// a post or delete, the required fields of a post, a duplicate check against
// the server, a picker over a search list, the grid exit that posts, and the
// proposal key copied into a detail row.
//
// Every failure ends the running operation as the checks of the header do:
// a catalogue message (MensErro) and the silent abort, with the focus on the
// field concerned.
#pragma once

#include <functional>
#include <initializer_list>
#include <span>
#include <string>
#include <vector>

#include "Cli_psr41300/data/detail_grids.h"
#include "host/server_result.h"

namespace cli_psr41300::steps {

using T = TfrmSolicitaProposta;

// Sends the detail's logged changes with its row's Set method and refreshes
// the host's copy of its table; nothing is sent when nothing is logged.
void SendDetailChanges(T& form, plat::TClientDataSet& detail);

// A field that must be informed before a post, with the message shown when
// it is not.
struct Required {
  const char* field;
  const char* code;
};
// The first field whose text is empty (host test EmptyString) gets the focus
// and ends the post with its message.
void CheckRequired(const T& form, const plat::TDataSet& dataSet, std::span<const Required> fields);

// A check that the row's value is not already stored: the server's answer is
// loaded into a data set used only for that test, and any row in it is a
// duplicate.
struct DuplicateCheck {
  plat::TDataSet* dataSet;  // the row checked
  const char* field;        // tested for emptiness; focused on any failure
  const char* missingCode;  // an empty field when it must be informed
  std::function<host::ServerResult()> ask;
  plat::TClientDataSet* answer;      // where the server's answer is loaded
  const char* duplicateCode;         // the answer holds a row
  const char* focusField = nullptr;  // focused instead of field, when the code tested has no column
};
// An empty field fails with missingCode when must is true and passes
// otherwise. Whatever fails (the two messages, a refused server answer)
// first moves the focus to the field, then goes on.
void CheckDuplicate(const T& form, bool must, const DuplicateCheck& check);

// A field copied from the picked row of a search list into the edited row.
struct PickCopy {
  const char* to;
  const char* from;
};
struct Picker {
  plat::TDBGrid* grid;
  const char* column;             // the picker runs only while this column's field is selected
  std::function<void()> refresh;  // fetches or reopens the list first
  plat::TDataSource* list;        // the search lists this source's data set
  const char* titleCode;          // msgPadrao texts "title|empty text"
  const char* emptyCode;
  plat::TDataSet* target;  // the row that takes the pick
  std::span<const PickCopy> copies = {};
  // Fills the row from the picked one, after the copies, where a plain copy
  // is not enough.
  std::function<void(const plat::TDataSet& picked)> fill = {};
};
// The host's search over the refreshed list; a pick puts a browsing target
// into edit, copies the fields in the given order and runs fill. Returns
// whether a row was picked (false also when another column is selected). On
// an accepted proposal the grid is read-only, empty or not, and offers no
// picker at all.
bool RunPicker(const T& form, const Picker& picker);

// Leaving a column of a detail grid: true when the column left is the one
// of the field and the detail is inserting a new row (the moment a new
// row's duplicate check runs with an empty value let through).
bool LeavingNewRowColumn(T& form, const plat::TClientDataSet& detail, const char* field);

// Leaving a detail grid: posts its row in the states the detail's row names.
void PostOnExit(T& form, plat::TClientDataSet& detail);

// Copies the current proposal's number and version, as stored (a number
// being typed over in the header is not yet the proposal's), into the row,
// while it is being edited or inserted.
void CopyProposalKey(const T& form, plat::TDataSet& row);

// What a detail still holds that the server has not taken, settled before
// its rows are replaced or the row they hang on changes: first the details
// that hang on its current row, then a row of its own being typed is posted
// (its checks run) and changes the server refused before are sent again.
// Whatever fails ends the operation with the work still pending, so nothing
// typed is replaced without a word.
void SettlePending(T& form, plat::TClientDataSet& detail);
// Only the details hanging on the master's current row (before another row
// of it becomes current).
void SettleDependents(T& form, plat::TClientDataSet& master);
// The same for every detail of the proposal, in posting order.
void SettleProposalDetails(T& form);

// Fetches a detail's rows: what it holds pending is settled first; a fetch
// the server refuses closes the detail and the details hanging on it, so
// that no rows of another proposal or line stay on screen to be edited. The
// key a detail hanging on a row was fetched under is kept (fetchedUnder).
void Reload(T& form, plat::TClientDataSet& detail, const std::function<host::ServerResult()>& ask);
// Closes a detail and the details hanging on it.
void CloseWithDependents(T& form, plat::TClientDataSet& detail);
// Fetches what hangs on the master's current row, in order; when one fetch
// is refused, the dependents still to come are closed as well, so that none
// of the row left stays on screen under the row current now.
void FetchDependents(T& form, plat::TClientDataSet& master, std::initializer_list<std::function<void()>> fetches);

// After a cancel: changes the server refused before are discarded only when
// the user confirmed it, by Cancelar or by the question asked here.
void DiscardRefusedChanges(T& form, plat::TClientDataSet& detail);
// Takes back the changes the server refused. The current row may then hold
// the key its dependents are stored under again (a refused new code comes
// back as stored) or be another row (a refused new row goes): what hangs on
// it is then shown again, as a move onto the row shows it. Cancelar, which
// takes back every data set, shows them once all are cancelled.
void DiscardChanges(T& form, plat::TClientDataSet& dataSet);
// The key a detail hanging on a row is shown under now: the proposal's
// stored number and version, its master's current row's fields it is
// fetched by and the proposal's field it is fetched by, as their texts are.
std::vector<std::string> KeyShownUnder(const T& form, const details::Detail& row);
// Shows again (the master's after-scroll) every detail hanging on a current
// row whose rows were fetched under another key than the one it is shown
// under now, or are not shown (closed after a refusal); a detail whose
// master or proposal is being typed waits for that row's own post or cancel.
void ShowStaleDependents(T& form);

// Sends again the changes the server refused before, the way their post (or,
// for deletes alone, their delete) sent them: what follows that sending (the
// lists fetched again, the order's values) follows it now too.
void ResendRefused(T& form, plat::TClientDataSet& dataSet);

// Whether the data set holds work the server has not taken: a row being
// typed, or changes in its log.
bool HoldsWork(const plat::TClientDataSet& dataSet);
// Whether any editable data set of the screen holds changes the server has
// not taken (a row being typed, or refused changes in its log).
bool WorkPending(const T& form);
// Whether any editable data set holds refused changes in its log.
bool RefusedChangesPending(const T& form);

// A name typed over a row takes the code of the entry of that name in its
// list; a name no entry has is refused with the list's message, focused.
struct NamedCode {
  plat::TDataSet* row;
  const char* nameField;
  const char* codeField;
  plat::TDataSet* list;
  std::function<void()> open;     // opens the list when it is not open (may keep it as it is)
  std::function<void()> refresh;  // fetches the list anew
  const char* listName;
  const char* listCode;
  const char* unknownCode;  // message for a name no entry has
  const char* missingCode;  // message for a name cleared over a stored row or a code
};
// A row whose name was cleared is refused with missingCode when it is
// stored or holds a code (a pick's, say): it would keep that code under no
// name. A new row's empty name without a code is left to its own checks.
// Nothing is done while the name is still the one its code names in the
// open list; otherwise the name is looked for in the list fetched anew.
void TakeCodeOfName(const T& form, const NamedCode& named);
// The same over a local table whose name and code columns bear the row's
// field names, opened anew to be searched.
void TakeCodeOfLocalName(const T& form, plat::TDataSet& row, plat::TADOIBQuery& table, const char* nameField,
                         const char* codeField, const char* unknownCode, const char* missingCode);

}  // namespace cli_psr41300::steps
