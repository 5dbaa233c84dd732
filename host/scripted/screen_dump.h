// DumpScreen: the visible screen as text, for people to read: the caption,
// the active page of each page control shown, the shown fields with their
// texts, and the visible rows of the grids shown with their column titles.
#pragma once

#include <string>

#include "platform/ui/form.h"

namespace hostapp {

std::string DumpScreen(const plat::TForm& form, int maxGridRows = 15);

}  // namespace hostapp
