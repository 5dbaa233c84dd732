// Preparing the server's database (an SQLite file or a PostgreSQL URI): a
// new database (one without the proposal tables) gets the schema and, when
// asked, the demo data, all in one transaction; an existing one keeps its
// data and gets the server's own tables when it lacks them.
#pragma once

#include <string>

namespace appsrv {

struct DatabaseSetup {
  bool demo = false;       // fill a new database with the demo data
  int extraProposals = 0;  // and this many more simple proposals
};

// Returns true when the database was new. Throws plat::EError when the database
// cannot be opened or written.
bool PrepareDatabase(const std::string& path, const DatabaseSetup& setup);

}  // namespace appsrv
