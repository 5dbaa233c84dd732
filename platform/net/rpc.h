// The calls between the screen and the application server, as JSON messages
// carried in frames (docs/protocol.md).
//
// A request names the server object, the method and its positional
// arguments; the answer carries a data packet, a single value, or an error
// message. Arguments and values are typed: a plain value (text, float,
// integer, boolean, decimal, date-time, null) or, for the Set methods, a delta.
#pragma once

#include <cstdint>
#include <nlohmann/json_fwd.hpp>
#include <string>
#include <variant>
#include <vector>

#include "platform/data/packet.h"

namespace plat {

// One argument of a call: a value or a delta.
struct RpcArg {
  std::variant<Variant, Delta> content;

  RpcArg(Variant value) : content(std::move(value)) {}
  RpcArg(const char* text) : content(Variant(text)) {}
  RpcArg(std::string text) : content(Variant(std::move(text))) {}
  RpcArg(double value) : content(Variant(value)) {}
  RpcArg(Delta delta) : content(std::move(delta)) {}

  bool IsDelta() const { return std::holds_alternative<Delta>(content); }
  const Variant& Value() const;     // throws EConvertError for a delta
  const Delta& DeltaValue() const;  // throws EConvertError for a value
  friend bool operator==(const RpcArg&, const RpcArg&) = default;
};

struct RpcRequest {
  int64_t id = 0;
  std::string object;  // "PSR41300.rdmSolicitaProposta"
  std::string method;
  std::vector<RpcArg> args;
};

struct RpcAnswer {
  enum class Kind { Packet, Value, Error } kind = Kind::Value;
  int64_t id = 0;
  DataPacket packet;
  Variant value;
  std::string error;

  static RpcAnswer OfPacket(int64_t id, DataPacket packet);
  static RpcAnswer OfValue(int64_t id, Variant value);
  static RpcAnswer OfError(int64_t id, std::string message);
};

// JSON forms; reading throws EConvertError naming what is wrong.
nlohmann::json RequestToJson(const RpcRequest& request);
RpcRequest RequestFromJson(const nlohmann::json& json);
nlohmann::json AnswerToJson(const RpcAnswer& answer);
RpcAnswer AnswerFromJson(const nlohmann::json& json);

// A plain value with its kind: {"string": "0001"}, {"float": 1.5},
// {"integer": 3}, {"boolean": true}, {"decimal": "10.50"},
// {"datetime": "2026-12-08T00:00:00"}, {"null": null}.
nlohmann::json TypedValueToJson(const Variant& value);
Variant TypedValueFromJson(const nlohmann::json& json);

}  // namespace plat
