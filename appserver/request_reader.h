// Reading a frame received from a client into the call it holds, strictly:
// the quick reader first, then the thorough one, which tells an unreadable
// message from an invalid call. A frame that is not UTF-8, repeats a key in
// one object or names a key no call has is refused. What callers may rely
// on: nothing is thrown; an error answer's text is always writable (valid
// UTF-8, never quoting the bytes that were not) and says whose fault it is.
#pragma once

#include <string>
#include <variant>

#include "platform/net/rpc.h"

namespace appsrv {

// The call a frame holds, or the error answer for one that holds none.
std::variant<plat::RpcRequest, plat::RpcAnswer> ReadRequest(const std::string& frame);

}  // namespace appsrv
