// TempDir: a fresh private folder under the system's temporary folder,
// removed with everything in it when the object ends.
#pragma once

#include <string>

namespace hostapp {

class TempDir {
 public:
  explicit TempDir(const std::string& prefix);  // throws EError
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  const std::string& Path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

}  // namespace hostapp
