// Variant: one value of a field or of a server answer: null, text, float,
// exact decimal, date-time, integer or boolean.
//
// Conversions between kinds follow the field rules: text converts to a
// number or date by parsing (EConvertError when it cannot), numbers convert
// to text in their shortest exact form, null converts to an empty text or 0.
// In detail:
//   ToText    float: shortest round-trip form with '.' ("10.5", "3");
//             date-time: DateTimeToStr, the text a user sees; boolean:
//             "True"/"False"; null: "".
//   ToDouble  text: StrToFloat; date-time: its day count; boolean: 1 or 0.
//   ToDecimal text: by the StrToFloat rules but exact; float: FromDouble.
//   ToDateTime text: ISO ("2026-12-08T14:30:00") or StrToDateTime; numbers:
//             a day count; null: DateTime(0); boolean: refused.
//   ToInt     text: a whole number; float and decimal: rounded half away
//             from zero; date-time: the day count without its time.
//   ToBool    text: "true"/"false" in any case or a whole number; numbers:
//             not zero; date-time: refused.
#pragma once

#include <cstdint>
#include <string>
#include <variant>

#include "platform/data/datetime.h"
#include "platform/data/decimal.h"

namespace plat {

enum class VarType { Null, Text, Float, Decimal, DateTime, Integer, Boolean };

class Variant {
 public:
  Variant() = default;
  Variant(std::string text) : value_(std::move(text)) {}
  Variant(const char* text) : value_(std::string(text)) {}
  Variant(double value) : value_(value) {}
  Variant(const Decimal& value) : value_(value) {}
  Variant(const DateTime& value) : value_(value) {}
  Variant(int64_t value) : value_(value) {}
  Variant(int value) : value_(static_cast<int64_t>(value)) {}
  Variant(bool value) : value_(value) {}

  static Variant Null() { return Variant(); }

  VarType Type() const { return static_cast<VarType>(value_.index()); }
  bool IsNull() const { return Type() == VarType::Null; }

  // Conversions; each throws EConvertError when the value cannot be read so.
  std::string ToText() const;
  double ToDouble() const;
  Decimal ToDecimal() const;
  DateTime ToDateTime() const;
  int64_t ToInt() const;
  bool ToBool() const;

  // Direct access when the kind is known.
  const std::string& Text() const { return std::get<std::string>(value_); }

  friend bool operator==(const Variant& a, const Variant& b) { return a.value_ == b.value_; }

 private:
  std::variant<std::monostate, std::string, double, Decimal, DateTime, int64_t, bool> value_;
};

const char* VarTypeName(VarType type);

// The order of two values in a sorted column: null first, then numbers
// (integers, floats, decimals, date-times and booleans by their value),
// texts by their bytes; a text and a number compare as texts. Negative, 0
// or positive, as a before, equal to or after b.
int CompareValues(const Variant& a, const Variant& b);

}  // namespace plat
