// TApplication: the host application object. It owns the screens it creates,
// knows the main form and holds the screen cursor (0 default, -11 hourglass).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/data/component.h"
#include "platform/ui/form.h"

namespace host {

constexpr int crDefault = 0;
constexpr int crHourGlass = -11;

class TApplication : public plat::TComponent {
 public:
  TApplication() : TComponent(nullptr, "Application") {}

  // Creates a screen owned by the application: the reference is set first,
  // then the screen's creation event runs (as the classic host does). When
  // that event fails, the half-made screen is destroyed, the reference
  // cleared, and the failure propagates.
  template <class T>
  void CreateForm(T*& reference) {
    T& form = Create<T>();
    reference = &form;
    try {
      if (OnFormCreating) OnFormCreating(form);
      form.DoCreate();
    } catch (...) {
      reference = nullptr;
      Destroy(form);
      throw;
    }
  }
  // Marks a screen the application owns for destruction once the running
  // event has ended (ProcessMessages), as a screen cannot destroy itself
  // from inside one of its own handlers.
  void Release(plat::TForm& form);
  // Destroys the screens released so far.
  void ProcessMessages();

  // Runs for each screen made by CreateForm once its components exist and
  // before its creation event: a host may attach observers here.
  std::function<void(plat::TForm&)> OnFormCreating;

  // A short note from a screen on what its last action did, in the user's
  // words ("Alterações gravadas"), for the host's status bar; the host shows
  // the latest until the next. Without an observer nothing happens.
  void Note(const std::string& text) {
    if (OnNote) OnNote(text);
  }
  std::function<void(const std::string&)> OnNote;

  plat::TForm* MainForm = nullptr;
  int Cursor = crDefault;  // the screen cursor

  static TApplication& Current();

 private:
  std::vector<plat::TForm*> released_;
};

}  // namespace host
