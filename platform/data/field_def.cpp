#include "platform/data/field_def.h"

#include "platform/data/errors.h"
#include "platform/data/variant.h"

namespace plat {

namespace {

constexpr FieldType kAllTypes[] = {FieldType::String, FieldType::Float,   FieldType::Decimal, FieldType::DateTime,
                                   FieldType::Blob,   FieldType::Integer, FieldType::Boolean};

}  // namespace

const char* FieldTypeName(FieldType type) {
  switch (type) {
    case FieldType::String:
      return "string";
    case FieldType::Float:
      return "float";
    case FieldType::Decimal:
      return "decimal";
    case FieldType::DateTime:
      return "datetime";
    case FieldType::Blob:
      return "blob";
    case FieldType::Integer:
      return "integer";
    case FieldType::Boolean:
      return "boolean";
  }
  return "unknown";
}

FieldType FieldTypeFromName(std::string_view name) {
  for (FieldType type : kAllTypes) {
    if (name == FieldTypeName(type)) return type;
  }
  throw EConvertError("Unknown field type '" + std::string(name) + "'");
}

bool OfFieldType(const Variant& value, FieldType type) {
  switch (value.Type()) {
    case VarType::Null:
      return true;
    case VarType::Text:
      return type == FieldType::String || type == FieldType::Blob;
    case VarType::Float:
      return type == FieldType::Float;
    case VarType::Decimal:
      return type == FieldType::Decimal;
    case VarType::DateTime:
      return type == FieldType::DateTime;
    case VarType::Integer:
      return type == FieldType::Integer;
    case VarType::Boolean:
      return type == FieldType::Boolean;
  }
  return false;
}

}  // namespace plat
