#include "platform/data/localdb.h"

#include <sqlite3.h>

#include "platform/data/errors.h"

namespace plat {

TLocalDatabase::~TLocalDatabase() { Close(); }

void TLocalDatabase::Open(const std::string& path, bool readOnly) {
  Close();
  int flags = readOnly ? SQLITE_OPEN_READONLY : (SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
  sqlite3* db = nullptr;
  int rc = sqlite3_open_v2(path.c_str(), &db, flags | SQLITE_OPEN_FULLMUTEX, nullptr);
  if (rc != SQLITE_OK) {
    std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
    sqlite3_close(db);
    throw EDatabaseError("Cannot open the local database '" + path + "': " + message);
  }
  sqlite3_busy_timeout(db, 5000);
  db_ = db;
}

void TLocalDatabase::Close() {
  if (db_) sqlite3_close(db_);
  db_ = nullptr;
}

void TLocalDatabase::Execute(const std::string& sql) {
  if (!db_) throw EDatabaseError("The local database is not connected");
  char* error = nullptr;
  if (sqlite3_exec(db_, sql.c_str(), nullptr, nullptr, &error) != SQLITE_OK) {
    std::string message = error ? error : "unknown error";
    sqlite3_free(error);
    throw EDatabaseError("Local database: " + message);
  }
}

}  // namespace plat
