// Screen expectations: the focused control (and a grid's selected field),
// the active page, a data set's state and record count, a field's stored
// and shown text, a control's text, a grid cell, and the flags of a control
// or menu item.
#include <optional>

#include "host/scripted/scenario.h"
#include "host/scripted/step_context.h"
#include "host/scripted/step_type.h"
#include "platform/data/clientdataset.h"
#include "platform/data/dataset.h"
#include "platform/data/field.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"
#include "platform/ui/pages.h"

namespace hostapp {

namespace {

std::string Expected(const Token& text) { return (text.contains ? "a text containing " : "") + Quote(text.text); }

void CheckText(const std::string& what, const Token& expected, const std::string& actual) {
  if (!expected.Matches(actual)) Fail(what + " " + Expected(expected), Quote(actual));
}

void ExpectFocus(const Step& step, StepContext& context) {
  plat::TControl* active = context.Screen().ActiveControl();
  auto* grid = dynamic_cast<plat::TDBGrid*>(active);
  std::string got = active ? active->Name() : "none";
  if (grid && grid->SelectedField()) got += " on " + grid->SelectedField()->FieldName();
  if (step.Arg(0) == "none") {
    if (active) Fail("no focused control", got);
    return;
  }
  std::string expected = step.Arg(0) + (step.HasArg(1) ? " on " + step.Arg(1) : "");
  if (!active || active->Name() != step.Arg(0)) Fail("the focus on " + expected, got);
  if (step.HasArg(1) && (!grid || !grid->SelectedField() || grid->SelectedField()->FieldName() != step.Arg(1)))
    Fail("the focus on " + expected, got);
}

void ExpectPage(const Step& step, StepContext& context) {
  auto& pages = context.ComponentAs<plat::TPageControl>(step.Arg(0), "a page control");
  plat::TTabSheet* active = pages.ActivePage();
  if (!active || active->Name() != step.Arg(1))
    Fail(step.Arg(1) + " active in " + pages.Name(), active ? active->Name() : "no active page");
}

void ExpectState(const Step& step, StepContext& context) {
  auto& dataSet = context.ComponentAs<plat::TDataSet>(step.Arg(0), "a data set");
  std::string state = plat::DataSetStateName(dataSet.State());
  if (state != step.Arg(1)) Fail(dataSet.Name() + " in " + step.Arg(1), state);
}

void ExpectCount(const Step& step, StepContext& context) {
  auto& dataSet = context.ComponentAs<plat::TDataSet>(step.Arg(0), "a data set");
  if (dataSet.RecordCount() != std::stoi(step.Arg(1)))
    Fail(step.Arg(1) + " record(s) in " + dataSet.Name(), std::to_string(dataSet.RecordCount()));
}

// The changes a client data set holds that the server has not taken yet.
void ExpectChanges(const Step& step, StepContext& context) {
  auto& dataSet = context.ComponentAs<plat::TClientDataSet>(step.Arg(0), "a client data set");
  if (dataSet.ChangeCount() != std::stoi(step.Arg(1)))
    Fail(step.Arg(1) + " unsent change(s) in " + dataSet.Name(), std::to_string(dataSet.ChangeCount()));
}

void ExpectField(const Step& step, StepContext& context) {
  plat::TField& field = context.FieldRef(step.Arg(0));
  bool display = step.type->param != 0;
  CheckText(step.Arg(0) + (display ? " shown as" : " stored as"), step.args[1],
            display ? field.DisplayText() : field.AsString());
}

// What a control shows as its text: an edit's text, a grid's current cell
// (its editor while focused), otherwise its caption.
std::string ControlText(plat::TControl& control) {
  if (auto* edit = dynamic_cast<plat::TDBFieldControl*>(&control)) return edit->Text();
  if (auto* edit = dynamic_cast<plat::TEdit*>(&control)) return edit->Text();
  if (auto* grid = dynamic_cast<plat::TDBGrid*>(&control))
    return grid->Focused() ? grid->EditorText() : grid->CellText(grid->Row(), grid->SelectedIndex());
  return control.Caption();
}

void ExpectText(const Step& step, StepContext& context) {
  auto& control = context.ComponentAs<plat::TControl>(step.Arg(0), "a control");
  CheckText("the text of " + control.Name(), step.args[1], ControlText(control));
}

void ExpectCell(const Step& step, StepContext& context) {
  auto& grid = context.ComponentAs<plat::TDBGrid>(step.Arg(0), "a grid");
  int column = StepContext::ColumnOf(grid, step.Arg(2));
  int row = step.Arg(1) == "*" ? grid.Row() + 1 : std::stoi(step.Arg(1));
  if (row < 1) Fail("a current row in " + grid.Name(), "none");
  StepContext::CheckRowNumber(grid, row);
  CheckText(grid.Name() + " row " + step.Arg(1) + " " + step.Arg(2), step.args[3], grid.CellText(row - 1, column));
}

// "FIELD ascending", "FIELD descending" or "none".
void ExpectSorted(const Step& step, StepContext& context) {
  auto& grid = context.ComponentAs<plat::TDBGrid>(step.Arg(0), "a grid");
  std::string expected = step.Arg(1) == "none" ? "none" : step.Arg(1) + " " + (step.HasArg(2) ? step.Arg(2) : "");
  int column = grid.SortColumn();
  std::string actual = column < 0 ? "none"
                                  : grid.Columns()[static_cast<std::size_t>(column)]->FieldName() +
                                        (grid.SortDescending() ? " descending" : " ascending");
  if (actual != expected) Fail(grid.Name() + " sorted by " + expected, actual);
}

void CheckSorted(const Step& step) {
  bool none = step.Arg(1) == "none";
  if (none ? step.HasArg(2) : !step.HasArg(2) || (step.Arg(2) != "ascending" && step.Arg(2) != "descending"))
    throw SyntaxError("expect sorted takes a grid and none, or a field and ascending or descending");
}

// The flags a scenario can check; a row's param is the flag times two, plus
// one when the flag must be set.
enum class Flag { Enabled, Visible, Shown, ReadOnly, TabVisible };
struct FlagName {
  const char* set;
  const char* clear;
};
constexpr FlagName kFlagNames[] = {{"enabled", "disabled"},
                                   {"visible", "hidden"},
                                   {"shown", "not shown"},
                                   {"read-only", "editable"},
                                   {"with its tab shown", "with its tab hidden"}};
constexpr int FlagParam(Flag flag, bool set) { return static_cast<int>(flag) * 2 + (set ? 1 : 0); }

// The flag of a component, or nullopt when it has no such flag.
std::optional<bool> ReadFlag(plat::TComponent& component, Flag flag) {
  auto* control = dynamic_cast<plat::TControl*>(&component);
  auto* item = dynamic_cast<plat::TMenuItem*>(&component);
  switch (flag) {
    case Flag::Enabled:
      if (control) return control->Enabled();
      if (item) return item->Enabled();
      break;
    case Flag::Visible:
      if (control) return control->Visible();
      if (item) return item->Visible();
      break;
    case Flag::Shown:
      if (control) return control->Showing();
      break;
    case Flag::ReadOnly:
      if (auto* edit = dynamic_cast<plat::TDBFieldControl*>(&component)) return edit->ReadOnly();
      if (auto* grid = dynamic_cast<plat::TDBGrid*>(&component)) return grid->ReadOnly();
      if (auto* edit = dynamic_cast<plat::TEdit*>(&component)) return edit->ReadOnly;
      break;
    case Flag::TabVisible:
      if (auto* page = dynamic_cast<plat::TTabSheet*>(&component)) return page->TabVisible();
      break;
  }
  return std::nullopt;
}

void ExpectFlag(const Step& step, StepContext& context) {
  auto flag = static_cast<Flag>(step.type->param / 2);
  bool wanted = step.type->param % 2 != 0;
  const FlagName& names = kFlagNames[static_cast<int>(flag)];
  plat::TComponent& component = context.Component(step.Arg(0));
  std::optional<bool> actual = ReadFlag(component, flag);
  if (!actual) Fail(step.Arg(0) + " " + (wanted ? names.set : names.clear), "a component without that flag");
  if (*actual != wanted)
    Fail(step.Arg(0) + " " + (wanted ? names.set : names.clear), *actual ? names.set : names.clear);
}

}  // namespace

const std::vector<StepType>& ScreenExpectations() {
  static const std::vector<StepType> steps = {
      {"expect focus", "CONTROL|none [FIELD]", "the focused control (and a grid's selected field)", ExpectFocus},
      {"expect page", "PAGES PAGE", "the active page of a page control", ExpectPage},
      {"expect state", "DATASET inactive|browse|edit|insert", "a data set's state", ExpectState},
      {"expect count", "DATASET COUNT", "a data set's record count", ExpectCount},
      {"expect changes", "DATASET COUNT", "the changes a client data set holds, not yet taken by the server",
       ExpectChanges},
      {"expect field", "DATASET.FIELD TEXT", "a field's stored text", ExpectField, false, false, 0},
      {"expect display", "DATASET.FIELD TEXT", "a field's text as shown", ExpectField, false, false, 1},
      {"expect text", "CONTROL TEXT", "a control's text (a grid's current cell, a label's caption)", ExpectText},
      {"expect cell", "GRID ROW FIELD TEXT", "the text a grid shows in a row (from 1; * the current one) and column",
       ExpectCell},
      {"expect sorted", "GRID none|FIELD [ascending|descending]", "the column the grid's data set is sorted by",
       ExpectSorted, false, false, 0, CheckSorted},
      {"expect enabled", "CONTROL", "a control or menu item is enabled", ExpectFlag, false, false,
       FlagParam(Flag::Enabled, true)},
      {"expect disabled", "CONTROL", "a control or menu item is disabled", ExpectFlag, false, false,
       FlagParam(Flag::Enabled, false)},
      {"expect visible", "CONTROL", "a control or menu item is visible (its own flag)", ExpectFlag, false, false,
       FlagParam(Flag::Visible, true)},
      {"expect hidden", "CONTROL", "a control or menu item is hidden (its own flag)", ExpectFlag, false, false,
       FlagParam(Flag::Visible, false)},
      {"expect shown", "CONTROL", "a control is on screen now (it and its containers visible, on active pages)",
       ExpectFlag, false, false, FlagParam(Flag::Shown, true)},
      {"expect not-shown", "CONTROL", "a control is not on screen now", ExpectFlag, false, false,
       FlagParam(Flag::Shown, false)},
      {"expect readonly", "CONTROL", "an edit or grid is read-only", ExpectFlag, false, false,
       FlagParam(Flag::ReadOnly, true)},
      {"expect editable", "CONTROL", "an edit or grid is not read-only", ExpectFlag, false, false,
       FlagParam(Flag::ReadOnly, false)},
      {"expect tab-visible", "PAGE", "a page shows its tab", ExpectFlag, false, false,
       FlagParam(Flag::TabVisible, true)},
      {"expect tab-hidden", "PAGE", "a page's tab is hidden", ExpectFlag, false, false,
       FlagParam(Flag::TabVisible, false)},
  };
  return steps;
}

}  // namespace hostapp
