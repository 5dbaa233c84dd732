// The proposal's details as one table: every detail data set of the screen
// with its data source, grid and server table, how the record commands reach
// it, what the proposal's acceptance locks, and the handlers bound to its
// events. Every list the screen keeps about its details (the command
// targets, the posting and cancelling orders, the details a new proposal
// closes, the state rules, the event bindings, the sending of changes) is
// read from these rows, so a detail is described in one place.
//
// What callers may rely on: Details() holds the rows in the order Confirmar
// posts them (after the proposal; Cancelar takes them in the reverse order,
// before the proposal), every row after the row it hangs on; ClosingOrder()
// the same rows in the order a new proposal closes them. Rows without a Set method
// are read-only lists, never edited or sent.
#pragma once

#include <array>
#include <span>

#include "Cli_psr41300/bind_support.h"

namespace cli_psr41300::details {

using T = TfrmSolicitaProposta;
using binding::ControlHandler;
using binding::DataSetHandler;
using binding::Handler;
using binding::KeyHandler;

// How Alterar starts editing.
enum class EditRoute {
  DataSet,      // the data set's Edit: fails on a closed data set, inserts into an empty one
  DataSource,   // the data source's Edit: only while its data set is browsing
  BaseAlterar,  // the standard screen's own Alterar
  None,         // the row is not one of Alterar's
};

// What a state handler locks while the proposal is accepted.
enum class AcceptanceLock {
  None,    // nothing
  Header,  // sbtAceite, sbtExcluir, sbtAlterar and the header panel
  Detail,  // the handler's detail grid and the Incluir, Alterar, Excluir items
};

// When leaving the grid posts the row being typed.
enum class ExitPost {
  Never,
  Insert,        // only a new row
  EditOrInsert,  // a new or a changed row
};

struct DataSetEvents {
  Handler<DataSetHandler> afterInsert = {}, beforePost = {}, afterPost = {}, afterCancel = {}, afterDelete = {},
                          afterScroll = {}, beforeScroll = {};
};

struct GridEvents {
  Handler<ControlHandler> enter = {}, exit = {}, editButtonClick = {}, colExit = {};
  Handler<KeyHandler> keyPress = {};
};

struct Detail {
  plat::TClientDataSet* T::*dataSet;
  plat::TDataSource* T::*dataSource;
  plat::TDBGrid* T::*grid;
  const char* focusField;  // focused before Incluir and Alterar; nullptr for none
  EditRoute edit;
  AcceptanceLock lock;
  const char* setMethod;   // the server method its changes go with; nullptr: never sent
  const char* cacheTable;  // the host's cached table refreshed after a send
  int closingRank;         // place in the list a new proposal closes
  Handler<ControlHandler> stateChange = {};
  DataSetEvents events = {};
  GridEvents gridEvents = {};
  ExitPost exitPost = ExitPost::Never;
  // The detail whose current row this one's rows belong to (a contract line's
  // systems, an ordered line's systems and due dates); nullptr: the proposal.
  plat::TClientDataSet* T::*master = nullptr;
  // The master's fields its rows are fetched by (after the proposal's key).
  std::array<const char*, 2> masterKey = {};
  // A field of the proposal its rows are fetched by as well, as typed.
  const char* proposalField = nullptr;
  // A control beside the grid that shows the current row's field and takes
  // the grid's acceptance lock with it.
  const char* lockedWith = nullptr;  // its component name

  bool Editable() const { return setMethod != nullptr; }
};

// The detail rows in posting order.
std::span<const Detail> Details();
// The detail rows in the order a new proposal closes them.
std::span<const Detail* const> ClosingOrder();
// The row of a detail data set; throws for a data set that is not a detail.
const Detail& DetailOf(const T& form, const plat::TDataSet& dataSet);
// The row of a detail data set, or nullptr for any other data set.
const Detail* FindDetail(const T& form, const plat::TDataSet& dataSet);

}  // namespace cli_psr41300::details
