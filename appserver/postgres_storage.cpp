// The PostgreSQL back end of Storage: one database connection (libpq) per
// Storage object, with prepared statements kept for reuse.
//
// Statements are written once for both back ends: "?N" parameters become
// "$N", unquoted names are folded to lower case by PostgreSQL and come back
// in upper case as the schema writes them, and every parameter is sent as
// text of no stated type, so that PostgreSQL reads it as the type of the
// column it meets (as SQLite does). Write transactions take one lock of the
// whole database, so a read-check-write sequence sees no other writer
// between its steps, on this server process or any other.
#include <libpq-fe.h>
#include <poll.h>

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <unordered_map>

#include "appserver/field_value.h"
#include "appserver/storage.h"

namespace appsrv {

using plat::DataPacket;
using plat::FieldType;
using plat::Variant;

namespace {

// The advisory lock every write transaction holds, one for the whole database.
constexpr const char* kWriteLock = "SELECT pg_advisory_xact_lock(41300)";
// How long a write transaction waits for another writer's lock.
constexpr const char* kLockWait = "SET lock_timeout = '10s'";

// Type numbers of the PostgreSQL types the schema uses (pg_type.oid).
enum : Oid {
  kBool = 16,
  kInt8 = 20,
  kInt2 = 21,
  kInt4 = 23,
  kText = 25,
  kFloat4 = 700,
  kFloat8 = 701,
  kBpchar = 1042,
  kVarchar = 1043,
  kDate = 1082,
  kTimestamp = 1114,
  kTimestampTz = 1184,
  kNumeric = 1700,
};

// Decimal columns declared without a precision keep any value given, as
// SQLite does; they are read as decimals of the size the schema gives them.
constexpr int kDecimalSize = 32;

std::string Upper(std::string text) {
  for (auto& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

// "?1", "?2" (and "?" counting on) become "$1", "$2"; quoted text, quoted
// names and comments are left as they are. used[n - 1] tells whether $n
// appears (a statement may leave out some of a call's arguments).
std::string NumberedParameters(const std::string& sql, std::vector<bool>& used) {
  std::string out;
  auto note = [&](int number) {
    if (number <= 0) return;
    if (used.size() < std::size_t(number)) used.resize(std::size_t(number), false);
    used[std::size_t(number - 1)] = true;
  };
  out.reserve(sql.size() + 8);
  int counted = 0;
  for (std::size_t i = 0; i < sql.size(); ++i) {
    const char c = sql[i];
    if (c == '\'' || c == '"') {
      std::size_t end = sql.find(c, i + 1);
      while (end != std::string::npos && end + 1 < sql.size() && sql[end + 1] == c) end = sql.find(c, end + 2);
      end = end == std::string::npos ? sql.size() - 1 : end;
      out.append(sql, i, end - i + 1);
      i = end;
    } else if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
      std::size_t end = sql.find('\n', i);
      end = end == std::string::npos ? sql.size() - 1 : end;
      out.append(sql, i, end - i + 1);
      i = end;
    } else if (c == '?') {
      std::size_t digits = i + 1;
      while (digits < sql.size() && std::isdigit(static_cast<unsigned char>(sql[digits]))) ++digits;
      if (digits > i + 1) {
        counted = std::max(counted, std::atoi(sql.c_str() + i + 1));
        note(std::atoi(sql.c_str() + i + 1));
        out += '$';
        out.append(sql, i + 1, digits - i - 1);
        i = digits - 1;
      } else {
        out += '$' + std::to_string(++counted);
        note(counted);
      }
    } else {
      out += c;
    }
  }
  return out;
}

// The schema's own types in PostgreSQL's words.
std::string PostgresDeclarations(const std::string& schema) {
  static const std::pair<std::string, std::string> kTypes[] = {
      {"DATETIME", "TIMESTAMP(3)"},  // to the millisecond, as SQLite's ISO text keeps it
      {"FLOAT", "DOUBLE PRECISION"},
      {"CLOB", "TEXT"},
  };
  std::string out = schema;
  auto isWordChar = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; };
  auto replaceWord = [&](const std::string& word, const std::string& by) {
    for (std::size_t at = out.find(word); at != std::string::npos; at = out.find(word, at)) {
      const bool starts = at == 0 || !isWordChar(out[at - 1]);
      const bool ends = at + word.size() >= out.size() || !isWordChar(out[at + word.size()]);
      if (starts && ends) {
        out.replace(at, word.size(), by);
        at += by.size();
      } else {
        at += word.size();
      }
    }
  };
  for (const auto& [word, by] : kTypes) replaceWord(word, by);
  // NUMERIC(n) keeps its fraction in SQLite; PostgreSQL would round it to n
  // digits without one, so the precision is left to the value.
  for (std::size_t at = out.find("NUMERIC("); at != std::string::npos; at = out.find("NUMERIC(", at)) {
    std::size_t close = out.find(')', at);
    if (close == std::string::npos) break;
    out.erase(at + 7, close - at - 6);
    at += 7;
  }
  return out;
}

// The field type of a column declared in PostgreSQL's words (format_type).
Column PostgresColumn(const std::string& name, const std::string& declared) {
  if (declared == "text") return {name, FieldType::Blob, 0};
  Column column = ColumnFromDeclaration(name, declared);
  if (column.type == FieldType::Decimal && column.size == 0) column.size = kDecimalSize;
  return column;
}

// "Key (nrproposfas, cdlin)=(1, 2) already exists." -> {"NRPROPOSFAS", "CDLIN"}.
std::vector<std::string> KeyColumns(const char* detail) {
  std::vector<std::string> columns;
  if (!detail) return columns;
  const char* open = std::strchr(detail, '(');
  const char* close = open ? std::strchr(open, ')') : nullptr;
  if (!close) return columns;
  std::string list(open + 1, close);
  std::size_t start = 0;
  while (start <= list.size()) {
    std::size_t comma = list.find(',', start);
    std::string item = list.substr(start, comma == std::string::npos ? std::string::npos : comma - start);
    item.erase(0, item.find_first_not_of(' '));
    if (!item.empty()) columns.push_back(Upper(item));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  return columns;
}

std::string ParameterText(const Variant& value) {
  switch (value.Type()) {
    case plat::VarType::Integer:
    case plat::VarType::Boolean:
      return std::to_string(value.ToInt());
    case plat::VarType::Float: {
      char buffer[64];
      auto result = std::to_chars(buffer, buffer + sizeof buffer, value.ToDouble());
      return std::string(buffer, result.ptr);
    }
    default:
      return StoredText(value);
  }
}

Variant ResultValue(const PGresult* result, int row, int column, Oid type) {
  if (PQgetisnull(result, row, column)) return Variant();
  const char* text = PQgetvalue(result, row, column);
  const std::size_t length = static_cast<std::size_t>(PQgetlength(result, row, column));
  switch (type) {
    case kBool:
      return Variant(static_cast<int64_t>(text[0] == 't'));
    case kInt2:
    case kInt4:
    case kInt8: {
      int64_t value = 0;
      std::from_chars(text, text + length, value);
      return Variant(value);
    }
    case kFloat4:
    case kFloat8:
      return Variant(std::strtod(text, nullptr));
    case kDate:
    case kTimestamp:
    case kTimestampTz: {
      // "2025-06-30 23:59:59.5" -> "2025-06-30T23:59:59.500": the ISO form
      // with milliseconds that SQLite stores; no zone.
      std::string iso(text, std::min<std::size_t>(length, 19));
      if (iso.size() > 10 && iso[10] == ' ') iso[10] = 'T';
      if (length > 20 && text[19] == '.') {
        std::string fraction;
        for (std::size_t i = 20; i < length && fraction.size() < 3 && std::isdigit(static_cast<unsigned char>(text[i]));
             ++i)
          fraction += text[i];
        fraction.resize(3, '0');
        if (fraction != "000") iso += "." + fraction;
      }
      return Variant(iso);
    }
    default:
      return Variant(std::string(text, length));
  }
}

FieldType ResultType(Oid type, bool fromTable) {
  switch (type) {
    case kBool:
    case kInt2:
    case kInt4:
    case kInt8:
      return FieldType::Integer;
    case kFloat4:
    case kFloat8:
      return FieldType::Float;
    case kNumeric:
      return FieldType::Decimal;
    case kDate:
    case kTimestamp:
    case kTimestampTz:
      return FieldType::DateTime;
    case kText:
      return fromTable ? FieldType::Blob : FieldType::String;  // only long texts are declared without a size
    default:
      return FieldType::String;
  }
}

struct ResultHolder {
  PGresult* result;
  ~ResultHolder() { PQclear(result); }
};

class PostgresStorage final : public Storage {
 public:
  explicit PostgresStorage(std::string uri) : uri_(std::move(uri)) { Connect(); }

  ~PostgresStorage() override {
    if (conn_) PQfinish(conn_);
  }

  DataPacket Query(const std::string& sql, const Params& params) override {
    ResultHolder held{Run(sql, params)};
    const PGresult* result = held.result;
    const int columns = PQnfields(result);
    const int rows = PQntuples(result);
    DataPacket packet;
    std::vector<Oid> types;
    for (int i = 0; i < columns; ++i) {
      const Oid type = PQftype(result, i);
      const bool fromTable = PQftable(result, i) != InvalidOid;
      const int modifier = PQfmod(result, i);
      int size = 0;
      if (type == kVarchar || type == kBpchar) size = modifier > 4 ? modifier - 4 : 0;
      if (type == kNumeric) size = modifier >= 4 ? ((modifier - 4) >> 16) & 0xffff : kDecimalSize;
      packet.fields.push_back({Upper(PQfname(result, i)), ResultType(type, fromTable), size});
      types.push_back(type);
    }
    packet.rows.reserve(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
      plat::Row row;
      row.reserve(static_cast<std::size_t>(columns));
      for (int i = 0; i < columns; ++i) {
        Variant raw = ResultValue(result, r, i, types[std::size_t(i)]);
        try {
          row.push_back(ToFieldType(raw, packet.fields[std::size_t(i)].type));
        } catch (const plat::EConvertError& e) {
          throw EStorageError(StorageFailure::Other, "Valor inválido gravado na coluna " +
                                                         packet.fields[std::size_t(i)].name + ": " + e.what());
        }
      }
      packet.rows.push_back(std::move(row));
    }
    return packet;
  }

  int64_t Execute(const std::string& sql, const Params& params) override {
    ResultHolder held{Run(sql, params)};
    const char* changed = PQcmdTuples(held.result);
    return changed && *changed ? std::atoll(changed) : 0;
  }

  void ExecuteScript(const std::string& sql) override {
    Reconnected();
    ResultHolder held{PQexec(conn_, sql.c_str())};
    Check(held.result);
  }

  void CreateTables(const std::string& schema) override { ExecuteScript(PostgresDeclarations(schema)); }

  const std::vector<Column>& TableColumns(const std::string& table) override {
    auto found = columns_.find(table);
    if (found != columns_.end()) return found->second;
    DataPacket info = Query(
        "SELECT a.attname, format_type(a.atttypid, a.atttypmod) FROM pg_attribute a"
        " WHERE a.attrelid = to_regclass(lower(?1)) AND a.attnum > 0 AND NOT a.attisdropped ORDER BY a.attnum",
        {Variant(table)});
    if (info.rows.empty())
      throw EStorageError(StorageFailure::Other, "Tabela desconhecida no banco de dados: " + table);
    std::vector<Column> columns;
    for (auto& row : info.rows) columns.push_back(PostgresColumn(Upper(row[0].ToText()), row[1].ToText()));
    return columns_.emplace(table, std::move(columns)).first->second;
  }

  // Date-times were kept to the second (TIMESTAMP(0)) before they were
  // kept to the millisecond.
  void UpgradeTables() override {
    auto columns = Query(
        "SELECT table_name, column_name FROM information_schema.columns WHERE table_schema = current_schema()"
        " AND data_type = 'timestamp without time zone' AND datetime_precision = 0",
        {});
    for (const auto& row : columns.rows)
      ExecuteScript("ALTER TABLE " + row[0].ToText() + " ALTER COLUMN " + row[1].ToText() + " TYPE TIMESTAMP(3)");
    if (!columns.rows.empty()) columns_.clear();
  }

  bool TableExists(const std::string& table) override {
    return !Query("SELECT 1 WHERE to_regclass(lower(?1)) IS NOT NULL", {Variant(table)}).rows.empty();
  }

  void Transaction(TxMode mode, const std::function<void()>& work) override {
    if (inTransaction_) throw EStorageError(StorageFailure::Other, "Transação já iniciada nesta conexão");
    ExecuteScript(mode == TxMode::Write ? "BEGIN ISOLATION LEVEL READ COMMITTED"
                                        : "BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY");
    inTransaction_ = true;
    try {
      if (mode == TxMode::Write) ExecuteScript(kWriteLock);
      work();
      ExecuteScript("COMMIT");
    } catch (...) {
      inTransaction_ = false;
      if (conn_ && PQstatus(conn_) == CONNECTION_OK) PQclear(PQexec(conn_, "ROLLBACK"));
      throw;
    }
    inTransaction_ = false;
  }

  const std::string& SessionName() override {
    Reconnected();
    return session_;
  }

  std::vector<std::string> EndedSessions(const std::vector<std::string>& names) override {
    if (names.empty()) return {};
    DataPacket live = Query(
        std::string("SELECT ") + kSessionExpression + " FROM pg_stat_activity WHERE backend_start IS NOT NULL", {});
    std::vector<std::string> ended;
    for (const auto& name : names) {
      bool alive = std::any_of(live.rows.begin(), live.rows.end(),
                               [&](const plat::Row& row) { return row[0].ToText() == name; });
      if (!alive) ended.push_back(name);
    }
    return ended;
  }

 private:
  // A connection's name: its server process number and the moment it began,
  // as pg_stat_activity tells them for every live connection.
  static constexpr const char* kSessionExpression =
      "CAST(pid AS TEXT) || '@' || CAST(EXTRACT(EPOCH FROM backend_start) AS TEXT)";

  void Connect() {
    if (conn_) PQfinish(conn_);
    conn_ = PQconnectdb(uri_.c_str());
    prepared_.clear();
    if (PQstatus(conn_) != CONNECTION_OK) {
      std::string message = PQerrorMessage(conn_);
      while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
      PQfinish(conn_);
      conn_ = nullptr;
      throw EStorageError(StorageFailure::Lost, "Não foi possível conectar ao banco de dados PostgreSQL: " + message);
    }
    PQsetNoticeProcessor(
        conn_, [](void*, const char*) {}, nullptr);
    ResultHolder setup{PQexec(conn_, kLockWait)};
    Check(setup.result);
    ResultHolder name{PQexec(
        conn_,
        (std::string("SELECT ") + kSessionExpression + " FROM pg_stat_activity WHERE pid = pg_backend_pid()").c_str())};
    Check(name.result);
    session_ = PQntuples(name.result) ? PQgetvalue(name.result, 0, 0) : std::to_string(PQbackendPID(conn_));
  }

  // A connection lost by an earlier call is made again before the next one;
  // so is one the database ended while it was idle (restarted, or ended by an
  // administrator), which shows in what has arrived on it: nothing was sent
  // on it since, so nothing is lost by connecting again. A transaction does
  // not move to a new connection halfway.
  void Reconnected() {
    if (conn_ && !inTransaction_) TakeWhatArrived();
    if (conn_ && PQstatus(conn_) == CONNECTION_OK) return;
    if (inTransaction_)
      throw EStorageError(StorageFailure::Lost,
                          "A conexão com o banco de dados foi perdida durante a transação; nada foi gravado.");
    Connect();
  }

  // Reads what the database sent on the idle connection, sending nothing. A
  // database that ends a connection says so and then closes it; once
  // something has come, the close is waited for a moment, so that the next
  // statement goes to a new connection rather than to the closing one.
  void TakeWhatArrived() {
    pollfd ready{PQsocket(conn_), POLLIN, 0};
    for (int i = 0; i < 4 && PQstatus(conn_) == CONNECTION_OK && ready.fd >= 0; ++i) {
      if (poll(&ready, 1, i == 0 ? 0 : 100) != 1) return;
      if (!PQconsumeInput(conn_)) return;
    }
  }

  PGresult* Run(const std::string& sql, const Params& params) {
    Reconnected();
    auto found = prepared_.find(sql);
    if (found == prepared_.end()) {
      if (prepared_.size() >= 256) {
        PQclear(PQexec(conn_, "DEALLOCATE ALL"));
        prepared_.clear();
      }
      std::string name = "s" + std::to_string(++statements_);
      std::vector<bool> used;
      const std::string text = NumberedParameters(sql, used);
      // A parameter the statement leaves out has no column to take its type
      // from; it is declared text. The others take the type they meet.
      std::vector<Oid> types(used.size(), 0);
      for (std::size_t i = 0; i < used.size(); ++i)
        if (!used[i]) types[i] = kText;
      ResultHolder prepared{PQprepare(conn_, name.c_str(), text.c_str(), static_cast<int>(types.size()), types.data())};
      Check(prepared.result);
      found = prepared_.emplace(sql, std::make_pair(name, static_cast<int>(types.size()))).first;
    }
    const int expected = found->second.second;
    if (static_cast<int>(params.size()) < expected)
      throw EStorageError(StorageFailure::Other, "Comando SQL com " + std::to_string(expected) +
                                                     " parâmetros recebeu " + std::to_string(params.size()));
    std::vector<std::string> texts(static_cast<std::size_t>(expected));
    std::vector<const char*> values(static_cast<std::size_t>(expected));
    for (int i = 0; i < expected; ++i) {
      const Variant& value = params[std::size_t(i)];
      if (value.IsNull()) continue;
      texts[std::size_t(i)] = ParameterText(value);
      values[std::size_t(i)] = texts[std::size_t(i)].c_str();
    }
    PGresult* result = PQexecPrepared(conn_, found->second.first.c_str(), expected, values.data(), nullptr, nullptr, 0);
    try {
      Check(result);
    } catch (...) {
      PQclear(result);
      throw;
    }
    return result;
  }

  // Turns a failed result into EStorageError; the refused constraints by kind.
  void Check(const PGresult* result) {
    const ExecStatusType status = result ? PQresultStatus(result) : PGRES_FATAL_ERROR;
    if (status == PGRES_COMMAND_OK || status == PGRES_TUPLES_OK) return;
    if (!result || PQstatus(conn_) != CONNECTION_OK) {
      std::string message = PQerrorMessage(conn_);
      while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
      throw EStorageError(StorageFailure::Lost, "A conexão com o banco de dados foi perdida (" + message +
                                                    "). A operação não foi concluída; tente novamente.");
    }
    const char* state = PQresultErrorField(result, PG_DIAG_SQLSTATE);
    const std::string code = state ? state : "";
    const char* primary = PQresultErrorField(result, PG_DIAG_MESSAGE_PRIMARY);
    const std::string message = primary ? primary : PQresultErrorMessage(result);
    if (code == "23505")
      throw EStorageError(StorageFailure::Duplicate, message,
                          KeyColumns(PQresultErrorField(result, PG_DIAG_MESSAGE_DETAIL)));
    if (code == "23503") throw EStorageError(StorageFailure::MissingParent, message);
    if (code == "23502") {
      const char* column = PQresultErrorField(result, PG_DIAG_COLUMN_NAME);
      throw EStorageError(StorageFailure::NotNull, message,
                          column ? std::vector<std::string>{Upper(column)} : std::vector<std::string>{});
    }
    if (code == "55P03" || code == "40P01" || code == "40001")
      throw EStorageError(StorageFailure::Busy,
                          "O banco de dados está ocupado com a gravação de outro usuário; tente novamente.");
    if (code.rfind("08", 0) == 0 || code == "57P01" || code == "57P02" || code == "57P03")
      throw EStorageError(StorageFailure::Lost, "A conexão com o banco de dados foi perdida (" + message +
                                                    "). A operação não foi concluída; tente novamente.");
    throw EStorageError(StorageFailure::Other, "Erro no banco de dados: " + message);
  }

  std::string uri_;
  PGconn* conn_ = nullptr;
  std::string session_;
  std::unordered_map<std::string, std::pair<std::string, int>> prepared_;  // sql -> name, parameters
  uint64_t statements_ = 0;
  std::unordered_map<std::string, std::vector<Column>> columns_;
  bool inTransaction_ = false;
};

}  // namespace

std::unique_ptr<Storage> OpenPostgresStorage(const std::string& uri) { return std::make_unique<PostgresStorage>(uri); }

}  // namespace appsrv
