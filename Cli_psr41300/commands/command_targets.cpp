// The proposal's command targets and the posting and cancelling orders.
#include "Cli_psr41300/commands/command_targets.h"

#include "Cli_psr41300/commands/state_rules.h"

namespace cli_psr41300::commands {

namespace {

struct ProposalTarget {
  const char* control;  // the active control; nullptr for any other control
  unsigned commands;    // the commands the row is compared for
  CommandTarget target;
};

// Compared with the active control in this order; the first match decides.
const ProposalTarget kProposalTargets[] = {
    {"panEmpresa", kAlterar, {&T::cdsProposta, nullptr, EditRoute::DataSet}},
    {"dbgPadrao", kExcluir, {&T::cdsProposta, nullptr, EditRoute::None}},
    // Any other control: the proposal. The number is focused for Incluir only.
    {nullptr, kEveryCommand, {&T::cdsProposta, "NRPROPOSFAS", EditRoute::BaseAlterar}},
};

bool Matches(const T& screen, const ProposalTarget& row, Command command) {
  if (!(row.commands & command)) return false;
  return !row.control || screen.ActiveControl() == &screen.Get<plat::TControl>(row.control);
}

}  // namespace

CommandTarget TargetOf(const T& screen, Command command) {
  for (const details::Detail& row : details::Details())
    if (row.Editable() && screen.ActiveControl() == screen.*row.grid)
      return {row.dataSet, row.focusField, row.edit, row.dataSource};
  for (const ProposalTarget& row : kProposalTargets)
    if (Matches(screen, row, command)) return row.target;
  return std::end(kProposalTargets)[-1].target;
}

bool LockedByAcceptance(const T& screen, const CommandTarget& target, Command command) {
  if (!ProposalAccepted(screen) || screen.cdsProposta->State() != plat::DataSetState::Browse) return false;
  if (!target.OnDetail()) return command != kIncluir;
  const details::Detail* row = details::FindDetail(screen, *(screen.*target.dataSet));
  return row && row->lock == details::AcceptanceLock::Detail;
}

void FocusTargetField(T& screen, const CommandTarget& target) {
  if (target.focusField) (screen.*target.dataSet)->FieldByName(target.focusField).FocusControl();
}

std::vector<plat::TClientDataSet * T::*> PostingOrder() {
  std::vector<plat::TClientDataSet * T::*> order{&T::cdsProposta};
  for (const details::Detail& row : details::Details())
    if (row.Editable()) order.push_back(row.dataSet);
  return order;
}

std::vector<plat::TDataSource * T::*> CancellingOrder() {
  std::vector<plat::TDataSource * T::*> order;
  for (const details::Detail& row : details::Details())
    if (row.Editable()) order.insert(order.begin(), row.dataSource);
  order.push_back(&T::dtsProposta);
  return order;
}

}  // namespace cli_psr41300::commands
