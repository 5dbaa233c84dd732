// dtmDBGeral: the host's shared local database connection, used read-only by
// the screens' local queries. The host opens it at start-up (OpenLocalDatabase).
#pragma once

#include <string>

#include "platform/data/localdb.h"

namespace host {

plat::TLocalDatabase& dtmDBGeral();
void OpenLocalDatabase(const std::string& path);

}  // namespace host
