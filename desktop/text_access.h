// The text and the read-only flag of the controls that show a text, whether
// data-aware or plain.
#pragma once

#include <string>

#include "platform/ui/control.h"

namespace desk {

std::string ShownText(const plat::TControl& control);
bool IsReadOnly(const plat::TControl& control);

}  // namespace desk
