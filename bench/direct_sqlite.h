// DirectDb: the bench database opened straight through the SQLite C API
// with the server's own settings (WAL journal, synchronous FULL, foreign
// keys). It gives the floors the measurements are compared with: the same
// statements, prepared once, their rows copied into memory and nothing else
// (no shaping, no JSON, no network).
#pragma once

#include <sqlite3.h>

#include <map>
#include <string>
#include <vector>

namespace psrbench {

class DirectDb {
 public:
  // Throws std::runtime_error when the file cannot be opened.
  explicit DirectDb(const std::string& path);
  ~DirectDb();
  DirectDb(const DirectDb&) = delete;
  DirectDb& operator=(const DirectDb&) = delete;

  // Runs the statement (prepared on first use, then kept) with its ?N
  // parameters bound as text, as the server binds a call's arguments, and
  // copies every column of every row into one in-memory table. Returns the
  // number of rows read.
  std::size_t ReadAll(const std::string& sql, const std::vector<std::string>& params = {});
  // Runs statements that return no rows (BEGIN, COMMIT, ...).
  void Exec(const char* sql);

 private:
  sqlite3_stmt* Prepared(const std::string& sql);
  [[noreturn]] void Fail(const std::string& what) const;

  // The rows last read: one cell per value, texts in one buffer.
  struct Cell {
    int type;
    int64_t integer;
    double real;
    std::size_t offset, size;
  };
  std::vector<Cell> cells_;
  std::string texts_;

  sqlite3* db_ = nullptr;
  std::map<std::string, sqlite3_stmt*> statements_;
};

}  // namespace psrbench
