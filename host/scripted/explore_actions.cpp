#include "host/scripted/explore_actions.h"

#include <algorithm>
#include <functional>

#include "host/scripted/scenario_tokens.h"
#include "host/scripted/step_context.h"
#include "platform/data/clientdataset.h"
#include "platform/data/field.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbchoice.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"
#include "platform/ui/pages.h"

namespace hostapp {

namespace {

// The kinds of step and how often each is drawn, out of their sum.
enum class Kind {
  Button,
  Menu,
  Tab,
  Focus,
  TabKey,
  TypeEdit,
  TypeGrid,
  Choose,
  Select,
  GridKey,
  KeyPress,
  Ellipsis,
  Search,
  Title,
  FailNext,
  Sql
};
struct Weight {
  Kind kind;
  int weight;
};
constexpr Weight kWeights[] = {{Kind::Button, 16}, {Kind::Menu, 2},      {Kind::Tab, 8},       {Kind::Focus, 4},
                               {Kind::TabKey, 2},  {Kind::TypeEdit, 10}, {Kind::TypeGrid, 16}, {Kind::Choose, 5},
                               {Kind::Select, 12}, {Kind::GridKey, 12},  {Kind::KeyPress, 2},  {Kind::Ellipsis, 6},
                               {Kind::Search, 3},  {Kind::Title, 1},     {Kind::FailNext, 3},  {Kind::Sql, 2}};

const std::vector<std::string> kGridKeys = {"insert", "escape", "ctrl-delete", "enter", "up",
                                            "down",   "home",   "end",         "tab"};
const std::vector<std::string> kDates = {"15/01/2027", "28/02/2027", "10/12/2026", "01/03/2027", "30/06/2027"};
const std::vector<std::string> kBadDates = {"31/02/2027", "abc", "", "99/99/9999", "15/13/2027"};
const std::vector<std::string> kNumbers = {"1", "2", "3", "5", "10", "15", "31", "100", "250.5", "1200"};
const std::vector<std::string> kBadNumbers = {"abc", "", "-5", "0", "12a", "99999999999"};
const std::vector<std::string> kLineCodes = {"10", "11", "12", "13", "20", "99"};
const std::vector<std::string> kTexts = {"Teste", "Contabilidade Filial Norte", "ERP", "Linha Nova",
                                         "Observação do teste"};
const std::vector<std::string> kContacts = {"0000000001", "0000000002", "0000000003", "9999"};
constexpr const char* kFailure = "Falha simulada pelo explorador.";

bool Contains(const std::string& text, const char* part) { return text.find(part) != std::string::npos; }

template <class T>
std::vector<T*> Owned(plat::TForm& screen, const std::function<bool(T&)>& keep) {
  std::vector<T*> found;
  for (const auto& owned : screen.Components())
    if (auto* component = dynamic_cast<T*>(owned.get()); component && keep(*component)) found.push_back(component);
  return found;
}

bool MenuReachable(const plat::TMenuItem& item) {
  for (const plat::TMenuItem* at = &item; at; at = at->ParentItem())
    if (!at->Visible() || !at->Enabled()) return false;
  return true;
}

bool GridUsable(const plat::TDBGrid& grid) {
  return grid.Showing() && grid.Enabled() && grid.DataSet() && grid.DataSet()->Active();
}

std::vector<std::string> VisibleColumnFields(const plat::TDBGrid& grid) {
  std::vector<std::string> fields;
  for (const plat::TColumn* column : grid.Columns())
    if (column->Visible) fields.push_back(column->FieldName());
  return fields;
}

const plat::TColumn* SelectedColumn(const plat::TDBGrid& grid) {
  auto columns = grid.Columns();
  int selected = grid.SelectedIndex();
  return selected >= 0 && selected < static_cast<int>(columns.size()) ? columns[selected] : nullptr;
}

// A field of a data set's current record, when it is browsing on one.
std::string CurrentKey(plat::TForm& screen, const char* dataSet, const char* field) {
  auto* found = dynamic_cast<plat::TDataSet*>(screen.FindComponent(dataSet));
  if (!found || found->State() != plat::DataSetState::Browse || found->IsEmpty()) return "";
  const plat::TField* key = found->FindField(field);
  return key ? key->AsString() : "";
}

std::string SqlText(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

}  // namespace

ExploreVocabulary ReadVocabulary(StepContext& context) {
  auto column = [&](const std::string& sql) {
    std::vector<std::string> values;
    host::ServerResult result = context.host.CallServer("Sql", {sql});
    if (result.Failed()) Fail("the explorer's vocabulary query to run: " + sql, "error: " + result.error);
    for (const plat::Row& row : result.packet.rows)
      if (!row.empty() && values.size() < 12) values.push_back(row[0].ToText());
    return values;
  };
  ExploreVocabulary words;
  words.systems = column("SELECT NMSISTEMA FROM SISTEMA ORDER BY 1");
  words.services = column("SELECT NMTIPOSERV FROM TIPOSERV ORDER BY 1");
  words.products = column("SELECT NMPROCOMERCI FROM PRODCOMERCIAL ORDER BY 1");
  words.parties = column("SELECT CDCLIENTE FROM CLIENTE ORDER BY 1");
  for (auto& code : column("SELECT CDPROSPECT FROM PROSPECT ORDER BY 1")) words.parties.push_back(code);
  words.operators = column("SELECT CDOPERADOR FROM OPERADOR ORDER BY 1");
  return words;
}

ExploreActions::ExploreActions(uint64_t seed, ExploreVocabulary vocabulary)
    : random_(seed), vocabulary_(std::move(vocabulary)) {}

std::size_t ExploreActions::Below(std::size_t count) { return count == 0 ? 0 : random_() % count; }

bool ExploreActions::Chance(int percent) { return static_cast<int>(Below(100)) < percent; }

std::string ExploreActions::ValueFor(const plat::TField* field, bool valid) {
  if (!field) return OneOf(valid ? kNumbers : kBadNumbers);
  switch (field->DataType()) {
    case plat::FieldType::DateTime:
      return OneOf(valid ? kDates : kBadDates);
    case plat::FieldType::Float:
    case plat::FieldType::Decimal:
    case plat::FieldType::Integer:
      return OneOf(valid ? kNumbers : kBadNumbers);
    default:
      break;
  }
  if (!valid) {
    if (Chance(50)) return "";
    return std::string(static_cast<std::size_t>(std::max(field->Size(), 20) + 5), 'X');
  }
  const std::string& name = field->FieldName();
  auto from = [&](const std::vector<std::string>& words) { return words.empty() ? OneOf(kTexts) : OneOf(words); };
  if (Contains(name, "SISTEMA")) return from(vocabulary_.systems);
  if (Contains(name, "TIPOSERV")) return from(vocabulary_.services);
  if (Contains(name, "PROCOMERCI")) return from(vocabulary_.products);
  if (Contains(name, "OPER")) return from(vocabulary_.operators);
  if (Contains(name, "CLIENTE") || Contains(name, "PROSP") || name == "CODIGO") return from(vocabulary_.parties);
  if (Contains(name, "CONTATO")) return OneOf(kContacts);
  if (Contains(name, "CDLIN")) return OneOf(kLineCodes);
  if (Contains(name, "EMAIL")) return "compras@example.com.br";
  return OneOf(kTexts);
}

std::string ExploreActions::PickLine() { return Chance(25) ? "pick none" : "pick " + std::to_string(1 + Below(4)); }

std::string ExploreActions::Next(StepContext& context) {
  if (!following_.empty()) {
    std::string line = following_.front();
    following_.pop_front();
    return line;
  }
  plat::TForm* screen = context.host.Screen();
  if (!screen) return "open";
  if (!context.dialogs.AnswersLeft()) return Chance(60) ? "answer yes" : "answer no";
  for (int attempt = 0; attempt < 30; ++attempt) {
    std::string line = Draw(context, *screen);
    if (!line.empty()) return line;
  }
  return "key tab";
}

std::string ExploreActions::Draw(StepContext& context, plat::TForm& screen) {
  int total = 0;
  for (const Weight& weight : kWeights) total += weight.weight;
  int draw = static_cast<int>(Below(static_cast<std::size_t>(total)));
  Kind kind = kWeights[0].kind;
  for (const Weight& weight : kWeights) {
    if (draw < weight.weight) {
      kind = weight.kind;
      break;
    }
    draw -= weight.weight;
  }
  auto grids = Owned<plat::TDBGrid>(screen, [](plat::TDBGrid& grid) { return GridUsable(grid); });
  bool needPick = context.dialogs.PicksLeft() == 0;
  switch (kind) {
    case Kind::Button: {
      auto buttons = Owned<plat::TSpeedButton>(screen, [](plat::TSpeedButton& button) {
        return button.Showing() && button.Enabled() && !dynamic_cast<plat::TBtnPesquisa*>(&button);
      });
      if (buttons.empty()) return "";
      const plat::TSpeedButton* button = OneOf(buttons);
      // Closing ends the exploration of what is open: rarely.
      if (button->Name() == "sbtFechar" && !Chance(15)) return "";
      return "click " + button->Name();
    }
    case Kind::Menu: {
      auto items = Owned<plat::TMenuItem>(screen, [](plat::TMenuItem& item) {
        return item.OnClick && item.Items().empty() && !item.IsSeparator() && MenuReachable(item);
      });
      return items.empty() ? "" : "click " + OneOf(items)->Name();
    }
    case Kind::Tab: {
      std::vector<std::string> tabs;
      for (plat::TPageControl* pages :
           Owned<plat::TPageControl>(screen, [](plat::TPageControl& pages) { return pages.Showing(); }))
        for (const plat::TTabSheet* page : pages->Pages())
          if (page->TabVisible() && page != pages->ActivePage()) tabs.push_back(pages->Name() + " " + page->Name());
      return tabs.empty() ? "" : "select-tab " + OneOf(tabs);
    }
    case Kind::Focus: {
      auto controls = Owned<plat::TControl>(screen, [](plat::TControl& control) {
        return control.Focusable() && control.CanFocus() && control.Showing();
      });
      return controls.empty() ? "" : "focus " + OneOf(controls)->Name();
    }
    case Kind::TabKey: {
      if (dynamic_cast<plat::TDBGrid*>(screen.ActiveControl())) return "";
      return Chance(70) ? "key tab" : "key shift-tab";
    }
    case Kind::TypeEdit: {
      auto edits = Owned<plat::TControl>(screen, [](plat::TControl& control) {
        if (!control.CanFocus() || !control.Showing()) return false;
        if (auto* bound = dynamic_cast<plat::TDBFieldControl*>(&control))
          return !dynamic_cast<plat::TDBChoiceControl*>(&control) && !bound->ReadOnly() && bound->Field();
        auto* plain = dynamic_cast<plat::TEdit*>(&control);
        return plain && !plain->ReadOnly;
      });
      if (edits.empty()) return "";
      plat::TControl* edit = OneOf(edits);
      auto* bound = dynamic_cast<plat::TDBFieldControl*>(edit);
      return "type " + edit->Name() + " " + Quote(ValueFor(bound ? bound->Field() : nullptr, Chance(70)));
    }
    case Kind::TypeGrid: {
      std::vector<plat::TDBGrid*> typing;
      for (plat::TDBGrid* grid : grids)
        if (!grid->ReadOnly() && grid->SelectedField()) typing.push_back(grid);
      if (typing.empty()) return "";
      plat::TDBGrid* grid = OneOf(typing);
      return "type " + grid->Name() + " " + Quote(ValueFor(grid->SelectedField(), Chance(70)));
    }
    case Kind::Choose: {
      std::vector<std::string> choices;
      for (auto* choice : Owned<plat::TDBChoiceControl>(screen, [](plat::TDBChoiceControl& choice) {
             return choice.CanFocus() && choice.Showing() && !choice.ReadOnly() && !choice.Items.empty();
           }))
        choices.push_back(choice->Name() + " " + std::to_string(Below(choice->Items.size())));
      for (plat::TDBGrid* grid : grids)
        if (const plat::TColumn* column = SelectedColumn(*grid); column && !column->PickList.empty())
          choices.push_back(grid->Name() + " " + std::to_string(Below(column->PickList.size())));
      return choices.empty() ? "" : "choose " + OneOf(choices);
    }
    case Kind::Select: {
      std::vector<plat::TDBGrid*> rows;
      for (plat::TDBGrid* grid : grids)
        if (grid->RowCount() > 0) rows.push_back(grid);
      if (rows.empty()) return "";
      plat::TDBGrid* grid = OneOf(rows);
      std::string row = Chance(20) ? "*" : std::to_string(1 + Below(static_cast<std::size_t>(grid->RowCount())));
      std::vector<std::string> fields = VisibleColumnFields(*grid);
      return "select " + grid->Name() + " " + row + (fields.empty() ? "" : " " + OneOf(fields));
    }
    case Kind::GridKey: {
      if (grids.empty()) return "";
      return "key " + OneOf(kGridKeys) + " " + OneOf(grids)->Name();
    }
    case Kind::KeyPress: {
      if (grids.empty()) return "";
      static const std::vector<std::string> chars = {"1", "5", "9", "a", "M", "f", " "};
      return "keypress " + OneOf(grids)->Name() + " " + Quote(OneOf(chars));
    }
    case Kind::Ellipsis: {
      std::vector<std::pair<plat::TDBGrid*, std::string>> cells;
      for (plat::TDBGrid* grid : grids)
        for (const plat::TColumn* column : grid->Columns())
          if (column->Visible && column->Button == plat::ButtonStyle::Ellipsis)
            cells.push_back({grid, column->FieldName()});
      if (cells.empty()) return "";
      auto [grid, field] = OneOf(cells);
      const plat::TColumn* selected = SelectedColumn(*grid);
      if (!selected || selected->FieldName() != field) following_.push_back("select " + grid->Name() + " * " + field);
      if (needPick) following_.push_back(PickLine());
      following_.push_back("ellipsis " + grid->Name());
      std::string first = following_.front();
      following_.pop_front();
      return first;
    }
    case Kind::Search: {
      auto buttons = Owned<plat::TBtnPesquisa>(
          screen, [](plat::TBtnPesquisa& button) { return button.Showing() && button.Enabled(); });
      if (buttons.empty()) return "";
      std::string click = "click " + OneOf(buttons)->Name();
      if (!needPick) return click;
      following_.push_back(click);
      return PickLine();
    }
    case Kind::Title: {
      if (grids.empty()) return "";
      plat::TDBGrid* grid = OneOf(grids);
      std::vector<std::string> fields = VisibleColumnFields(*grid);
      return fields.empty() ? "" : "title " + grid->Name() + " " + OneOf(fields);
    }
    case Kind::FailNext: {
      // Half the time a sending (a Set method) of those seen so far, as a
      // refused send is what leaves work pending.
      const bool sending = Below(2) == 1;
      std::vector<std::string> methods;
      for (const RecordedCall& call : context.calls.All())
        if ((!sending || call.method.starts_with("Set")) &&
            std::find(methods.begin(), methods.end(), call.method) == methods.end())
          methods.push_back(call.method);
      return methods.empty() ? "" : "fail-next " + OneOf(methods) + " " + Quote(kFailure);
    }
    case Kind::Sql: {
      std::string number = CurrentKey(screen, "cdsProposta", "NRPROPOSFAS");
      std::string version = CurrentKey(screen, "cdsProposta", "NRVERPROPFAS");
      if (number.empty()) return "";
      // Another client changes one value of a row of the proposal on screen.
      struct Change {
        const char* table;
        const char* set;
        const char* dataSet;
        const char* key;
      };
      static const std::vector<Change> changes = {
          {"PROPOSTALINP", "QTLINPPROP = COALESCE(QTLINPPROP, 0) + 1", "cdsDadosContLinhaProd", "CDLINPPROP"},
          {"PROPOSTASERV", "VRHORAPROP = COALESCE(VRHORAPROP, 0) + 10", "cdsDadosContServico", "CDTIPOSERV"},
          {"PEDILINPPROP", "QTLINPPEDP = COALESCE(QTLINPPEDP, 0) + 1", "cdsPedidosLinhaProd", "NRLINPPEDP"},
          {"VENCLUSOPROP", "VRVELUSOPEDP = COALESCE(VRVELUSOPEDP, 0) + 5", "cdsVenc_Valor", "NRLINPPEDP"},
          {"PEDISERVPROP", "QTSERVPEDP = COALESCE(QTSERVPEDP, 0) + 1", "cdsPedidosServico", "NRSERVPEDP"},
      };
      const Change& change = OneOf(changes);
      std::string key = CurrentKey(screen, change.dataSet, change.key);
      if (key.empty()) return "";
      return std::string("sql UPDATE ") + change.table + " SET " + change.set +
             " WHERE NRPROPOSFAS = " + SqlText(number) + " AND NRVERPROPFAS = " + SqlText(version) + " AND " +
             change.key + " = " + SqlText(key);
    }
  }
  return "";
}

}  // namespace hostapp
