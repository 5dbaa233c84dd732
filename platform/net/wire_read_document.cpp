// Reading calls and answers from a parsed document the quick way (wire.h):
// a document of the quick parser is taken only where its meaning is beyond
// doubt; everything else is declined for the thorough reader. Objects must
// hold exactly the keys their kind allows, each once.
#include "platform/data/errors.h"
#include "platform/net/rapidjson_config.h"
#include "platform/net/wire.h"
#include "platform/net/wire_read_parts.h"

namespace plat {

namespace {

using namespace wire_read;
using JsonValue = rapidjson::Value;

std::string_view Str(const JsonValue& v) {
  if (!v.IsString()) Decline();
  return {v.GetString(), v.GetStringLength()};
}

// The member named `key`, or nullptr.
const JsonValue* Find(const JsonValue& object, const char* key) {
  auto found = object.FindMember(key);
  return found == object.MemberEnd() ? nullptr : &found->value;
}

const JsonValue& Need(const JsonValue& object, const char* key) {
  const JsonValue* v = Find(object, key);
  if (!v) Decline();
  return *v;
}

// An object with exactly `count` members, none of them repeated, which the
// caller then finds by name (so `count` different names found means no other).
const JsonValue& ObjectOf(const JsonValue& v, rapidjson::SizeType count) {
  if (!v.IsObject() || v.MemberCount() != count) Decline();
  return v;
}

Scalar ScalarOf(const JsonValue& v) {
  Scalar scalar;
  if (v.IsNull()) return scalar;
  if (v.IsBool()) {
    scalar.kind = v.GetBool() ? Scalar::True : Scalar::False;
  } else if (v.IsString()) {
    scalar.kind = Scalar::Text;
    scalar.text = Str(v);
  } else if (v.IsInt64()) {
    scalar.kind = Scalar::Whole;
    scalar.whole = v.GetInt64();
  } else if (v.IsUint64()) {
    scalar.kind = Scalar::Unsigned;
    scalar.unsignedWhole = v.GetUint64();
  } else if (v.IsNumber()) {
    scalar.kind = Scalar::Fraction;
    scalar.fraction = v.GetDouble();
  } else {
    Decline();  // an object or array where a value belongs
  }
  return scalar;
}

Variant ReadValue(const JsonValue& v, FieldType type) { return ReadScalar(ScalarOf(v), type); }

std::vector<FieldDef> ReadFields(const JsonValue& v) {
  if (!v.IsArray()) Decline();
  FieldList fields;
  for (const JsonValue& item : v.GetArray()) {
    if (!item.IsObject()) Decline();
    FieldDef field;
    unsigned keys = 0;
    for (const auto& member : item.GetObject()) {
      const std::size_t key = FieldKey(Str(member.name));
      if (key == kFieldKeys.size() || (keys & (1u << key))) Decline();
      keys |= 1u << key;
      if (!SetFieldProperty(field, key, ScalarOf(member.value))) Decline();
    }
    if (!fields.Add(std::move(field), keys)) Decline();
  }
  return fields.Take();
}

Row ReadRow(const JsonValue& v, const std::vector<FieldDef>& fields, TextPool& texts) {
  if (!v.IsArray() || v.Size() != fields.size()) Decline();
  Row row;
  row.reserve(fields.size());
  for (rapidjson::SizeType i = 0; i < v.Size(); ++i) row.push_back(texts.Value(i, ScalarOf(v[i]), fields[i].type));
  return row;
}

DataPacket ReadPacket(const JsonValue& v) {
  const JsonValue& object = ObjectOf(v, 2);
  DataPacket packet;
  packet.fields = ReadFields(Need(object, "fields"));
  const JsonValue& rows = Need(object, "rows");
  if (!rows.IsArray()) Decline();
  packet.rows.reserve(rows.Size());
  TextPool texts(packet.fields.size());
  for (const JsonValue& row : rows.GetArray()) packet.rows.push_back(ReadRow(row, packet.fields, texts));
  return packet;
}

Delta ReadDelta(const JsonValue& v) {
  const JsonValue& object = ObjectOf(v, 2);
  Delta delta;
  delta.fields = ReadFields(Need(object, "fields"));
  const JsonValue& changes = Need(object, "changes");
  if (!changes.IsArray()) Decline();
  delta.changes.reserve(changes.Size());
  TextPool texts(delta.fields.size());
  for (const JsonValue& item : changes.GetArray()) {
    if (!item.IsObject()) Decline();
    const std::string_view kind = Str(Need(item, "kind"));
    DeltaEntry change;
    if (kind == "insert") {
      change.kind = ChangeKind::Insert;
    } else if (kind == "modify") {
      change.kind = ChangeKind::Modify;
    } else if (kind == "delete") {
      change.kind = ChangeKind::Delete;
    } else {
      Decline();
    }
    const bool hasOld = change.kind != ChangeKind::Insert, hasNew = change.kind != ChangeKind::Delete;
    ObjectOf(item, 1 + hasOld + hasNew);
    if (hasOld) change.original = ReadRow(Need(item, "old"), delta.fields, texts);
    if (hasNew) change.current = ReadRow(Need(item, "new"), delta.fields, texts);
    delta.changes.push_back(std::move(change));
  }
  return delta;
}

Variant ReadTypedValue(const JsonValue& v) {
  const JsonValue& object = ObjectOf(v, 1);
  const auto member = object.MemberBegin();
  const std::string_view kind = Str(member->name);
  const JsonValue& value = member->value;
  if (kind == "null") return Variant();
  if (kind == "string") return ReadValue(value, FieldType::String);
  if (kind == "float") return ReadValue(value, FieldType::Float);
  if (kind == "decimal") return ReadValue(value, FieldType::Decimal);
  if (kind == "datetime") return ReadValue(value, FieldType::DateTime);
  if (kind == "integer") return ReadValue(value, FieldType::Integer);
  if (kind == "boolean") return ReadValue(value, FieldType::Boolean);
  Decline();
}

int64_t ReadId(const JsonValue& object) {
  const JsonValue& id = Need(object, "id");
  if (!id.IsInt64()) Decline();
  return id.GetInt64();
}

// Passes the parser's events on to a document, each number read from its
// text (ReadNumber); a number no double holds stops the parse.
struct ExactNumbers {
  rapidjson::Document& document;
  using Size = rapidjson::SizeType;

  bool RawNumber(const char* text, Size length, bool) {
    Scalar number;
    if (!ReadNumber({text, length}, number)) return false;
    switch (number.kind) {
      case Scalar::Whole:
        return document.Int64(number.whole);
      case Scalar::Unsigned:
        return document.Uint64(number.unsignedWhole);
      default:
        return document.Double(number.fraction);
    }
  }
  bool Null() { return document.Null(); }
  bool Bool(bool b) { return document.Bool(b); }
  bool Int(int i) { return document.Int(i); }
  bool Uint(unsigned i) { return document.Uint(i); }
  bool Int64(int64_t i) { return document.Int64(i); }
  bool Uint64(uint64_t i) { return document.Uint64(i); }
  bool Double(double d) { return document.Double(d); }
  bool String(const char* text, Size length, bool copy) { return document.String(text, length, copy); }
  bool StartObject() { return document.StartObject(); }
  bool Key(const char* text, Size length, bool copy) { return document.Key(text, length, copy); }
  bool EndObject(Size members) { return document.EndObject(members); }
  bool StartArray() { return document.StartArray(); }
  bool EndArray(Size elements) { return document.EndArray(elements); }
};

constexpr unsigned kParseFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;

// Parses the whole text with the handler; the parser takes a zero byte for
// the end of the text, so the whole text must have been read.
template <class Handler>
bool ParseAll(const std::string& text, Handler& events) {
  rapidjson::StringStream input(text.c_str());
  return !rapidjson::Reader().Parse<kParseFlags>(input, events).IsError() && input.Tell() == text.size();
}

// Parses a text that is not Unusual and reads it with `read`; nullopt when
// either declines. The parse keeps no call stack per level of nesting.
template <class Result, class Read>
std::optional<Result> Quick(const std::string& text, Read read) {
  rapidjson::Document document;
  bool parsed = false;
  auto parse = [&text, &parsed](rapidjson::Document& into) {
    ExactNumbers events{into};
    parsed = ParseAll(text, events);
    return parsed;
  };
  document.Populate(parse);
  if (!parsed) return std::nullopt;
  try {
    return read(static_cast<const JsonValue&>(document));
  } catch (const Declined&) {
    return std::nullopt;
  } catch (const std::exception&) {  // a value its field's type does not read
    return std::nullopt;
  }
}

}  // namespace

std::optional<RpcRequest> TryReadRequest(const std::string& text) {
  if (Unusual(text)) return std::nullopt;
  return Quick<RpcRequest>(text, [](const JsonValue& v) {
    const JsonValue& object = ObjectOf(v, 4);
    RpcRequest request;
    request.id = ReadId(object);
    request.object = std::string(Str(Need(object, "object")));
    request.method = std::string(Str(Need(object, "method")));
    const JsonValue& args = Need(object, "args");
    if (!args.IsArray()) Decline();
    for (const JsonValue& arg : args.GetArray()) {
      const JsonValue* delta = arg.IsObject() && arg.MemberCount() == 1 ? Find(arg, "delta") : nullptr;
      if (delta)
        request.args.emplace_back(ReadDelta(*delta));
      else
        request.args.emplace_back(ReadTypedValue(arg));
    }
    return request;
  });
}

namespace wire_read {

std::optional<RpcAnswer> DocumentAnswer(const std::string& text) {
  return Quick<RpcAnswer>(text, [](const JsonValue& v) {
    const JsonValue& object = ObjectOf(v, 2);
    const int64_t id = ReadId(object);
    if (const JsonValue* packet = Find(object, "packet")) return RpcAnswer::OfPacket(id, ReadPacket(*packet));
    if (const JsonValue* value = Find(object, "value")) return RpcAnswer::OfValue(id, ReadTypedValue(*value));
    return RpcAnswer::OfError(id, std::string(Str(Need(object, "error"))));
  });
}

}  // namespace wire_read

}  // namespace plat
