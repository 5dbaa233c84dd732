#include "desktop/text_access.h"

#include "platform/ui/db_control.h"
#include "platform/ui/dbedit.h"

namespace desk {

std::string ShownText(const plat::TControl& control) {
  if (auto* field = dynamic_cast<const plat::TDBFieldControl*>(&control)) return field->Text();
  if (auto* edit = dynamic_cast<const plat::TEdit*>(&control)) return edit->Text();
  return control.Caption();
}

bool IsReadOnly(const plat::TControl& control) {
  if (auto* field = dynamic_cast<const plat::TDBFieldControl*>(&control)) return field->ReadOnly();
  if (auto* edit = dynamic_cast<const plat::TEdit*>(&control)) return edit->ReadOnly;
  return false;
}

}  // namespace desk
