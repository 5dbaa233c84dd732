// TDBFieldControl: the common behaviour of controls that edit one field of a
// data source (edit, date edit, radio group, drop-down list, rich text).
//
// What callers may rely on:
// - The control shows its field's text and follows record and state changes
//   (while the data set's controls are enabled). Focused it shows the field's
//   Text (edit form), otherwise its DisplayText.
// - Typing (UserEdit) first puts the data source into edit (auto-edit); when
//   the data set cannot be edited the typing is refused. Typed text is pending
//   until the control is left or the data set posts; then it is written to
//   the field through the field's set-text handler. A write that fails keeps
//   the focus on the control and propagates.
// - OnChange runs whenever the shown value changes: typed, set by program,
//   or refreshed from the field.
#pragma once

#include <string>

#include "platform/data/datalink.h"
#include "platform/ui/control.h"

namespace plat {

class TDataSource;
class TField;

// The edit mask as data-aware editors apply it, to text fields only: the
// value laid into its mask to be edited, and the edited text back to the
// value (written through the field's set-text handler). Other fields, and
// fields without a mask, edit their Text as it is. TypedEditText is the
// text as typed, with the mask's case rules applied as the user types.
std::string MaskedEditText(const TField& field);
void WriteEditedText(TField& field, const std::string& text);
std::string TypedEditText(const TField& field, const std::string& text);

class TDBFieldControl : public TControl {
 public:
  TDBFieldControl(TComponent* owner, std::string name, TControl* parent = nullptr);

  TDataSource* DataSource() const { return link_.DataSource(); }
  void SetDataSource(TDataSource* source) { link_.SetDataSource(source); }
  const std::string& DataField() const { return link_.FieldName; }
  void SetDataField(std::string fieldName);
  TField* Field() const { return link_.Field(); }
  // Bind in one step.
  void Bind(TDataSource& source, std::string fieldName);

  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool readOnly) {
    readOnly_ = readOnly;
    Changed();
  }
  // True when typing could change the field now (or after auto-edit).
  bool CanModify() const;
  bool Modified() const { return link_.Modified(); }

  // The text shown.
  const std::string& Text() const { return text_; }
  // Sets the shown text by program; marks nothing modified.
  void SetText(const std::string& text);
  // The user typed: replaces the text (see the class comment). Returns false
  // when the control refused the typing.
  bool UserEdit(const std::string& text);
  // Writes pending text now (the data set posts, or the control is left).
  void UpdateRecord();

  TNotifyEvent OnChange;

  void DoEnter() override;
  void DoExit() override;
  void FocusChanged() override;

 protected:
  // The text the control shows for its field's current value.
  virtual std::string FieldText(bool focused) const;
  // Writes the pending text to the field.
  virtual void WriteField(TField& field);
  // Called after the shown text changed, before OnChange.
  virtual void TextChanged() {}
  void Refresh();
  TFieldDataLink& Link() { return link_; }

 private:
  void SetShown(const std::string& text);

  TFieldDataLink link_;
  std::string text_;
  bool readOnly_ = false;
};

}  // namespace plat
