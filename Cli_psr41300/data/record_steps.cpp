#include "Cli_psr41300/data/record_steps.h"

#include <algorithm>
#include <vector>

#include "Cli_psr41300/screen_support.h"
#include "host/pesquisa.h"
#include "platform/ui/dialogs.h"

namespace cli_psr41300::steps {

using support::EndWith;

void SendDetailChanges(T& form, plat::TClientDataSet& detail) {
  const details::Detail& row = details::DetailOf(form, detail);
  form.SendChanges(detail, row.setMethod, row.cacheTable);
}

void CheckRequired(const T& form, const plat::TDataSet& dataSet, std::span<const Required> fields) {
  for (const Required& required : fields) {
    plat::TField& field = dataSet.FieldByName(required.field);
    if (!support::Empty(field.AsString())) continue;
    field.FocusControl();
    EndWith(form, required.code);
  }
}

void CheckDuplicate(const T& form, bool must, const DuplicateCheck& check) {
  plat::TField& field = check.dataSet->FieldByName(check.field);
  support::FocusOnFailure(
      [&] {
        if (support::Empty(field.AsString())) {
          if (must) EndWith(form, check.missingCode);
          return;
        }
        support::Load(*check.answer, check.ask());
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
  support::EditUnlessEditing(*picker.target);
  const plat::TDataSet& chosen = *picker.list->DataSet();
  for (const PickCopy& copy : picker.copies) support::Copy(*picker.target, copy.to, chosen, copy.from);
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
  support::CopyStored(row, "NRPROPOSFAS", *form.cdsProposta, "NRPROPOSFAS");
  support::CopyStored(row, "NRVERPROPFAS", *form.cdsProposta, "NRVERPROPFAS");
}

namespace {

// The editable data sets: the proposal, then the details in posting order.
std::vector<plat::TClientDataSet*> EditableDataSets(const T& form) {
  std::vector<plat::TClientDataSet*> dataSets{form.cdsProposta};
  for (const details::Detail& row : details::Details())
    if (row.Editable()) dataSets.push_back(form.*row.dataSet);
  return dataSets;
}

bool HangsOn(const T& form, const details::Detail& row, const plat::TClientDataSet& master) {
  return row.master && form.*row.master == &master;
}

}  // namespace

void SettleDependents(T& form, plat::TClientDataSet& master) {
  for (const details::Detail& row : details::Details())
    if (HangsOn(form, row, master)) SettlePending(form, *(form.*row.dataSet));
}

void SettlePending(T& form, plat::TClientDataSet& detail) {
  SettleDependents(form, detail);
  const details::Detail* own = details::FindDetail(form, detail);
  if (!own || !own->Editable() || !detail.Active()) return;
  if (detail.Editing())
    detail.Post();
  else if (detail.ChangeCount() > 0)
    ResendRefused(form, detail);
}

void ResendRefused(T& form, plat::TClientDataSet& dataSet) {
  const plat::Delta delta = dataSet.GetDelta();
  const bool deletesOnly = std::all_of(delta.changes.begin(), delta.changes.end(), [](const plat::DeltaEntry& change) {
    return change.kind == plat::ChangeKind::Delete;
  });
  const plat::TDataSet::Event& sent = deletesOnly ? dataSet.AfterDelete : dataSet.AfterPost;
  if (sent)
    sent(dataSet);
  else
    SendDetailChanges(form, dataSet);
}

void SettleProposalDetails(T& form) {
  for (const details::Detail& row : details::Details())
    if (row.Editable() && !row.master) SettlePending(form, *(form.*row.dataSet));
}

namespace {

void CloseDependents(T& form, plat::TClientDataSet& master) {
  for (const details::Detail& row : details::Details())
    if (HangsOn(form, row, master)) CloseWithDependents(form, *(form.*row.dataSet));
}

}  // namespace

void CloseWithDependents(T& form, plat::TClientDataSet& detail) {
  CloseDependents(form, detail);
  detail.Close();
}

void FetchDependents(T& form, plat::TClientDataSet& master, std::initializer_list<std::function<void()>> fetches) {
  try {
    for (const auto& fetch : fetches) fetch();
  } catch (...) {
    CloseDependents(form, master);
    throw;
  }
}

void Reload(T& form, plat::TClientDataSet& detail, const std::function<host::ServerResult()>& ask) {
  SettlePending(form, detail);
  const details::Detail* row = details::FindDetail(form, detail);
  std::vector<std::string> key;
  if (row && row->master) key = KeyShownUnder(form, *row);
  try {
    support::Load(detail, ask());
  } catch (...) {
    CloseWithDependents(form, detail);
    throw;
  }
  if (row && row->master) form.fetchedUnder[&detail] = std::move(key);
}

void DiscardRefusedChanges(T& form, plat::TClientDataSet& detail) {
  if (detail.ChangeCount() == 0) return;
  const bool confirmed =
      form.cancelConfirmed ||
      form.msgMensagensPadroes->ShowMsg("Canc", plat::DialogType::Confirmation, plat::mbYesNo, 0) == plat::mrYes;
  if (confirmed) DiscardChanges(form, detail);
}

void DiscardChanges(T& form, plat::TClientDataSet& dataSet) {
  if (dataSet.ChangeCount() == 0) return;
  dataSet.CancelUpdates();
  if (!form.cancelConfirmed) ShowStaleDependents(form);
}

std::vector<std::string> KeyShownUnder(const T& form, const details::Detail& row) {
  const appclient::ProposalKey proposal = support::CurrentProposal(form);
  std::vector<std::string> key{proposal.number, proposal.version};
  const plat::TClientDataSet& master = *(form.*row.master);
  for (const char* field : row.masterKey)
    if (field) key.push_back(master.Active() && !master.IsEmpty() ? master.FieldByName(field).AsString() : "");
  if (row.proposalField) key.push_back(support::Text(*form.cdsProposta, row.proposalField));
  return key;
}

void ShowStaleDependents(T& form) {
  // Each master shows its dependents once: a refused fetch there closes the
  // ones after it, which are not asked for again.
  std::vector<const plat::TClientDataSet*> shown;
  for (const details::Detail& row : details::Details()) {
    if (!row.master) continue;
    plat::TClientDataSet& detail = *(form.*row.dataSet);
    plat::TClientDataSet& master = *(form.*row.master);
    if (!master.Active() || master.IsEmpty() || master.Editing() || form.cdsProposta->Editing() ||
        !master.AfterScroll || std::find(shown.begin(), shown.end(), &master) != shown.end())
      continue;
    const auto fetched = form.fetchedUnder.find(&detail);
    const bool stale =
        !detail.Active() || fetched == form.fetchedUnder.end() || fetched->second != KeyShownUnder(form, row);
    if (!stale) continue;
    shown.push_back(&master);
    master.AfterScroll(master);
  }
}

bool HoldsWork(const plat::TClientDataSet& dataSet) { return dataSet.Editing() || dataSet.ChangeCount() > 0; }

bool WorkPending(const T& form) {
  for (const plat::TClientDataSet* dataSet : EditableDataSets(form))
    if (HoldsWork(*dataSet)) return true;
  return false;
}

bool RefusedChangesPending(const T& form) {
  for (const plat::TClientDataSet* dataSet : EditableDataSets(form))
    if (dataSet->ChangeCount() > 0) return true;
  return false;
}

void TakeCodeOfName(const T& form, const NamedCode& named) {
  plat::TField& name = named.row->FieldByName(named.nameField);
  const std::string typed = name.AsString();
  if (support::Empty(typed)) {
    const bool storedName =
        named.row->State() == plat::DataSetState::Edit && !support::Empty(name.ValueText(name.OldValue()));
    if (storedName || !support::Empty(support::Text(*named.row, named.codeField))) {
      name.FocusControl();
      EndWith(form, named.missingCode);
    }
    return;
  }
  plat::TDataSet& list = *named.list;
  const std::string code = support::Text(*named.row, named.codeField);
  // A stored row whose name and code are still as stored keeps its code (a
  // pick may have changed the code, and the stored name been typed back).
  const plat::TField& codeField = named.row->FieldByName(named.codeField);
  if (named.row->State() == plat::DataSetState::Edit && !code.empty() && name.ValueText(name.OldValue()) == typed &&
      codeField.ValueText(codeField.OldValue()) == code)
    return;
  named.open();
  if (!code.empty() && list.Locate(named.listCode, plat::Variant(code)) && support::Text(list, named.listName) == typed)
    return;
  named.refresh();
  if (!list.Locate(named.listName, plat::Variant(typed))) {
    name.FocusControl();
    EndWith(form, named.unknownCode);
  }
  support::Copy(*named.row, named.codeField, list, named.listCode);
}

void TakeCodeOfLocalName(const T& form, plat::TDataSet& row, plat::TADOIBQuery& table, const char* nameField,
                         const char* codeField, const char* unknownCode, const char* missingCode) {
  auto reopen = [&table] {
    table.Close();
    table.Open();
  };
  TakeCodeOfName(form, {.row = &row,
                        .nameField = nameField,
                        .codeField = codeField,
                        .list = &table,
                        .open =
                            [&table, reopen] {
                              if (!table.Active()) reopen();
                            },
                        .refresh = reopen,
                        .listName = nameField,
                        .listCode = codeField,
                        .unknownCode = unknownCode,
                        .missingCode = missingCode});
}

}  // namespace cli_psr41300::steps
