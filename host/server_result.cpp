#include "host/server_result.h"

namespace host {

ServerResult ServerResult::OfPacket(plat::DataPacket packet) {
  ServerResult result;
  result.kind = Kind::Packet;
  result.packet = std::move(packet);
  return result;
}

ServerResult ServerResult::OfValue(plat::Variant value) {
  ServerResult result;
  result.kind = Kind::Value;
  result.value = std::move(value);
  return result;
}

ServerResult ServerResult::OfFailure(std::string message) {
  ServerResult result;
  result.kind = Kind::Failure;
  result.error = std::move(message);
  return result;
}

}  // namespace host
