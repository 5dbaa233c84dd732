// Frames: each message on the wire is a 4-byte big-endian header followed by
// that many bytes of UTF-8 JSON. The header's low 29 bits are the length;
// its top three bits are flags, none in a plain frame that carries a whole
// message (the only form an older peer writes):
// - more (bit 31): the frame is a piece of a message that goes on in the
//   next frame; the message's text is its pieces joined;
// - restart (bit 30, no bytes): the pieces of the message so far are
//   dropped; the message starts again with the next frame;
// - takes pieces (bit 29): the sender of a request reads its answer when it
//   comes in pieces; an answer is sent in pieces only to a request with it.
// Messages above 256 MiB (all their pieces) are refused; a reader may allow
// less (FrameLimits). A frame's bytes are taken as they arrive: the size it
// announces is never set aside before they do.
#pragma once

#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "platform/net/socket.h"

namespace plat {

constexpr std::size_t kMaxFrame = 256u << 20;

// A whole message in one frame; with takesPieces for a request whose
// answer may come in pieces.
void WriteFrame(TcpSocket& socket, std::string_view payload, bool takesPieces = false);
// A piece of a message: more of it follows unless it is the last.
void WritePiece(TcpSocket& socket, std::string_view piece, bool last);
// Drops the pieces of the message written so far.
void WriteRestart(TcpSocket& socket);

// The next message, or nullopt when the peer closed the connection between
// messages. Throws ETimeout / ENetError as TcpSocket::ReadExact, and ENetError
// for an oversized message.
std::optional<std::string> ReadFrame(TcpSocket& socket, std::chrono::milliseconds timeout);

// A frame the reader refuses: larger than it allows, or not complete in time.
class EFrameRefused : public ENetError {
 public:
  using ENetError::ENetError;
};

// What a server allows the frames of one connection (negative times: no limit).
struct FrameLimits {
  std::size_t maxSize = kMaxFrame;
  std::chrono::milliseconds idle{-1};      // waiting for a message to start
  std::chrono::milliseconds complete{-1};  // from a message's first byte to its last
};

struct Message {
  std::string text;
  bool takesPieces = false;  // a request whose answer may come in pieces
};
// As above; ETimeout when no message starts within idle, EFrameRefused for
// a message over maxSize or not complete within its time, or for a restart
// frame carrying bytes.
std::optional<Message> ReadMessage(TcpSocket& socket, const FrameLimits& limits);
std::optional<std::string> ReadFrame(TcpSocket& socket, const FrameLimits& limits);

// Takes a message's pieces as they arrive, rather than the message joined.
class MessageListener {
 public:
  virtual ~MessageListener() = default;
  // The next piece; `last` for the one that ends the message (a message in
  // one frame is one last piece).
  virtual void Piece(std::string&& bytes, bool last) = 0;
  // The pieces so far are void: the message starts again.
  virtual void Restarted() = 0;
};
// Reads the next message as ReadMessage does, handing its pieces to the
// listener; nullopt when the peer closed the connection between messages,
// else whether the sender takes its answer in pieces.
std::optional<bool> ReadPieces(TcpSocket& socket, const FrameLimits& limits, MessageListener& listener);

}  // namespace plat
