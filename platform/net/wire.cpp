#include "platform/net/wire.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>
#include <unordered_map>
#include <unordered_set>

#include <nlohmann/json.hpp>
// The parser's scans for the end of a text use 16-byte loads, which may
// read past the end of the buffer within its aligned block: not where
// memory is checked byte by byte (the fuzzing build).
#if defined(__SANITIZE_ADDRESS__)
#define PSR_MEMORY_CHECKED
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define PSR_MEMORY_CHECKED
#endif
#endif
#if defined(__SSE2__) && !defined(PSR_MEMORY_CHECKED)
#define RAPIDJSON_SSE2
#endif
#include <rapidjson/document.h>
#include <rapidjson/stringbuffer.h>
#include <rapidjson/writer.h>

#include "platform/data/cp1252.h"
#include "platform/data/errors.h"

namespace plat {

namespace {

// ---------------------------------------------------------------------------
// Writing. Objects carry their keys in the order the JSON document of rpc.h
// writes them (sorted), so the texts read alike. Anything the writer cannot
// take as it is (a value unfit for its field, a row of the wrong length,
// text that is not UTF-8) stops it: the document path then writes the same
// message or refuses it with its own error.

using Writer = rapidjson::Writer<rapidjson::StringBuffer>;

// Thrown inside the writer when it must leave the message to the document path.
struct Unwritable {};

void Key(Writer& out, const char* key) { out.Key(key, static_cast<rapidjson::SizeType>(std::strlen(key))); }

void Text(Writer& out, std::string_view text) {
  CharCount(text);  // refuses malformed UTF-8, as the document path does
  out.String(text.data(), static_cast<rapidjson::SizeType>(text.size()));
}

void Value(Writer& out, const Variant& value, FieldType type) {
  if (value.IsNull()) {
    out.Null();
    return;
  }
  switch (type) {
    case FieldType::String:
    case FieldType::Blob:
      if (value.Type() == VarType::Text)
        Text(out, value.Text());
      else
        Text(out, value.ToText());
      return;
    case FieldType::Float: {
      const double number = value.ToDouble();
      if (!std::isfinite(number)) throw Unwritable();
      out.Double(number);
      return;
    }
    case FieldType::Decimal: Text(out, value.ToDecimal().ToString()); return;
    case FieldType::DateTime: Text(out, value.ToDateTime().ToIso()); return;
    case FieldType::Integer: out.Int64(value.ToInt()); return;
    case FieldType::Boolean: out.Bool(value.ToBool()); return;
  }
  throw Unwritable();
}

void Fields(Writer& out, const std::vector<FieldDef>& fields) {
  out.StartArray();
  for (const FieldDef& field : fields) {
    out.StartObject();
    Key(out, "name");
    Text(out, field.name);
    if (field.readOnly) {
      Key(out, "readOnly");
      out.Bool(true);
    }
    if (field.required) {
      Key(out, "required");
      out.Bool(true);
    }
    if (field.size != 0) {
      Key(out, "size");
      out.Int(field.size);
    }
    Key(out, "type");
    Text(out, FieldTypeName(field.type));
    out.EndObject();
  }
  out.EndArray();
}

void RowValues(Writer& out, const Row& row, const std::vector<FieldDef>& fields) {
  if (row.size() != fields.size()) throw Unwritable();
  out.StartArray();
  for (std::size_t i = 0; i < row.size(); ++i) Value(out, row[i], fields[i].type);
  out.EndArray();
}

void Packet(Writer& out, const DataPacket& packet) {
  out.StartObject();
  Key(out, "fields");
  Fields(out, packet.fields);
  Key(out, "rows");
  out.StartArray();
  for (const Row& row : packet.rows) RowValues(out, row, packet.fields);
  out.EndArray();
  out.EndObject();
}

void DeltaValue(Writer& out, const Delta& delta) {
  out.StartObject();
  Key(out, "changes");
  out.StartArray();
  for (const DeltaEntry& change : delta.changes) {
    out.StartObject();
    Key(out, "kind");
    Text(out, ChangeKindName(change.kind));
    if (change.kind != ChangeKind::Delete) {
      Key(out, "new");
      RowValues(out, change.current, delta.fields);
    }
    if (change.kind != ChangeKind::Insert) {
      Key(out, "old");
      RowValues(out, change.original, delta.fields);
    }
    out.EndObject();
  }
  out.EndArray();
  Key(out, "fields");
  Fields(out, delta.fields);
  out.EndObject();
}

void TypedValue(Writer& out, const Variant& value) {
  out.StartObject();
  switch (value.Type()) {
    case VarType::Null: Key(out, "null"); out.Null(); break;
    case VarType::Text: Key(out, "string"); Text(out, value.Text()); break;
    case VarType::Float: Key(out, "float"); Value(out, value, FieldType::Float); break;
    case VarType::Decimal: Key(out, "decimal"); Value(out, value, FieldType::Decimal); break;
    case VarType::DateTime: Key(out, "datetime"); Value(out, value, FieldType::DateTime); break;
    case VarType::Integer: Key(out, "integer"); out.Int64(value.ToInt()); break;
    case VarType::Boolean: Key(out, "boolean"); out.Bool(value.ToBool()); break;
  }
  out.EndObject();
}

// Runs the writer; on anything it leaves to the document path, that path.
template <class Write, class Fallback>
std::string Written(Write write, Fallback fallback, std::size_t expected) {
  try {
    // Room for the expected size at once spares the copies of a growing buffer.
    rapidjson::StringBuffer buffer(nullptr, std::max<std::size_t>(expected, 256));
    Writer out(buffer);
    write(out);
    return std::string(buffer.GetString(), buffer.GetSize());
  } catch (...) {
    return fallback();
  }
}

// ---------------------------------------------------------------------------
// Reading. A document of the quick parser is taken only where its meaning is
// beyond doubt; everything else is declined (Declined) for the thorough
// reader. Objects must hold exactly the keys their kind allows, each once.

using JsonValue = rapidjson::Value;
struct Declined {};

[[noreturn]] void Decline() { throw Declined(); }

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

Variant ReadValue(const JsonValue& v, FieldType type) {
  if (v.IsNull()) return Variant();
  switch (type) {
    case FieldType::String:
    case FieldType::Blob: return Variant::OfText(Str(v));
    case FieldType::Float:
      if (!v.IsNumber()) Decline();
      return Variant(v.GetDouble());
    case FieldType::Decimal:
      if (v.IsString()) return Variant(Decimal::Parse(Str(v)));
      if (v.IsInt64()) return Variant(Decimal::Parse(std::to_string(v.GetInt64())));
      if (v.IsUint64()) return Variant(Decimal::Parse(std::to_string(v.GetUint64())));
      Decline();
    case FieldType::DateTime: return Variant(DateTime::ParseIso(Str(v)));
    case FieldType::Integer:
      if (!v.IsInt64()) Decline();
      return Variant(v.GetInt64());
    case FieldType::Boolean:
      if (!v.IsBool()) Decline();
      return Variant(v.GetBool());
  }
  Decline();
}

// The rows of a packet or delta repeat many of their texts (a customer's
// name in each of its proposals, the operators): equal texts of a column
// are made one shared text, so the rows hold one copy. A column whose texts
// seldom repeat stops being looked up. The pool lives no longer than the
// parsed document its keys view.
class TextPool {
 public:
  explicit TextPool(std::size_t columns) : columns_(columns) {}

  Variant Value(std::size_t column, const JsonValue& v, FieldType type) {
    if ((type != FieldType::String && type != FieldType::Blob) || !v.IsString() ||
        v.GetStringLength() <= kShortText || !columns_[column].pooling)
      return ReadValue(v, type);
    Column& texts = columns_[column];
    const std::string_view text = Str(v);
    ++texts.lookups;
    auto found = texts.seen.find(text);
    if (found != texts.seen.end()) {
      ++texts.hits;
      return found->second;
    }
    Variant value = Variant::OfText(text);
    texts.seen.emplace(text, value);
    if (texts.seen.size() >= kTrial && texts.hits * 4 < texts.lookups) {
      texts.pooling = false;
      texts.seen.clear();
    }
    return value;
  }

 private:
  static constexpr std::size_t kShortText = 14;  // held in place by a Variant: nothing to share
  static constexpr std::size_t kTrial = 1024;
  struct Column {
    std::unordered_map<std::string_view, Variant> seen;
    std::size_t lookups = 0, hits = 0;
    bool pooling = true;
  };
  std::vector<Column> columns_;
};

std::vector<FieldDef> ReadFields(const JsonValue& v) {
  if (!v.IsArray()) Decline();
  std::vector<FieldDef> fields;
  fields.reserve(v.Size());
  std::unordered_set<std::string> names;  // in lower case: names compare so
  for (const JsonValue& item : v.GetArray()) {
    if (!item.IsObject()) Decline();
    FieldDef field;
    field.name = std::string(Str(Need(item, "name")));
    if (field.name.empty()) Decline();
    field.type = FieldTypeFromName(Str(Need(item, "type")));
    rapidjson::SizeType found = 2;
    if (const JsonValue* size = Find(item, "size")) {
      if (!size->IsInt64() || size->GetInt64() < 0 || size->GetInt64() > std::numeric_limits<int>::max()) Decline();
      field.size = static_cast<int>(size->GetInt64());
      ++found;
    }
    for (auto [key, flag] : {std::pair{"required", &field.required}, std::pair{"readOnly", &field.readOnly}}) {
      if (const JsonValue* set = Find(item, key)) {
        if (!set->IsBool()) Decline();
        *flag = set->GetBool();
        ++found;
      }
    }
    if (found != item.MemberCount()) Decline();
    std::string lower = field.name;
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (!names.insert(std::move(lower)).second) Decline();
    fields.push_back(std::move(field));
  }
  return fields;
}

Row ReadRow(const JsonValue& v, const std::vector<FieldDef>& fields, TextPool& texts) {
  if (!v.IsArray() || v.Size() != fields.size()) Decline();
  Row row;
  row.reserve(fields.size());
  for (rapidjson::SizeType i = 0; i < v.Size(); ++i) row.push_back(texts.Value(i, v[i], fields[i].type));
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

// A \u escape of a UTF-16 surrogate: the two parsers may differ on those
// standing alone, so a text holding any is left to the thorough reader.
bool EscapesSurrogate(std::string_view text) {
  constexpr std::string_view kSurrogateSecond = "89abcdefABCDEF";
  for (std::size_t at = text.find('\\'); at != std::string_view::npos; at = text.find('\\', at + 2)) {
    if (at + 3 < text.size() && text[at + 1] == 'u' && (text[at + 2] == 'd' || text[at + 2] == 'D') &&
        kSurrogateSecond.find(text[at + 3]) != std::string_view::npos)
      return true;
  }
  return false;
}

// Passes the parser's events on to a document, reading each number from its
// text with the standard library (exactly) into the classes the thorough
// reader gives it: without a fraction or exponent, a whole number when it
// fits 64 bits (signed when negative); otherwise a double. A number no
// double holds stops the parse.
struct ExactNumbers {
  rapidjson::Document& document;
  using Size = rapidjson::SizeType;

  bool RawNumber(const char* text, Size length, bool) {
    const char* end = text + length;
    if (std::find_if(text, end, [](char c) { return c == '.' || c == 'e' || c == 'E'; }) == end) {
      if (*text == '-') {
        int64_t whole = 0;
        if (std::from_chars(text, end, whole).ec == std::errc()) return document.Int64(whole);
      } else {
        uint64_t whole = 0;
        if (std::from_chars(text, end, whole).ec == std::errc()) return document.Uint64(whole);
      }
    }
    double number = 0;
    auto read = std::from_chars(text, end, number);
    return read.ec == std::errc() && read.ptr == end && document.Double(number);
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

// Parses the text and reads it with `read`; nullopt when either declines.
// The parse keeps no call stack per level of nesting and refuses malformed
// UTF-8, as the thorough reader does.
template <class Result, class Read>
std::optional<Result> Quick(const std::string& text, Read read) {
  // Texts are checked to be UTF-8 as a whole, faster than string by string
  // (outside its strings JSON is ASCII).
  if (EscapesSurrogate(text) || !IsUtf8(text)) return std::nullopt;
  rapidjson::Document document;
  bool parsed = false;
  auto parse = [&text, &parsed](rapidjson::Document& into) {
    constexpr unsigned kFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;
    rapidjson::StringStream input(text.c_str());
    ExactNumbers events{into};
    // The parser takes a zero byte for the end of the text; the whole text must have been read.
    parsed = !rapidjson::Reader().Parse<kFlags>(input, events).IsError() && input.Tell() == text.size();
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

// About 12 bytes a value in the deltas of a request.
std::size_t ExpectedSize(const RpcRequest& request) {
  std::size_t size = 256;
  for (const RpcArg& arg : request.args)
    if (arg.IsDelta()) size += 24 * arg.DeltaValue().changes.size() * arg.DeltaValue().fields.size();
  return size;
}

}  // namespace

std::string RequestText(const RpcRequest& request) {
  return Written(
      [&](Writer& out) {
        out.StartObject();
        Key(out, "args");
        out.StartArray();
        for (const RpcArg& arg : request.args) {
          if (arg.IsDelta()) {
            out.StartObject();
            Key(out, "delta");
            DeltaValue(out, arg.DeltaValue());
            out.EndObject();
          } else {
            TypedValue(out, arg.Value());
          }
        }
        out.EndArray();
        Key(out, "id");
        out.Int64(request.id);
        Key(out, "method");
        Text(out, request.method);
        Key(out, "object");
        Text(out, request.object);
        out.EndObject();
      },
      [&] { return RequestToJson(request).dump(); }, ExpectedSize(request));
}

std::string AnswerText(const RpcAnswer& answer) {
  return Written(
      [&](Writer& out) {
        out.StartObject();
        switch (answer.kind) {
          case RpcAnswer::Kind::Packet:
            Key(out, "id");
            out.Int64(answer.id);
            Key(out, "packet");
            Packet(out, answer.packet);
            break;
          case RpcAnswer::Kind::Value:
            Key(out, "id");
            out.Int64(answer.id);
            Key(out, "value");
            TypedValue(out, answer.value);
            break;
          case RpcAnswer::Kind::Error:
            Key(out, "error");
            Text(out, answer.error);
            Key(out, "id");
            out.Int64(answer.id);
            break;
        }
        out.EndObject();
      },
      [&] { return AnswerToJson(answer).dump(); },
      // Lists take about 13 bytes a value; a little more room spares a last copy.
      answer.kind == RpcAnswer::Kind::Packet ? 64 + 16 * answer.packet.rows.size() * answer.packet.fields.size() : 256);
}

std::optional<RpcRequest> TryReadRequest(const std::string& text) {
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

std::optional<RpcAnswer> TryReadAnswer(const std::string& text) {
  return Quick<RpcAnswer>(text, [](const JsonValue& v) {
    const JsonValue& object = ObjectOf(v, 2);
    const int64_t id = ReadId(object);
    if (const JsonValue* packet = Find(object, "packet")) return RpcAnswer::OfPacket(id, ReadPacket(*packet));
    if (const JsonValue* value = Find(object, "value")) return RpcAnswer::OfValue(id, ReadTypedValue(*value));
    return RpcAnswer::OfError(id, std::string(Str(Need(object, "error"))));
  });
}

RpcAnswer ReadAnswerText(const std::string& text) {
  if (std::optional<RpcAnswer> answer = TryReadAnswer(text)) return std::move(*answer);
  return AnswerFromJson(nlohmann::json::parse(text));
}

}  // namespace plat
