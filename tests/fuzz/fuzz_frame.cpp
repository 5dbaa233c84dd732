// Fuzz target: the frame reader. The input is the byte stream a peer sends
// on one connection; a thread writes it into one end of a socket pair and
// ReadFrame reads frames from the other end until the stream ends or a
// frame fails. The frames read must be exactly those the bytes hold, and the
// reading must end as the stream does: at its end between two frames with
// no frame, on an announced size over the limit with EFrameRefused, on a
// stream cut inside a frame with ENetError.
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

// The complete frames of the stream by the frame rules, and how it ends.
End Expected(std::string_view bytes, std::size_t limit, std::vector<std::string_view>& frames) {
  while (!bytes.empty()) {
    if (bytes.size() < 4) return End::Cut;
    auto byte = [&](std::size_t i) { return std::size_t(static_cast<unsigned char>(bytes[i])); };
    const std::size_t size = byte(0) << 24 | byte(1) << 16 | byte(2) << 8 | byte(3);
    if (size > limit) return End::Refused;
    if (bytes.size() - 4 < size) return End::Cut;
    frames.push_back(bytes.substr(4, size));
    bytes.remove_prefix(4 + size);
  }
  return End::Closed;
}

void ReadStream(std::string_view bytes, const plat::FrameLimits& limits) {
  std::vector<std::string_view> expected;
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
      fuzz::Check(count < expected.size(), "a frame read beyond those the stream holds");
      fuzz::Check(*frame == expected[count], "a frame read other than the stream holds");
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
  fuzz::Check(count == expected.size(), "fewer frames read than the stream holds");
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
