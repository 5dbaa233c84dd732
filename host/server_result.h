// ServerResult: the answer of one application-server call as the screen
// receives it: a data packet, a single value (the next proposal number, for
// instance) or the failure the call ended in (refused or broken connection,
// timeout, an error raised by the server, an unknown method).
#pragma once

#include <string>

#include "platform/data/packet.h"
#include "platform/data/variant.h"

namespace host {

struct ServerResult {
  enum class Kind { Packet, Value, Failure } kind = Kind::Value;
  plat::DataPacket packet;
  plat::Variant value;
  std::string error;  // the failure's message

  static ServerResult OfPacket(plat::DataPacket packet);
  static ServerResult OfValue(plat::Variant value);
  static ServerResult OfFailure(std::string message);

  bool Failed() const { return kind == Kind::Failure; }
};

}  // namespace host
