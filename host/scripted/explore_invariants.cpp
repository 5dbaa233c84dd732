#include "host/scripted/explore_invariants.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <set>

#include "host/application.h"
#include "host/scripted/scenario.h"
#include "host/scripted/step_type.h"
#include "host/showavi.h"
#include "host/vogalis.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/field.h"
#include "platform/ui/db_control.h"
#include "platform/ui/form.h"
#include "platform/ui/grid.h"

namespace hostapp {

namespace {

// How the explorer sees each detail of the proposal: the server call that
// lists its rows, the line it is shown under, and the table it is stored in.
enum class Parent { None, ContractLine, OrderLine };
struct DetailView {
  const char* dataSet;
  const char* method;  // nullptr: never fetched by the screen
  Parent parent;
  const char* table;  // nullptr: not stored (a list shown only)
};
constexpr DetailView kDetails[] = {
    {"cdsDadosContLinhaProd", "GetDadosContLinhaProd", Parent::None, "PROPOSTALINP"},
    {"cdsSistLinhaProd", "GetSistLinhaProd", Parent::ContractLine, "SISTPROPLINP"},
    {"cdsDadosContServico", "GetDadosContServico", Parent::None, "PROPOSTASERV"},
    {"cdsPedidosLinhaProd", "GetPedidosLinhaProd", Parent::None, "PEDILINPPROP"},
    {"cdsPedidosSist", "PedidosSist", Parent::OrderLine, nullptr},
    {"cdsVenc_Valor", "GetVenc_Valor", Parent::OrderLine, "VENCLUSOPROP"},
    {"cdsPedidosServico", "GetPedidosServico", Parent::None, "PEDISERVPROP"},
    {"cdsMensagem", nullptr, Parent::None, "TXTPROPFAS"},
};
constexpr const char* kProposalSet = "cdsProposta";
constexpr const char* kProposalTables[] = {"PROPOSTAFAS",  "PROPOSTALINP", "SISTPROPLINP", "PROPOSTASERV",
                                           "PEDILINPPROP", "VENCLUSOPROP", "PEDISERVPROP", "TXTPROPFAS"};
// Totals the server computes for each answer; never stored, so a screen that
// keeps the ones it was given is not showing other data.
constexpr const char* kComputedFields[] = {"VALORTOTALLU", "VALORTOTALMENSAL"};

bool IsComputed(const std::string& field) {
  return std::any_of(std::begin(kComputedFields), std::end(kComputedFields),
                     [&](const char* name) { return field == name; });
}

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

std::string SqlText(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

plat::TClientDataSet* DataSetOf(plat::TForm* screen, const std::string& name) {
  return screen ? dynamic_cast<plat::TClientDataSet*>(screen->FindComponent(name)) : nullptr;
}

// A field of the current record as text; empty when there is no record.
std::string Current(const plat::TDataSet* dataSet, const char* field) {
  if (!dataSet || !dataSet->Active() || (dataSet->IsEmpty() && !dataSet->Editing())) return "";
  const plat::TField* found = dataSet->FindField(field);
  return found ? found->AsString() : "";
}

// The value the server holds for a field of the current record, or nullopt
// when it holds no such record (one being inserted, or inserted and still to
// be sent). A record whose change is still to be sent (a send refused or
// failed) holds what its logged change started from; one being edited
// otherwise, what it had when the edit began.
std::optional<std::string> ServerValue(const plat::TDataSet* dataSet, const char* field) {
  if (dataSet && dataSet->State() == plat::DataSetState::Insert) return std::nullopt;
  const plat::TField* found = dataSet ? dataSet->FindField(field) : nullptr;
  if (!found) return "";
  const bool editing = dataSet->State() == plat::DataSetState::Edit;
  auto* client = dynamic_cast<const plat::TClientDataSet*>(dataSet);
  if (client && client->Active() && client->ChangeCount() > 0) {
    // The logged change whose new values are the record's (while it is
    // edited, the values it had when the edit began).
    const plat::Delta delta = client->GetDelta();
    for (const plat::DeltaEntry& entry : delta.changes) {
      if (entry.kind == plat::ChangeKind::Delete) continue;
      bool same = true;
      for (std::size_t i = 0; same && i < delta.fields.size(); ++i) {
        const plat::TField* other = dataSet->FindField(delta.fields[i].name);
        same = other && i < entry.current.size() && (editing ? other->OldValue() : other->Value()) == entry.current[i];
      }
      if (!same) continue;
      if (entry.kind == plat::ChangeKind::Insert) return std::nullopt;
      if (int index = delta.FieldIndex(field); index >= 0) return found->ValueText(entry.original[index]);
      break;
    }
  }
  if (editing) return found->ValueText(found->OldValue());
  return Current(dataSet, field);
}

// A field of the current record as the server stored it ("" when it is not
// stored).
std::string Stored(const plat::TDataSet* dataSet, const char* field) {
  return ServerValue(dataSet, field).value_or("");
}

std::vector<const plat::TField*> DataFields(const plat::TDataSet& dataSet) {
  std::vector<const plat::TField*> fields;
  for (const plat::TField* field : dataSet.Fields())
    if (field->Kind() == plat::FieldKind::Data) fields.push_back(field);
  return fields;
}

// The fields of a detail the screen shows (a visible column of a grid on it,
// or an edit bound to it) and the keys its rows are told apart by. Other
// fields are carried as the server delivered them when the row was read and
// are not refreshed by the screen after a post.
std::set<std::string> ShownFields(const plat::TForm& screen, const plat::TDataSet& dataSet) {
  std::set<std::string> names = {"NRPROPOSFAS", "NRVERPROPFAS", "NRLINPPEDP", "NRSERVPEDP", "CDLINPPROP"};
  for (const auto& component : screen.Components()) {
    if (auto* grid = dynamic_cast<const plat::TDBGrid*>(component.get())) {
      if (grid->DataSet() != &dataSet) continue;
      for (const plat::TColumn* column : grid->Columns())
        if (column->Visible && column->Field()) names.insert(column->Field()->FieldName());
    } else if (auto* edit = dynamic_cast<const plat::TDBFieldControl*>(component.get())) {
      if (edit->DataSource() && edit->DataSource()->DataSet() == &dataSet) names.insert(edit->DataField());
    }
  }
  return names;
}

std::string Describe(const std::vector<std::string>& names, const std::vector<std::string>& row) {
  std::string text;
  for (std::size_t i = 0; i < names.size() && i < row.size(); ++i)
    text += (text.empty() ? "" : ", ") + names[i] + "=" + Quote(row[i]);
  return "{" + text + "}";
}

using Rowset = std::vector<std::vector<std::string>>;

// The rows that one side has more often than the other.
Rowset Only(Rowset a, Rowset b) {
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  Rowset only;
  std::set_difference(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(only));
  return only;
}

// What differs between the screen's rows and the server's: for one row
// against one, the fields that differ; otherwise the rows of each side.
std::string Difference(const Rowset& shown, const Rowset& served, const std::vector<std::string>& names) {
  Rowset screen = Only(shown, served), server = Only(served, shown);
  if (screen.size() == 1 && server.size() == 1) {
    std::string text;
    for (std::size_t i = 0; i < names.size(); ++i)
      if (screen[0][i] != server[0][i])
        text +=
            (text.empty() ? "" : ", ") + names[i] + " " + Quote(screen[0][i]) + " (server " + Quote(server[0][i]) + ")";
    return "one row shows " + text;
  }
  auto list = [&](const Rowset& only) {
    std::string text;
    for (std::size_t i = 0; i < only.size() && i < 3; ++i)
      text += (text.empty() ? "" : "; ") + Describe(names, only[i]);
    if (only.size() > 3) text += "; ... " + std::to_string(only.size() - 3) + " more";
    return text.empty() ? std::string("none") : text;
  };
  return "only on screen: " + list(screen) + "; only on the server: " + list(server);
}

// A key field of a master's current record as its details hang on it: as
// the server stored it, or as given to a record not stored yet.
std::string MasterKey(const plat::TDataSet* master, const char* field) {
  return ServerValue(master, field).value_or(Current(master, field));
}

// The key of the current proposal as its details hang on it: number and
// version (a number being typed over is not the key its details were read by).
std::pair<std::string, std::string> ProposalKey(plat::TForm* screen) {
  const plat::TDataSet* proposals = DataSetOf(screen, kProposalSet);
  return {MasterKey(proposals, "NRPROPOSFAS"), MasterKey(proposals, "NRVERPROPFAS")};
}

// A name changed on a row decides its code when the row is stored (a typed
// product, system or service name takes its entry's code): the code seen
// before is not followed. That holds too when the name was typed back to
// what it was when the edit began (a pick's code then gives way to it).
constexpr std::pair<const char*, const char*> kNamedCodes[] = {
    {"NMPROCOMERCI", "CDPROCOMERCI"}, {"NMSISTEMA", "CDSISTEMA"}, {"NMTIPOSERV", "CDTIPOSERV"}};

void NameDecidesCode(std::map<std::string, std::string>& values, const std::set<std::string>& namesChanged) {
  for (const auto& [name, code] : kNamedCodes)
    if (values.count(name) || namesChanged.count(name)) values.erase(code);
}

// Notes the names whose value changed since the last step.
void NoteNamesChanged(const std::map<std::string, std::string>& before, const std::map<std::string, std::string>& now,
                      std::set<std::string>& namesChanged) {
  for (const auto& [name, code] : kNamedCodes) {
    auto was = before.find(name), is = now.find(name);
    if (is != now.end() && (was == before.end() || was->second != is->second)) namesChanged.insert(name);
  }
}

// The server call that lists a detail's rows for the keys on screen.
ExploreInvariants::Fetch FetchOf(plat::TForm* screen, const DetailView& detail) {
  auto [number, version] = ProposalKey(screen);
  ExploreInvariants::Fetch fetch{detail.method, {number, version}};
  const plat::TDataSet* contract = DataSetOf(screen, "cdsDadosContLinhaProd");
  const plat::TDataSet* order = DataSetOf(screen, "cdsPedidosLinhaProd");
  std::string method = detail.method;
  if (detail.parent == Parent::ContractLine) fetch.args.push_back(MasterKey(contract, "CDLINPPROP"));
  if (method == "PedidosSist")
    fetch.args.insert(fetch.args.end(),
                      {MasterKey(order, "CDLINPPROP"), Current(DataSetOf(screen, kProposalSet), "CODIGO"),
                       MasterKey(order, "CDLINPCLIE")});
  if (method == "GetVenc_Valor")
    fetch.args.insert(fetch.args.end(), {MasterKey(order, "CDLINPPROP"), MasterKey(order, "CDLINPCLIE")});
  return fetch;
}

ExploreInvariants::Fetch ProposalFetch() {
  return {"GetProposta", {host::HostSession::Current().filiProc, host::HostSession::Current().operador}};
}

const DetailView* DetailNamed(const std::string& dataSet) {
  for (const DetailView& detail : kDetails)
    if (dataSet == detail.dataSet) return &detail;
  return nullptr;
}

// A row of a packet in canonical texts, for the given field names (absent: "").
std::vector<std::string> PacketRow(const plat::DataPacket& packet, const plat::Row& row,
                                   const std::vector<std::string>& names) {
  std::vector<std::string> texts;
  for (const std::string& name : names) {
    int index = packet.FieldIndex(name);
    texts.push_back(index < 0 || index >= static_cast<int>(row.size()) ? "" : CanonicalValue(row[index]));
  }
  return texts;
}

bool DialogShown(const std::vector<host::DialogRecord>& transcript, std::size_t from) {
  for (std::size_t i = from; i < transcript.size(); ++i) {
    auto kind = transcript[i].kind;
    if (kind == host::DialogRecord::Kind::Message || kind == host::DialogRecord::Kind::Error) return true;
  }
  return false;
}

}  // namespace

const char* InvariantName(int invariant) {
  switch (invariant) {
    case 1:
      return "detail rows carry the keys on screen";
    case 2:
      return "the screen shows what the server holds";
    case 3:
      return "no typed value disappears silently";
    case 4:
      return "an accepted proposal stays as stored";
    case 5:
      return "actions end cleanly";
  }
  return "a step of the scenario";
}

std::string Violation::Text() const {
  return "invariant " + std::to_string(invariant) + " (" + InvariantName(invariant) + "): " + detail;
}

std::string CanonicalValue(const plat::Variant& value) {
  switch (value.Type()) {
    case plat::VarType::Null:
      return "";
    case plat::VarType::Text: {
      std::string text = value.ToText();
      while (!text.empty() && text.back() == ' ') text.pop_back();
      return text;
    }
    case plat::VarType::DateTime:
      return value.ToDateTime().ToIso();
    case plat::VarType::Boolean:
      return value.ToText();
    default: {
      double number = value.ToDouble();
      if (std::fabs(number) < 5e-5) number = 0;
      char text[64];
      std::snprintf(text, sizeof text, "%.4f", number);
      return text;
    }
  }
}

// The values one record took while it was edited, and where the server
// lists the record once stored.
struct ExploreInvariants::Tracked {
  plat::DataSetState state = plat::DataSetState::Browse;
  int recNo = 0;
  std::map<std::string, std::string> baseline;    // field → value when the edit began (or was excused)
  std::map<std::string, std::string> values;      // fields changed since
  std::map<std::string, std::string> last;        // field → value at the last step
  std::set<std::string> namesChanged;             // names changed at some step of the edit
  std::pair<std::string, std::string> storedKey;  // the proposal's number and version as stored
  Fetch fetch;
  std::string where;  // the step that began the edit
};

struct ExploreInvariants::Candidate {
  std::string dataSet;
  Fetch fetch;
  std::map<std::string, std::string> values;
  std::string where;
};

ExploreInvariants::ExploreInvariants(StepContext& context) : context_(context) {}
ExploreInvariants::~ExploreInvariants() = default;

void ExploreInvariants::Break(int invariant, const std::string& detail) {
  broken_ = Violation{invariant, detail};
  Fail("invariant " + std::to_string(invariant) + " (" + InvariantName(invariant) + ") to hold", detail);
}

host::TNetConnection& ExploreInvariants::Connection() {
  if (!connection_) {
    connection_ = std::make_unique<host::TNetConnection>(nullptr, "netExplorer");
    connection_->ServerName = "PSR41300.rdmSolicitaProposta";
    connection_->ThrowException = false;
  }
  const host::HostSession& session = host::HostSession::Current();
  if (connection_->Host != session.webURL || connection_->Port != session.webPort) {
    connection_->SetConnected(false);
    connection_->Host = session.webURL;
    connection_->Port = session.webPort;
  }
  if (!connection_->Connected()) connection_->SetConnected(true);
  return *connection_;
}

std::optional<plat::DataPacket> ExploreInvariants::Rows(const Fetch& fetch) {
  if (failing_.count(Upper(fetch.method))) return std::nullopt;
  std::vector<plat::RpcArg> args(fetch.args.begin(), fetch.args.end());
  host::ServerResult result = Connection().AppServer(fetch.method, std::move(args));
  if (result.Failed() || result.kind != host::ServerResult::Kind::Packet) return std::nullopt;
  return std::move(result.packet);
}

plat::DataPacket ExploreInvariants::Query(const std::string& sql) {
  host::ServerResult result = Connection().Call("Host", "Sql", {sql});
  if (result.Failed()) throw StepFailure("the explorer's query to run: " + sql, "error: " + result.error);
  return std::move(result.packet);
}

// Follows the screen's calls: a failure queued by fail-next is taken by the
// screen's call of that method; a successful fetch of a detail another
// client changed brings it up to date.
void ExploreInvariants::NoteCalls() {
  const auto& calls = context_.calls.All();
  for (; callsSeen_ < calls.size(); ++callsSeen_) {
    const RecordedCall& call = calls[callsSeen_];
    std::string method = Upper(call.method);
    if (!call.error.empty()) {
      auto failing = failing_.find(method);
      if (failing != failing_.end() && --failing->second == 0) failing_.erase(failing);
      continue;
    }
    for (const DetailView& detail : kDetails)
      if (detail.method && Upper(detail.method) == method) stale_.erase(detail.dataSet);
  }
}

void ExploreInvariants::Before(const Step& step) {
  NoteCalls();
  dialogsBefore_ = context_.dialogs.Transcript().size();
  acceptedKey_.reset();
  acceptedRows_.clear();
  if (!step.type->action) return;
  plat::TForm* screen = context_.host.Screen();
  const plat::TDataSet* proposals = DataSetOf(screen, kProposalSet);
  // Accepted as stored: an acceptance date being typed accepts nothing yet.
  if (Stored(proposals, "DTACEPROPFAS").empty()) return;
  acceptedKey_ = ProposalKey(screen);
  acceptedRows_ = AcceptedSnapshot(acceptedKey_->first, acceptedKey_->second);
}

std::string ExploreInvariants::Escaped(const Step&, const std::string& error) {
  broken_ = Violation{5, "an error escaped the action: " + error};
  return "expected invariant 5 (" + std::string(InvariantName(5)) +
         ") to hold, got an error escaping the action: " + error;
}

void ExploreInvariants::After(const Step& step) {
  NoteCalls();
  if (step.type->key == "sql") {
    // Another client changed rows: the screen may show them as they were
    // until it fetches them again, and what was typed may meet a conflict.
    std::string sql = Upper(step.tail);
    bool known = false;
    for (const DetailView& detail : kDetails)
      if (detail.table && sql.find("UPDATE " + std::string(detail.table) + " ") != std::string::npos) {
        stale_.insert(detail.dataSet);
        known = true;
      }
    if (!known)
      for (const DetailView& detail : kDetails) stale_.insert(detail.dataSet);
    candidates_.clear();
    return;
  }
  if (step.type->key == "fail-next") {
    ++failing_[Upper(step.Arg(0))];
    return;
  }
  if (!step.type->action) return;
  bool dialog = DialogShown(context_.dialogs.Transcript(), dialogsBefore_);
  CheckWaitAndCursor();
  CheckKeys();
  CheckAccepted();
  TrackValues(step, dialog);
  if (!dialog) CheckServerView();
}

// ---- 5: the wait animation and the cursor

void ExploreInvariants::CheckWaitAndCursor() {
  int depth = host::Showavi::Depth();
  if (depth != 0 || context_.dialogs.WaitDepth() != 0)
    Break(5, "the wait animation was left started (depth " + std::to_string(depth) + ", shown " +
                 std::to_string(context_.dialogs.WaitDepth()) + ")");
  int cursor = host::TApplication::Current().Cursor;
  if (cursor != host::crDefault) Break(5, "the cursor was left as " + std::to_string(cursor));
}

// ---- 1: the keys of the detail rows

void ExploreInvariants::CheckKeys() {
  plat::TForm* screen = context_.host.Screen();
  const plat::TDataSet* proposals = DataSetOf(screen, kProposalSet);
  if (!proposals || !proposals->Active()) return;
  // A key being edited, or changed and still to be sent, may be read as it
  // was or as it is now.
  auto keyValues = [](const plat::TDataSet* dataSet, const char* field) {
    std::set<std::string> values;
    if (!dataSet || !dataSet->Active() || (dataSet->IsEmpty() && !dataSet->Editing())) return values;
    if (const plat::TField* found = dataSet->FindField(field)) {
      values.insert(found->AsString());
      if (dataSet->State() == plat::DataSetState::Edit) values.insert(CanonicalValue(found->OldValue()));
      if (std::string stored = Stored(dataSet, field); !stored.empty()) values.insert(stored);
    }
    return values;
  };
  struct Key {
    const char* field;
    std::set<std::string> allowed;
    std::string owner;
  };
  const plat::TDataSet* contract = DataSetOf(screen, "cdsDadosContLinhaProd");
  const plat::TDataSet* order = DataSetOf(screen, "cdsPedidosLinhaProd");
  for (const DetailView& detail : kDetails) {
    const plat::TDataSet* dataSet = DataSetOf(screen, detail.dataSet);
    if (!dataSet || !dataSet->Active()) continue;
    std::vector<Key> keys = {{"NRPROPOSFAS", keyValues(proposals, "NRPROPOSFAS"), "the current proposal"},
                             {"NRVERPROPFAS", keyValues(proposals, "NRVERPROPFAS"), "the current proposal"}};
    if (std::string(detail.dataSet) == "cdsSistLinhaProd")
      keys.push_back({"CDLINPPROP", keyValues(contract, "CDLINPPROP"), "the current contract line"});
    if (std::string(detail.dataSet) == "cdsVenc_Valor")
      keys.push_back({"NRLINPPEDP", keyValues(order, "NRLINPPEDP"), "the current ordered line"});
    int inserting = dataSet->State() == plat::DataSetState::Insert ? dataSet->ViewCurrentRow() : -1;
    for (int row = 0; row < dataSet->ViewRowCount(); ++row) {
      if (row == inserting) continue;
      std::string wrong;
      dataSet->ReadViewRow(row, [&] {
        for (const Key& key : keys) {
          const plat::TField* field = dataSet->FindField(key.field);
          if (!field || key.allowed.empty()) continue;
          std::string value = field->AsString();
          if (!key.allowed.count(value))
            wrong = std::string(key.field) + " " + Quote(value) + " where " + key.owner + " has " +
                    Quote(*key.allowed.begin());
        }
      });
      if (!wrong.empty())
        Break(1, std::string(detail.dataSet) + " row " + std::to_string(row + 1) + " of " +
                     std::to_string(dataSet->ViewRowCount()) + " has " + wrong);
    }
  }
}

// ---- 4: an accepted proposal is not changed

std::vector<ExploreInvariants::StoredRow> ExploreInvariants::AcceptedSnapshot(const std::string& number,
                                                                              const std::string& version) {
  std::vector<StoredRow> rows;
  for (const char* table : kProposalTables) {
    plat::DataPacket packet = Query(std::string("SELECT * FROM ") + table + " WHERE NRPROPOSFAS = " + SqlText(number) +
                                    " AND NRVERPROPFAS = " + SqlText(version));
    std::vector<std::string> names;
    for (const plat::FieldDef& def : packet.fields) names.push_back(def.name);
    for (const plat::Row& row : packet.rows) rows.push_back({table, names, PacketRow(packet, row, names)});
  }
  std::sort(rows.begin(), rows.end());
  return rows;
}

void ExploreInvariants::CheckAccepted() {
  if (!acceptedKey_) return;
  std::vector<StoredRow> now = AcceptedSnapshot(acceptedKey_->first, acceptedKey_->second);
  if (now == acceptedRows_) return;
  std::vector<StoredRow> gone, added;
  std::set_difference(acceptedRows_.begin(), acceptedRows_.end(), now.begin(), now.end(), std::back_inserter(gone));
  std::set_difference(now.begin(), now.end(), acceptedRows_.begin(), acceptedRows_.end(), std::back_inserter(added));
  std::string text;
  // A changed row shows as one gone and one added of the same table: name
  // the columns that differ; other rows were deleted or inserted.
  for (const StoredRow& before : gone) {
    auto same = std::find_if(added.begin(), added.end(), [&](const StoredRow& after) {
      return after.table == before.table && after.names == before.names && after.values.size() > 2 &&
             std::equal(after.values.begin(), after.values.begin() + 3, before.values.begin());
    });
    std::string change;
    if (same == added.end()) {
      change = before.table + " deleted " + Describe(before.names, before.values);
    } else {
      for (std::size_t i = 0; i < before.values.size(); ++i)
        if (before.values[i] != same->values[i])
          change += (change.empty() ? before.table + " " : ", ") + before.names[i] + " " + Quote(before.values[i]) +
                    " -> " + Quote(same->values[i]);
      added.erase(same);
    }
    text += (text.empty() ? "" : "; ") + change;
  }
  for (const StoredRow& after : added)
    text += (text.empty() ? "" : "; ") + after.table + " inserted " + Describe(after.names, after.values);
  Break(4, "the accepted proposal " + acceptedKey_->first + "/" + acceptedKey_->second + " was changed: " + text);
}

// ---- 3: typed values reach the server or are pending

void ExploreInvariants::TrackValues(const Step& step, bool dialogShown) {
  plat::TForm* screen = context_.host.Screen();
  // What this step takes back on purpose: Escape in a grid the row being
  // edited there, a pick what the picked entry's values replace there,
  // Cancelar every pending change.
  std::string discards;
  if (step.type->key == "click" && (step.Arg(0) == "sbtCancelar" || step.Arg(0) == "mnuCancelar")) discards = "*";
  if (step.type->key == "key" && step.Arg(0) == "escape" && screen) {
    auto* grid =
        dynamic_cast<plat::TDBGrid*>(step.HasArg(1) ? screen->FindComponent(step.Arg(1)) : screen->ActiveControl());
    if (grid && grid->DataSet()) discards = grid->DataSet()->Name();
  }
  if (step.type->key == "ellipsis" && screen)
    if (auto* grid = dynamic_cast<plat::TDBGrid*>(screen->FindComponent(step.Arg(0))); grid && grid->DataSet())
      discards = grid->DataSet()->Name();
  auto fieldsNow = [](const plat::TDataSet& dataSet, bool old) {
    std::map<std::string, std::string> values;
    for (const plat::TField* field : DataFields(dataSet))
      values[field->FieldName()] = CanonicalValue(old ? field->OldValue() : field->Value());
    return values;
  };
  // Whether text is still pending in a control over the record (a grid's
  // cell editor, an edit): what its fields hold now is not what the user
  // last asked for (the typed text replaces a value, a typed name the code
  // a pick put there), so the record's values are followed again only once
  // the text is written.
  auto textPending = [screen](const plat::TDataSet& dataSet) {
    for (const auto& owned : screen->Components()) {
      if (auto* grid = dynamic_cast<const plat::TDBGrid*>(owned.get())) {
        if (grid->DataSet() == &dataSet && grid->EditorModified()) return true;
      } else if (auto* edit = dynamic_cast<const plat::TDBFieldControl*>(owned.get())) {
        if (edit->DataSource() && edit->DataSource()->DataSet() == &dataSet && edit->Modified()) return true;
      }
    }
    return false;
  };

  std::vector<std::string> names = {kProposalSet};
  for (const DetailView& detail : kDetails)
    if (detail.method) names.push_back(detail.dataSet);
  for (const std::string& name : names) {
    plat::TClientDataSet* dataSet = DataSetOf(screen, name);
    bool editing = dataSet && dataSet->Active() && dataSet->Editing();
    auto found = tracked_.find(name);
    Tracked* tracked = found == tracked_.end() ? nullptr : found->second.get();
    if (tracked && editing && dataSet->State() == tracked->state && dataSet->RecNo() == tracked->recNo) {
      std::map<std::string, std::string> now = fieldsNow(*dataSet, false);
      for (auto& [field, value] : now) {
        if (value != tracked->baseline[field])
          tracked->values[field] = value;
        else
          tracked->values.erase(field);
      }
      NoteNamesChanged(tracked->last, now, tracked->namesChanged);
      tracked->last = std::move(now);
      if (textPending(*dataSet)) tracked->values.clear();
      NameDecidesCode(tracked->values, tracked->namesChanged);
      if (name == kProposalSet && tracked->state == plat::DataSetState::Edit)
        for (const char* key : {"NRPROPOSFAS", "NRVERPROPFAS"})
          tracked->values.try_emplace(key, tracked->baseline[key]);
      continue;
    }
    if (tracked) {
      // The record was left: posted, cancelled, or dropped.
      bool takenBack = discards == "*" || discards == name;
      bool changed = false;
      // A new row left with nothing typed into it has nothing to lose.
      for (auto& [field, value] : tracked->values)
        changed = changed || (!(name == kProposalSet && (field == "NRPROPOSFAS" || field == "NRVERPROPFAS")) &&
                              !(tracked->state == plat::DataSetState::Insert && value.empty()));
      if (!takenBack && changed) candidates_.push_back({name, tracked->fetch, tracked->values, tracked->where});
      // A proposal typed under another key takes its details along if the
      // key is stored: they are looked for under the new one too.
      if (name == kProposalSet && tracked->state == plat::DataSetState::Edit && !takenBack) {
        // From the key as stored: a message shown since excuses the typed
        // values, not the key the details are stored under.
        const std::pair<std::string, std::string>& from = tracked->storedKey;
        std::pair<std::string, std::string> to{tracked->values["NRPROPOSFAS"], tracked->values["NRVERPROPFAS"]};
        if (from != to) renamed_[from] = to;
      }
      tracked_.erase(found);
    }
    if (!editing) continue;
    auto fresh = std::make_unique<Tracked>();
    fresh->state = dataSet->State();
    fresh->recNo = dataSet->RecNo();
    fresh->baseline = fieldsNow(*dataSet, fresh->state == plat::DataSetState::Edit);
    fresh->storedKey = {fresh->baseline["NRPROPOSFAS"], fresh->baseline["NRVERPROPFAS"]};
    fresh->where = step.Where();
    const DetailView* detail = DetailNamed(name);
    fresh->fetch = detail ? FetchOf(screen, *detail) : ProposalFetch();
    fresh->last = fieldsNow(*dataSet, false);
    for (auto& [field, value] : fresh->last)
      if (value != fresh->baseline[field]) fresh->values[field] = value;
    if (textPending(*dataSet)) fresh->values.clear();
    NameDecidesCode(fresh->values, fresh->namesChanged);
    if (name == kProposalSet && fresh->state == plat::DataSetState::Edit)
      for (const char* key : {"NRPROPOSFAS", "NRVERPROPFAS"}) fresh->values.try_emplace(key, fresh->baseline[key]);
    tracked_[name] = std::move(fresh);
  }
  if (discards == "*") candidates_.clear();
  if (dialogShown) {
    // The user was told something: what was typed so far is excused, and
    // only what changes from here on is followed.
    candidates_.clear();
    for (auto& [name, tracked] : tracked_) {
      plat::TClientDataSet* dataSet = DataSetOf(screen, name);
      tracked->baseline = fieldsNow(*dataSet, false);
      tracked->values.clear();
    }
    return;
  }
  for (std::size_t i = 0; i < candidates_.size();) {
    const Candidate& candidate = candidates_[i];
    plat::TClientDataSet* dataSet = DataSetOf(screen, candidate.dataSet);
    if (dataSet && dataSet->ChangeCount() > 0) {
      ++i;  // pending in the change log
      continue;
    }
    std::optional<plat::DataPacket> rows = Rows(candidate.fetch);
    if (!rows) {
      ++i;  // the server is due to fail that call: look again later
      continue;
    }
    // A detail row's proposal key is the one it is fetched by, under which
    // it is looked for below (the proposal's new key, once stored, too).
    auto proposalKey = [&](const std::string& field) {
      return candidate.dataSet != kProposalSet && (field == "NRPROPOSFAS" || field == "NRVERPROPFAS");
    };
    std::vector<std::string> fields, wanted;
    for (auto& [field, value] : candidate.values)
      if (rows->FieldIndex(field) >= 0 && !IsComputed(field) && !proposalKey(field)) {
        fields.push_back(field);
        wanted.push_back(value);
      }
    bool stored = fields.empty();
    for (const plat::Row& row : rows->rows) stored = stored || PacketRow(*rows, row, fields) == wanted;
    // A proposal or line stored under another key since took its rows
    // with it: they are looked for under the keys on screen now, and under
    // the proposal's new key, too.
    std::vector<Fetch> elsewhere;
    if (const DetailView* detail = DetailNamed(candidate.dataSet)) elsewhere.push_back(FetchOf(screen, *detail));
    if (candidate.fetch.args.size() >= 2)
      if (auto to = renamed_.find({candidate.fetch.args[0], candidate.fetch.args[1]}); to != renamed_.end()) {
        Fetch moved = candidate.fetch;
        moved.args[0] = to->second.first;
        moved.args[1] = to->second.second;
        elsewhere.push_back(moved);
      }
    for (const Fetch& fetch : elsewhere) {
      if (stored) break;
      if (std::optional<plat::DataPacket> moved = Rows(fetch))
        for (const plat::Row& row : moved->rows) stored = stored || PacketRow(*moved, row, fields) == wanted;
    }
    if (!stored)
      Break(3, "the values " + Describe(fields, wanted) + " of " + candidate.dataSet + " (edited from " +
                   candidate.where + ") are neither stored by " + candidate.fetch.method +
                   " nor pending, and no "
                   "message was shown");
    candidates_.erase(candidates_.begin() + static_cast<std::ptrdiff_t>(i));
  }
}

// ---- 2: the screen shows what the server holds

void ExploreInvariants::CheckServerView() {
  plat::TForm* screen = context_.host.Screen();
  if (!screen) return;
  for (const auto& owned : screen->Components()) {
    auto* dataSet = dynamic_cast<const plat::TDataSet*>(owned.get());
    if (dataSet && dataSet->Editing()) return;
    auto* client = dynamic_cast<const plat::TClientDataSet*>(owned.get());
    if (client && client->Active() && client->ChangeCount() > 0) return;
  }
  const plat::TDataSet* proposals = DataSetOf(screen, kProposalSet);
  if (!proposals || !proposals->Active() || proposals->IsEmpty()) return;
  auto [number, version] = ProposalKey(screen);
  for (const DetailView& detail : kDetails) {
    const plat::TDataSet* dataSet = DataSetOf(screen, detail.dataSet);
    if (!detail.method || !dataSet || !dataSet->Active() || stale_.count(detail.dataSet)) continue;
    Fetch fetch = FetchOf(screen, detail);
    std::optional<plat::DataPacket> rows = Rows(fetch);
    if (!rows) continue;
    std::vector<std::string> names;
    const std::set<std::string> shownFields = ShownFields(*screen, *dataSet);
    for (const plat::TField* field : DataFields(*dataSet))
      if (rows->FieldIndex(field->FieldName()) >= 0 && !IsComputed(field->FieldName()) &&
          shownFields.count(field->FieldName()))
        names.push_back(field->FieldName());
    std::vector<std::vector<std::string>> shown, served;
    for (int row = 0; row < dataSet->ViewRowCount(); ++row)
      dataSet->ReadViewRow(row, [&] {
        std::vector<std::string> texts;
        for (const std::string& name : names) texts.push_back(CanonicalValue(dataSet->FieldByName(name).Value()));
        shown.push_back(std::move(texts));
      });
    for (const plat::Row& row : rows->rows) served.push_back(PacketRow(*rows, row, names));
    std::vector<std::vector<std::string>> a = shown, b = served;
    std::sort(a.begin(), a.end());
    std::sort(b.begin(), b.end());
    if (a == b) continue;
    std::string call = fetch.method + "(";
    for (std::size_t i = 0; i < fetch.args.size(); ++i) call += (i ? ", " : "") + Quote(fetch.args[i]);
    Break(2, std::string(detail.dataSet) + " shows " + std::to_string(shown.size()) + " row(s) for proposal " + number +
                 "/" + version + ", " + call + ") gives " + std::to_string(served.size()) + "; " +
                 Difference(shown, served, names));
  }
  std::optional<plat::DataPacket> list = Rows(ProposalFetch());
  if (!list) return;
  std::vector<std::string> names;
  for (const plat::TField* field : DataFields(*proposals))
    if (list->FieldIndex(field->FieldName()) >= 0) names.push_back(field->FieldName());
  std::vector<std::string> shown;
  for (const std::string& name : names) shown.push_back(CanonicalValue(proposals->FieldByName(name).Value()));
  std::vector<std::string> keyNames = {"NRPROPOSFAS", "NRVERPROPFAS"};
  for (const plat::Row& row : list->rows) {
    if (PacketRow(*list, row, keyNames) != std::vector<std::string>{number, version}) continue;
    std::vector<std::string> served = PacketRow(*list, row, names);
    if (served == shown) return;
    std::vector<std::string> differ;
    for (std::size_t i = 0; i < names.size(); ++i)
      if (served[i] != shown[i])
        differ.push_back(names[i] + " " + Quote(shown[i]) + " (server " + Quote(served[i]) + ")");
    std::string text;
    for (auto& each : differ) text += (text.empty() ? "" : ", ") + each;
    Break(2, "the current proposal " + number + "/" + version + " shows " + text);
  }
  Break(2, "the current proposal " + number + "/" + version + " is not among the server's proposals");
}

}  // namespace hostapp
