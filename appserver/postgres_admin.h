// Creating the PostgreSQL database a server is given when it does not exist
// yet, and naming another database of the same PostgreSQL server.
#pragma once

#include <string>

namespace appsrv {

// Connects to the server's "postgres" database as the URI's role and
// creates the URI's database (UTF-8) unless it exists. Throws EStorageError.
void CreatePostgresDatabaseIfMissing(const std::string& uri);

// The URI of another database on the same PostgreSQL server, as the same role.
std::string PostgresUriWithDatabase(const std::string& uri, const std::string& name);

}  // namespace appsrv
