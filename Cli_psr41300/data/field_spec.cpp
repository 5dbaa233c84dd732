#include "Cli_psr41300/data/field_spec.h"

namespace cli_psr41300::data {

void DeclareFields(plat::TDataSet& dataSet, std::span<const FieldSpec> fields) {
  for (const FieldSpec& spec : fields) {
    auto kind = (spec.flags & kCalculated) ? plat::FieldKind::Calculated : plat::FieldKind::Data;
    plat::TField& field = dataSet.AddField(spec.name, spec.type, spec.size, kind);
    if (*spec.label) field.SetDisplayLabel(spec.label);
    if (spec.displayWidth > 0) field.SetDisplayWidth(spec.displayWidth);
    field.SetVisible(!(spec.flags & kHidden));
    field.SetReadOnly(spec.flags & kReadOnly);
    field.SetRequired(spec.flags & kRequired);
    if (*spec.editMask) field.SetEditMask(spec.editMask);
    if (*spec.displayFormat) field.SetDisplayFormat(spec.displayFormat);
    if (spec.minValue < spec.maxValue) field.SetRange(spec.minValue, spec.maxValue);
  }
}

}  // namespace cli_psr41300::data
