#include "appserver/storage.h"

#include "appserver/postgres_admin.h"

namespace appsrv {

bool IsPostgresUri(const std::string& database) {
  return database.rfind("postgresql://", 0) == 0 || database.rfind("postgres://", 0) == 0;
}

std::unique_ptr<Storage> OpenStorage(const std::string& database) {
  return IsPostgresUri(database) ? OpenPostgresStorage(database) : OpenSqliteStorage(database);
}

void CreateDatabaseIfMissing(const std::string& database) {
  if (IsPostgresUri(database)) CreatePostgresDatabaseIfMissing(database);
}

}  // namespace appsrv
