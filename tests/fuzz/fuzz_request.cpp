// Fuzz target: a request as the application server reads it. The input is
// a frame's text; as in AnswerFrame it is parsed as JSON and read by
// RequestFromJson. A text that is not JSON, or a request the reader refuses
// with a plat::EError, is answered as an error; anything else escaping the
// reader is a fault.
//
// A request that was read then goes where the server sends it: its
// arguments are checked against the kinds of arguments the server's
// methods take (CheckArgs), and those that pass are read the way the
// methods read them, which must not fail. Last, the request is written
// back (RequestToJson), read again to the same request, and written again
// to the same text.
//
// The server's strict reading of the frame (ReadRequest: UTF-8, each key
// once, no unknown keys) never throws and answers every refusal with a text
// that can be written. The quick path the server takes first (wire.h) must
// agree: what
// TryReadRequest accepts, the thorough reader reads to the same request;
// RequestText writes the same JSON as RequestToJson, and the quick reader
// takes that text back to the same request.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "appserver/request_reader.h"
#include "appserver/server_object.h"
#include "platform/data/errors.h"
#include "platform/net/rpc.h"
#include "platform/net/wire.h"
#include "tests/fuzz/fuzz_support.h"

namespace {

using appsrv::ArgKind;

// The argument lists of the server's methods: the queries (texts only, up
// to five), GetUpDateValor (a number, then texts), Host.SetServerDate (a
// date) and the Set methods (one delta).
const std::vector<appsrv::Method>& MethodShapes() {
  static const std::vector<appsrv::Method> shapes = [] {
    std::vector<appsrv::Method> out;
    for (int count = 0; count <= 5; ++count) {
      appsrv::Method query{"Query" + std::to_string(count), {}, nullptr};
      for (int i = 1; i <= count; ++i) query.args.push_back({"arg" + std::to_string(i), ArgKind::Text});
      out.push_back(std::move(query));
    }
    out.push_back({"GetUpDateValor",
                   {{"QTLINPPEDP", ArgKind::Number},
                    {"NRPROPOSFAS", ArgKind::Text},
                    {"NRVERPROPFAS", ArgKind::Text},
                    {"CDLIN", ArgKind::Text},
                    {"CDLIN", ArgKind::Text}},
                   nullptr});
    out.push_back({"SetServerDate", {{"data", ArgKind::DateTime}}, nullptr});
    out.push_back({"SetProposta", {{"delta", ArgKind::Delta}}, nullptr});
    return out;
  }();
  return shapes;
}

void ReadArguments(const plat::RpcRequest& request) {
  for (const appsrv::Method& method : MethodShapes()) {
    std::optional<appsrv::CallArgs> args;
    try {
      args.emplace(appsrv::CheckArgs(method, request.args));
    } catch (const plat::EError&) {
      continue;  // refused with a message naming the method and the argument
    }
    bool allTexts = true;
    for (std::size_t i = 0; i < args->Size(); ++i) {
      switch (method.args[i].kind) {
        case ArgKind::Text:
          args->Text(i);
          break;
        case ArgKind::Number:
          args->Number(i);
          break;
        case ArgKind::DateTime:
          args->Date(i);
          break;
        case ArgKind::Delta:
          args->DeltaAt(i);
          break;
      }
      allTexts = allTexts && method.args[i].kind == ArgKind::Text;
    }
    if (allTexts) args->Texts();  // the queries' statement parameters
  }
}

bool SameRequest(const plat::RpcRequest& a, const plat::RpcRequest& b) {
  return a.id == b.id && a.object == b.object && a.method == b.method && a.args == b.args;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view input(reinterpret_cast<const char*>(data), size);
  // The server's own reading: a call, or an error answer that can be sent
  // whatever bytes came (no exception, no unwritable text).
  auto read = appsrv::ReadRequest(std::string(input));
  if (auto* refused = std::get_if<plat::RpcAnswer>(&read)) {
    fuzz::Check(refused->kind == plat::RpcAnswer::Kind::Error && !refused->error.empty(),
                "a refusal without a message");
    plat::AnswerText(*refused);
  }
  const std::optional<plat::RpcRequest> quick = plat::TryReadRequest(std::string(input));
  auto json = fuzz::ParseJson(input);
  fuzz::Check(json.has_value() || !quick, "the quick reader took a text that is not JSON");
  if (!json) return 0;
  plat::RpcRequest request;
  try {
    request = plat::RequestFromJson(*json);
  } catch (const plat::EError&) {
    fuzz::Check(!quick, "the quick reader took a request the thorough reader refuses");
    return 0;
  }
  fuzz::Check(!quick || SameRequest(*quick, request), "the quick reader read another request");
  ReadArguments(request);

  const std::string quickText = plat::RequestText(request);
  auto written = fuzz::ParseJson(quickText);
  fuzz::Check(written && *written == plat::RequestToJson(request), "RequestText wrote other JSON");
  const std::optional<plat::RpcRequest> quickBack = plat::TryReadRequest(quickText);
  fuzz::Check(quickBack && SameRequest(*quickBack, request), "the quick reader did not read back RequestText");

  const std::string text = plat::RequestToJson(request).dump();
  auto again = fuzz::ParseJson(text);
  fuzz::Check(again.has_value(), "a request written back is not JSON");
  const plat::RpcRequest back = plat::RequestFromJson(*again);
  fuzz::Check(SameRequest(back, request), "a request written back reads as another request");
  fuzz::Check(plat::RequestToJson(back).dump() == text, "a request read back writes another text");
  return 0;
}
