// The proposal module's numbering methods: PrxProposta (the next proposal
// number, a text value, never handed out twice, also to concurrent
// clients), seqPedidosLinhaProd and SeqServico (the next ordered-line and
// ordered-service number within the connection's current proposal version,
// 1 to 999, one row of one decimal field).
#pragma once

#include "appserver/server_object.h"

namespace appsrv {

// The highest detail number handed out (the numbers are text(3)).
inline constexpr int kMaxDetailNumber = 999;

void RegisterNumberingMethods(ServerObject& module);

}  // namespace appsrv
