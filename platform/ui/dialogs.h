// Dialogs: the one door through which the platform and the host show modal
// dialogs. The host installs an implementation: a scripted one that records
// every dialog and answers from a queue (tests, automation), or the desktop
// one that opens real windows.
#pragma once

#include <string>

namespace plat {

class TDataSource;

enum class DialogType { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

// Buttons of a message dialog, combinable.
enum DialogButtons : int {
  mbYes = 1,
  mbNo = 2,
  mbOK = 4,
  mbCancel = 8,
  mbYesNo = mbYes | mbNo,
  mbOKCancel = mbOK | mbCancel
};

// Modal results.
enum ModalResult : int { mrNone = 0, mrOk = 1, mrCancel = 2, mrYes = 6, mrNo = 7 };

class Dialogs {
 public:
  virtual ~Dialogs() = default;

  // A modal message; returns the modal result of the button pressed.
  virtual int MessageDlg(const std::string& text, DialogType type, int buttons, int helpContext) = 0;
  // The host's error box for a failure that reached the message loop.
  virtual void ShowError(const std::string& text) = 0;
  // The search list: lists the shown fields of the data source's data set.
  // title is shown as the caption; emptyText instead of the list when the
  // data set is empty. Returns true when the user picked a row, which is then
  // the current row of the data set.
  virtual bool Search(TDataSource& source, const std::string& title, const std::string& emptyText) = 0;
  // The wait animation around a server call.
  virtual void WaitStart() = 0;
  virtual void WaitStop() = 0;

  // The implementation in use; never null (a default one fails loudly).
  static Dialogs& Current();
  static void Install(Dialogs* dialogs);  // nullptr restores the default
};

// Confirmation with Yes and No; true for Yes.
bool ConfirmYesNo(const std::string& text);

}  // namespace plat
