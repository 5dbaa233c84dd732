// The proposal module's numbering methods: PrxProposta (the next proposal
// number, a text value, never handed out twice, also to concurrent
// clients), seqPedidosLinhaProd and SeqServico (the next ordered-line and
// ordered-service number within the connection's current proposal version,
// 1 to 999, one row of one decimal field).
#pragma once

#include "appserver/server_object.h"

namespace appsrv {

void RegisterNumberingMethods(ServerObject& module);

}  // namespace appsrv
