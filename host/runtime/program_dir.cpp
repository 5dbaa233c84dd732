#include "host/runtime/program_dir.h"

#include <unistd.h>

#include <climits>

namespace hostapp {

std::string ProgramDir() {
  char self[PATH_MAX];
  ssize_t n = readlink("/proc/self/exe", self, sizeof self - 1);
  if (n <= 0) return ".";
  std::string exe(self, static_cast<std::size_t>(n));
  return exe.substr(0, exe.rfind('/'));
}

}  // namespace hostapp
