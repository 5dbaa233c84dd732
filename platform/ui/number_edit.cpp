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

bool TNumberEdit::UserEdit(const std::string& text) {
  if (ReadOnly) return false;
  try {
    SetValue(text.find_first_not_of(' ') == std::string::npos ? 0.0 : StrToFloat(text));
  } catch (const EConvertError&) {
    return false;
  }
  return true;
}

}  // namespace plat
