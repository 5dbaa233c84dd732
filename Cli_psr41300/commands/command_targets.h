// What the record commands act on. One toolbar serves every editable data
// set, so Incluir, Alterar and Excluir act on the data set behind the control
// holding the focus when the command is given, and on the proposal when no
// detail grid holds it; Confirmar and Cancelar go through all the data sets
// in a fixed order.
#pragma once

#include <span>

#include "Cli_psr41300/frm_solicita_proposta.h"

namespace cli_psr41300::commands {

using T = TfrmSolicitaProposta;

// The commands that choose a target, as flags of the rows they match.
enum Command : unsigned { kIncluir = 1, kAlterar = 2, kExcluir = 4 };
inline constexpr unsigned kEveryCommand = kIncluir | kAlterar | kExcluir;

// How Alterar starts editing.
enum class EditRoute {
  DataSet,      // the data set's Edit: fails on a closed data set, inserts into an empty one
  DataSource,   // the data source's Edit: only while its data set is browsing
  BaseAlterar,  // the standard screen's own Alterar
  None,         // the row is not one of Alterar's
};

struct CommandTarget {
  const char* control;  // the active control; nullptr for any other control
  unsigned commands;    // the commands the row is compared for
  plat::TClientDataSet* T::*dataSet;
  const char* focusField;  // focused before Incluir and Alterar; nullptr for none
  EditRoute edit;
  plat::TDataSource* T::*dataSource = nullptr;  // for EditRoute::DataSource

  bool OnDetail() const { return dataSet != &T::cdsProposta; }
};

// The first row of the target table matching the active control for the
// command; the last row (any other control, the proposal) when none does.
const CommandTarget& TargetOf(const T& screen, Command command);

// Moves the focus to the control of the row's focus field, when it has one;
// a field without a control that can take the focus now leaves it where it is.
void FocusTargetField(T& screen, const CommandTarget& target);

// The data sets in the order Confirmar posts them, the proposal first.
std::span<plat::TClientDataSet * T::*const> PostingOrder();
// The data sources in the order Cancelar cancels their data sets.
std::span<plat::TDataSource * T::*const> CancellingOrder();

}  // namespace cli_psr41300::commands
