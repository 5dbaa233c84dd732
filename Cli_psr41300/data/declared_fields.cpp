#include "Cli_psr41300/data/declared_fields.h"

namespace cli_psr41300::data {

void DeclareFields(plat::TDataSet& dataSet, std::span<const FieldSpec> fields) {
  for (const FieldSpec& row : fields) {
    auto kind = (row.flags & kCalculated) ? plat::FieldKind::Calculated : plat::FieldKind::Data;
    plat::TField& field = dataSet.AddField(row.name, row.type, row.size, kind);
    if (*row.label) field.SetDisplayLabel(row.label);
    if (row.displayWidth > 0) field.SetDisplayWidth(row.displayWidth);
    field.SetVisible(!(row.flags & kHidden));
    field.SetReadOnly(row.flags & kReadOnly);
    field.SetRequired(row.flags & kRequired);
    if (*row.editMask) field.SetEditMask(row.editMask);
    if (*row.displayFormat) field.SetDisplayFormat(row.displayFormat);
    if (row.minValue < row.maxValue) field.SetRange(row.minValue, row.maxValue);
  }
}

}  // namespace cli_psr41300::data
