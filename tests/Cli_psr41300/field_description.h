// One line describing a declared field the way the screen's data tables are
// written: name, type, label, then its display attributes. Two fields with
// the same line behave alike in grids, edits and packets.
#pragma once

#include <string>
#include <vector>

#include "platform/data/dataset.h"

namespace screen_test {

inline std::string DescribeField(const plat::TField& field) {
  std::string line = field.FieldName() + " ";
  switch (field.DataType()) {
    case plat::FieldType::String:
      line += "text(" + std::to_string(field.Size()) + ")";
      break;
    case plat::FieldType::Float:
      line += "float";
      break;
    case plat::FieldType::Decimal:
      line += "decimal(" + std::to_string(field.Size()) + ",0)";
      break;
    case plat::FieldType::DateTime:
      line += "date-time";
      break;
    case plat::FieldType::Blob:
      line += "blob";
      break;
    default:
      line += plat::FieldTypeName(field.DataType());
  }
  if (field.DisplayLabel() != field.FieldName()) line += " \"" + field.DisplayLabel() + "\"";
  if (!field.Visible()) line += " hidden";
  if (field.ReadOnly()) line += " read-only";
  if (field.Required()) line += " required";
  if (field.Calculated()) line += " calculated";
  if (!field.EditMask().empty()) line += " mask[" + field.EditMask() + "]";
  if (!field.DisplayFormat().empty()) line += " format[" + field.DisplayFormat() + "]";
  if (field.MinValue()) line += " min " + std::to_string(static_cast<int>(*field.MinValue()));
  if (field.MaxValue()) line += " max " + std::to_string(static_cast<int>(*field.MaxValue()));
  bool text = field.DataType() == plat::FieldType::String;
  if (text && field.DisplayWidth() != field.Size()) line += " width " + std::to_string(field.DisplayWidth());
  return line;
}

inline std::vector<std::string> DescribeFields(const plat::TDataSet& dataSet) {
  std::vector<std::string> lines;
  for (const plat::TField* field : dataSet.Fields()) lines.push_back(DescribeField(*field));
  return lines;
}

}  // namespace screen_test
