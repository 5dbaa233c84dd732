// The SQLite back end of Storage: one connection per Storage object, in WAL
// mode so that readers never wait for the writer, with prepared statements
// kept for reuse.
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cctype>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <unordered_map>

#include "appserver/field_value.h"
#include "appserver/storage.h"

namespace appsrv {

using plat::DataPacket;
using plat::FieldType;
using plat::Variant;

Column ColumnFromDeclaration(const std::string& name, const std::string& declaredType) {
  std::string type = declaredType;
  for (auto& c : type) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  auto has = [&](const char* part) { return type.find(part) != std::string::npos; };
  Column column{name, FieldType::String, 0};
  if (has("DATE") || has("TIME"))
    column.type = FieldType::DateTime;
  else if (has("INT"))
    column.type = FieldType::Integer;
  else if (has("REAL") || has("FLOA") || has("DOUB"))
    column.type = FieldType::Float;
  else if (has("NUM") || has("DEC"))
    column.type = FieldType::Decimal;
  else if (has("BLOB") || has("CLOB"))
    column.type = FieldType::Blob;
  if (column.type == FieldType::String || column.type == FieldType::Decimal) {
    auto open = type.find('(');
    if (open != std::string::npos) column.size = std::atoi(type.c_str() + open + 1);
  }
  return column;
}

namespace {

std::string SqliteDeclarations(const std::string& schema) {
  // A declared type holding "TEXT" gives the column text affinity, so that
  // SQLite keeps a decimal's digits as written instead of turning them into
  // a double ("12345678901234567890" would come back as ...7168); the
  // declaration still reads back as a decimal of its size.
  std::string out = schema;
  for (std::size_t at = out.find("NUMERIC("); at != std::string::npos; at = out.find("NUMERIC(", at + 13))
    out.replace(at, 8, "NUMERIC_TEXT(");
  return out;
}

constexpr std::size_t kMaxCachedStatements = 256;

// Resets a statement after use so that it can be run again.
struct StatementUse {
  sqlite3_stmt* stmt;
  ~StatementUse() {
    sqlite3_reset(stmt);
    sqlite3_clear_bindings(stmt);
  }
};

// "UNIQUE constraint failed: T.A, T.B" -> {"A", "B"}.
std::vector<std::string> ConstraintColumns(const std::string& message) {
  std::vector<std::string> columns;
  auto colon = message.find(": ");
  if (colon == std::string::npos) return columns;
  std::string rest = message.substr(colon + 2);
  std::size_t start = 0;
  while (start <= rest.size()) {
    auto comma = rest.find(", ", start);
    std::string item = rest.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    auto dot = item.rfind('.');
    columns.push_back(dot == std::string::npos ? item : item.substr(dot + 1));
    if (comma == std::string::npos) break;
    start = comma + 2;
  }
  return columns;
}

Variant RawValue(sqlite3_stmt* stmt, int column) {
  switch (sqlite3_column_type(stmt, column)) {
    case SQLITE_NULL:
      return Variant();
    case SQLITE_INTEGER:
      return Variant(static_cast<int64_t>(sqlite3_column_int64(stmt, column)));
    case SQLITE_FLOAT:
      return Variant(sqlite3_column_double(stmt, column));
    default: {
      auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, column));
      return Variant::OfText(
          std::string_view(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt, column))));
    }
  }
}

// The row a statement stands on, read in place (QueryRows).
class StatementRow final : public ResultRow {
 public:
  explicit StatementRow(sqlite3_stmt* stmt) : stmt_(stmt) {}
  plat::VarType Kind(int column) const override {
    switch (sqlite3_column_type(stmt_, column)) {
      case SQLITE_NULL:
        return plat::VarType::Null;
      case SQLITE_INTEGER:
        return plat::VarType::Integer;
      case SQLITE_FLOAT:
        return plat::VarType::Float;
      default:
        return plat::VarType::Text;
    }
  }
  std::string_view Text(int column) const override {
    auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return std::string_view(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt_, column)));
  }
  Variant Value(int column) const override { return RawValue(stmt_, column); }

 private:
  sqlite3_stmt* stmt_;
};

// The type of a computed column, from the values it holds: integer, float
// when any value is fractional, string when any is text.
FieldType TypeFromValues(const std::vector<plat::Row>& rows, std::size_t column) {
  FieldType type = FieldType::String;
  bool seen = false;
  for (const auto& row : rows) {
    const Variant& v = row[column];
    if (v.IsNull()) continue;
    FieldType t = v.Type() == plat::VarType::Integer ? FieldType::Integer
                  : v.Type() == plat::VarType::Float ? FieldType::Float
                                                     : FieldType::String;
    if (!seen || t == FieldType::String || (t == FieldType::Float && type == FieldType::Integer)) type = t;
    seen = true;
    if (type == FieldType::String) break;
  }
  return type;
}

// A connection's name: its server process, the moment that process began
// (so that a later process given the same number is another one) and a
// count of the process's connections.
std::string ProcessStart(pid_t pid) {
  std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
  std::string line;
  if (!std::getline(stat, line)) return "";
  auto close = line.rfind(')');  // the program name may hold spaces
  if (close == std::string::npos) return "";
  std::istringstream fields(line.substr(close + 2));
  std::string field;
  for (int i = 3; i <= 22 && fields >> field; ++i)
    if (i == 22) return field;  // starttime
  return "";
}

struct ProcessSessions {
  std::mutex mutex;
  std::set<std::string> live;
  std::atomic<uint64_t> counter{0};
};

ProcessSessions& OwnSessions() {
  static ProcessSessions sessions;
  return sessions;
}

const std::string& OwnProcessName() {
  static const std::string name = std::to_string(getpid()) + "." + ProcessStart(getpid());
  return name;
}

class SqliteStorage final : public Storage {
 public:
  SqliteStorage(const std::string& path, int busyTimeoutMs) {
    int rc =
        sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE | SQLITE_OPEN_NOMUTEX, nullptr);
    if (rc != SQLITE_OK) {
      std::string message = db_ ? sqlite3_errmsg(db_) : sqlite3_errstr(rc);
      sqlite3_close(db_);
      db_ = nullptr;
      throw EStorageError(StorageFailure::Other, "Não foi possível abrir o banco de dados '" + path + "': " + message);
    }
    sqlite3_extended_result_codes(db_, 1);
    sqlite3_busy_timeout(db_, busyTimeoutMs);
    ExecuteScript("PRAGMA journal_mode = WAL; PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL;");
    auto& own = OwnSessions();
    session_ = OwnProcessName() + "." + std::to_string(++own.counter);
    std::lock_guard lock(own.mutex);
    own.live.insert(session_);
  }

  ~SqliteStorage() override {
    for (auto& [sql, stmt] : cache_) sqlite3_finalize(stmt);
    sqlite3_close(db_);
    auto& own = OwnSessions();
    std::lock_guard lock(own.mutex);
    own.live.erase(session_);
  }

  void CreateTables(const std::string& schema) override { ExecuteScript(SqliteDeclarations(schema)); }

  // Decimals were declared NUMERIC(n) before they were kept as text: the
  // declared type is changed in place (the stored values keep their form and
  // are read as before; new ones are stored with their exact digits).
  void UpgradeTables() override {
    auto tables = Query("SELECT name, sql FROM sqlite_master WHERE type = 'table' AND sql LIKE '%NUMERIC(%'", {});
    if (tables.rows.empty()) return;
    const int64_t version = Query("PRAGMA schema_version", {}).rows.at(0).at(0).ToInt();
    ExecuteScript("PRAGMA writable_schema = ON");
    for (const auto& row : tables.rows)
      Execute("UPDATE sqlite_master SET sql = ?1 WHERE type = 'table' AND name = ?2",
              {Variant(SqliteDeclarations(row[1].ToText())), row[0]});
    ExecuteScript("PRAGMA schema_version = " + std::to_string(version + 1) + "; PRAGMA writable_schema = OFF");
    for (auto& [sql, stmt] : cache_) sqlite3_finalize(stmt);
    cache_.clear();
    described_.clear();
    columns_.clear();
  }

  const std::string& SessionName() override { return session_; }

  // A name of this process is alive while its connection is open; a name of
  // another process while a process with that number and start runs.
  std::vector<std::string> EndedSessions(const std::vector<std::string>& names) override {
    std::vector<std::string> ended;
    auto& own = OwnSessions();
    const std::string mine = OwnProcessName() + ".";
    std::lock_guard lock(own.mutex);
    for (const auto& name : names) {
      bool alive;
      if (name.rfind(mine, 0) == 0) {
        alive = own.live.count(name) > 0;
      } else {
        auto dot = name.find('.');
        auto second = dot == std::string::npos ? dot : name.find('.', dot + 1);
        pid_t pid = static_cast<pid_t>(std::atol(name.c_str()));
        alive = second != std::string::npos && pid > 0 && ProcessStart(pid) == name.substr(dot + 1, second - dot - 1);
      }
      if (!alive) ended.push_back(name);
    }
    return ended;
  }

  DataPacket Query(const std::string& sql, const Params& params) override {
    sqlite3_stmt* stmt = Prepare(sql);
    StatementUse use{stmt};
    Bind(stmt, params);
    // Counted after the first step, which prepares the statement again when
    // the schema changed ("SELECT *" of a table that has another column).
    int rc = sqlite3_step(stmt);
    const int count = sqlite3_column_count(stmt);
    std::vector<plat::Row> rows;
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt)) {
      plat::Row row;
      row.reserve(static_cast<std::size_t>(count));
      for (int i = 0; i < count; ++i) row.push_back(RawValue(stmt, i));
      rows.push_back(std::move(row));
    }
    if (rc != SQLITE_DONE) Fail();

    DataPacket packet;
    const StatementColumns& described = ColumnsOf(stmt);
    for (int i = 0; i < count; ++i) {
      const ResultColumn& result = described.columns[std::size_t(i)];
      Column column = result.column;
      if (!result.typed) column.type = TypeFromValues(rows, std::size_t(i));
      packet.fields.push_back({column.name, column.type, column.size});
    }
    for (auto& row : rows) {
      for (std::size_t i = 0; i < row.size(); ++i) {
        if (plat::OfFieldType(row[i], packet.fields[i].type)) continue;
        try {
          row[i] = ToFieldType(row[i], packet.fields[i].type);
        } catch (const plat::EConvertError& e) {
          throw EStorageError(StorageFailure::Other,
                              "Valor inválido gravado na coluna " + packet.fields[i].name + ": " + e.what());
        }
      }
    }
    packet.rows = std::move(rows);
    return packet;
  }

  // The rows read where SQLite holds them: a text reaches the visitor as a
  // view of the statement's own bytes.
  void QueryRows(const std::string& sql, const Params& params, RowVisitor& visitor) override {
    sqlite3_stmt* stmt = Prepare(sql);
    StatementUse use{stmt};
    Bind(stmt, params);
    // Described after the first step, which prepares the statement again
    // when the schema changed.
    int rc = sqlite3_step(stmt);
    if (rc != SQLITE_ROW && rc != SQLITE_DONE) Fail();
    visitor.Columns(ColumnsOf(stmt).columns);
    const StatementRow row(stmt);
    for (; rc == SQLITE_ROW; rc = sqlite3_step(stmt)) visitor.Row(row);
    if (rc != SQLITE_DONE) Fail();
  }

  int64_t Execute(const std::string& sql, const Params& params) override {
    sqlite3_stmt* stmt = Prepare(sql);
    StatementUse use{stmt};
    Bind(stmt, params);
    int rc;
    while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE) Fail();
    return sqlite3_changes64(db_);
  }

  void ExecuteScript(const std::string& sql) override {
    char* error = nullptr;
    if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
      std::string message = error ? error : "";
      sqlite3_free(error);
      Fail(message);
    }
  }

  const std::vector<Column>& TableColumns(const std::string& table) override {
    auto found = columns_.find(table);
    if (found != columns_.end()) return found->second;
    DataPacket info = Query("SELECT name, type FROM pragma_table_info(?1)", {Variant(table)});
    if (info.rows.empty())
      throw EStorageError(StorageFailure::Other, "Tabela desconhecida no banco de dados: " + table);
    std::vector<Column> columns;
    for (auto& row : info.rows) columns.push_back(ColumnFromDeclaration(row[0].ToText(), row[1].ToText()));
    return columns_.emplace(table, std::move(columns)).first->second;
  }

  bool TableExists(const std::string& table) override {
    return !Query("SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", {Variant(table)})
                .rows.empty();
  }

  void Transaction(TxMode mode, const std::function<void()>& work) override {
    if (inTransaction_) throw EStorageError(StorageFailure::Other, "Transação já iniciada nesta conexão");
    ExecuteScript(mode == TxMode::Write ? "BEGIN IMMEDIATE" : "BEGIN");
    inTransaction_ = true;
    try {
      work();
      ExecuteScript("COMMIT");
    } catch (...) {
      sqlite3_exec(db_, "ROLLBACK", nullptr, nullptr, nullptr);
      inTransaction_ = false;
      throw;
    }
    inTransaction_ = false;
  }

 private:
  // The columns of a prepared statement: each typed by its declaration when
  // it reads a table's column; a computed one named, typed by its values
  // where it is used. Described once, and again after SQLite prepared the
  // statement anew.
  struct StatementColumns {
    int prepared = -1;  // SQLite's count of the statement's preparations again
    std::vector<ResultColumn> columns;
  };
  const StatementColumns& ColumnsOf(sqlite3_stmt* stmt) {
    StatementColumns& described = described_[stmt];
    const int prepared = sqlite3_stmt_status(stmt, SQLITE_STMTSTATUS_REPREPARE, 0);
    if (described.prepared == prepared) return described;
    described = StatementColumns{prepared, {}};
    for (int i = 0; i < sqlite3_column_count(stmt); ++i) {
      const char* declared = sqlite3_column_decltype(stmt, i);
      described.columns.push_back({declared ? ColumnFromDeclaration(sqlite3_column_name(stmt, i), declared)
                                            : Column{sqlite3_column_name(stmt, i), FieldType::String, 0},
                                   declared != nullptr});
    }
    return described;
  }

  sqlite3_stmt* Prepare(const std::string& sql) {
    auto found = cache_.find(sql);
    if (found != cache_.end()) return found->second;
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db_, sql.c_str(), static_cast<int>(sql.size()), &stmt, &tail) != SQLITE_OK) Fail();
    if (!stmt) throw EStorageError(StorageFailure::Other, "Comando SQL vazio");
    if (tail && std::any_of(tail, sql.c_str() + sql.size(),
                            [](char c) { return !std::isspace((unsigned char)c) && c != ';'; })) {
      sqlite3_finalize(stmt);
      throw EStorageError(StorageFailure::Other, "Apenas um comando SQL é aceito por vez: " + sql);
    }
    if (cache_.size() >= kMaxCachedStatements) {
      for (auto& [text, old] : cache_) sqlite3_finalize(old);
      cache_.clear();
      described_.clear();
    }
    cache_.emplace(sql, stmt);
    return stmt;
  }

  void Bind(sqlite3_stmt* stmt, const Params& params) {
    const int expected = sqlite3_bind_parameter_count(stmt);
    if (static_cast<int>(params.size()) < expected)
      throw EStorageError(StorageFailure::Other, "Comando SQL com " + std::to_string(expected) +
                                                     " parâmetros recebeu " + std::to_string(params.size()));
    for (int i = 1; i <= expected; ++i) {
      const Variant& value = params[std::size_t(i - 1)];
      int rc;
      switch (value.Type()) {
        case plat::VarType::Null:
          rc = sqlite3_bind_null(stmt, i);
          break;
        case plat::VarType::Integer:
        case plat::VarType::Boolean:
          rc = sqlite3_bind_int64(stmt, i, value.ToInt());
          break;
        case plat::VarType::Float:
          rc = sqlite3_bind_double(stmt, i, value.ToDouble());
          break;
        default: {
          std::string text = StoredText(value);
          rc = sqlite3_bind_text(stmt, i, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        }
      }
      if (rc != SQLITE_OK) Fail();
    }
  }

  [[noreturn]] void Fail(const std::string& given = {}) {
    const int code = sqlite3_extended_errcode(db_);
    const std::string message = given.empty() ? sqlite3_errmsg(db_) : given;
    switch (code) {
      case SQLITE_CONSTRAINT_PRIMARYKEY:
      case SQLITE_CONSTRAINT_UNIQUE:
        throw EStorageError(StorageFailure::Duplicate, message, ConstraintColumns(message));
      case SQLITE_CONSTRAINT_FOREIGNKEY:
        throw EStorageError(StorageFailure::MissingParent, message);
      case SQLITE_CONSTRAINT_NOTNULL:
        throw EStorageError(StorageFailure::NotNull, message, ConstraintColumns(message));
      default:
        break;
    }
    if ((code & 0xff) == SQLITE_BUSY || (code & 0xff) == SQLITE_LOCKED)
      throw EStorageError(StorageFailure::Busy,
                          "O banco de dados está ocupado com a gravação de outro usuário; tente novamente.");
    throw EStorageError(StorageFailure::Other, "Erro no banco de dados: " + message);
  }

  sqlite3* db_ = nullptr;
  std::unordered_map<std::string, sqlite3_stmt*> cache_;
  std::unordered_map<sqlite3_stmt*, StatementColumns> described_;  // of the statements in cache_
  std::unordered_map<std::string, std::vector<Column>> columns_;
  bool inTransaction_ = false;
  std::string session_;
};

}  // namespace

std::unique_ptr<Storage> OpenSqliteStorage(const std::string& path, int busyTimeoutMs) {
  return std::make_unique<SqliteStorage>(path, busyTimeoutMs);
}

}  // namespace appsrv
