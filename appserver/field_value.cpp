#include "appserver/field_value.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/data/errors.h"

namespace appsrv {

using plat::DateTime;
using plat::Decimal;
using plat::EConvertError;
using plat::FieldType;
using plat::Variant;
using plat::VarType;

namespace {

Decimal TextToDecimal(std::string_view text) {
  try {
    return Decimal::Parse(text);
  } catch (const EConvertError&) {
    throw EConvertError("'" + std::string(text) + "' não é um número");
  }
}

int64_t TextToInt(std::string_view text) {
  int64_t out = 0;
  auto result = std::from_chars(text.data(), text.data() + text.size(), out);
  if (result.ec != std::errc() || result.ptr != text.data() + text.size())
    throw EConvertError("'" + std::string(text) + "' não é um número inteiro");
  return out;
}

}  // namespace

std::string StoredText(const Variant& value) {
  switch (value.Type()) {
    case VarType::DateTime:
      return value.ToDateTime().ToIso();
    case VarType::Decimal:
      return value.ToDecimal().ToString();
    default:
      return value.ToText();
  }
}

Variant ToFieldType(const Variant& value, FieldType type) {
  if (value.IsNull()) return value;
  const VarType from = value.Type();
  switch (type) {
    case FieldType::String:
    case FieldType::Blob:
      return from == VarType::Text ? value : Variant(StoredText(value));
    case FieldType::Float:
      if (from == VarType::Text) return TextToDecimal(value.Text()).ToDouble();
      if (from == VarType::DateTime) break;
      return value.ToDouble();
    case FieldType::Decimal:
      if (from == VarType::Text) return TextToDecimal(value.Text());
      if (from == VarType::DateTime) break;
      return value.ToDecimal();
    case FieldType::DateTime:
      if (from == VarType::Text) return DateTime::ParseIso(value.Text());
      if (from == VarType::DateTime) {
        value.ToDateTime().Parts();  // within the years 1 to 9999
        return value;
      }
      if (from == VarType::Float || from == VarType::Integer) {
        const DateTime date(value.ToDouble());
        date.Parts();  // a day count outside the years 1 to 9999 is refused here
        return date;
      }
      break;
    case FieldType::Integer:
      if (from == VarType::Text) return TextToInt(value.Text());
      if (from == VarType::DateTime) break;
      return value.ToInt();
    case FieldType::Boolean:
      if (from == VarType::DateTime) break;
      return value.ToBool();
  }
  throw EConvertError("Não é possível converter " + StoredText(value) + " (" + plat::VarTypeName(from) + ") para " +
                      plat::FieldTypeName(type));
}

std::string Unstorable(const Variant& value) {
  switch (value.Type()) {
    case VarType::Float:
    case VarType::Decimal:
    case VarType::Integer: {
      const double number = value.ToDouble();
      if (std::isfinite(number) && std::fabs(number) <= kLargestNumber) return {};
      char brief[32];
      std::snprintf(brief, sizeof brief, "%.6g", number);
      return std::string("o número ") + brief + " está fora do intervalo aceito (de -1.000.000.000.000 a " +
             "1.000.000.000.000)";
    }
    case VarType::Text:
      if (value.Text().find('\0') == std::string::npos) return {};
      return "o texto contém o caractere NUL, que não é aceito";
    default:
      return {};
  }
}

bool SameValue(const Variant& a, const Variant& b, FieldType type) {
  const bool text = type == FieldType::String || type == FieldType::Blob;
  if (a.IsNull() || b.IsNull()) {
    if (text) return StoredText(a).empty() && StoredText(b).empty();
    return a.IsNull() && b.IsNull();
  }
  Variant x = ToFieldType(a, type), y = ToFieldType(b, type);
  switch (type) {
    case FieldType::DateTime:
      return x.ToDateTime().ToIso() == y.ToDateTime().ToIso();
    case FieldType::Decimal:
      return x.ToDecimal() == y.ToDecimal();
    case FieldType::Float:
      return x.ToDouble() == y.ToDouble();
    default:
      return x == y;
  }
}

}  // namespace appsrv
