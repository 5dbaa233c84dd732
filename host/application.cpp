#include "host/application.h"

namespace host {

void TApplication::Release(plat::TForm& form) {
  if (form.Owner() == this) released_.push_back(&form);
}

void TApplication::ProcessMessages() {
  std::vector<plat::TForm*> released;
  released.swap(released_);
  for (auto* form : released) {
    if (MainForm == form) MainForm = nullptr;
    Destroy(*form);
  }
}

TApplication& TApplication::Current() {
  static TApplication application;
  return application;
}

}  // namespace host
