// PackageLoader: the host's run-time loading of a screen package. The package
// is opened only when its screen is first asked for; its plain entry IniProc
// and its exported globals are found by name.
#pragma once

#include <string>

namespace hostapp {

class PackageLoader {
 public:
  explicit PackageLoader(std::string path) : path_(std::move(path)) {}
  ~PackageLoader();
  PackageLoader(const PackageLoader&) = delete;
  PackageLoader& operator=(const PackageLoader&) = delete;

  bool Loaded() const { return handle_ != nullptr; }
  const std::string& Path() const { return path_; }
  // Loads the package when not loaded yet; throws EError with the loader's
  // message when it cannot.
  void Load();
  // Loads the package and calls its IniProc.
  void CallIniProc();
  // The address of an exported symbol (loading the package first); throws
  // EError naming the symbol when it is not exported.
  void* Symbol(const std::string& name);

  // The package next to the host program, as built.
  static std::string DefaultPath();

 private:
  std::string path_;
  void* handle_ = nullptr;
};

}  // namespace hostapp
