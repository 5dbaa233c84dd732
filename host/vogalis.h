// Vogalis: the host's session services: who is logged in, on which branch,
// where the application server is, and the refresh of the host's local copy
// of a table. The host fills the session at start-up (HostSession); screens
// only read it through these functions.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/data/datetime.h"

namespace host {

struct HostSession {
  std::string operador = "ADMIN";              // operator code
  std::string filiProc = "0001";               // processing branch code
  std::string nomeOperador = "Administrador";  // operator name
  std::string webURL = "127.0.0.1";            // application server host
  int webPort = 47130;                         // application server port
  // Refreshes the host's local copy of the named tables; every request is
  // also kept in cacheRefreshes, in order.
  std::function<void(const std::vector<std::string>&)> refreshLocalCache;
  std::vector<std::vector<std::string>> cacheRefreshes;
  // The application server's current date (the local date when unset).
  std::function<plat::DateTime()> serverDate;

  static HostSession& Current();
  static void Reset();  // back to the defaults above
};

namespace Vogalis {
std::string Operador();
std::string FiliProc();
std::string NomeOperador();
std::string WebURL();
int WebPort();
void AtualizaLocalCache(const std::vector<std::string>& tables);
}  // namespace Vogalis

namespace Lib90500 {
// The server's current date (midnight); the argument is not used.
plat::DateTime DtServ(const std::string& unused);
}  // namespace Lib90500

// Today's local date, at midnight.
plat::DateTime LocalToday();

}  // namespace host
