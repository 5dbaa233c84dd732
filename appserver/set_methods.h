// The proposal module's writing methods: the eight Set methods, each
// applying the delta of one screen data set to its table in one transaction
// (DeltaApplier), and GetUpDateValor, which records an ordered line's
// quantity. Each answers an empty packet on success.
#pragma once

#include "appserver/server_object.h"

namespace appsrv {

void RegisterSetMethods(ServerObject& module);

}  // namespace appsrv
