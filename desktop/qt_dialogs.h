// QtDialogs: the host's dialogs in real windows: messages and errors in
// message boxes, Yes/No questions returning the classic modal results, the
// search list, and the wait animation as a busy cursor with a small sign.
#pragma once

#include "desktop/busy_indicator.h"
#include "platform/ui/dialogs.h"

namespace desk {

class QtDialogs : public plat::Dialogs {
 public:
  int MessageDlg(const std::string& text, plat::DialogType type, int buttons, int helpContext) override;
  void ShowError(const std::string& text) override;
  bool Search(plat::TDataSource& source, const std::string& title, const std::string& emptyText) override;
  void WaitStart() override { busy_.Start(); }
  void WaitStop() override { busy_.Stop(); }

  BusyIndicator& Busy() { return busy_; }

 private:
  BusyIndicator busy_;
};

}  // namespace desk
