// DataPacket and Delta: the content of a data set as it travels between the
// application server and the screen, and the changes a data set sends back.
//
// Both are plain values with an exact JSON form (docs/protocol.md): a packet
// read from JSON and written back gives the same JSON; decimals keep their
// digits and floats their double.
#pragma once

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <vector>

#include "platform/data/field_def.h"
#include "platform/data/variant.h"

namespace plat {

using Row = std::vector<Variant>;

struct DataPacket {
  std::vector<FieldDef> fields;
  std::vector<Row> rows;

  // Names compare without regard to ASCII case; -1 when absent.
  int FieldIndex(std::string_view name) const;
  friend bool operator==(const DataPacket&, const DataPacket&) = default;
};

enum class ChangeKind { Insert, Modify, Delete };

// One changed record: the original values (modify, delete) and the new
// values (insert, modify), each a full row in the order of the fields.
struct DeltaEntry {
  ChangeKind kind = ChangeKind::Insert;
  Row original;
  Row current;
  friend bool operator==(const DeltaEntry&, const DeltaEntry&) = default;
};

struct Delta {
  std::vector<FieldDef> fields;
  std::vector<DeltaEntry> changes;

  int FieldIndex(std::string_view name) const;
  friend bool operator==(const Delta&, const Delta&) = default;
};

const char* ChangeKindName(ChangeKind kind);

// JSON forms. Reading checks the shape and that every value suits its
// field's type, and throws EConvertError with a clear message otherwise
// (naming the row or change, counted from 1, and the field). Writing
// converts each value to its field's type and throws EConvertError when it
// cannot, or when a row does not have one value per field. A delta writes
// only the rows its kind uses ("old" for modify/delete, "new" for
// insert/modify).
// A received JSON value as an error message quotes it: its text, or, for a
// value nested too deep to be written out safely, the kind of value it is.
std::string QuotedJson(const nlohmann::json& j);

nlohmann::json PacketToJson(const DataPacket& packet);
DataPacket PacketFromJson(const nlohmann::json& json);
nlohmann::json DeltaToJson(const Delta& delta);
Delta DeltaFromJson(const nlohmann::json& json);

// A single value in the JSON form of its field type.
nlohmann::json ValueToJson(const Variant& value, FieldType type);
Variant ValueFromJson(const nlohmann::json& json, FieldType type);

}  // namespace plat
