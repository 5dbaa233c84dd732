// The state rule of one data set: the base's common enabling rule and button
// copy, with the two acceptance locks between and after them.
#include "Cli_psr41300/commands/state_rules.h"

#include "Cli_psr41300/data/record_steps.h"
#include "host/consiste.h"

namespace cli_psr41300::commands {

namespace {

using P = host::TfrmPadrao;
using plat::DataSetState;

// The menu items a detail lock disables on an accepted proposal.
plat::TMenuItem* P::*const kDetailLockedItems[] = {&P::mnuIncluir, &P::mnuAlterar, &P::mnuExcluir};

bool BrowsingWithRecords(const plat::TDataSet& dataSet) {
  return dataSet.State() == DataSetState::Browse && !dataSet.IsEmpty();
}

// The header follows the acceptance of the proposal being browsed; the menu
// items stay as the common rule left them. A proposal being inserted has no
// acceptance yet: its header is opened again, or a new proposal started from
// an accepted one could not be typed in at all.
void ApplyHeaderLock(T& screen) {
  const plat::TDataSet& proposals = *screen.cdsProposta;
  if (BrowsingWithRecords(proposals)) {
    bool open = !ProposalAccepted(screen);
    plat::TControl* const locked[] = {screen.sbtAceite, screen.sbtExcluir, screen.sbtAlterar, screen.panEmpresa};
    for (plat::TControl* control : locked) control->SetEnabled(open);
    screen.mnuAceite->SetEnabled(open);
  } else if (proposals.State() == DataSetState::Insert) {
    screen.panEmpresa->SetEnabled(true);
  }
}

// The lock binds the rows a detail holds. A detail that holds none (closed,
// or loaded empty for another proposal) gets its grid back editable, or the
// read-only state left by an accepted proposal would carry over to the next.
void ApplyDetailLock(T& screen, const plat::TDataSet& detail, plat::TDBGrid& grid, plat::TDBFieldControl* beside) {
  auto lock = [&](bool locked) {
    grid.SetReadOnly(locked);
    if (beside) beside->SetReadOnly(locked);
  };
  if (BrowsingWithRecords(detail)) {
    bool accepted = ProposalAccepted(screen);
    lock(accepted);
    for (plat::TMenuItem* P::*item : kDetailLockedItems) (screen.*item)->SetEnabled(!accepted);
  } else if (detail.IsEmpty()) {
    // An empty detail of an accepted proposal stays locked too (typing into
    // it would start a row); a closed one opens, so that the lock does not
    // carry over to the next proposal.
    lock(detail.Active() && detail.State() == plat::DataSetState::Browse && ProposalAccepted(screen));
  }
}

}  // namespace

void ApplyPendingRule(T& screen) {
  const bool refused = steps::RefusedChangesPending(screen);
  screen.lblPendente->SetVisible(refused);
  const bool pending = steps::WorkPending(screen);
  for (plat::TMenuItem* item : {screen.mnuConfirmar, screen.mnuCancelar}) item->SetEnabled(pending);
  for (plat::TControl* button : {screen.sbtConfirmar, screen.sbtCancelar}) button->SetEnabled(pending);
}

void ApplyDetailStateRule(T& screen, const plat::TDataSet& detail) {
  const details::Detail& row = details::DetailOf(screen, detail);
  ApplyStateRule(screen, {row.dataSet, row.lock, ButtonCopy::All, row.grid, row.lockedWith});
}

bool ProposalAccepted(const T& screen) {
  return !host::Consiste::EmptyString(screen.cdsProposta->FieldByName("DTACEPROPFAS").Text());
}

// The detail lock comes before the button copy so that the buttons follow
// it; the header lock sets buttons of its own and comes after.
void ApplyStateRule(T& screen, const StateRule& rule) {
  const plat::TDataSet& dataSet = *(screen.*rule.dataSet);
  screen.JudgeCommands(&dataSet);
  if (rule.lock == AcceptanceLock::Detail)
    ApplyDetailLock(screen, dataSet, *(screen.*rule.grid),
                    rule.lockedWith ? &screen.Get<plat::TDBFieldControl>(rule.lockedWith) : nullptr);
  screen.CopyMenuToButtons(rule.copy == ButtonCopy::All);
  if (rule.lock == AcceptanceLock::Header) ApplyHeaderLock(screen);
  ApplyPendingRule(screen);
}

}  // namespace cli_psr41300::commands
