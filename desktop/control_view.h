// ControlView: the Qt widget that shows one headless control, and the common
// part of keeping it in step: place and size, visible, enabled, hint, bold
// caption and colour role. Each kind of control adds what is its own (texts,
// items, pages) in SyncContent and forwards its user actions through the
// ViewContext, never acting on the control itself.
#pragma once

#include <QWidget>
#include <functional>

#include "platform/ui/control.h"
#include "platform/ui/user_actions.h"

namespace desk {

class ControlView;

// What a view needs from the bridge that made it.
class ViewContext {
 public:
  using Action = std::function<plat::ActionResult(plat::TUserActions&)>;
  virtual ~ViewContext() = default;
  // Runs one user action on the screen as one event of the message loop.
  virtual plat::ActionResult Forward(const Action& action) = 0;
  // Whether the user may act on the control now: a focus move still waiting
  // is forwarded first, and then the control must hold the focus (controls
  // that never take the focus always may).
  virtual bool MayAct(plat::TControl& control) = 0;
  virtual ControlView* ViewOf(const plat::TControl& control) const = 0;
};

class ControlView {
 public:
  ControlView(plat::TControl& control, ViewContext& context, QWidget* widget);
  virtual ~ControlView() = default;
  ControlView(const ControlView&) = delete;
  ControlView& operator=(const ControlView&) = delete;

  plat::TControl& Control() const { return control_; }
  // The outer widget, placed at the control's position in its container.
  QWidget* Widget() const { return widget_; }
  // The widget that takes the keyboard focus when the control has it.
  virtual QWidget* FocusWidget() const { return widget_; }
  // Where the widgets of the control's children go.
  virtual QWidget* Container() const { return widget_; }
  // Whether the widgets of the control's children are made by the bridge.
  virtual bool HoldsChildren() const { return true; }

  // Brings the widget in step with the control.
  void Sync();
  // The window itself is placed by its frame, not by its own position.
  void SetPlaced(bool placed) { placed_ = placed; }

 protected:
  virtual void SyncContent() {}
  // Shown when the control is visible (a tab sheet also needs to be the active page).
  virtual bool ShownNow() const { return control_.Visible(); }
  ViewContext& Context() const { return context_; }
  // Runs a user action and brings the widget back in step afterwards (a
  // refused action leaves the control as it was, and the widget follows).
  void Act(const ViewContext::Action& action);

 private:
  plat::TControl& control_;
  ViewContext& context_;
  QWidget* widget_;
  bool placed_ = true;
};

}  // namespace desk
