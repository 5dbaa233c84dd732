// ProgramDir: the folder of the running program, where the host finds the
// programs and packages built beside it.
#pragma once

#include <string>

namespace hostapp {

std::string ProgramDir();

}  // namespace hostapp
