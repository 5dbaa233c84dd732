#include "host/vogalis.h"

#include <ctime>

namespace host {

HostSession& HostSession::Current() {
  static HostSession session;
  return session;
}

void HostSession::Reset() { Current() = HostSession(); }

namespace Vogalis {
std::string Operador() { return HostSession::Current().operador; }
std::string FiliProc() { return HostSession::Current().filiProc; }
std::string NomeOperador() { return HostSession::Current().nomeOperador; }
std::string WebURL() { return HostSession::Current().webURL; }
int WebPort() { return HostSession::Current().webPort; }

void AtualizaLocalCache(const std::vector<std::string>& tables) {
  HostSession& session = HostSession::Current();
  session.cacheRefreshes.push_back(tables);
  if (session.refreshLocalCache) session.refreshLocalCache(tables);
}
}  // namespace Vogalis

plat::DateTime LocalToday() {
  std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return plat::DateTime::FromDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday);
}

namespace Lib90500 {
plat::DateTime DtServ(const std::string&) {
  auto& provider = HostSession::Current().serverDate;
  return (provider ? provider() : LocalToday()).DateOnly();
}
}  // namespace Lib90500

}  // namespace host
