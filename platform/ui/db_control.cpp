#include "platform/ui/db_control.h"

#include "platform/data/datasource.h"
#include "platform/data/field.h"
#include "platform/ui/form.h"

namespace plat {

TDBFieldControl::TDBFieldControl(TComponent* owner, std::string name, TControl* parent)
    : TControl(owner, std::move(name), parent) {
  link_.OnDataChange = [this] { Refresh(); };
  link_.OnActiveChange = [this] { Changed(); };
  link_.OnEditingChange = [this] { Changed(); };
  link_.OnUpdateData = [this] {
    if (TField* field = Field()) WriteField(*field);
  };
  link_.OnFocusControl = [this] {
    if (CanFocus()) SetFocus();
    return Focused();
  };
}

void TDBFieldControl::SetDataField(std::string fieldName) {
  link_.FieldName = std::move(fieldName);
  Refresh();
}

void TDBFieldControl::Bind(TDataSource& source, std::string fieldName) {
  link_.FieldName = std::move(fieldName);
  SetDataSource(&source);
  Refresh();
}

bool TDBFieldControl::CanModify() const {
  TField* field = Field();
  TDataSet* dataSet = link_.DataSet();
  return !readOnly_ && field && !field->ReadOnly() && dataSet && dataSet->Active() && dataSet->CanModify();
}

std::string TDBFieldControl::FieldText(bool focused) const {
  TField* field = Field();
  if (!field || !link_.Active()) return {};
  return focused && CanModify() ? field->Text() : field->DisplayText();
}

void TDBFieldControl::WriteField(TField& field) { field.SetText(text_); }

void TDBFieldControl::SetShown(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  TextChanged();
  Changed();
  if (OnChange) OnChange(*this);
}

void TDBFieldControl::SetText(const std::string& text) { SetShown(text); }

void TDBFieldControl::Refresh() {
  if (link_.Modified()) return;  // typed text stays until written or discarded
  SetShown(FieldText(Focused()));
}

bool TDBFieldControl::UserEdit(const std::string& text) {
  if (!CanModify()) return false;
  if (!link_.Edit()) return false;
  link_.SetModified();
  SetShown(Field() ? TypedEditText(*Field(), text) : text);
  return true;
}

void TDBFieldControl::UpdateRecord() { link_.UpdateData(); }

void TDBFieldControl::DoEnter() {
  Refresh();
  TControl::DoEnter();
}

void TDBFieldControl::FocusChanged() {
  Refresh();
  Changed();
}

void TDBFieldControl::DoExit() {
  UpdateRecord();  // a failure here keeps the focus on the control
  TControl::DoExit();
}

}  // namespace plat
