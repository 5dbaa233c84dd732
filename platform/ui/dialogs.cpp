#include "platform/ui/dialogs.h"

#include "platform/data/errors.h"

namespace plat {

namespace {

// Used when no host has installed its dialogs: every dialog is a failure, so
// that a missing set-up shows at once instead of hanging on an invisible box.
class NoDialogs : public Dialogs {
 public:
  int MessageDlg(const std::string& text, DialogType, int, int) override { Fail(text); }
  void ShowError(const std::string& text) override { Fail(text); }
  bool Search(TDataSource&, const std::string& title, const std::string&) override { Fail(title); }
  void WaitStart() override {}
  void WaitStop() override {}

 private:
  [[noreturn]] static void Fail(const std::string& text) { throw EError("No dialogs are installed to show: " + text); }
};

NoDialogs noDialogs;
Dialogs* current = &noDialogs;

}  // namespace

Dialogs& Dialogs::Current() { return *current; }
void Dialogs::Install(Dialogs* dialogs) { current = dialogs ? dialogs : &noDialogs; }

bool ConfirmYesNo(const std::string& text) {
  return Dialogs::Current().MessageDlg(text, DialogType::Confirmation, mbYesNo, 0) == mrYes;
}

}  // namespace plat
