// What the record commands act on. One toolbar serves every editable data
// set, so Incluir, Alterar and Excluir act on the data set behind the control
// holding the focus when the command is given, and on the proposal when no
// detail grid holds it; Confirmar and Cancelar go through all the data sets
// in a fixed order. The detail targets and both orders come from the detail
// rows; the proposal's own rows are below them.
#pragma once

#include <vector>

#include "Cli_psr41300/data/detail_grids.h"

namespace cli_psr41300::commands {

using T = TfrmSolicitaProposta;
using details::EditRoute;

// The commands that choose a target, as flags of the rows they match.
enum Command : unsigned { kIncluir = 1, kAlterar = 2, kExcluir = 4 };
inline constexpr unsigned kEveryCommand = kIncluir | kAlterar | kExcluir;

struct CommandTarget {
  plat::TClientDataSet* T::*dataSet;
  const char* focusField;  // focused before Incluir and Alterar; nullptr for none
  EditRoute edit;
  plat::TDataSource* T::*dataSource = nullptr;  // for EditRoute::DataSource

  bool OnDetail() const { return dataSet != &T::cdsProposta; }
};

// The target for the command: the editable detail whose grid holds the
// focus; else the first of the proposal's rows matching the active control
// for the command; else the proposal.
CommandTarget TargetOf(const T& screen, Command command);

// Whether the proposal's acceptance forbids the command on the target: on an
// accepted proposal no detail row is included, changed or deleted, and the
// proposal itself is neither changed nor deleted (a new one may be started).
// The buttons are disabled by the state rules; the menu items and their
// shortcuts reach the commands whatever the last state rule left them.
bool LockedByAcceptance(const T& screen, const CommandTarget& target, Command command);

// Moves the focus to the control of the target's focus field, when it has
// one; a field without a control that can take the focus now leaves it where
// it is.
void FocusTargetField(T& screen, const CommandTarget& target);

// The data sets in the order Confirmar posts them, the proposal first.
std::vector<plat::TClientDataSet * T::*> PostingOrder();
// The data sources in the order Cancelar cancels their data sets: the
// details that hang on others first, the proposal last, so that no cancel
// that moves a master's cursor (a new row taken back) stores or checks the
// rows being typed under it before their turn.
std::vector<plat::TDataSource * T::*> CancellingOrder();

}  // namespace cli_psr41300::commands
