#include "platform/data/field.h"

#include <cmath>

#include "platform/data/cp1252.h"
#include "platform/data/dataset.h"
#include "platform/data/errors.h"
#include "platform/data/format.h"
#include "platform/data/messages.h"

namespace plat {

TField::TField(TComponent* owner, std::string componentName, std::string fieldName, FieldType type, int size,
               FieldKind kind)
    : TComponent(owner, std::move(componentName)),
      dataSet_(dynamic_cast<TDataSet*>(owner)),
      fieldName_(std::move(fieldName)),
      type_(type),
      size_(size),
      kind_(kind) {
  if (!dataSet_) throw EError("Field '" + fieldName_ + "' must belong to a dataset");
}

int TField::DisplayWidth() const {
  if (displayWidth_ > 0) return displayWidth_;
  switch (type_) {
    case FieldType::String:
      return size_ > 0 ? size_ : 20;
    case FieldType::DateTime:
      return 18;
    case FieldType::Blob:
      return 10;
    default:
      return 10;
  }
}

TField& TField::SetRange(double minValue, double maxValue) {
  minValue_ = minValue;
  maxValue_ = maxValue;
  return *this;
}

// ---- reading ----------------------------------------------------------------

const Variant& TField::Value() const { return dataSet_->ReadValue(index_); }
const Variant& TField::OldValue() const { return dataSet_->ReadOldValue(index_); }
bool TField::IsNull() const { return Value().IsNull(); }
std::string TField::AsString() const { return ValueText(Value()); }
double TField::AsFloat() const { return Value().ToDouble(); }
Decimal TField::AsDecimal() const { return Value().ToDecimal(); }
DateTime TField::AsDateTime() const { return Value().ToDateTime(); }
int64_t TField::AsInteger() const { return Value().ToInt(); }

double TField::AsCurrency() const {
  const Variant& value = Value();
  if (value.IsNull()) return 0.0;
  return static_cast<double>(value.ToDecimal().ToCurrency()) / 10000.0;
}

std::string TField::ValueText(const Variant& value) const {
  if (value.IsNull()) return {};
  switch (type_) {
    case FieldType::DateTime:
      return DateTimeToStr(value.ToDateTime());
    case FieldType::Decimal:
      return value.ToDecimal().ToString();
    default:
      return value.ToText();
  }
}

std::string TField::DefaultText(bool displayText) const {
  const Variant& value = Value();
  if (value.IsNull()) return {};
  if (displayText) {
    switch (type_) {
      case FieldType::Float:
      case FieldType::Decimal:
      case FieldType::Integer:
        if (!displayFormat_.empty()) return FormatFloat(displayFormat_, value.ToDouble());
        break;
      case FieldType::String:
        if (!editMask_.empty()) return FormatMaskText(editMask_, value.ToText());
        break;
      case FieldType::DateTime:
        if (!displayFormat_.empty()) return FormatDateTime(displayFormat_, value.ToDateTime());
        break;
      case FieldType::Blob:
        return "(MEMO)";
      default:
        break;
    }
  }
  return ValueText(value);
}

std::string TField::Text() const {
  std::string text = DefaultText(false);
  if (OnGetText) OnGetText(const_cast<TField&>(*this), text, false);
  return text;
}

std::string TField::DisplayText() const {
  std::string text = DefaultText(true);
  if (OnGetText) OnGetText(const_cast<TField&>(*this), text, true);
  return text;
}

// ---- writing ----------------------------------------------------------------

Variant TField::Convert(const Variant& value) const {
  if (value.IsNull()) return value;
  // A value already of the field's kind converts to itself (a copy shares its text).
  if (OfFieldType(value, type_)) return value;
  try {
    switch (type_) {
      case FieldType::String:
      case FieldType::Blob:
        return Variant(value.ToText());
      case FieldType::Float:
        return Variant(value.ToDouble());
      case FieldType::Decimal:
        return Variant(value.ToDecimal());
      case FieldType::DateTime:
        return Variant(value.ToDateTime());
      case FieldType::Integer:
        return Variant(value.ToInt());
      case FieldType::Boolean:
        return Variant(value.ToBool());
    }
  } catch (const EConvertError& e) {
    throw EDatabaseError(Message(Msg::FieldSays, {DisplayLabel(), e.what()}));
  }
  return value;
}

Variant TField::Coerce(const Variant& value) const {
  if (value.IsNull()) return value;
  auto fail = [&](const std::string& why) -> Variant {
    throw EDatabaseError(Message(Msg::FieldSays, {DisplayLabel(), why}));
  };
  Variant stored = Convert(value);
  if (type_ == FieldType::String || type_ == FieldType::Blob) {
    const std::string_view text = stored.Text();
    std::string bad = FirstNonCp1252(text);
    if (!bad.empty()) return fail(Message(Msg::CharacterNotStored, {bad}));
    if (type_ == FieldType::String && size_ > 0 && CharCount(text) > static_cast<std::size_t>(size_))
      return fail(Message(Msg::LongerThan, {text, std::to_string(size_)}));
  }
  if ((type_ == FieldType::Float || type_ == FieldType::Decimal || type_ == FieldType::Integer) &&
      (minValue_ || maxValue_)) {
    double number = stored.ToDouble();
    if (std::isnan(number) || (minValue_ && number < *minValue_) || (maxValue_ && number > *maxValue_)) {
      const std::string value = FormatFloat("", number);
      if (minValue_ && maxValue_)
        return fail(Message(Msg::NotBetween, {value, FormatFloat("", *minValue_), FormatFloat("", *maxValue_)}));
      return fail(minValue_ ? Message(Msg::NotAtLeast, {value, FormatFloat("", *minValue_)})
                            : Message(Msg::NotAtMost, {value, FormatFloat("", *maxValue_)}));
    }
  }
  return stored;
}

void TField::SetValue(const Variant& value) { dataSet_->WriteValue(*this, value); }

void TField::SetAsString(std::string_view text) {
  if (text.empty() && type_ != FieldType::String && type_ != FieldType::Blob) {
    SetValue(Variant());
    return;
  }
  if (type_ == FieldType::Float || type_ == FieldType::Decimal || type_ == FieldType::Integer) {
    double number;
    try {
      number = StrToFloat(text);
    } catch (const EConvertError&) {
      throw EConvertError(Message(Msg::NotANumberForField, {text, DisplayLabel()}));
    }
    if (type_ == FieldType::Decimal) {
      // Typed digits are kept exactly; grouped or localised text goes through the number.
      Decimal exact;
      try {
        exact = Decimal::Parse(text);
      } catch (const EConvertError&) {
        exact = Decimal::FromDouble(number);
      }
      SetValue(Variant(exact));
    } else
      SetValue(Variant(number));
    return;
  }
  if (type_ == FieldType::DateTime) {
    DateTime date;
    if (!TryStrToDate(text, date)) throw EConvertError(Message(Msg::NotADateForField, {text, DisplayLabel()}));
    SetValue(Variant(date));
    return;
  }
  SetValue(Variant::OfText(text));
}

void TField::SetText(std::string_view text) {
  if (OnSetText)
    OnSetText(*this, std::string(text));
  else
    SetAsString(text);
}

void TField::FocusControl() { dataSet_->RequestFocus(*this); }

}  // namespace plat
