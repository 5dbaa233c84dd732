// TLocalDatabase: the host's shared local database connection (SQLite),
// opened once and used read-only by the screens' local queries.
#pragma once

#include <string>

struct sqlite3;

namespace plat {

class TLocalDatabase {
 public:
  TLocalDatabase() = default;
  ~TLocalDatabase();
  TLocalDatabase(const TLocalDatabase&) = delete;
  TLocalDatabase& operator=(const TLocalDatabase&) = delete;

  // Opens the file (":memory:" for a private in-memory database); throws
  // EDatabaseError with SQLite's message when it cannot.
  void Open(const std::string& path, bool readOnly = false);
  void Close();
  bool Connected() const { return db_ != nullptr; }
  // Runs statements without results (setting up a database, tests).
  void Execute(const std::string& sql);
  sqlite3* Handle() const { return db_; }

 private:
  sqlite3* db_ = nullptr;
};

}  // namespace plat
