// Fuzz target: the frame reader. The input is the byte stream a peer sends
// on one connection; a thread writes it into one end of a socket pair and
// ReadFrame reads messages from the other end until the stream ends or a
// message fails. The messages read must be exactly those the bytes hold
// (pieces joined, a restart dropping the pieces before it), and the reading
// must end as the stream does: at its end between two messages with none,
// on a message over the limit or a restart carrying bytes with
// EFrameRefused, on a stream cut inside a message with ENetError.
//
// Each input is read twice: with a limit of 1 MiB, and with the largest
// limit a server allows (kMaxFrame), where an announced size that is never
// sent must cost nothing (tools/fuzz.sh runs with a malloc limit far below
// kMaxFrame).
#include <sys/socket.h>

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

#include "platform/net/frame.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

enum class End { Closed, Cut, Refused };

// The complete messages of the stream by the frame rules, and how it ends.
End Expected(std::string_view bytes, std::size_t limit, std::vector<std::string>& messages) {
  constexpr std::size_t kMore = std::size_t(1) << 31, kRestart = std::size_t(1) << 30;
  constexpr std::size_t kLength = (std::size_t(1) << 29) - 1;
  std::string message;
  bool started = false;  // a frame of the message came
  while (!bytes.empty()) {
    if (bytes.size() < 4) return End::Cut;
    auto byte = [&](std::size_t i) { return std::size_t(static_cast<unsigned char>(bytes[i])); };
    const std::size_t header = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    const std::size_t size = header & kLength;
    bytes.remove_prefix(4);
    started = true;
    if (header & kRestart) {
      if (size != 0) return End::Refused;
      message.clear();
      continue;
    }
    if (message.size() + size > limit) return End::Refused;
    if (bytes.size() < size) return End::Cut;
    message.append(bytes.substr(0, size));
    bytes.remove_prefix(size);
    if (header & kMore) continue;
    messages.push_back(std::move(message));
    message.clear();
    started = false;
  }
  return started ? End::Cut : End::Closed;
}

void ReadStream(std::string_view bytes, const plat::FrameLimits& limits) {
  std::vector<std::string> expected;
  const End end = Expected(bytes, std::min(limits.maxSize, plat::kMaxFrame), expected);

  int fds[2];
  fuzz::Check(::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, fds) == 0, "no socket pair");
  plat::TcpSocket reader(fds[0]);
  plat::TcpSocket writer(fds[1]);
  std::thread peer([&] {
    try {
      writer.SendAll(bytes);
    } catch (const plat::ENetError&) {
      // The reader stopped before the end of the stream and closed its end.
    }
    ::shutdown(fds[1], SHUT_WR);
  });

  std::size_t count = 0;
  End got = End::Closed;
  try {
    while (auto frame = plat::ReadFrame(reader, limits)) {
      fuzz::Check(count < expected.size(), "a message read beyond those the stream holds");
      fuzz::Check(*frame == expected[count], "a message read other than the stream holds");
      ++count;
    }
  } catch (const plat::EFrameRefused&) {
    got = End::Refused;
  } catch (const plat::ETimeout&) {
    fuzz::Check(false, "a stream sent at once was not read in time");
  } catch (const plat::ENetError&) {
    got = End::Cut;
  }
  reader.Close();  // frees what the writer still has queued, so it is not left blocked
  peer.join();
  fuzz::Check(count == expected.size(), "fewer messages read than the stream holds");
  fuzz::Check(got == end, "the reading ended otherwise than the stream does");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  using std::chrono::seconds;
  ReadStream(bytes, plat::FrameLimits{1u << 20, seconds(5), seconds(5)});
  ReadStream(bytes, plat::FrameLimits{plat::kMaxFrame, seconds(5), seconds(5)});
  return 0;
}
