#include "platform/ui/dbedit.h"

#include "platform/data/errors.h"
#include "platform/data/field.h"
#include "platform/data/format.h"
#include "platform/data/messages.h"
#include "platform/ui/form.h"

namespace plat {

namespace {

bool Masked(const TField& field) {
  return !field.EditMask().empty() && !field.OnGetText && field.DataType() == FieldType::String;
}

}  // namespace

std::string MaskedEditText(const TField& field) {
  if (!Masked(field)) return field.Text();
  return field.IsNull() ? std::string() : FormatMaskText(field.EditMask(), field.AsString());
}

std::string TypedEditText(const TField& field, const std::string& text) {
  return Masked(field) ? ApplyMaskCase(field.EditMask(), text) : text;
}

void WriteEditedText(TField& field, const std::string& text) {
  // A text field keeps its mask's character classes; other fields check the
  // text by converting it.
  const bool masked = !field.EditMask().empty() && field.DataType() == FieldType::String;
  if (masked && !MaskAccepts(field.EditMask(), text))
    throw EConvertError(Message(Msg::NotAValueForField, {text, field.DisplayLabel()}));
  field.SetText(masked ? MaskedTextToValue(field.EditMask(), text) : text);
}

std::string TDBEdit::FieldText(bool focused) const {
  TField* field = Field();
  if (field && Masked(*field)) return MaskedEditText(*field);
  return TDBFieldControl::FieldText(focused);
}

void TDBEdit::WriteField(TField& field) { WriteEditedText(field, Text()); }

// ---- date edit ----------------------------------------------------------------

std::string TDBDateEditPlus::FieldText(bool focused) const {
  TField* field = Field();
  if (!field || field->IsNull() || field->OnGetText) return TDBFieldControl::FieldText(focused);
  return DateToStr(field->AsDateTime());
}

void TDBDateEditPlus::WriteField(TField& field) {
  if (Text().empty()) {
    field.Clear();
    return;
  }
  field.SetAsDateTime(Date());
}

bool TDBDateEditPlus::HasDate() const {
  DateTime date;
  return TryStrToDate(Text(), date);
}

DateTime TDBDateEditPlus::Date() const {
  DateTime date;
  if (!TryStrToDate(Text(), date)) throw EConvertError(Message(Msg::NotADate, {Text()}));
  return date;
}

void TDBDateEditPlus::CheckValidDate() {
  if (Text().empty() || HasDate()) return;
  if (CanFocus()) SetFocus();
  throw EConvertError(Message(Msg::NotADate, {Text()}));
}

void TDBDateEditPlus::SetDate(const DateTime& date) {
  TField* field = Field();
  if (!field) return;
  if (!Link().Edit()) return;
  field->SetAsDateTime(date);
  Link().Reset();
  SetText(DateToStr(date));
}

// ---- rich text ------------------------------------------------------------------

std::string TDBRichEdit::FieldText(bool focused) const {
  TField* field = Field();
  if (!field || field->OnGetText) return TDBFieldControl::FieldText(focused);
  return field->AsString();
}

// ---- plain edit -------------------------------------------------------------------

void TEdit::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  Changed();
  if (OnChange) OnChange(*this);
}

bool TEdit::UserEdit(const std::string& text) {
  if (ReadOnly) return false;
  SetText(text);
  return true;
}

}  // namespace plat
