// The screen's state in words for the host's status bar: its mode (a record
// being included or changed, or only consulted), the number of records of
// its list, and whether changes the server did not take are still waiting.
// Read from the screen's data sets and the standard screen's list only, so
// it holds no rule of any one screen.
#pragma once

#include <string>

#include "platform/ui/form.h"

namespace desk {

// "Consulta · 5 registros", "Alteração · 5 registros · alterações não
// gravadas", "Inclusão · 1 registro".
std::string ScreenStatusText(const plat::TForm& form);

}  // namespace desk
