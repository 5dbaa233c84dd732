#include "platform/net/rpc.h"

#include <nlohmann/json.hpp>

#include "platform/data/errors.h"
#include "platform/data/packet.h"

namespace plat {

using nlohmann::json;

const Variant& RpcArg::Value() const {
  if (IsDelta()) throw EConvertError("A delta was given where a value was expected");
  return std::get<Variant>(content);
}

const Delta& RpcArg::DeltaValue() const {
  if (!IsDelta()) throw EConvertError("A value was given where a delta was expected");
  return std::get<Delta>(content);
}

RpcAnswer RpcAnswer::OfPacket(int64_t id, DataPacket packet) {
  RpcAnswer answer;
  answer.kind = Kind::Packet;
  answer.id = id;
  answer.packet = std::move(packet);
  return answer;
}

RpcAnswer RpcAnswer::OfValue(int64_t id, Variant value) {
  RpcAnswer answer;
  answer.kind = Kind::Value;
  answer.id = id;
  answer.value = std::move(value);
  return answer;
}

RpcAnswer RpcAnswer::OfError(int64_t id, std::string message) {
  RpcAnswer answer;
  answer.kind = Kind::Error;
  answer.id = id;
  answer.error = std::move(message);
  return answer;
}

namespace {}  // namespace

json TypedValueToJson(const Variant& value) {
  switch (value.Type()) {
    case VarType::Null:
      return {{"null", nullptr}};
    case VarType::Text:
      return {{"string", value.Text()}};
    case VarType::Float:
      return {{"float", ValueToJson(value, FieldType::Float)}};
    case VarType::Decimal:
      return {{"decimal", value.ToDecimal().ToString()}};
    case VarType::DateTime:
      return {{"datetime", value.ToDateTime().ToIso()}};
    case VarType::Integer:
      return {{"integer", value.ToInt()}};
    case VarType::Boolean:
      return {{"boolean", value.ToBool()}};
  }
  return {{"null", nullptr}};
}

Variant TypedValueFromJson(const json& j) {
  if (!j.is_object() || j.size() != 1) throw EConvertError("A value must be an object with one kind: " + QuotedJson(j));
  auto first = j.begin();
  const std::string kind = first.key();
  const json& v = first.value();
  if (kind == "null") return Variant();
  if (kind == "string") return ValueFromJson(v, FieldType::String);
  if (kind == "float") return ValueFromJson(v, FieldType::Float);
  if (kind == "decimal") return ValueFromJson(v, FieldType::Decimal);
  if (kind == "datetime") return ValueFromJson(v, FieldType::DateTime);
  if (kind == "integer") return ValueFromJson(v, FieldType::Integer);
  if (kind == "boolean") return ValueFromJson(v, FieldType::Boolean);
  throw EConvertError("Unknown value kind '" + kind + "'");
}

namespace {

const json& Member(const json& j, const char* key, const char* what) {
  if (!j.is_object() || !j.contains(key)) throw EConvertError(std::string(what) + " without '" + key + "'");
  return j.at(key);
}

int64_t Id(const json& j, const char* what) {
  const json& id = Member(j, "id", what);
  if (!id.is_number_integer()) throw EConvertError(std::string(what) + ": 'id' must be a whole number");
  return id.get<int64_t>();
}

std::string Text(const json& j, const char* key, const char* what) {
  const json& v = Member(j, key, what);
  if (!v.is_string()) throw EConvertError(std::string(what) + ": '" + key + "' must be text");
  return v.get<std::string>();
}

}  // namespace

json RequestToJson(const RpcRequest& request) {
  json args = json::array();
  for (auto& arg : request.args)
    args.push_back(arg.IsDelta() ? json{{"delta", DeltaToJson(arg.DeltaValue())}} : TypedValueToJson(arg.Value()));
  return {{"id", request.id}, {"object", request.object}, {"method", request.method}, {"args", args}};
}

RpcRequest RequestFromJson(const json& j) {
  RpcRequest request;
  request.id = Id(j, "A request");
  request.object = Text(j, "object", "A request");
  request.method = Text(j, "method", "A request");
  const json& args = Member(j, "args", "A request");
  if (!args.is_array()) throw EConvertError("A request: 'args' must be an array");
  for (auto& arg : args) {
    if (arg.is_object() && arg.size() == 1 && arg.contains("delta"))
      request.args.emplace_back(DeltaFromJson(arg.at("delta")));
    else
      request.args.emplace_back(TypedValueFromJson(arg));
  }
  return request;
}

json AnswerToJson(const RpcAnswer& answer) {
  switch (answer.kind) {
    case RpcAnswer::Kind::Packet:
      return {{"id", answer.id}, {"packet", PacketToJson(answer.packet)}};
    case RpcAnswer::Kind::Value:
      return {{"id", answer.id}, {"value", TypedValueToJson(answer.value)}};
    case RpcAnswer::Kind::Error:
      return {{"id", answer.id}, {"error", answer.error}};
  }
  return {};
}

RpcAnswer AnswerFromJson(const json& j) {
  int64_t id = Id(j, "An answer");
  if (j.contains("packet")) return RpcAnswer::OfPacket(id, PacketFromJson(j.at("packet")));
  if (j.contains("value")) return RpcAnswer::OfValue(id, TypedValueFromJson(j.at("value")));
  if (j.contains("error")) return RpcAnswer::OfError(id, Text(j, "error", "An answer"));
  throw EConvertError("An answer holds neither a packet, a value nor an error");
}

}  // namespace plat
