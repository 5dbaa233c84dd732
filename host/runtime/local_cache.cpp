#include "host/runtime/local_cache.h"

#include <sqlite3.h>

#include "platform/data/errors.h"

namespace hostapp {

namespace {

std::string Quoted(const std::string& name) {
  std::string quoted = "\"";
  for (char c : name) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

std::string ColumnType(const plat::FieldDef& def) {
  switch (def.type) {
    case plat::FieldType::String:
      return def.size > 0 ? "VARCHAR(" + std::to_string(def.size) + ")" : "VARCHAR";
    case plat::FieldType::Float:
      return "DOUBLE";
    case plat::FieldType::Decimal:
      return "NUMERIC(" + std::to_string(def.size > 0 ? def.size : 32) + ")";
    case plat::FieldType::DateTime:
      return "DATETIME";
    case plat::FieldType::Blob:
      return "BLOB";
    case plat::FieldType::Integer:
      return "INTEGER";
    case plat::FieldType::Boolean:
      return "BOOLEAN";
  }
  return "VARCHAR";
}

void Bind(sqlite3_stmt* stmt, int index, const plat::Variant& value) {
  switch (value.Type()) {
    case plat::VarType::Null:
      sqlite3_bind_null(stmt, index);
      break;
    case plat::VarType::Float:
      sqlite3_bind_double(stmt, index, value.ToDouble());
      break;
    case plat::VarType::Integer:
    case plat::VarType::Boolean:
      sqlite3_bind_int64(stmt, index, value.ToInt());
      break;
    default: {
      std::string text = value.Type() == plat::VarType::Decimal    ? value.ToDecimal().ToString()
                         : value.Type() == plat::VarType::DateTime ? value.ToDateTime().ToIso()
                                                                   : value.ToText();
      sqlite3_bind_text(stmt, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
  }
}

}  // namespace

const std::vector<std::string>& LocalCache::ReferenceTables() {
  static const std::vector<std::string> tables{"CLIENTE", "PROSPECT", "OPERADOR", "TIPOSERV", "SISTEMA"};
  return tables;
}

void LocalCache::FillReferenceTables() {
  for (auto& table : ReferenceTables()) Refresh(table);
}

void LocalCache::Refresh(const std::string& table) {
  host::ServerResult answer = server_.Call("Host", "GetTable", {table});
  if (answer.kind != host::ServerResult::Kind::Packet)
    throw plat::EError("Cannot refresh the local copy of " + table + ": " +
                       (answer.Failed() ? answer.error : std::string("the server sent no table")));
  Store(table, answer.packet);
}

void LocalCache::Store(const std::string& table, const plat::DataPacket& packet) {
  std::string create = "CREATE TABLE " + Quoted(table) + " (";
  std::string insert = "INSERT INTO " + Quoted(table) + " VALUES (";
  for (std::size_t i = 0; i < packet.fields.size(); ++i) {
    create += (i ? ", " : "") + Quoted(packet.fields[i].name) + " " + ColumnType(packet.fields[i]);
    insert += i ? ", ?" : "?";
  }
  create += ")";
  insert += ")";
  database_.Execute("BEGIN IMMEDIATE");
  try {
    database_.Execute("DROP TABLE IF EXISTS " + Quoted(table));
    database_.Execute(create);
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(database_.Handle(), insert.c_str(), -1, &stmt, nullptr) != SQLITE_OK)
      throw plat::EDatabaseError("Local cache: " + std::string(sqlite3_errmsg(database_.Handle())));
    for (auto& row : packet.rows) {
      for (std::size_t i = 0; i < row.size(); ++i) Bind(stmt, static_cast<int>(i + 1), row[i]);
      int rc = sqlite3_step(stmt);
      sqlite3_reset(stmt);
      if (rc != SQLITE_DONE) {
        std::string message = sqlite3_errmsg(database_.Handle());
        sqlite3_finalize(stmt);
        throw plat::EDatabaseError("Local cache, table " + table + ": " + message);
      }
    }
    sqlite3_finalize(stmt);
    database_.Execute("COMMIT");
  } catch (...) {
    database_.Execute("ROLLBACK");
    throw;
  }
}

}  // namespace hostapp
