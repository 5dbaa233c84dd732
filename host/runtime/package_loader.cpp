#include "host/runtime/package_loader.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

#include "host/runtime/program_dir.h"
#include "platform/data/errors.h"

namespace hostapp {

PackageLoader::~PackageLoader() {
  // The package stays mapped until the process ends: screens it created may
  // still be owned by the application object while it shuts down.
}

void PackageLoader::Load() {
  if (handle_) return;
  dlerror();
  handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (!handle_) {
    const char* reason = dlerror();
    throw plat::EError("Cannot load the package " + path_ + ": " + (reason ? reason : "unknown reason"));
  }
}

void* PackageLoader::Symbol(const std::string& name) {
  Load();
  dlerror();
  void* address = dlsym(handle_, name.c_str());
  if (!address) throw plat::EError("The package " + path_ + " does not export '" + name + "'");
  return address;
}

void PackageLoader::CallIniProc() {
  auto entry = reinterpret_cast<void (*)()>(Symbol("IniProc"));
  entry();
}

std::string PackageLoader::DefaultPath() { return ProgramDir() + "/Pkg_psr41300.so"; }

}  // namespace hostapp
