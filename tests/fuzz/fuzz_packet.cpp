// Fuzz target: the readers of data sets on the wire. The input is parsed as
// JSON, as the screen's connection parses an answer, and read three ways:
// as a data packet (PacketFromJson), as a delta (DeltaFromJson, which the
// server reads from a Set call) and as a whole answer (AnswerFromJson, which
// carries packets and values to the screen). Each reader either refuses the
// input with a plat::EError or reads a value that is written back, read
// again to the same value and written again to the same text; anything else
// escaping a reader is a fault.
//
// The quick path the screen's connection takes first (wire.h) must agree:
// what TryReadAnswer accepts, the thorough reader reads to the same answer;
// AnswerText writes the same JSON as AnswerToJson, and the quick reader
// takes that text back to the same answer.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/data/errors.h"
#include "platform/data/packet.h"
#include "platform/net/rpc.h"
#include "platform/net/wire.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

bool SameAnswer(const plat::RpcAnswer& a, const plat::RpcAnswer& b) {
  return a.kind == b.kind && a.id == b.id && a.packet == b.packet && a.value == b.value && a.error == b.error;
}

template <typename Value, typename Read, typename Write, typename Same>
void RoundTrip(const nlohmann::json& json, Read read, Write write, Same same, const char* what) {
  Value value;
  try {
    value = read(json);
  } catch (const plat::EError&) {
    return;
  }
  const std::string text = write(value).dump();
  auto again = fuzz::ParseJson(text);
  if (!again) fuzz::Check(false, what);
  const Value back = read(*again);
  fuzz::Check(same(back, value), what);
  fuzz::Check(write(back).dump() == text, what);
}

// The answer read while it arrives in parts (AnswerReader) gives what the
// whole text gives, or fails as it fails.
void PiecedAnswer(const std::string& input) {
  std::optional<plat::RpcAnswer> whole, pieced;
  try {
    whole = plat::ReadAnswerText(input);
  } catch (const std::exception&) {
  }
  plat::AnswerReader reader;
  const std::size_t size = 1 + input.size() % 13;
  for (std::size_t at = 0; at < input.size(); at += size)
    reader.Piece(input.substr(at, size), at + size >= input.size());
  if (input.empty()) reader.Piece(std::string(), true);
  try {
    pieced = reader.Finish();
  } catch (const std::exception&) {
  }
  fuzz::Check(whole.has_value() == pieced.has_value(), "read in parts, the answer failed otherwise than whole");
  fuzz::Check(!whole || SameAnswer(*whole, *pieced), "read in parts, the answer was another");
}

// The quick answer reader and writer against the thorough ones.
void QuickAnswer(std::string_view input, const std::optional<nlohmann::json>& json) {
  const std::optional<plat::RpcAnswer> quick = plat::TryReadAnswer(std::string(input));
  fuzz::Check(json.has_value() || !quick, "the quick reader took a text that is not JSON");
  if (!json) return;
  plat::RpcAnswer answer;
  try {
    answer = plat::AnswerFromJson(*json);
  } catch (const plat::EError&) {
    fuzz::Check(!quick, "the quick reader took an answer the thorough reader refuses");
    return;
  }
  fuzz::Check(!quick || SameAnswer(*quick, answer), "the quick reader read another answer");
  std::string text;
  try {
    text = plat::AnswerText(answer);
  } catch (const plat::EError&) {
    // Refused as AnswerToJson refuses it (a float no JSON number holds).
    bool refused = false;
    try {
      plat::AnswerToJson(answer);
    } catch (const plat::EError&) {
      refused = true;
    }
    fuzz::Check(refused, "AnswerText refused an answer AnswerToJson writes");
    return;
  }
  auto written = fuzz::ParseJson(text);
  fuzz::Check(written && *written == plat::AnswerToJson(answer), "AnswerText wrote other JSON");
  const std::optional<plat::RpcAnswer> back = plat::TryReadAnswer(text);
  fuzz::Check(back && SameAnswer(*back, answer), "the quick reader did not read back AnswerText");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  auto json = fuzz::ParseJson(input);
  QuickAnswer(input, json);
  PiecedAnswer(std::string(input));
  if (!json) return 0;
  auto equal = [](const auto& a, const auto& b) { return a == b; };
  RoundTrip<plat::DataPacket>(*json, plat::PacketFromJson, plat::PacketToJson, equal,
                              "a data packet does not come back the same after writing and reading");
  RoundTrip<plat::Delta>(*json, plat::DeltaFromJson, plat::DeltaToJson, equal,
                         "a delta does not come back the same after writing and reading");
  RoundTrip<plat::RpcAnswer>(*json, plat::AnswerFromJson, plat::AnswerToJson, SameAnswer,
                             "an answer does not come back the same after writing and reading");
  return 0;
}
