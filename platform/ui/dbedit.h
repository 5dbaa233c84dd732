// Data-aware text controls: the edit, the date edit with its date check, the
// rich-text edit, the read-only data label, and the plain (unbound) edit.
#pragma once

#include <string>

#include "platform/data/datetime.h"
#include "platform/ui/db_control.h"

namespace plat {

// An edit bound to a field. A field with an edit mask is shown through the
// mask, and typed text loses the mask's literals when the mask does not
// store them.
class TDBEdit : public TDBFieldControl {
 public:
  using TDBFieldControl::TDBFieldControl;

 protected:
  std::string FieldText(bool focused) const override;
  void WriteField(TField& field) override;
};

// A date edit with a calendar. Its text is the date in the short date format.
class TDBDateEditPlus : public TDBEdit {
 public:
  using TDBEdit::TDBEdit;

  // Refuses a typed text that is not a valid date (empty is valid): throws
  // EConvertError with a clear message and keeps the focus here.
  void CheckValidDate();
  // Puts the date into the control and its field (auto-edit first).
  void SetDate(const DateTime& date);
  bool HasDate() const;
  DateTime Date() const;  // throws EConvertError when the text is no date

 protected:
  std::string FieldText(bool focused) const override;
  void WriteField(TField& field) override;
};

// A rich-text editor bound to a long-text field.
class TDBRichEdit : public TDBEdit {
 public:
  using TDBEdit::TDBEdit;

 protected:
  std::string FieldText(bool focused) const override;
};

// Shows a field's display text; never takes the focus.
class TDBText : public TDBFieldControl {
 public:
  using TDBFieldControl::TDBFieldControl;
  bool Focusable() const override { return false; }
};

// A plain edit whose text the screen sets and reads.
class TEdit : public TControl {
 public:
  using TControl::TControl;
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  virtual bool UserEdit(const std::string& text);  // false when read-only
  bool ReadOnly = false;
  TNotifyEvent OnChange;

 private:
  std::string text_;
};

}  // namespace plat
