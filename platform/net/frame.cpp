#include "platform/net/frame.h"

namespace plat {

void WriteFrame(TcpSocket& socket, std::string_view payload) {
  if (payload.size() > kMaxFrame) throw ENetError("A message of " + std::to_string(payload.size()) + " bytes is too large to send");
  uint32_t n = static_cast<uint32_t>(payload.size());
  std::string frame;
  frame.reserve(4 + payload.size());
  frame.push_back(static_cast<char>(n >> 24));
  frame.push_back(static_cast<char>(n >> 16));
  frame.push_back(static_cast<char>(n >> 8));
  frame.push_back(static_cast<char>(n));
  frame.append(payload);
  socket.SendAll(frame);
}

std::optional<std::string> ReadFrame(TcpSocket& socket, std::chrono::milliseconds timeout) {
  unsigned char header[4];
  if (!socket.ReadExact(reinterpret_cast<char*>(header), 4, timeout)) return std::nullopt;
  std::size_t n = (std::size_t(header[0]) << 24) | (std::size_t(header[1]) << 16) | (std::size_t(header[2]) << 8) |
                  std::size_t(header[3]);
  if (n > kMaxFrame) throw ENetError("Refused a message of " + std::to_string(n) + " bytes: too large");
  std::string payload(n, '\0');
  if (n > 0 && !socket.ReadExact(payload.data(), n, timeout))
    throw ENetError("The connection closed in the middle of a message");
  return payload;
}

}  // namespace plat
