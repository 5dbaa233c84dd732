#include "direct_sqlite.h"

#include <stdexcept>

namespace psrbench {

DirectDb::DirectDb(const std::string& path) {
  // Opened as the server opens its connections: one thread at a time, so
  // without SQLite's own locking around every call.
  if (sqlite3_open_v2(path.c_str(), &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK)
    Fail("open " + path);
  sqlite3_busy_timeout(db_, 10000);
  Exec("PRAGMA journal_mode = WAL; PRAGMA foreign_keys = ON; PRAGMA synchronous = FULL;");
}

DirectDb::~DirectDb() {
  for (auto& [sql, statement] : statements_) sqlite3_finalize(statement);
  sqlite3_close(db_);
}

void DirectDb::Fail(const std::string& what) const {
  throw std::runtime_error("SQLite, " + what + ": " + (db_ ? sqlite3_errmsg(db_) : "out of memory"));
}

void DirectDb::Exec(const char* sql) {
  if (sqlite3_exec(db_, sql, nullptr, nullptr, nullptr) != SQLITE_OK) Fail(sql);
}

sqlite3_stmt* DirectDb::Prepared(const std::string& sql) {
  auto found = statements_.find(sql);
  if (found != statements_.end()) return found->second;
  sqlite3_stmt* statement = nullptr;
  if (sqlite3_prepare_v3(db_, sql.c_str(), static_cast<int>(sql.size()), SQLITE_PREPARE_PERSISTENT, &statement,
                         nullptr) != SQLITE_OK)
    Fail("prepare");
  statements_.emplace(sql, statement);
  return statement;
}

std::size_t DirectDb::ReadAll(const std::string& sql, const std::vector<std::string>& params) {
  sqlite3_stmt* statement = Prepared(sql);
  for (std::size_t i = 0; i < params.size(); ++i)
    sqlite3_bind_text(statement, static_cast<int>(i + 1), params[i].data(), static_cast<int>(params[i].size()),
                      SQLITE_STATIC);
  cells_.clear();
  texts_.clear();
  const int columns = sqlite3_column_count(statement);
  std::size_t rows = 0;
  int step;
  while ((step = sqlite3_step(statement)) == SQLITE_ROW) {
    ++rows;
    for (int c = 0; c < columns; ++c) {
      Cell cell{sqlite3_column_type(statement, c), 0, 0, texts_.size(), 0};
      if (cell.type == SQLITE_INTEGER) {
        cell.integer = sqlite3_column_int64(statement, c);
      } else if (cell.type == SQLITE_FLOAT) {
        cell.real = sqlite3_column_double(statement, c);
      } else if (cell.type != SQLITE_NULL) {
        const char* text = static_cast<const char*>(sqlite3_column_blob(statement, c));
        cell.size = static_cast<std::size_t>(sqlite3_column_bytes(statement, c));
        texts_.append(text ? text : "", cell.size);
      }
      cells_.push_back(cell);
    }
  }
  sqlite3_reset(statement);
  sqlite3_clear_bindings(statement);
  if (step != SQLITE_DONE) Fail("step");
  return rows;
}

}  // namespace psrbench
