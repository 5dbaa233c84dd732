// Data-aware choice controls: the radio group (items with stored values) and
// the drop-down list (items whose text is written to the field).
//
// ItemIndex follows the field: the item whose stored value (radio group) or
// text (drop-down list) equals the field's text, or -1 when none does.
// Choosing an item by hand puts the data source into edit and leaves the
// choice pending like typed text; OnChange runs whenever ItemIndex changes.
#pragma once

#include <string>
#include <vector>

#include "platform/ui/db_control.h"

namespace plat {

class TDBChoiceControl : public TDBFieldControl {
 public:
  using TDBFieldControl::TDBFieldControl;

  std::vector<std::string> Items;
  int ItemIndex() const { return itemIndex_; }
  // Selects by program: shows the item, marks nothing modified.
  void SetItemIndex(int index);
  // The user picks an item (-1 for none); false when refused.
  bool UserChoose(int index);

 protected:
  // The stored value of an item.
  virtual std::string ItemValue(int index) const;
  std::string FieldText(bool focused) const override;
  void WriteField(TField& field) override;
  void TextChanged() override;

 private:
  int IndexOf(const std::string& value) const;
  int itemIndex_ = -1;
};

class TDBRadioGroup : public TDBChoiceControl {
 public:
  using TDBChoiceControl::TDBChoiceControl;
  // Stored values by item; an item without one stores its caption.
  std::vector<std::string> Values;

 protected:
  std::string ItemValue(int index) const override;
};

class TDBComboBox : public TDBChoiceControl {
 public:
  using TDBChoiceControl::TDBChoiceControl;
};

}  // namespace plat
