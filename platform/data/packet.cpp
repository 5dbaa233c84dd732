#include "platform/data/packet.h"

#include <cmath>
#include <initializer_list>
#include <limits>
#include <nlohmann/json.hpp>
#include <string>
#include <unordered_set>

#include "platform/data/cp1252.h"
#include "platform/data/errors.h"
#include "platform/data/format.h"

namespace plat {

namespace {

using nlohmann::json;

int FindField(const std::vector<FieldDef>& fields, std::string_view name) {
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (SameText(fields[i].name, name)) return static_cast<int>(i);
  }
  return -1;
}

// Runs `convert`, prefixing the message of a conversion error with `where`.
template <typename Convert>
auto Within(const std::string& where, Convert convert) -> decltype(convert()) {
  try {
    return convert();
  } catch (const EConvertError& e) {
    throw EConvertError(where + ": " + e.what());
  }
}

// Refuses a non-object and keys outside `allowed`; `required` keys must be present.
void CheckObject(const json& j, std::initializer_list<const char*> required,
                 std::initializer_list<const char*> optional) {
  if (!j.is_object()) throw EConvertError(std::string("expected a JSON object, got ") + j.type_name());
  for (const char* key : required) {
    if (!j.contains(key)) throw EConvertError(std::string("the key \"") + key + "\" is missing");
  }
  for (const auto& item : j.items()) {
    bool known = false;
    for (const auto* keys : {&required, &optional}) {
      for (const char* key : *keys) known = known || item.key() == key;
    }
    if (!known) throw EConvertError("unknown key \"" + item.key() + "\"");
  }
}

EConvertError WrongJsonType(const char* expected, FieldType type, const json& j) {
  return EConvertError(std::string("expected ") + expected + " for a " + FieldTypeName(type) + " field, got " +
                       j.type_name());
}

json FieldToJson(const FieldDef& field) {
  json j = {{"name", field.name}, {"type", FieldTypeName(field.type)}};
  if (field.size != 0) j["size"] = field.size;
  if (field.required) j["required"] = true;
  if (field.readOnly) j["readOnly"] = true;
  return j;
}

FieldDef FieldFromJson(const json& j) {
  CheckObject(j, {"name", "type"}, {"size", "required", "readOnly"});
  FieldDef field;
  if (!j["name"].is_string() || j["name"].get<std::string>().empty()) {
    throw EConvertError("the name must be a non-empty text");
  }
  field.name = j["name"].get<std::string>();
  if (!j["type"].is_string()) throw EConvertError("the type of field '" + field.name + "' must be a text");
  field.type = FieldTypeFromName(j["type"].get<std::string>());
  if (j.contains("size")) {
    const json& size = j["size"];
    if (!size.is_number_integer() || size.get<int64_t>() < 0 || size.get<int64_t>() > std::numeric_limits<int>::max()) {
      throw EConvertError("the size of field '" + field.name + "' must be a whole number of 0 or more");
    }
    field.size = size.get<int>();
  }
  for (auto [key, flag] : {std::pair{"required", &field.required}, std::pair{"readOnly", &field.readOnly}}) {
    if (!j.contains(key)) continue;
    if (!j[key].is_boolean()) {
      throw EConvertError("\"" + std::string(key) + "\" of field '" + field.name + "' must be true or false");
    }
    *flag = j[key].get<bool>();
  }
  return field;
}

json FieldsToJson(const std::vector<FieldDef>& fields) {
  json out = json::array();
  for (const FieldDef& field : fields) out.push_back(FieldToJson(field));
  return out;
}

std::vector<FieldDef> FieldsFromJson(const json& j, const std::string& where) {
  if (!j.is_array()) throw EConvertError(where + ": \"fields\" must be an array");
  std::vector<FieldDef> fields;
  // The names seen, in lower case: names compare without regard to ASCII
  // case, and looking each one up among all before it would take a time
  // growing with the square of the number of fields.
  std::unordered_set<std::string> names;
  for (std::size_t i = 0; i < j.size(); ++i) {
    const std::string at = where + " field " + std::to_string(i + 1);
    FieldDef field = Within(at, [&] { return FieldFromJson(j[i]); });
    std::string lower = field.name;
    for (char& c : lower) c = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    if (!names.insert(std::move(lower)).second) {
      throw EConvertError(at + ": the name '" + field.name + "' is used twice");
    }
    fields.push_back(std::move(field));
  }
  return fields;
}

EConvertError WrongRowSize(const std::string& where, std::size_t values, std::size_t fields) {
  return EConvertError(where + " has " + std::to_string(values) + " values, but there are " + std::to_string(fields) +
                       " fields");
}

json RowToJson(const Row& row, const std::vector<FieldDef>& fields, const std::string& where) {
  if (row.size() != fields.size()) throw WrongRowSize(where, row.size(), fields.size());
  json out = json::array();
  // The field is named only when a value fails: naming it for every value
  // would cost the length of the names for each one.
  for (std::size_t i = 0; i < row.size(); ++i) {
    try {
      out.push_back(ValueToJson(row[i], fields[i].type));
    } catch (const EConvertError& e) {
      throw EConvertError(where + ", field '" + fields[i].name + "': " + e.what());
    }
  }
  return out;
}

Row RowFromJson(const json& j, const std::vector<FieldDef>& fields, const std::string& where) {
  if (!j.is_array()) throw EConvertError(where + " must be an array of values");
  if (j.size() != fields.size()) throw WrongRowSize(where, j.size(), fields.size());
  Row row;
  row.reserve(fields.size());
  for (std::size_t i = 0; i < fields.size(); ++i) {  // the field named only on a failure, as above
    try {
      row.push_back(ValueFromJson(j[i], fields[i].type));
    } catch (const EConvertError& e) {
      throw EConvertError(where + ", field '" + fields[i].name + "': " + e.what());
    }
  }
  return row;
}

ChangeKind ChangeKindFromName(const json& j) {
  if (j.is_string()) {
    for (ChangeKind kind : {ChangeKind::Insert, ChangeKind::Modify, ChangeKind::Delete}) {
      if (j.get<std::string>() == ChangeKindName(kind)) return kind;
    }
  }
  throw EConvertError("\"kind\" must be \"insert\", \"modify\" or \"delete\", not " + QuotedJson(j));
}

bool HasOriginal(ChangeKind kind) { return kind != ChangeKind::Insert; }
bool HasCurrent(ChangeKind kind) { return kind != ChangeKind::Delete; }

}  // namespace

int DataPacket::FieldIndex(std::string_view name) const { return FindField(fields, name); }

int Delta::FieldIndex(std::string_view name) const { return FindField(fields, name); }

const char* ChangeKindName(ChangeKind kind) {
  switch (kind) {
    case ChangeKind::Insert:
      return "insert";
    case ChangeKind::Modify:
      return "modify";
    case ChangeKind::Delete:
      return "delete";
  }
  return "unknown";
}

json ValueToJson(const Variant& value, FieldType type) {
  if (value.IsNull()) return nullptr;
  switch (type) {
    case FieldType::String:
    case FieldType::Blob: {
      std::string text = value.ToText();
      CharCount(text);  // refuses malformed UTF-8, which JSON cannot carry
      return text;
    }
    case FieldType::Float: {
      const double number = value.ToDouble();
      if (!std::isfinite(number)) {
        throw EConvertError("the number " + ShortestFloatText(number) + " cannot be sent; only finite numbers can");
      }
      return number;
    }
    case FieldType::Decimal:
      return value.ToDecimal().ToString();
    case FieldType::DateTime:
      return value.ToDateTime().ToIso();
    case FieldType::Integer:
      return value.ToInt();
    case FieldType::Boolean:
      return value.ToBool();
  }
  return nullptr;
}

Variant ValueFromJson(const json& j, FieldType type) {
  if (j.is_null()) return Variant();
  switch (type) {
    case FieldType::String:
    case FieldType::Blob:
      if (!j.is_string()) throw WrongJsonType("a text", type, j);
      return Variant(j.get<std::string>());
    case FieldType::Float:
      if (!j.is_number()) throw WrongJsonType("a number", type, j);
      return Variant(j.get<double>());
    case FieldType::Decimal:
      // A JSON floating-point number has already lost the exact digits.
      if (j.is_number_integer()) return Variant(Decimal::Parse(j.dump()));
      if (!j.is_string()) throw WrongJsonType("a text holding the digits (\"10.50\")", type, j);
      return Variant(Decimal::Parse(j.get<std::string>()));
    case FieldType::DateTime:
      if (!j.is_string()) throw WrongJsonType("an ISO date text", type, j);
      return Variant(DateTime::ParseIso(j.get<std::string>()));
    case FieldType::Integer:
      if (!j.is_number_integer()) throw WrongJsonType("a whole number", type, j);
      if (j.is_number_unsigned() && j.get<uint64_t>() > static_cast<uint64_t>(std::numeric_limits<int64_t>::max())) {
        throw EConvertError("the number " + j.dump() + " does not fit an integer");
      }
      return Variant(j.get<int64_t>());
    case FieldType::Boolean:
      if (!j.is_boolean()) throw WrongJsonType("true or false", type, j);
      return Variant(j.get<bool>());
  }
  return Variant();
}

json PacketToJson(const DataPacket& packet) {
  json rows = json::array();
  for (std::size_t i = 0; i < packet.rows.size(); ++i) {
    rows.push_back(RowToJson(packet.rows[i], packet.fields, "Data packet row " + std::to_string(i + 1)));
  }
  return {{"fields", FieldsToJson(packet.fields)}, {"rows", std::move(rows)}};
}

DataPacket PacketFromJson(const json& j) {
  Within("Data packet", [&] { CheckObject(j, {"fields", "rows"}, {}); });
  DataPacket packet;
  packet.fields = FieldsFromJson(j["fields"], "Data packet");
  const json& rows = j["rows"];
  if (!rows.is_array()) throw EConvertError("Data packet: \"rows\" must be an array");
  for (std::size_t i = 0; i < rows.size(); ++i) {
    packet.rows.push_back(RowFromJson(rows[i], packet.fields, "Data packet row " + std::to_string(i + 1)));
  }
  return packet;
}

json DeltaToJson(const Delta& delta) {
  json changes = json::array();
  for (std::size_t i = 0; i < delta.changes.size(); ++i) {
    const DeltaEntry& entry = delta.changes[i];
    const std::string where = "Delta change " + std::to_string(i + 1);
    json change = {{"kind", ChangeKindName(entry.kind)}};
    if (HasOriginal(entry.kind)) change["old"] = RowToJson(entry.original, delta.fields, where + " old values");
    if (HasCurrent(entry.kind)) change["new"] = RowToJson(entry.current, delta.fields, where + " new values");
    changes.push_back(std::move(change));
  }
  return {{"fields", FieldsToJson(delta.fields)}, {"changes", std::move(changes)}};
}

Delta DeltaFromJson(const json& j) {
  Within("Delta", [&] { CheckObject(j, {"fields", "changes"}, {}); });
  Delta delta;
  delta.fields = FieldsFromJson(j["fields"], "Delta");
  const json& changes = j["changes"];
  if (!changes.is_array()) throw EConvertError("Delta: \"changes\" must be an array");
  for (std::size_t i = 0; i < changes.size(); ++i) {
    const std::string where = "Delta change " + std::to_string(i + 1);
    const json& change = changes[i];
    DeltaEntry entry;
    entry.kind = Within(where, [&] {
      if (!change.is_object() || !change.contains("kind")) {
        throw EConvertError("expected a JSON object with a \"kind\"");
      }
      return ChangeKindFromName(change["kind"]);
    });
    Within(where + " (" + ChangeKindName(entry.kind) + ")", [&] {
      if (entry.kind == ChangeKind::Insert) CheckObject(change, {"kind", "new"}, {});
      if (entry.kind == ChangeKind::Modify) CheckObject(change, {"kind", "old", "new"}, {});
      if (entry.kind == ChangeKind::Delete) CheckObject(change, {"kind", "old"}, {});
    });
    if (HasOriginal(entry.kind)) entry.original = RowFromJson(change["old"], delta.fields, where + " old values");
    if (HasCurrent(entry.kind)) entry.current = RowFromJson(change["new"], delta.fields, where + " new values");
    delta.changes.push_back(std::move(entry));
  }
  return delta;
}

// A value received, as a message quotes it: its text, or for a value nested
// too deep to be written out safely (writing takes a level of the stack per
// level of nesting) the kind of value it is.
namespace {
constexpr int kQuotedLevels = 32;

bool NestsWithin(const json& j, int levels) {
  if (!j.is_structured()) return true;
  if (levels == 0) return false;
  for (const json& item : j) {
    if (!NestsWithin(item, levels - 1)) return false;
  }
  return true;
}

}  // namespace

std::string QuotedJson(const json& j) {
  if (NestsWithin(j, kQuotedLevels)) return j.dump();
  return std::string("a JSON ") + j.type_name() + " nested more than " + std::to_string(kQuotedLevels) + " levels deep";
}

}  // namespace plat
