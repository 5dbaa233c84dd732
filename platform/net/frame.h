// Frames: each message on the wire is a 4-byte big-endian length followed by
// that many bytes of UTF-8 JSON. Frames above 256 MiB are refused; a reader
// may allow less (FrameLimits). A frame's bytes are taken as they arrive:
// the size it announces is never set aside before they do.
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

// A frame the reader refuses: larger than it allows, or not complete in time.
class EFrameRefused : public ENetError {
 public:
  using ENetError::ENetError;
};

// What a server allows the frames of one connection (negative times: no limit).
struct FrameLimits {
  std::size_t maxSize = kMaxFrame;
  std::chrono::milliseconds idle{-1};      // waiting for a frame to start
  std::chrono::milliseconds complete{-1};  // from a frame's first byte to its last
};
// As above; ETimeout when no frame starts within idle, EFrameRefused for a
// frame over maxSize or not complete within its time.
std::optional<std::string> ReadFrame(TcpSocket& socket, const FrameLimits& limits);

}  // namespace plat
