// Host expectations: the remote-module calls and the disconnections of the
// screen's connection since the last check, the local-cache refreshes since
// the last check, the wait animation, the screen cursor, a query on the
// server's database, a global of the package, how many screens the
// application holds, and whether the package is loaded.
#include <cstdint>

#include "host/application.h"
#include "host/scripted/scenario.h"
#include "host/scripted/step_context.h"
#include "host/scripted/step_pattern.h"
#include "host/scripted/step_type.h"
#include "host/showavi.h"
#include "host/vogalis.h"
#include "platform/ui/form.h"

namespace hostapp {

namespace {

// ---- calls

std::vector<ExpectedCall> ExpectedCalls(const Step& step) {
  if (step.tail == "none") return {};
  std::vector<ExpectedCall> calls = ParseCalls(step.tail);
  for (const DataLine& row : step.rows) {
    try {
      for (auto& call : ParseCalls(row.text)) calls.push_back(call);
    } catch (const SyntaxError& e) {
      throw SyntaxError("line " + std::to_string(row.line) + ": " + e.what());
    }
  }
  return calls;
}

void CheckCalls(const Step& step) {
  if (step.tail == "none") {
    if (!step.rows.empty()) throw SyntaxError("expect calls none takes no '|' lines");
    return;
  }
  if (step.tail.empty() && step.rows.empty())
    throw SyntaxError("expect calls needs the calls, on the line or on '|' lines below it, or none");
  ExpectedCalls(step);
}

std::string JoinCalls(const std::vector<std::string>& calls) {
  if (calls.empty()) return "no calls";
  std::string text;
  for (auto& call : calls) text += (text.empty() ? "" : "; ") + call;
  return text;
}

void ExpectCalls(const Step& step, StepContext& context) {
  std::vector<ExpectedCall> expected = ExpectedCalls(step);
  std::vector<RecordedCall> actual = context.calls.Take();
  bool same = expected.size() == actual.size();
  for (std::size_t i = 0; same && i < expected.size(); ++i) same = CallMatches(expected[i], actual[i]);
  if (same) return;
  std::vector<std::string> wanted, got;
  for (auto& call : expected) wanted.push_back(CallText(call.method, call.args));
  for (auto& call : actual)
    got.push_back(CallText(call.method, call.args) + (call.error.empty() ? "" : " failing: " + call.error));
  Fail(JoinCalls(wanted), JoinCalls(got));
}

// ---- cache refreshes

void ExpectRefreshes(const Step& step, StepContext& context) {
  const auto& all = host::HostSession::Current().cacheRefreshes;
  std::vector<std::string> actual;
  for (std::size_t i = context.refreshesSeen; i < all.size(); ++i)
    for (auto& table : all[i]) actual.push_back(table);
  context.refreshesSeen = all.size();
  std::vector<std::string> expected;
  if (step.Arg(0) != "none")
    for (auto& token : step.args) expected.push_back(token.text);
  if (expected == actual) return;
  auto join = [](const std::vector<std::string>& tables) {
    std::string text;
    for (auto& table : tables) text += (text.empty() ? "" : " ") + table;
    return text.empty() ? std::string("none") : text;
  };
  Fail("refreshes " + join(expected), join(actual));
}

void CheckRefreshes(const Step& step) {
  if (step.args.empty()) throw SyntaxError("expect refreshes needs the tables, or none");
  if (step.Arg(0) == "none" && step.args.size() > 1) throw SyntaxError("expect refreshes none takes no tables");
}

// ---- the screen's connection

void ExpectDisconnects(const Step& step, StepContext& context) {
  int count = context.disconnects;
  context.disconnects = 0;
  if (count != std::stoi(step.Arg(0)))
    Fail(step.Arg(0) + " disconnection(s) of the screen's connection", std::to_string(count));
}

// ---- wait animation and cursor

void ExpectWait(const Step&, StepContext& context) {
  int depth = host::Showavi::Depth();
  if (depth != 0 || context.dialogs.WaitDepth() != 0)
    Fail("the wait animation stopped as often as started",
         "depth " + std::to_string(depth) + " (shown " + std::to_string(context.dialogs.WaitDepth()) + ")");
}

void ExpectCursor(const Step& step, StepContext& context) {
  (void)context;
  const std::string& name = step.Arg(0);
  int expected = name == "default" ? host::crDefault : name == "hourglass" ? host::crHourGlass : std::stoi(name);
  int actual = host::TApplication::Current().Cursor;
  auto text = [](int cursor) {
    const char* name = cursor == host::crDefault ? " (default)" : cursor == host::crHourGlass ? " (hourglass)" : "";
    return std::to_string(cursor) + name;
  };
  if (actual != expected) Fail("cursor " + text(expected), text(actual));
}

// ---- a query on the server's database

std::string CellText(const plat::Variant& value) {
  if (value.IsNull()) return "null";
  if (value.Type() == plat::VarType::DateTime) return value.ToDateTime().ToIso();
  return value.ToText();
}

// An unquoted null stands for SQL's NULL; anything else for the value's text.
bool CellMatches(const Token& cell, const plat::Variant& value) {
  if (!cell.quoted && cell.text == "null") return value.IsNull();
  return !value.IsNull() && CellText(value) == cell.text;
}

std::string RowText(const std::vector<std::string>& cells) {
  std::string text = "|";
  for (auto& cell : cells) text += " " + cell + " |";
  return text;
}

void CheckQuery(const Step& step) {
  for (const DataLine& row : step.rows) {
    try {
      SplitCells(row.text);
    } catch (const SyntaxError& e) {
      throw SyntaxError("line " + std::to_string(row.line) + ": " + e.what());
    }
  }
}

void ExpectQuery(const Step& step, StepContext& context) {
  host::ServerResult result = context.host.CallServer("Sql", {step.tail});
  if (result.Failed()) Fail("the query to run", "error: " + result.error);
  if (result.kind != host::ServerResult::Kind::Packet) Fail("the query to answer rows", "no rows packet");
  const auto& actual = result.packet.rows;
  bool same = actual.size() == step.rows.size();
  std::string wanted, got;
  for (std::size_t i = 0; i < step.rows.size(); ++i) {
    std::vector<Token> cells = SplitCells(step.rows[i].text);
    std::vector<std::string> texts;
    for (auto& cell : cells) texts.push_back(cell.quoted ? Quote(cell.text) : cell.text);
    wanted += "\n  " + RowText(texts);
    same = same && cells.size() == actual[i].size();
    for (std::size_t c = 0; same && c < cells.size(); ++c) same = CellMatches(cells[c], actual[i][c]);
  }
  if (same) return;
  for (auto& row : actual) {
    std::vector<std::string> texts;
    for (auto& value : row) texts.push_back(CellText(value));
    got += "\n  " + RowText(texts);
  }
  Fail(std::to_string(step.rows.size()) + " row(s):" + wanted, std::to_string(actual.size()) + " row(s):" + got);
}

// ---- globals of the package

enum class GlobalKind { Bool, Int32, Reference };
struct GlobalName {
  const char* name;
  GlobalKind kind;
};
constexpr GlobalName kGlobals[] = {{"boIdCriado", GlobalKind::Bool},
                                   {"inCountPed", GlobalKind::Int32},
                                   {"inCountServ", GlobalKind::Int32},
                                   {"inChecked", GlobalKind::Int32},
                                   {"frmSolicitaProposta", GlobalKind::Reference}};

const GlobalName* FindGlobal(const std::string& name) {
  for (auto& global : kGlobals)
    if (name == global.name) return &global;
  return nullptr;
}

void CheckGlobal(const Step& step) {
  const GlobalName* global = FindGlobal(step.Arg(0));
  if (!global) {
    std::string known;
    for (auto& each : kGlobals) known += (known.empty() ? "" : ", ") + std::string(each.name);
    throw SyntaxError("unknown global " + step.Arg(0) + "; known: " + known);
  }
  const std::string& value = step.Arg(1);
  bool fits = global->kind == GlobalKind::Bool    ? value == "true" || value == "false"
              : global->kind == GlobalKind::Int32 ? IsInteger(value)
                                                  : value == "nil" || value == "set";
  if (!fits)
    throw SyntaxError(step.Arg(0) + " is " +
                      (global->kind == GlobalKind::Bool    ? "true or false"
                       : global->kind == GlobalKind::Int32 ? "a whole number"
                                                           : "nil or set") +
                      ", not " + Quote(value));
}

void ExpectGlobal(const Step& step, StepContext& context) {
  const GlobalName* global = FindGlobal(step.Arg(0));
  void* address = context.host.Global(global->name);
  std::string actual;
  switch (global->kind) {
    case GlobalKind::Bool:
      actual = *static_cast<bool*>(address) ? "true" : "false";
      break;
    case GlobalKind::Int32:
      actual = std::to_string(*static_cast<int32_t*>(address));
      break;
    case GlobalKind::Reference:
      actual = *static_cast<void**>(address) ? "set" : "nil";
      break;
  }
  if (actual != step.Arg(1)) Fail(step.Arg(0) + " = " + step.Arg(1), actual);
}

// ---- screens and package

void ExpectScreens(const Step& step, StepContext&) {
  int count = 0;
  for (auto& component : host::TApplication::Current().Components())
    if (dynamic_cast<plat::TForm*>(component.get())) ++count;
  if (count != std::stoi(step.Arg(0))) Fail(step.Arg(0) + " screen(s) held by the application", std::to_string(count));
}

void ExpectPackage(const Step& step, StepContext& context) {
  bool loaded = context.host.PackageLoaded();
  if (loaded != (step.Arg(0) == "loaded")) Fail("the package " + step.Arg(0), loaded ? "loaded" : "not-loaded");
}

}  // namespace

const std::vector<StepType>& HostExpectations() {
  static const std::vector<StepType> steps = {
      {"expect calls", "[RAW]",
       "the remote-module calls since the last check, in order: Method(\"arg\", ...), "
       "one per '|' line below, or none",
       ExpectCalls, false, true, 0, CheckCalls},
      {"expect refreshes", "TABLE|none...", "the local-cache refreshes asked for since the last check", ExpectRefreshes,
       false, false, 0, CheckRefreshes},
      {"expect disconnects", "COUNT", "how often the screen's connection was closed since the last check",
       ExpectDisconnects},
      {"expect wait", "balanced", "the wait animation was stopped as often as it was started", ExpectWait},
      {"expect cursor", "default|hourglass|INT", "the screen cursor", ExpectCursor},
      {"expect query", "RAW", "runs the SQL on the server's database; the rows follow as '| a | b' lines", ExpectQuery,
       false, true, 0, CheckQuery},
      {"expect global", "GLOBAL VALUE", "a global of the screen's package", ExpectGlobal, false, false, 0, CheckGlobal},
      {"expect screens", "COUNT", "how many screens the application holds", ExpectScreens},
      {"expect package", "loaded|not-loaded", "whether the screen's package is loaded", ExpectPackage},
  };
  return steps;
}

}  // namespace hostapp
