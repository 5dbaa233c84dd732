// TForm: the top of a screen's control tree. It owns every component of the
// screen and keeps the active control, the one holding the keyboard focus.
//
// Moving the focus runs, in order, the old control's exit, the exits of the
// containers it leaves (innermost first), then the enters of the containers it
// enters (outermost first) and the new control's enter. An exception from an
// exit handler cancels the move: the focus stays where it is, or where the
// handler put it, and the exception propagates. A focus request on a control
// that cannot take the focus does nothing.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/ui/control.h"

namespace plat {

class TForm : public TControl {
 public:
  TForm(TComponent* owner, std::string name);

  TControl* ActiveControl() const { return active_; }
  // Moves the focus; returns true when the focus is on target afterwards.
  bool FocusControl(TControl& target);
  // Moves the focus to the next (or previous) focusable control in tab order,
  // as the Tab key does. Returns false when there is none.
  bool SelectNext(bool forward = true);
  // The focusable controls in tab order (depth first, by TabOrder).
  std::vector<TControl*> TabList() const;

  // The active control may no longer be able to hold the focus (hidden,
  // disabled, its page changed); moves the focus to its nearest container
  // that can take it, running the exits.
  void CheckActiveControl();

  // Lifecycle events of the screen.
  TNotifyEvent OnCreate, OnActivate, OnShow;
  std::function<void(TForm&, int& action)> OnClose;  // action: 0 none, 1 hide, 2 free, 3 minimize

  // Runs the creation event; the application object calls it once the
  // screen and its components exist.
  virtual void DoCreate();
  void Show();
  bool IsShown() const { return shown_; }
  // Runs OnClose; returns the close action decided.
  int Close();

  bool Focusable() const override { return false; }

 private:
  TControl* active_ = nullptr;
  bool moving_ = false;
  std::vector<TControl*> exited_;  // exits already run by the move in progress
  bool shown_ = false;
};

}  // namespace plat
