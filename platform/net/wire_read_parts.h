// What the quick readers of calls and answers (wire.h) share, whether they
// read a parsed document or the parser's events as they come: a value as
// the parser gave it (Scalar) and read into a field's type, the pooling of
// repeated texts, the properties of a packet's fields, and the texts both
// leave to the thorough reader. Internal to platform/net.
//
// What callers may rely on: a reader declines (Decline, caught by the
// reader's caller) wherever the meaning is in doubt, never guessing; the
// small functions are inline, as they run for every value of a list.
#pragma once

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <limits>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "platform/data/cp1252.h"
#include "platform/data/datetime.h"
#include "platform/data/decimal.h"
#include "platform/data/field_def.h"
#include "platform/data/variant.h"
#include "platform/net/rpc.h"

namespace plat::wire_read {

// Thrown by a quick reader for a text it leaves to the thorough one.
struct Declined {};

[[noreturn]] inline void Decline() { throw Declined(); }

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
inline bool ReadNumber(std::string_view digits, Scalar& out) {
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

inline Variant ReadScalar(const Scalar& v, FieldType type) {
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
inline constexpr std::array<std::string_view, 5> kFieldKeys = {"name", "type", "size", "required", "readOnly"};

// The position of a property's name in kFieldKeys, or kFieldKeys.size().
inline std::size_t FieldKey(std::string_view name) {
  return static_cast<std::size_t>(std::find(kFieldKeys.begin(), kFieldKeys.end(), name) - kFieldKeys.begin());
}

// Sets the property at `key` from its value; false for a value it does not
// take (throws EConvertError for an unknown type's name).
inline bool SetFieldProperty(FieldDef& field, std::size_t key, const Scalar& v) {
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

// A \u escape of a UTF-16 surrogate: the two parsers may differ on those
// standing alone, so a text holding any is left to the thorough reader.
inline bool EscapesSurrogate(std::string_view text) {
  constexpr std::string_view kSurrogateSecond = "89abcdefABCDEF";
  for (std::size_t at = text.find('\\'); at != std::string_view::npos; at = text.find('\\', at + 2)) {
    if (at + 3 < text.size() && text[at + 1] == 'u' && (text[at + 2] == 'd' || text[at + 2] == 'D') &&
        kSurrogateSecond.find(text[at + 3]) != std::string_view::npos)
      return true;
  }
  return false;
}

// Texts the quick readers leave to the thorough one before parsing: a
// surrogate escaped alone and malformed UTF-8 (checked as a whole, faster
// than string by string; outside its strings JSON is ASCII).
inline bool Unusual(std::string_view text) { return EscapesSurrogate(text) || !IsUtf8(text); }

// An answer read from a parsed document (any answer the quick reader takes),
// or nullopt; wire_read_document.cpp.
std::optional<RpcAnswer> DocumentAnswer(const std::string& text);

}  // namespace plat::wire_read
