// Frames: each message on the wire is a 4-byte big-endian length followed by
// that many bytes of UTF-8 JSON. Frames above 256 MiB are refused.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/net/socket.h"

namespace plat {

constexpr std::size_t kMaxFrame = 256u << 20;

void WriteFrame(TcpSocket& socket, std::string_view payload);
// The next frame, or nullopt when the peer closed the connection between
// frames. Throws ETimeout / ENetError as TcpSocket::ReadExact, and ENetError
// for an oversized frame.
std::optional<std::string> ReadFrame(TcpSocket& socket, std::chrono::milliseconds timeout);

}  // namespace plat
