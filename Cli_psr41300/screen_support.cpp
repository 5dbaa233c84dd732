#include "Cli_psr41300/screen_support.h"

#include "host/consiste.h"

namespace cli_psr41300::support {

void EndWith(const T& form, const char* code) { host::Consiste::MensErro(form.msgPadrao->Msg(code), true); }

void FocusAndEndWith(const T& form, plat::TControl& control, const char* code) {
  control.SetFocus();
  EndWith(form, code);
}

bool Empty(const std::string& text) { return host::Consiste::EmptyString(text); }

std::string Text(const plat::TDataSet& dataSet, const char* field) { return dataSet.FieldByName(field).AsString(); }

void SetText(plat::TDataSet& dataSet, const char* field, const std::string& value) {
  dataSet.FieldByName(field).SetAsString(value);
}

void Copy(plat::TDataSet& to, const char* toField, const plat::TDataSet& from, const char* fromField) {
  to.FieldByName(toField).SetValue(from.FieldByName(fromField).Value());
}

void CopyStored(plat::TDataSet& to, const char* toField, const plat::TClientDataSet& from, const char* fromField) {
  to.FieldByName(toField).SetValue(from.BaseValue(from.FieldByName(fromField)));
}

void EditUnlessEditing(plat::TDataSet& dataSet) {
  if (!dataSet.Editing()) dataSet.Edit();
}

void ClearNameWhenTyped(const T& form, const plat::TDBFieldControl& code, const char* nameField) {
  if (form.cdsProposta->Editing() && code.Modified()) form.cdsProposta->FieldByName(nameField).Clear();
}

void OpenLookup(plat::TADOIBQuery& query, const char* keyParam, const std::string& keyValue, const char* allParam,
                const std::string& allValue) {
  query.Close();
  query.ParamByName(keyParam).SetAsString(keyValue);
  query.ParamByName(allParam).SetAsString(allValue);
  query.Open();
}

void Load(plat::TClientDataSet& dataSet, host::ServerResult answer) {
  dataSet.SetData(host::Consiste::CheckResultServ(std::move(answer), true, 0));
}

appclient::ProposalKey CurrentProposal(const T& form) {
  const plat::TClientDataSet& proposals = *form.cdsProposta;
  const plat::TField& number = proposals.FieldByName("NRPROPOSFAS");
  const plat::TField& version = proposals.FieldByName("NRVERPROPFAS");
  return {number.ValueText(proposals.BaseValue(number)), version.ValueText(proposals.BaseValue(version))};
}

bool StoredValueTypedOver(const plat::TClientDataSet& dataSet, std::initializer_list<const char*> fields) {
  if (dataSet.State() != plat::DataSetState::Edit) return false;
  for (const char* name : fields) {
    const plat::TField& field = dataSet.FieldByName(name);
    if (field.ValueText(dataSet.BaseValue(field)) != field.AsString()) return true;
  }
  return false;
}

bool StoredKeyChanges(const plat::TClientDataSet& proposals) {
  const plat::Delta delta = proposals.GetDelta();
  std::vector<int> key;
  for (const char* name : {"NRPROPOSFAS", "NRVERPROPFAS"})
    for (std::size_t i = 0; i < delta.fields.size(); ++i)
      if (delta.fields[i].name == name) key.push_back(static_cast<int>(i));
  for (const plat::DeltaEntry& change : delta.changes) {
    if (change.kind != plat::ChangeKind::Modify) continue;
    for (int i : key)
      if (change.original[i].ToText() != change.current[i].ToText()) return true;
  }
  return false;
}

bool CustomerChosen(const T& form) { return form.dbrClieProsp->ItemIndex() == 0; }

namespace {

const PartyLookup kCustomer = {.kind = "C",
                               .query = &T::qryCliente,
                               .source = &T::dtsPesqCliente,
                               .numberParam = "P_NRINSJURCLIE",
                               .allParam = "P_TNRINSJURCLIE",
                               .numberField = "NRINSJURCLIE",
                               .nameField = "NMFANTCLIE",
                               .personTypeField = "IDTPIJURCLIE",
                               .codeField = "CDCLIENTE",
                               .notFoundCode = "CLI_N_CAD"};

const PartyLookup kProspect = {.kind = "P",
                               .query = &T::qryProspect,
                               .source = &T::dtsPesqProspect,
                               .numberParam = "P_NRINSJURPROS",
                               .allParam = "P_TNRINSJURPROS",
                               .numberField = "NRINSJURPROS",
                               .nameField = "NMFANTPROS",
                               .personTypeField = "IDTPIJURPROS",
                               .codeField = "CDPROSPECT",
                               .notFoundCode = "PROS_N_CAD"};

}  // namespace

const PartyLookup& ChosenParty(const T& form) { return CustomerChosen(form) ? kCustomer : kProspect; }

PartyCodes CodesForKind(const T& form, const std::string& code) {
  if (CustomerChosen(form)) return {code, ""};
  return {"", code};
}

}  // namespace cli_psr41300::support
