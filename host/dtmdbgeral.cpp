#include "host/dtmdbgeral.h"

namespace host {

plat::TLocalDatabase& dtmDBGeral() {
  static plat::TLocalDatabase database;
  return database;
}

void OpenLocalDatabase(const std::string& path) { dtmDBGeral().Open(path); }

}  // namespace host
