#include "platform/net/frame.h"

#include <algorithm>

namespace plat {

void WriteFrame(TcpSocket& socket, std::string_view payload) {
  if (payload.size() > kMaxFrame) throw ENetError("A message of " + std::to_string(payload.size()) + " bytes is too large to send");
  uint32_t n = static_cast<uint32_t>(payload.size());
  const char header[4] = {static_cast<char>(n >> 24), static_cast<char>(n >> 16), static_cast<char>(n >> 8),
                          static_cast<char>(n)};
  // A small message goes out in one piece; a large one is not copied for
  // the sake of its four header bytes.
  constexpr std::size_t kCopied = 64 * 1024;
  if (payload.size() > kCopied) {
    socket.SendAll(std::string_view(header, 4));
    socket.SendAll(payload);
    return;
  }
  std::string frame;
  frame.reserve(4 + payload.size());
  frame.append(header, 4);
  frame.append(payload);
  socket.SendAll(frame);
}

std::optional<std::string> ReadFrame(TcpSocket& socket, std::chrono::milliseconds timeout) {
  return ReadFrame(socket, FrameLimits{kMaxFrame, timeout, timeout});
}

std::optional<std::string> ReadFrame(TcpSocket& socket, const FrameLimits& limits) {
  unsigned char header[4];
  if (!socket.ReadExact(reinterpret_cast<char*>(header), 1, limits.idle)) return std::nullopt;
  using Clock = std::chrono::steady_clock;
  const bool timed = limits.complete.count() >= 0;
  const Clock::time_point deadline = Clock::now() + (timed ? limits.complete : std::chrono::milliseconds(0));
  // Reads into out within what is left of the frame's time.
  auto read = [&](char* out, std::size_t n) {
    auto left = std::chrono::milliseconds(-1);
    if (timed) left = std::max(std::chrono::milliseconds(0),
                               std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
    try {
      if (!socket.ReadExact(out, n, left)) throw ENetError("The connection closed in the middle of a message");
    } catch (const ETimeout&) {
      auto ms = limits.complete.count();
      throw EFrameRefused("A message was not complete within " +
                          (ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms"));
    }
  };
  read(reinterpret_cast<char*>(header) + 1, 3);
  std::size_t n = (std::size_t(header[0]) << 24) | (std::size_t(header[1]) << 16) | (std::size_t(header[2]) << 8) |
                  std::size_t(header[3]);
  std::size_t allowed = std::min(limits.maxSize, kMaxFrame);
  if (n > allowed)
    throw EFrameRefused("Refused a message of " + std::to_string(n) + " bytes: more than " + std::to_string(allowed));
  // Taken in pieces as they arrive, so an announced size costs nothing until
  // its bytes come.
  constexpr std::size_t kPiece = 64 * 1024;
  std::string payload;
  while (payload.size() < n) {
    std::size_t done = payload.size();
    std::size_t piece = std::min(kPiece, n - done);
    payload.resize(done + piece);
    read(payload.data() + done, piece);
  }
  return payload;
}

}  // namespace plat
