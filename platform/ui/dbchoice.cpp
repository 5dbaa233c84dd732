#include "platform/ui/dbchoice.h"

#include "platform/data/field.h"

namespace plat {

std::string TDBChoiceControl::ItemValue(int index) const {
  return index >= 0 && index < static_cast<int>(Items.size()) ? Items[index] : std::string();
}

std::string TDBRadioGroup::ItemValue(int index) const {
  if (index >= 0 && index < static_cast<int>(Values.size()) && !Values[index].empty()) return Values[index];
  return TDBChoiceControl::ItemValue(index);
}

int TDBChoiceControl::IndexOf(const std::string& value) const {
  if (value.empty()) return -1;  // an empty field selects nothing
  for (int i = 0; i < static_cast<int>(Items.size()); ++i)
    if (ItemValue(i) == value) return i;
  return -1;
}

std::string TDBChoiceControl::FieldText(bool) const {
  TField* field = Field();
  // The field's edit text (through its get-text handler) picks the item.
  return field ? field->Text() : std::string();
}

void TDBChoiceControl::TextChanged() { itemIndex_ = IndexOf(Text()); }

void TDBChoiceControl::SetItemIndex(int index) {
  if (index < -1 || index >= static_cast<int>(Items.size())) index = -1;
  SetText(ItemValue(index));
  itemIndex_ = index;
}

bool TDBChoiceControl::UserChoose(int index) {
  if (index < -1 || index >= static_cast<int>(Items.size())) return false;
  if (!UserEdit(ItemValue(index))) return false;
  itemIndex_ = index;
  return true;
}

void TDBChoiceControl::WriteField(TField& field) { field.SetText(ItemValue(itemIndex_)); }

}  // namespace plat
