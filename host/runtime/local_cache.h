// LocalCache: the host's local copy of server tables in its shared database
// (dtmDBGeral), which the screens' local queries read. The reference tables
// are copied at start; any table is copied again on request (the host's
// AtualizaLocalCache). A table is replaced as a whole, in one transaction.
#pragma once

#include <string>
#include <vector>

#include "host/netconnection.h"
#include "platform/data/localdb.h"

namespace hostapp {

class LocalCache {
 public:
  // The tables copied at start.
  static const std::vector<std::string>& ReferenceTables();

  LocalCache(host::TNetConnection& server, plat::TLocalDatabase& database) : server_(server), database_(database) {}

  void FillReferenceTables();
  // Copies one table from the server (object "Host", method GetTable);
  // throws EError with the server's message when it fails.
  void Refresh(const std::string& table);
  // Writes a packet as the table's whole content.
  void Store(const std::string& table, const plat::DataPacket& packet);

 private:
  host::TNetConnection& server_;
  plat::TLocalDatabase& database_;
};

}  // namespace hostapp
