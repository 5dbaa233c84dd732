// Reading calls and answers from their text the quick way (wire.h).
#include <rapidjson/document.h>

#include <algorithm>
#include <array>
#include <charconv>
#include <cstring>
#include <limits>
#include <nlohmann/json.hpp>
#include <unordered_map>
#include <unordered_set>

#include "platform/data/cp1252.h"
#include "platform/data/errors.h"
#include "platform/net/json_scan.h"
#include "platform/net/rapidjson_config.h"
#include "platform/net/wire.h"

namespace plat {

namespace {

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

// One value as the parser gave it: its JSON kind and content, a number in
// the class the thorough reader gives it (ReadNumber).
struct Scalar {
  enum Kind { Null, False, True, Whole, Unsigned, Fraction, Text } kind = Null;
  std::string_view text;
  int64_t whole = 0;
  uint64_t unsignedWhole = 0;
  double fraction = 0;
};

// A number's text in the classes the thorough reader gives it: without a
// fraction or exponent, a whole number when it fits 64 bits (signed when
// negative); otherwise a double. False for a number no double holds.
bool ReadNumber(std::string_view digits, Scalar& out) {
  const char* text = digits.data();
  const char* end = text + digits.size();
  if (std::find_if(text, end, [](char c) { return c == '.' || c == 'e' || c == 'E'; }) == end) {
    if (*text == '-') {
      if (std::from_chars(text, end, out.whole).ec == std::errc()) {
        out.kind = Scalar::Whole;
        return true;
      }
    } else if (std::from_chars(text, end, out.unsignedWhole).ec == std::errc()) {
      out.kind = Scalar::Unsigned;
      if (out.unsignedWhole <= static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
        out.kind = Scalar::Whole;
        out.whole = static_cast<int64_t>(out.unsignedWhole);
      }
      return true;
    }
  }
  auto read = std::from_chars(text, end, out.fraction);
  out.kind = Scalar::Fraction;
  return read.ec == std::errc() && read.ptr == end;
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

Variant ReadScalar(const Scalar& v, FieldType type) {
  if (v.kind == Scalar::Null) return Variant();
  const bool text = v.kind == Scalar::Text;
  switch (type) {
    case FieldType::String:
    case FieldType::Blob:
      if (!text) Decline();
      return Variant::OfText(v.text);
    case FieldType::Float:
      if (v.kind == Scalar::Whole) return Variant(static_cast<double>(v.whole));
      if (v.kind == Scalar::Unsigned) return Variant(static_cast<double>(v.unsignedWhole));
      if (v.kind != Scalar::Fraction) Decline();
      return Variant(v.fraction);
    case FieldType::Decimal:
      if (text) return Variant(Decimal::Parse(v.text));
      if (v.kind == Scalar::Whole) return Variant(Decimal::Parse(std::to_string(v.whole)));
      if (v.kind == Scalar::Unsigned) return Variant(Decimal::Parse(std::to_string(v.unsignedWhole)));
      Decline();
    case FieldType::DateTime:
      if (!text) Decline();
      return Variant(DateTime::ParseIso(v.text));
    case FieldType::Integer:
      if (v.kind != Scalar::Whole) Decline();
      return Variant(v.whole);
    case FieldType::Boolean:
      if (v.kind != Scalar::True && v.kind != Scalar::False) Decline();
      return Variant(v.kind == Scalar::True);
  }
  Decline();
}

Variant ReadValue(const JsonValue& v, FieldType type) { return ReadScalar(ScalarOf(v), type); }

// The rows of a packet or delta repeat many of their texts (a customer's
// name in each of its proposals, the operators): equal texts of a column
// are made one shared text, so the rows hold one copy. A column whose texts
// seldom repeat stops being looked up.
class TextPool {
 public:
  explicit TextPool(std::size_t columns) : columns_(columns) {}

  Variant Value(std::size_t column, const Scalar& v, FieldType type) {
    if ((type != FieldType::String && type != FieldType::Blob) || v.kind != Scalar::Text ||
        v.text.size() <= kShortText || !columns_[column].pooling)
      return ReadScalar(v, type);
    Column& texts = columns_[column];
    ++texts.lookups;
    auto found = texts.seen.find(v.text);
    if (found != texts.seen.end()) {
      ++texts.hits;
      return found->second;
    }
    Variant value = Variant::OfText(v.text);
    texts.seen.emplace(value.Text(), value);  // the key views the text the pool's copy shares
    if (texts.seen.size() >= kTrial && texts.hits * 4 < texts.lookups) {
      texts.pooling = false;
      texts.seen.clear();
    }
    return value;
  }
  Variant Value(std::size_t column, const JsonValue& v, FieldType type) { return Value(column, ScalarOf(v), type); }

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

// The properties of a field in the "fields" of a packet or delta.
constexpr std::array<std::string_view, 5> kFieldKeys = {"name", "type", "size", "required", "readOnly"};

// The position of a property's name in kFieldKeys, or kFieldKeys.size().
std::size_t FieldKey(std::string_view name) {
  return static_cast<std::size_t>(std::find(kFieldKeys.begin(), kFieldKeys.end(), name) - kFieldKeys.begin());
}

// Sets the property at `key` from its value; false for a value it does not
// take (throws EConvertError for an unknown type's name).
bool SetFieldProperty(FieldDef& field, std::size_t key, const Scalar& v) {
  switch (key) {
    case 0:
      if (v.kind != Scalar::Text || v.text.empty()) return false;
      field.name = std::string(v.text);
      return true;
    case 1:
      if (v.kind != Scalar::Text) return false;
      field.type = FieldTypeFromName(v.text);
      return true;
    case 2:
      if (v.kind != Scalar::Whole || v.whole < 0 || v.whole > std::numeric_limits<int>::max()) return false;
      field.size = static_cast<int>(v.whole);
      return true;
    default:
      if (v.kind != Scalar::True && v.kind != Scalar::False) return false;
      (key == 3 ? field.required : field.readOnly) = v.kind == Scalar::True;
      return true;
  }
}

// The fields read so far: each with a name and a type, and every name used
// once (names compare without regard to ASCII case).
class FieldList {
 public:
  // `keys`: the bits of the properties the field was given (kFieldKeys).
  bool Add(FieldDef field, unsigned keys) {
    if ((keys & 3u) != 3u) return false;
    std::string lower = field.name;
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (!names_.insert(std::move(lower)).second) return false;
    fields_.push_back(std::move(field));
    return true;
  }
  std::vector<FieldDef> Take() { return std::move(fields_); }

 private:
  std::vector<FieldDef> fields_;
  std::unordered_set<std::string> names_;
};

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

// Reads an answer carrying a packet as the parser's events come, without a
// document in between: {"id":N,"packet":{"fields":[...],"rows":[[...],...]}}
// with its keys in that order, as AnswerText writes them. Any other event
// stops the parse, and the answer is read from a document instead.
class StreamedPacketAnswer {
 public:
  using Size = rapidjson::SizeType;

  RpcAnswer Answer() { return RpcAnswer::OfPacket(id_, std::move(packet_)); }

  bool Null() { return Value(Scalar()); }
  bool Bool(bool b) {
    Scalar scalar;
    scalar.kind = b ? Scalar::True : Scalar::False;
    return Value(scalar);
  }
  bool RawNumber(const char* text, Size length, bool) {
    Scalar number;
    return ReadNumber({text, length}, number) && Value(number);
  }
  bool String(const char* text, Size length, bool) {
    Scalar scalar;
    scalar.kind = Scalar::Text;
    scalar.text = {text, length};
    return Value(scalar);
  }
  bool Key(const char* text, Size length, bool) {
    const std::string_view key(text, length);
    switch (at_) {
      case At::Answer:
        if (key == "id" && !hasId_) return Go(At::Id);
        if (key == "packet" && hasId_ && !hasPacket_) return Go(At::PacketStart);
        return false;
      case At::Packet:
        if (key == "fields" && !hasFields_) return Go(At::FieldsStart);
        if (key == "rows" && hasFields_ && !hasRows_) return Go(At::RowsStart);
        return false;
      case At::Field:
        fieldKey_ = FieldKey(key);
        if (fieldKey_ == kFieldKeys.size() || (fieldKeys_ & (1u << fieldKey_))) return false;
        fieldKeys_ |= 1u << fieldKey_;
        return Go(At::FieldValue);
      default:
        return false;
    }
  }
  bool StartObject() {
    switch (at_) {
      case At::Begin:
        return Go(At::Answer);
      case At::PacketStart:
        return Go(At::Packet);
      case At::Fields:
        field_ = FieldDef();
        fieldKeys_ = 0;
        return Go(At::Field);
      default:
        return false;
    }
  }
  bool EndObject(Size) {
    switch (at_) {
      case At::Answer:
        return hasPacket_ && Go(At::End);
      case At::Packet:
        hasPacket_ = hasRows_;
        return hasRows_ && Go(At::Answer);
      case At::Field:
        return fields_.Add(std::move(field_), fieldKeys_) && Go(At::Fields);
      default:
        return false;
    }
  }
  bool StartArray() {
    switch (at_) {
      case At::FieldsStart:
        return Go(At::Fields);
      case At::RowsStart:
        texts_.emplace(packet_.fields.size());
        return Go(At::Rows);
      case At::Rows:
        row_.clear();
        row_.reserve(packet_.fields.size());
        return Go(At::Row);
      default:
        return false;
    }
  }
  bool EndArray(Size) {
    switch (at_) {
      case At::Fields:
        packet_.fields = fields_.Take();
        hasFields_ = true;
        return Go(At::Packet);
      case At::Rows:
        hasRows_ = true;
        return Go(At::Packet);
      case At::Row:
        if (row_.size() != packet_.fields.size()) return false;
        packet_.rows.push_back(std::move(row_));
        row_ = Row();
        return Go(At::Rows);
      default:
        return false;
    }
  }
  // Not called: numbers come as their text.
  bool Int(int) { return false; }
  bool Uint(unsigned) { return false; }
  bool Int64(int64_t) { return false; }
  bool Uint64(uint64_t) { return false; }
  bool Double(double) { return false; }

 private:
  enum class At {
    Begin,
    Answer,
    Id,
    PacketStart,
    Packet,
    FieldsStart,
    Fields,
    Field,
    FieldValue,
    RowsStart,
    Rows,
    Row,
    End
  };

  bool Go(At at) {
    at_ = at;
    return true;
  }

  // A value where the parse stands: the id, a field's property, a row's value.
  bool Value(const Scalar& v) {
    try {
      switch (at_) {
        case At::Id:
          if (v.kind != Scalar::Whole) return false;
          id_ = v.whole;
          hasId_ = true;
          return Go(At::Answer);
        case At::FieldValue:
          return SetFieldProperty(field_, fieldKey_, v) && Go(At::Field);
        case At::Row:
          if (row_.size() >= packet_.fields.size()) return false;
          row_.push_back(texts_->Value(row_.size(), v, packet_.fields[row_.size()].type));
          return true;
        default:
          return false;
      }
    } catch (const std::exception&) {  // a value its field's type does not read
      return false;
    } catch (const Declined&) {
      return false;
    }
  }

  At at_ = At::Begin;
  int64_t id_ = 0;
  bool hasId_ = false, hasPacket_ = false, hasFields_ = false, hasRows_ = false;
  DataPacket packet_;
  FieldList fields_;
  FieldDef field_;
  unsigned fieldKeys_ = 0;  // the bits of the properties it was given (kFieldKeys)
  std::size_t fieldKey_ = 0;
  Row row_;
  std::optional<TextPool> texts_;
};

// Texts the quick readers leave to the thorough one before parsing: a
// surrogate escaped alone and malformed UTF-8 (checked as a whole, faster
// than string by string; outside its strings JSON is ASCII).
bool Unusual(std::string_view text) { return EscapesSurrogate(text) || !IsUtf8(text); }

constexpr unsigned kParseFlags = rapidjson::kParseIterativeFlag | rapidjson::kParseNumbersAsStringsFlag;

// Parses the whole text with the handler; the parser takes a zero byte for
// the end of the text, so the whole text must have been read.
template <class Handler>
bool ParseAll(const std::string& text, Handler& events) {
  rapidjson::StringStream input(text.c_str());
  return !rapidjson::Reader().Parse<kParseFlags>(input, events).IsError() && input.Tell() == text.size();
}

std::optional<RpcAnswer> StreamedAnswer(const std::string& text) {
  StreamedPacketAnswer events;
  if (!ScanJson(text, events)) return std::nullopt;
  return events.Answer();
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

std::optional<RpcAnswer> TryReadAnswer(const std::string& text) {
  if (Unusual(text)) return std::nullopt;
  // A list's packet, the bulk of what is read, as it comes; the rest (and
  // any other order of keys) from a document.
  if (std::optional<RpcAnswer> answer = StreamedAnswer(text)) return answer;
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

// The streamed reading of TryReadAnswer, part by part: each part ends at a
// line break (never inside a token of a well-formed text) and is checked as
// TryReadAnswer checks the whole. Once a part is declined, the pieces
// joined are read at the end instead; they are kept until then.
struct AnswerReader::Reading {
  std::vector<std::string> pieces;
  std::string pending;  // what came after the last line break so far
  json_scan::Scanner scanner;
  StreamedPacketAnswer events;
  bool declined = false;
  bool done = false;  // the last piece was read

  bool Read(std::string_view part, bool last) {
    return !Unusual(part) && scanner.Scan(part, last, events) ==
                                 (last ? json_scan::Scanner::Result::Done : json_scan::Scanner::Result::More);
  }
  // The bytes up to `end` of the piece, after what was pending.
  bool ReadUpTo(std::string_view piece, std::size_t end, bool last) {
    if (pending.empty()) return Read(piece.substr(0, end), last);
    pending.append(piece.substr(0, end));
    const bool read = Read(pending, last);
    pending.clear();
    return read;
  }
};

AnswerReader::AnswerReader() : reading_(std::make_unique<Reading>()) {}
AnswerReader::~AnswerReader() = default;

void AnswerReader::Piece(std::string&& bytes, bool last) {
  Reading& r = *reading_;
  r.pieces.push_back(std::move(bytes));
  const std::string_view piece = r.pieces.back();
  r.done = last;
  if (r.declined) return;
  if (last) {
    r.declined = !r.ReadUpTo(piece, piece.size(), true);
    return;
  }
  const std::size_t lineBreak = piece.rfind('\n');
  if (lineBreak == std::string_view::npos) {
    r.pending.append(piece);
    return;
  }
  r.declined = !r.ReadUpTo(piece, lineBreak + 1, false);
  if (!r.declined) r.pending.assign(piece.substr(lineBreak + 1));
}

void AnswerReader::Restarted() { reading_ = std::make_unique<Reading>(); }

RpcAnswer AnswerReader::Finish() {
  Reading& r = *reading_;
  if (r.done && !r.declined) return r.events.Answer();
  if (r.pieces.size() == 1) return ReadAnswerText(r.pieces[0]);
  std::string text;
  for (const std::string& piece : r.pieces) text += piece;
  return ReadAnswerText(text);
}

}  // namespace plat
