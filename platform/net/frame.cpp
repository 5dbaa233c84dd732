#include "platform/net/frame.h"

#include <algorithm>

namespace plat {
// The frame's message, named before the catalogue's Message function hides the name.
using FrameMessage = Message;
}  // namespace plat

#include "platform/data/messages.h"

namespace plat {

namespace {

constexpr uint32_t kMore = 1u << 31;
constexpr uint32_t kRestart = 1u << 30;
constexpr uint32_t kTakesPieces = 1u << 29;
constexpr uint32_t kLengthBits = kTakesPieces - 1;
static_assert(kMaxFrame <= kLengthBits);

void Send(TcpSocket& socket, std::string_view payload, uint32_t flags) {
  if (payload.size() > kMaxFrame) throw ENetError(Message(Msg::MessageTooLarge, {std::to_string(payload.size())}));
  uint32_t n = static_cast<uint32_t>(payload.size()) | flags;
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

}  // namespace

void WriteFrame(TcpSocket& socket, std::string_view payload, bool takesPieces) {
  Send(socket, payload, takesPieces ? kTakesPieces : 0);
}

void WritePiece(TcpSocket& socket, std::string_view piece, bool last) { Send(socket, piece, last ? 0 : kMore); }

void WriteRestart(TcpSocket& socket) { Send(socket, {}, kRestart); }

std::optional<std::string> ReadFrame(TcpSocket& socket, std::chrono::milliseconds timeout) {
  return ReadFrame(socket, FrameLimits{kMaxFrame, timeout, timeout});
}

std::optional<std::string> ReadFrame(TcpSocket& socket, const FrameLimits& limits) {
  auto message = ReadMessage(socket, limits);
  if (!message) return std::nullopt;
  return std::move(message->text);
}

std::optional<FrameMessage> ReadMessage(TcpSocket& socket, const FrameLimits& limits) {
  // The pieces joined; a whole message is taken as it came.
  struct Joined final : MessageListener {
    std::string text;
    void Piece(std::string&& bytes, bool) override {
      if (text.empty())
        text = std::move(bytes);
      else
        text += bytes;
    }
    void Restarted() override { text.clear(); }
  } joined;
  const std::optional<bool> takesPieces = ReadPieces(socket, limits, joined);
  if (!takesPieces) return std::nullopt;
  return FrameMessage{std::move(joined.text), *takesPieces};
}

std::optional<bool> ReadPieces(TcpSocket& socket, const FrameLimits& limits, MessageListener& listener) {
  unsigned char header[4];
  if (!socket.ReadExact(reinterpret_cast<char*>(header), 1, limits.idle)) return std::nullopt;
  using Clock = std::chrono::steady_clock;
  const bool timed = limits.complete.count() >= 0;
  const Clock::time_point deadline = Clock::now() + (timed ? limits.complete : std::chrono::milliseconds(0));
  // Reads into out within what is left of the message's time.
  auto read = [&](char* out, std::size_t n) {
    auto left = std::chrono::milliseconds(-1);
    if (timed)
      left = std::max(std::chrono::milliseconds(0),
                      std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()));
    try {
      if (!socket.ReadExact(out, n, left)) throw ENetError(Message(Msg::ClosedMidMessage));
    } catch (const ETimeout&) {
      auto ms = limits.complete.count();
      throw EFrameRefused(Message(Msg::MessageIncomplete,
                                  {ms % 1000 == 0 ? std::to_string(ms / 1000) + " s" : std::to_string(ms) + " ms"}));
    }
  };
  const std::size_t allowed = std::min(limits.maxSize, kMaxFrame);
  bool takesPieces = false;
  std::size_t before = 0;  // bytes of the message in the pieces so far
  for (bool first = true;; first = false) {
    if (!first) read(reinterpret_cast<char*>(header), 1);
    read(reinterpret_cast<char*>(header) + 1, 3);
    const uint32_t word =
        (uint32_t(header[0]) << 24) | (uint32_t(header[1]) << 16) | (uint32_t(header[2]) << 8) | uint32_t(header[3]);
    const std::size_t n = word & kLengthBits;
    takesPieces = takesPieces || (word & kTakesPieces);
    if (word & kRestart) {
      if (n != 0) throw EFrameRefused(Message(Msg::MessageRestartCarried, {std::to_string(n)}));
      before = 0;
      listener.Restarted();
      continue;
    }
    if (n > allowed || before + n > allowed)
      throw EFrameRefused(
          Message(Msg::MessageRefused,
                  {std::to_string(before + n) + (before ? " bytes ou mais" : " bytes"), std::to_string(allowed)}));
    // Taken in parts as they arrive, so an announced size costs nothing
    // until its bytes come.
    constexpr std::size_t kPart = 64 * 1024;
    std::string bytes;
    while (bytes.size() < n) {
      std::size_t done = bytes.size();
      std::size_t part = std::min(kPart, n - done);
      bytes.resize(done + part);
      read(bytes.data() + done, part);
    }
    before += n;
    const bool last = !(word & kMore);
    listener.Piece(std::move(bytes), last);
    if (last) return takesPieces;
  }
}

}  // namespace plat
