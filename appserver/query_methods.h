// The proposal module's reading methods: the Get methods that fill the
// screen's data sets, the look-up lists (contacts, commercial products,
// standard texts, the order pickers), the duplicate checks (Valida*, whose
// answer holds rows exactly when the value is already in use) and the sum
// of due values. Each answers a packet with the fields the screen's data set
// declares, of the declared types and sizes.
#pragma once

#include "appserver/server_object.h"

namespace appsrv {

void RegisterQueryMethods(ServerObject& module);

}  // namespace appsrv
