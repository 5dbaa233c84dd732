#include "platform/ui/number_edit.h"

#include "platform/data/errors.h"
#include "platform/data/format.h"

namespace plat {

void TNumberEdit::SetValue(double value) {
  value_ = value;
  std::string pattern = "#,##0";
  if (Decimals > 0) pattern += "." + std::string(static_cast<std::size_t>(Decimals), '0');
  SetText(FormatFloat(pattern, value));
}

namespace {

// The number a text typed so far stands for: blank is 0, and a number cut
// short while it is typed ("-", "12,", "1e") reads as if its next digit
// were 0. False for a text that no further key makes a number.
bool ReadTyped(const std::string& text, double& value) {
  if (text.find_first_not_of(' ') == std::string::npos) {
    value = 0;
    return true;
  }
  for (const std::string& candidate : {text, text + "0"}) {
    try {
      value = StrToFloat(candidate);
      return true;
    } catch (const EConvertError&) {
    }
  }
  return false;
}

}  // namespace

bool TNumberEdit::UserEdit(const std::string& text) {
  if (ReadOnly) return false;
  double value = 0;
  if (!ReadTyped(text, value)) return false;
  value_ = value;
  SetText(text);  // as typed until the edit is left, when it takes its format
  return true;
}

void TNumberEdit::DoExit() {
  SetValue(value_);
  TEdit::DoExit();
}

}  // namespace plat
