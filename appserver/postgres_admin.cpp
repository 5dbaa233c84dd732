#include "appserver/postgres_admin.h"

#include <libpq-fe.h>

#include <memory>

#include "appserver/storage.h"

namespace appsrv {

namespace {

using Connection = std::unique_ptr<PGconn, decltype(&PQfinish)>;

std::string Trimmed(const char* text) {
  std::string message = text ? text : "";
  while (!message.empty() && (message.back() == '\n' || message.back() == ' ')) message.pop_back();
  return message;
}

// The database the URI names ("" when it names none).
std::string DatabaseOf(const std::string& uri) {
  char* error = nullptr;
  PQconninfoOption* options = PQconninfoParse(uri.c_str(), &error);
  if (!options) {
    std::string message = Trimmed(error);
    PQfreemem(error);
    throw EStorageError(StorageFailure::Other, "Endereço de banco de dados PostgreSQL inválido: " + message);
  }
  std::string name;
  for (auto* option = options; option->keyword; ++option)
    if (std::string(option->keyword) == "dbname" && option->val) name = option->val;
  PQconninfoFree(options);
  return name;
}

// A connection to the URI's server with another database.
Connection ConnectTo(const std::string& uri, const std::string& database) {
  const char* keywords[] = {"dbname", "dbname", nullptr};
  const char* values[] = {uri.c_str(), database.c_str(), nullptr};
  return Connection(PQconnectdbParams(keywords, values, 1), &PQfinish);
}

}  // namespace

void CreatePostgresDatabaseIfMissing(const std::string& uri) {
  const std::string name = DatabaseOf(uri);
  if (name.empty() || name == "postgres") return;
  Connection probe = ConnectTo(uri, name);
  if (PQstatus(probe.get()) == CONNECTION_OK) return;
  Connection admin = ConnectTo(uri, "postgres");
  if (PQstatus(admin.get()) != CONNECTION_OK)
    throw EStorageError(StorageFailure::Lost, "Não foi possível conectar ao banco de dados PostgreSQL: " +
                                                  Trimmed(PQerrorMessage(probe.get())));
  char* quoted = PQescapeIdentifier(admin.get(), name.c_str(), name.size());
  std::string sql = std::string("CREATE DATABASE ") + quoted + " TEMPLATE template0 ENCODING 'UTF8'";
  PQfreemem(quoted);
  std::unique_ptr<PGresult, decltype(&PQclear)> result(PQexec(admin.get(), sql.c_str()), &PQclear);
  const char* state = PQresultErrorField(result.get(), PG_DIAG_SQLSTATE);
  // 42P04: another server created it in the meantime.
  if (PQresultStatus(result.get()) != PGRES_COMMAND_OK && !(state && std::string(state) == "42P04"))
    throw EStorageError(StorageFailure::Other, "Não foi possível criar o banco de dados PostgreSQL '" + name +
                                                   "': " + Trimmed(PQresultErrorMessage(result.get())));
}

std::string PostgresUriWithDatabase(const std::string& uri, const std::string& name) {
  // postgresql://[userinfo@]host[:port][/database][?params]
  const std::size_t scheme = uri.find("://");
  const std::size_t start = scheme == std::string::npos ? 0 : scheme + 3;
  const std::size_t path = uri.find_first_of("/?", start);
  std::string query;
  if (path != std::string::npos) {
    const std::size_t question = uri.find('?', path);
    if (question != std::string::npos) query = uri.substr(question);
  }
  return uri.substr(0, path) + "/" + name + query;
}

}  // namespace appsrv
