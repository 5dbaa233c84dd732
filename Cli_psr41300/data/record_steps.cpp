#include "Cli_psr41300/data/record_steps.h"

#include "Cli_psr41300/header/header_support.h"
#include "host/pesquisa.h"

namespace cli_psr41300::steps {

using header::EndWith;

void SendDetailChanges(T& form, plat::TClientDataSet& detail) {
  const details::Detail& row = details::DetailOf(form, detail);
  form.SendChanges(detail, row.setMethod, row.cacheTable);
}

void CheckRequired(const T& form, const plat::TDataSet& dataSet, std::span<const Required> fields) {
  for (const Required& required : fields) {
    plat::TField& field = dataSet.FieldByName(required.field);
    if (!header::Empty(field.AsString())) continue;
    field.FocusControl();
    EndWith(form, required.code);
  }
}

void CheckDuplicate(const T& form, bool must, const DuplicateCheck& check) {
  plat::TField& field = check.dataSet->FieldByName(check.field);
  header::FocusOnFailure(
      [&] {
        if (header::Empty(field.AsString())) {
          if (must) EndWith(form, check.missingCode);
          return;
        }
        header::Load(*check.answer, check.ask());
        if (!check.answer->IsEmpty()) EndWith(form, check.duplicateCode);
      },
      [&] { check.dataSet->FieldByName(check.focusField ? check.focusField : check.field).FocusControl(); });
}

bool RunPicker(const T& form, const Picker& picker) {
  const plat::TField* selected = picker.grid->SelectedField();
  if (!selected || selected->FieldName() != picker.column) return false;
  picker.refresh();
  const std::string title = form.msgPadrao->Msg(picker.titleCode) + "|" + form.msgPadrao->Msg(picker.emptyCode);
  if (!host::Pesquisa::Pesquisar(*picker.list, title, false, true)) return false;
  header::EditUnlessEditing(*picker.target);
  const plat::TDataSet& chosen = *picker.list->DataSet();
  for (const PickCopy& copy : picker.copies) header::Copy(*picker.target, copy.to, chosen, copy.from);
  if (picker.fill) picker.fill(chosen);
  return true;
}

bool LeavingNewRowColumn(T& form, const plat::TClientDataSet& detail, const char* field) {
  const plat::TField* selected = (form.*details::DetailOf(form, detail).grid)->SelectedField();
  return detail.State() == plat::DataSetState::Insert && selected && selected->FieldName() == field;
}

void PostOnExit(T& form, plat::TClientDataSet& detail) {
  const details::Detail& row = details::DetailOf(form, detail);
  const plat::DataSetState state = detail.State();
  const bool posts = (row.exitPost == details::ExitPost::Insert && state == plat::DataSetState::Insert) ||
                     (row.exitPost == details::ExitPost::EditOrInsert && detail.Editing());
  if (posts) detail.Post();
}

void CopyProposalKey(const T& form, plat::TDataSet& row) {
  if (!row.Editing()) return;
  header::Copy(row, "NRPROPOSFAS", *form.cdsProposta, "NRPROPOSFAS");
  header::Copy(row, "NRVERPROPFAS", *form.cdsProposta, "NRVERPROPFAS");
}

}  // namespace cli_psr41300::steps
