// TField: one column of a data set, read and written in the data set's
// current record (or, while a grid draws or calculated fields are computed,
// in the record being read).
//
// A field checks what is assigned to it before storing anything: the data
// set must be open and editing, text must fit its size in code page 1252,
// numbers must lie within MinValue..MaxValue when a range is set, text must
// convert to the field's type. A refused value leaves the record unchanged
// and throws EDatabaseError or EConvertError naming the field.
//
// Text is what an edit shows and takes (through OnGetText/OnSetText when
// bound); DisplayText is what a grid or label shows (through OnGetText, else
// the display format or the edit mask).
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "platform/data/component.h"
#include "platform/data/field_def.h"
#include "platform/data/variant.h"

namespace plat {

class TDataSet;

enum class FieldKind { Data, Calculated };

class TField : public TComponent {
 public:
  // sender, text (to fill), displayText (true for DisplayText, false for Text)
  using GetTextEvent = std::function<void(TField&, std::string&, bool)>;
  using SetTextEvent = std::function<void(TField&, const std::string&)>;

  TField(TComponent* owner, std::string componentName, std::string fieldName, FieldType type, int size, FieldKind kind);

  // Properties; set them when declaring the field.
  const std::string& FieldName() const { return fieldName_; }
  FieldType DataType() const { return type_; }
  FieldKind Kind() const { return kind_; }
  bool Calculated() const { return kind_ == FieldKind::Calculated; }
  int Size() const { return size_; }
  std::string DisplayLabel() const { return displayLabel_.empty() ? fieldName_ : displayLabel_; }
  TField& SetDisplayLabel(std::string label) {
    displayLabel_ = std::move(label);
    return *this;
  }
  int DisplayWidth() const;  // the declared width, else one from the size
  TField& SetDisplayWidth(int width) {
    displayWidth_ = width;
    return *this;
  }
  bool Visible() const { return visible_; }
  TField& SetVisible(bool visible) {
    visible_ = visible;
    return *this;
  }
  bool ReadOnly() const { return readOnly_; }
  TField& SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    return *this;
  }
  bool Required() const { return required_; }
  TField& SetRequired(bool required) {
    required_ = required;
    return *this;
  }
  const std::string& EditMask() const { return editMask_; }
  TField& SetEditMask(std::string mask) {
    editMask_ = std::move(mask);
    return *this;
  }
  const std::string& DisplayFormat() const { return displayFormat_; }
  TField& SetDisplayFormat(std::string format) {
    displayFormat_ = std::move(format);
    return *this;
  }
  std::optional<double> MinValue() const { return minValue_; }
  std::optional<double> MaxValue() const { return maxValue_; }
  TField& SetRange(double minValue, double maxValue);

  GetTextEvent OnGetText;
  SetTextEvent OnSetText;

  TDataSet& DataSet() const { return *dataSet_; }
  int Index() const { return index_; }  // position in the data set's record

  // Reading. A closed data set reads as null.
  const Variant& Value() const;
  // While the record is being edited, the value it had when the edit began
  // (the stored one); at any other time, in a new record too, Value().
  const Variant& OldValue() const;
  bool IsNull() const;
  std::string AsString() const;
  double AsFloat() const;
  double AsCurrency() const;  // rounded to four decimals
  Decimal AsDecimal() const;
  DateTime AsDateTime() const;
  int64_t AsInteger() const;
  std::string Text() const;
  std::string DisplayText() const;

  // Writing (see the class comment for the checks).
  void SetValue(const Variant& value);
  void SetAsString(std::string_view text);
  void SetAsFloat(double value) { SetValue(Variant(value)); }
  void SetAsDateTime(const DateTime& value) { SetValue(Variant(value)); }
  void SetText(std::string_view text);  // through OnSetText when bound
  void Clear() { SetValue(Variant()); }

  // Asks the data set's data sources to focus the control bound to this
  // field; does nothing when there is none that can take the focus.
  void FocusControl();

  // The value converted to this field's type and checked; throws as SetValue.
  Variant Coerce(const Variant& value) const;
  // The value converted to this field's type only, as data read from a packet
  // or the database is stored; throws EDatabaseError naming the field when it
  // cannot be converted.
  Variant Convert(const Variant& value) const;
  // The text form of a stored value as AsString gives it.
  std::string ValueText(const Variant& value) const;

 private:
  friend class TDataSet;
  std::string DefaultText(bool displayText) const;

  TDataSet* dataSet_;
  std::string fieldName_;
  FieldType type_;
  int size_;
  FieldKind kind_;
  int index_ = -1;
  std::string displayLabel_;
  int displayWidth_ = 0;
  bool visible_ = true;
  bool readOnly_ = false;
  bool required_ = false;
  std::string editMask_;
  std::string displayFormat_;
  std::optional<double> minValue_;
  std::optional<double> maxValue_;
};

}  // namespace plat
