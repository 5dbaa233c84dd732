// Action steps: each one user event on the screen through the user-action
// layer (open, close, focus, type, choose, click, tabs, grid cells and keys,
// the ellipsis button), the answers queued for the next confirmation or
// search, and the dump of the screen.
#include <array>

#include "host/application.h"
#include "host/frmpadrao.h"
#include "host/scripted/scenario.h"
#include "host/scripted/screen_dump.h"
#include "host/scripted/step_context.h"
#include "host/scripted/step_pattern.h"
#include "host/scripted/step_type.h"
#include "platform/data/clientdataset.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/form.h"
#include "platform/ui/pages.h"

namespace hostapp {

namespace {

struct KeyName {
  std::string_view name;
  plat::GridKey key;
};
constexpr std::array<KeyName, 10> kKeys = {{{"insert", plat::GridKey::Insert},
                                            {"down", plat::GridKey::Down},
                                            {"up", plat::GridKey::Up},
                                            {"ctrl-delete", plat::GridKey::CtrlDelete},
                                            {"escape", plat::GridKey::Escape},
                                            {"tab", plat::GridKey::Tab},
                                            {"shift-tab", plat::GridKey::ShiftTab},
                                            {"enter", plat::GridKey::Enter},
                                            {"home", plat::GridKey::Home},
                                            {"end", plat::GridKey::End}}};

plat::GridKey KeyNamed(const std::string& name) {
  for (auto& key : kKeys)
    if (key.name == name) return key.key;
  throw SyntaxError("unknown key " + name);
}

// The first character of a UTF-8 text, and how many bytes it takes.
char32_t FirstChar(const std::string& text, std::size_t& length) {
  auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  unsigned char lead = byte(0);
  length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
  if (length > text.size()) throw SyntaxError("a broken UTF-8 character");
  char32_t c = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) c = (c << 6) | (byte(i) & 0x3F);
  return c;
}

void CheckOneChar(const Step& step) {
  std::size_t length = 0;
  if (step.Arg(1).empty() || (FirstChar(step.Arg(1), length), length != step.Arg(1).size()))
    throw SyntaxError("keypress takes one character, not " + Quote(step.Arg(1)));
}

void CheckPick(const Step& step) {
  bool byValue = !IsInteger(step.Arg(0)) && step.Arg(0) != "none";
  if (byValue != step.HasArg(1))
    throw SyntaxError(byValue ? "pick by a field needs the value: pick FIELD VALUE"
                              : "pick ROW and pick none take nothing more");
  if (!byValue && IsInteger(step.Arg(0)) && std::stoi(step.Arg(0)) < 1)
    throw SyntaxError("search rows are numbered from 1");
}

plat::TUserActions Actions(StepContext& context) { return plat::TUserActions(context.Screen()); }

// The index of the item to choose: a whole number is the item index, any
// other text the item shown so.
int ItemIndex(const Token& item, const std::vector<std::string>& items, const std::string& where) {
  if (!item.quoted && IsInteger(item.text)) return std::stoi(item.text);
  for (std::size_t i = 0; i < items.size(); ++i)
    if (items[i] == item.text) return static_cast<int>(i);
  std::string list;
  for (auto& text : items) list += (list.empty() ? "" : ", ") + Quote(text);
  Fail("an item " + Quote(item.text) + " in " + where, "the items " + (list.empty() ? "(none)" : list));
}

void Open(const Step& step, StepContext& context) {
  context.Act(step, [&] {
    return plat::RunEvent([&] {
      context.host.OpenScreen();
      return true;
    });
  });
}

void Close(const Step& step, StepContext& context) {
  plat::TForm& screen = context.Screen();
  context.Act(step, [&] {
    return plat::RunEvent([&] {
      // As the window's close box: the screen's close handler decides, and
      // a screen it frees goes once the event has ended.
      if (screen.Close() == 2) host::TApplication::Current().Release(screen);
      return true;
    });
  });
}

void Focus(const Step& step, StepContext& context) {
  auto& control = context.ComponentAs<plat::TControl>(step.Arg(0), "a control");
  context.Act(step, [&] { return Actions(context).Focus(control); });
}

void Type(const Step& step, StepContext& context) {
  auto& control = context.ComponentAs<plat::TControl>(step.Arg(0), "a control");
  context.Act(step, [&] { return Actions(context).Type(control, step.Arg(1)); });
}

void Choose(const Step& step, StepContext& context) {
  auto& control = context.ComponentAs<plat::TControl>(step.Arg(0), "a control");
  int index = 0;
  if (auto* grid = dynamic_cast<plat::TDBGrid*>(&control)) {
    auto columns = grid->Columns();
    int selected = grid->SelectedIndex();
    if (selected < 0 || selected >= static_cast<int>(columns.size()))
      Fail("a selected column in " + grid->Name(), "none");
    index = ItemIndex(step.args[1], columns[selected]->PickList, grid->Name() + "." + columns[selected]->FieldName());
  } else if (auto* choice = dynamic_cast<plat::TDBChoiceControl*>(&control)) {
    index = ItemIndex(step.args[1], choice->Items, choice->Name());
  } else {
    Fail(step.Arg(0) + " to be a radio group, list or grid", "a control of another kind");
  }
  context.Act(step, [&] { return Actions(context).Choose(control, index); });
}

void Click(const Step& step, StepContext& context) {
  plat::TComponent& component = context.Component(step.Arg(0));
  if (auto* item = dynamic_cast<plat::TMenuItem*>(&component)) {
    context.Act(step, [&] { return Actions(context).Click(*item); });
  } else if (auto* control = dynamic_cast<plat::TControl*>(&component)) {
    context.Act(step, [&] { return Actions(context).Click(*control); });
  } else {
    Fail(step.Arg(0) + " to be a control or menu item", "a component of another kind");
  }
}

void SelectTab(const Step& step, StepContext& context) {
  auto& pages = context.ComponentAs<plat::TPageControl>(step.Arg(0), "a page control");
  auto& page = context.ComponentAs<plat::TTabSheet>(step.Arg(1), "a tab sheet");
  if (&page.PageControl() != &pages)
    Fail(page.Name() + " to be a page of " + pages.Name(), "a page of " + page.PageControl().Name());
  context.Act(step, [&] { return Actions(context).SelectTab(pages, page); });
}

void Select(const Step& step, StepContext& context) {
  auto& grid = context.ComponentAs<plat::TDBGrid>(step.Arg(0), "a grid");
  int row = step.Arg(1) == "*" ? -1 : std::stoi(step.Arg(1)) - 1;
  int column = step.HasArg(2) ? StepContext::ColumnOf(grid, step.Arg(2)) : -1;
  StepContext::CheckRowNumber(grid, row + 1);
  context.Act(step, [&] { return Actions(context).GridSelect(grid, row, column); });
}

void Title(const Step& step, StepContext& context) {
  auto& grid = context.ComponentAs<plat::TDBGrid>(step.Arg(0), "a grid");
  int column = StepContext::ColumnOf(grid, step.Arg(1));
  context.Act(step, [&] { return Actions(context).GridTitleClick(grid, column); });
}

void KeyPress(const Step& step, StepContext& context) {
  auto& grid = context.ComponentAs<plat::TDBGrid>(step.Arg(0), "a grid");
  std::size_t length = 0;
  char32_t key = FirstChar(step.Arg(1), length);
  context.Act(step, [&] { return Actions(context).GridKeyPress(grid, key); });
}

void Key(const Step& step, StepContext& context) {
  plat::GridKey key = KeyNamed(step.Arg(0));
  plat::TDBGrid* grid = nullptr;
  if (step.HasArg(1)) {
    grid = &context.ComponentAs<plat::TDBGrid>(step.Arg(1), "a grid");
  } else {
    grid = dynamic_cast<plat::TDBGrid*>(context.Screen().ActiveControl());
  }
  if (grid) return context.Act(step, [&] { return Actions(context).GridKey(*grid, key); });
  if (key != plat::GridKey::Tab && key != plat::GridKey::ShiftTab) {
    plat::TControl* active = context.Screen().ActiveControl();
    Fail("a grid holding the focus for the key " + step.Arg(0), active ? active->Name() : "no focus");
  }
  context.Act(step, [&] { return Actions(context).Tab(key == plat::GridKey::Tab); });
}

void Ellipsis(const Step& step, StepContext& context) {
  auto& grid = context.ComponentAs<plat::TDBGrid>(step.Arg(0), "a grid");
  context.Act(step, [&] { return Actions(context).GridEllipsis(grid); });
}

void Answer(const Step& step, StepContext& context) {
  if (step.Arg(0) == "yes")
    context.dialogs.AnswerYes();
  else
    context.dialogs.AnswerNo();
}

void Pick(const Step& step, StepContext& context) {
  SearchPick pick;
  if (step.Arg(0) == "none") {
    pick.kind = SearchPick::Kind::None;
  } else if (IsInteger(step.Arg(0))) {
    pick.kind = SearchPick::Kind::Row;
    pick.row = std::stoi(step.Arg(0)) - 1;
  } else {
    pick.kind = SearchPick::Kind::ByValue;
    pick.field = step.Arg(0);
    pick.value = step.Arg(1);
  }
  context.dialogs.QueuePick(pick);
}

void Dump(const Step&, StepContext& context) {
  if (plat::TForm* screen = context.host.Screen())
    context.out << DumpScreen(*screen);
  else
    context.out << "(no screen open)\n";
  context.out.flush();
}

// Runs a command handler by its name, as one user event: the component
// whose click the handler is bound to is clicked, whether or not its button
// is shown (the way to run a command whose button is hidden).
void Invoke(const Step& step, StepContext& context) {
  auto* screen = dynamic_cast<host::TfrmPadrao*>(&context.Screen());
  if (!screen) Fail("a standard screen", "a screen of another kind");
  for (const host::BoundEvent& bound : screen->Bindings.List()) {
    if (bound.handler != step.Arg(0) || bound.event != "OnClick") continue;
    auto* control = dynamic_cast<plat::TControl*>(&context.Component(bound.component));
    if (!control || !control->OnClick) continue;
    context.Act(step, [&] {
      return Actions(context).Run([&] {
        control->OnClick(*control);
        return true;
      });
    });
    return;
  }
  Fail("a command handler named " + step.Arg(0) + " bound to a click", "none");
}

// For tests only: opens a data set the screen never opens by itself (the
// proposal's messages) empty, with its declared fields, so that its rules
// can run as they would with it open. The proposal list is the screen's own
// and is refused.
void OpenEmpty(const Step& step, StepContext& context) {
  if (step.Arg(0) == "cdsProposta") Fail("a data set other than the proposal list", step.Arg(0));
  auto& dataSet = context.ComponentAs<plat::TClientDataSet>(step.Arg(0), "a client data set");
  context.Act(step, [&] {
    return Actions(context).Run([&] {
      dataSet.CreateDataSet();
      return true;
    });
  });
}

// For tests only: brings a page forward as the program does, without its
// tab and without the page control's change event, so that the controls of
// a page whose tab is hidden (the proposal's texts) can take the focus.
void ShowPage(const Step& step, StepContext& context) {
  auto& pages = context.ComponentAs<plat::TPageControl>(step.Arg(0), "a page control");
  auto& page = context.ComponentAs<plat::TTabSheet>(step.Arg(1), "a tab sheet");
  if (&page.PageControl() != &pages)
    Fail(page.Name() + " to be a page of " + pages.Name(), "a page of " + page.PageControl().Name());
  context.Act(step, [&] {
    return Actions(context).Run([&] {
      pages.SetActivePage(page);
      return true;
    });
  });
}

}  // namespace

const std::vector<StepType>& ActionSteps() {
  static const std::vector<StepType> steps = {
      {"open", "", "the host's entry for the screen (IniProc)", Open, true},
      {"close", "", "closes the screen as its window's close box does", Close, true},
      {"focus", "CONTROL", "moves the focus to the control", Focus, true},
      {"type", "CONTROL VALUE", "focuses the control and types the text (a grid: into its current cell)", Type, true},
      {"choose", "CONTROL ITEM",
       "picks an item of a radio group, list or the grid column's pick list, by text or index", Choose, true},
      {"click", "CONTROL", "clicks a button, search button or menu item", Click, true},
      {"select-tab", "PAGES PAGE", "clicks the tab of a page", SelectTab, true},
      {"select", "GRID ROW [FIELD]", "selects a grid cell: row from 1 (* keeps it), column by field", Select, true},
      {"title", "GRID FIELD", "clicks the title of the field's column (a sortable grid sorts by it)", Title, true},
      {"keypress", "GRID CHAR", "types one character into the grid", KeyPress, true, false, 0, CheckOneChar},
      {"key", "insert|down|up|ctrl-delete|escape|tab|shift-tab|enter|home|end [GRID]",
       "presses a key in the grid (focusing it first), or in the focused control (tab, shift-tab)", Key, true},
      {"ellipsis", "GRID", "clicks the ellipsis button of the grid's current cell", Ellipsis, true},
      {"answer", "yes|no", "queues the answer to the next confirmation", Answer},
      {"pick", "INT|none|FIELD [VALUE]",
       "queues the choice of the next search: a row from 1, none, or the row whose "
       "field shows the value",
       Pick, false, false, 0, CheckPick},
      {"invoke", "HANDLER", "runs the command handler of that name as one user event (its button may be hidden)",
       Invoke, true},
      {"open-empty", "DATASET", "for tests: opens the data set empty with its declared fields (not cdsProposta)",
       OpenEmpty, true},
      {"show-page", "PAGES PAGE",
       "for tests: brings the page forward as the program does (no tab click, no change "
       "event)",
       ShowPage, true},
      {"dump", "", "prints the visible screen", Dump},
  };
  return steps;
}

}  // namespace hostapp
