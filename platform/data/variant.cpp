#include "platform/data/variant.h"

#include <charconv>
#include <cmath>

#include "platform/data/errors.h"
#include "platform/data/format.h"

namespace plat {

namespace {

EConvertError CannotConvert(VarType from, const char* to) {
  return EConvertError(std::string("Cannot convert a value of type ") + VarTypeName(from) + " to " + to);
}

// A whole number typed by a user (thousands separators allowed); false when
// the text is not one or does not fit 64 bits.
bool TryTextToInt(std::string_view text, int64_t& out) {
  std::string plain;
  try {
    plain = PlainNumberText(text);
  } catch (const EConvertError&) {
    return false;
  }
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), out);
  return result.ec == std::errc() && result.ptr == plain.data() + plain.size();
}

}  // namespace

const char* VarTypeName(VarType type) {
  switch (type) {
    case VarType::Null: return "null";
    case VarType::Text: return "text";
    case VarType::Float: return "float";
    case VarType::Decimal: return "decimal";
    case VarType::DateTime: return "datetime";
    case VarType::Integer: return "integer";
    case VarType::Boolean: return "boolean";
  }
  return "unknown";
}

std::string Variant::ToText() const {
  switch (Type()) {
    case VarType::Null: return {};
    case VarType::Text: return Text();
    case VarType::Float: return ShortestFloatText(std::get<double>(value_));
    case VarType::Decimal: return std::get<Decimal>(value_).ToString();
    case VarType::DateTime: return DateTimeToStr(std::get<DateTime>(value_));
    case VarType::Integer: return std::to_string(std::get<int64_t>(value_));
    case VarType::Boolean: return std::get<bool>(value_) ? "True" : "False";
  }
  return {};
}

double Variant::ToDouble() const {
  switch (Type()) {
    case VarType::Null: return 0.0;
    case VarType::Text: return StrToFloat(Text());
    case VarType::Float: return std::get<double>(value_);
    case VarType::Decimal: return std::get<Decimal>(value_).ToDouble();
    case VarType::DateTime: return std::get<DateTime>(value_).Days();
    case VarType::Integer: return static_cast<double>(std::get<int64_t>(value_));
    case VarType::Boolean: return std::get<bool>(value_) ? 1.0 : 0.0;
  }
  return 0.0;
}

Decimal Variant::ToDecimal() const {
  switch (Type()) {
    case VarType::Null: return Decimal();
    case VarType::Text:
      try {
        return Decimal::Parse(PlainNumberText(Text()));
      } catch (const EConvertError&) {
        throw EConvertError("'" + Text() + "' is not a valid decimal number");
      }
    case VarType::Float: return Decimal::FromDouble(std::get<double>(value_));
    case VarType::Decimal: return std::get<Decimal>(value_);
    case VarType::DateTime: return Decimal::FromDouble(std::get<DateTime>(value_).Days());
    case VarType::Integer: return Decimal::FromInt(std::get<int64_t>(value_));
    case VarType::Boolean: return Decimal::FromInt(std::get<bool>(value_) ? 1 : 0);
  }
  return Decimal();
}

DateTime Variant::ToDateTime() const {
  switch (Type()) {
    case VarType::Null: return DateTime(0.0);
    case VarType::Text: {
      const std::string_view text = TrimBlanks(Text());
      const bool iso = text.size() >= 10 && text[4] == '-';
      return iso ? DateTime::ParseIso(text) : StrToDateTime(text);
    }
    case VarType::Float: return DateTime(std::get<double>(value_));
    case VarType::Decimal: return DateTime(std::get<Decimal>(value_).ToDouble());
    case VarType::DateTime: return std::get<DateTime>(value_);
    case VarType::Integer: return DateTime(static_cast<double>(std::get<int64_t>(value_)));
    case VarType::Boolean: throw CannotConvert(Type(), "a date");
  }
  return DateTime();
}

int64_t Variant::ToInt() const {
  switch (Type()) {
    case VarType::Null: return 0;
    case VarType::Text: {
      int64_t value = 0;
      if (!TryTextToInt(Text(), value)) throw EConvertError("'" + Text() + "' is not a valid integer");
      return value;
    }
    case VarType::Float: {
      const double value = std::get<double>(value_);
      // 2^63 is exactly representable; anything from there on does not fit.
      if (!(std::fabs(value) < 9223372036854775808.0)) {
        throw EConvertError("The number " + ShortestFloatText(value) + " does not fit an integer");
      }
      return std::llround(value);
    }
    case VarType::Decimal: return std::get<Decimal>(value_).ToInt64();
    case VarType::DateTime: return static_cast<int64_t>(std::get<DateTime>(value_).Days());
    case VarType::Integer: return std::get<int64_t>(value_);
    case VarType::Boolean: return std::get<bool>(value_) ? 1 : 0;
  }
  return 0;
}

bool Variant::ToBool() const {
  switch (Type()) {
    case VarType::Null: return false;
    case VarType::Text: {
      const std::string_view text = TrimBlanks(Text());
      if (SameText(text, "true")) return true;
      if (SameText(text, "false")) return false;
      int64_t value = 0;
      if (!TryTextToInt(text, value)) throw EConvertError("'" + Text() + "' is not a valid boolean");
      return value != 0;
    }
    case VarType::Float: return std::get<double>(value_) != 0.0;
    case VarType::Decimal: return !std::get<Decimal>(value_).IsZero();
    case VarType::DateTime: throw CannotConvert(Type(), "a boolean");
    case VarType::Integer: return std::get<int64_t>(value_) != 0;
    case VarType::Boolean: return std::get<bool>(value_);
  }
  return false;
}

int CompareValues(const Variant& a, const Variant& b) {
  if (a.IsNull() || b.IsNull()) return (a.IsNull() ? 0 : 1) - (b.IsNull() ? 0 : 1);
  bool aText = a.Type() == VarType::Text, bText = b.Type() == VarType::Text;
  if (aText || bText) {
    int order = a.ToText().compare(b.ToText());
    return (order > 0) - (order < 0);
  }
  if (a.Type() == VarType::Decimal && b.Type() == VarType::Decimal) {
    Decimal x = a.ToDecimal(), y = b.ToDecimal();
    return (y < x) - (x < y);
  }
  double x = a.ToDouble(), y = b.ToDouble();
  return (x > y) - (x < y);
}

}  // namespace plat
