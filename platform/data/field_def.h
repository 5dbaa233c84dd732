// FieldDef: how a packet describes one of its columns. A data set that
// declares no fields of its own builds them from these definitions.
#pragma once

#include <string>
#include <string_view>

namespace plat {

class Variant;

enum class FieldType { String, Float, Decimal, DateTime, Blob, Integer, Boolean };

struct FieldDef {
  std::string name;
  FieldType type = FieldType::String;
  int size = 0;  // characters for String; precision for Decimal; 0 otherwise
  bool required = false;
  bool readOnly = false;

  friend bool operator==(const FieldDef&, const FieldDef&) = default;
};

// "string", "float", "decimal", "datetime", "blob", "integer", "boolean".
const char* FieldTypeName(FieldType type);
// Throws EConvertError for an unknown name.
FieldType FieldTypeFromName(std::string_view name);

// True when the value is null or already of the field's kind (a text for a
// string or blob field, a float for a float field, ...): converting it to
// the field's type gives it back unchanged.
bool OfFieldType(const Variant& value, FieldType type);

}  // namespace plat
