// The common enabling rule of the record commands, the copy of the menu
// items' flags to their buttons, and the two acceptance locks.
#include "Cli_psr41300/commands/state_rules.h"

#include <span>

#include "host/consiste.h"

namespace cli_psr41300::commands {

namespace {

using P = host::TfrmPadrao;
using plat::DataSetState;

// When a menu item of the common rule is enabled, by the judged data set.
enum class EnabledWhen { Editing, NotEditing, BrowsingWithRecords };

struct MenuRule {
  plat::TMenuItem* P::*item;
  EnabledWhen when;
};

// The common rule, item by item in the order they are set. A closed data set
// is neither editing nor browsing: only Incluir stays enabled.
const MenuRule kCommonRule[] = {
    {&P::mnuConfirmar, EnabledWhen::Editing},           {&P::mnuCancelar, EnabledWhen::Editing},
    {&P::mnuIncluir, EnabledWhen::NotEditing},          {&P::mnuAlterar, EnabledWhen::BrowsingWithRecords},
    {&P::mnuExcluir, EnabledWhen::BrowsingWithRecords}, {&P::mnuAnterior, EnabledWhen::BrowsingWithRecords},
    {&P::mnuProximo, EnabledWhen::BrowsingWithRecords},
};

struct ButtonOfItem {
  plat::TSpeedButton* P::*button;
  plat::TMenuItem* P::*item;
};

// The button copy in its order; sbtIncluir comes first so that the list
// source's handler can leave it out.
const ButtonOfItem kButtonCopy[] = {
    {&P::sbtIncluir, &P::mnuIncluir}, {&P::sbtConfirmar, &P::mnuConfirmar}, {&P::sbtCancelar, &P::mnuCancelar},
    {&P::sbtAlterar, &P::mnuAlterar}, {&P::sbtExcluir, &P::mnuExcluir},     {&P::sbtAnterior, &P::mnuAnterior},
    {&P::sbtProximo, &P::mnuProximo},
};

// The menu items a detail lock disables on an accepted proposal.
plat::TMenuItem* P::*const kDetailLockedItems[] = {&P::mnuIncluir, &P::mnuAlterar, &P::mnuExcluir};

bool BrowsingWithRecords(const plat::TDataSet& dataSet) {
  return dataSet.State() == DataSetState::Browse && !dataSet.IsEmpty();
}

bool Holds(EnabledWhen when, const plat::TDataSet& dataSet) {
  switch (when) {
    case EnabledWhen::Editing:
      return dataSet.Editing();
    case EnabledWhen::NotEditing:
      return !dataSet.Editing();
    case EnabledWhen::BrowsingWithRecords:
      return BrowsingWithRecords(dataSet);
  }
  return false;
}

void ApplyCommonRule(T& screen, const plat::TDataSet& dataSet) {
  for (const MenuRule& rule : kCommonRule) (screen.*rule.item)->SetEnabled(Holds(rule.when, dataSet));
}

void CopyMenuToButtons(T& screen, ButtonCopy copy) {
  std::span<const ButtonOfItem> rows(kButtonCopy);
  if (copy == ButtonCopy::AllButIncluir) rows = rows.subspan(1);
  for (const ButtonOfItem& row : rows) (screen.*row.button)->SetEnabled((screen.*row.item)->Enabled());
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
  } else if (proposals.State() == DataSetState::Insert) {
    screen.panEmpresa->SetEnabled(true);
  }
}

// The lock binds the rows a detail holds. A detail that holds none (closed,
// or loaded empty for another proposal) gets its grid back editable, or the
// read-only state left by an accepted proposal would carry over to the next.
void ApplyDetailLock(T& screen, const plat::TDataSet& detail, plat::TDBGrid& grid) {
  if (BrowsingWithRecords(detail)) {
    bool accepted = ProposalAccepted(screen);
    grid.SetReadOnly(accepted);
    for (plat::TMenuItem* P::*item : kDetailLockedItems) (screen.*item)->SetEnabled(!accepted);
  } else if (detail.IsEmpty()) {
    grid.SetReadOnly(false);
  }
}

}  // namespace

bool ProposalAccepted(const T& screen) {
  return !host::Consiste::EmptyString(screen.cdsProposta->FieldByName("DTACEPROPFAS").Text());
}

// The detail lock comes before the button copy so that the buttons follow
// it; the header lock sets buttons of its own and comes after.
void ApplyStateRule(T& screen, const StateRule& rule) {
  const plat::TDataSet& dataSet = *(screen.*rule.dataSet);
  ApplyCommonRule(screen, dataSet);
  if (rule.lock == AcceptanceLock::Detail) ApplyDetailLock(screen, dataSet, *(screen.*rule.grid));
  CopyMenuToButtons(screen, rule.copy);
  if (rule.lock == AcceptanceLock::Header) ApplyHeaderLock(screen);
}

}  // namespace cli_psr41300::commands
