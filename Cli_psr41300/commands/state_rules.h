// How the record commands follow the state of one data set: the screen has
// one toolbar and one maintenance menu for all its editable data sets, so
// each state handler judges one of them by the same rule and differs only in
// what it locks once the proposal is accepted and in which buttons it copies.
#pragma once

#include "Cli_psr41300/data/detail_grids.h"

namespace cli_psr41300::commands {

using T = TfrmSolicitaProposta;
using details::AcceptanceLock;

// Which buttons take their menu item's flag.
enum class ButtonCopy {
  All,
  AllButIncluir,  // the list source's handler leaves sbtIncluir as it is
};

struct StateRule {
  plat::TClientDataSet* T::*dataSet;  // the data set judged
  AcceptanceLock lock;
  ButtonCopy copy;
  plat::TDBGrid* T::*grid = nullptr;  // the detail grid, for AcceptanceLock::Detail
  const char* lockedWith = nullptr;   // a control locked with the grid
};

// The common rule on the rule's data set, its acceptance lock and its button
// copy, in the order the rule's lock requires.
void ApplyStateRule(T& screen, const StateRule& rule);

// The rule of a detail's state handler, from its detail row: its own data
// set and lock, every button copied.
void ApplyDetailStateRule(T& screen, const plat::TDataSet& detail);

// Confirmar and Cancelar act on every data set, so they are enabled while
// any data set holds work the server has not taken: a row being typed, or
// changes the server refused, which stay in their data set's log until they
// are sent again or discarded (the navigator panel then says so,
// lblPendente). When nothing is pending at all, both are disabled.
void ApplyPendingRule(T& screen);

// A proposal counts as accepted when the text of the current record's
// acceptance date is not empty.
bool ProposalAccepted(const T& screen);

}  // namespace cli_psr41300::commands
