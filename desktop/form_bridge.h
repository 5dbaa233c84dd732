// FormBridge: one screen's headless control tree shown as Qt widgets, one
// widget per control, nested as the controls are and placed at their
// positions. It keeps both sides in step:
// - every look change of a control (its OnChanged) brings its widget in step;
// - every user action on a widget is forwarded through TUserActions, as one
//   event of the host's message loop; after the outermost event the
//   application releases closed screens and Qt's focus is put where the
//   screen's active control is;
// - a Qt focus change is forwarded as a focus move (its exits and enters run)
//   just after Qt made it, and at the latest before the next user action; a
//   move the screen refuses puts Qt's focus back;
// - Tab and Shift+Tab move through the screen's own tab order (grids keep
//   them for their columns); Ctrl+Tab and Ctrl+Shift+Tab turn the pages of
//   the innermost page control around the focus, as clicks on its tabs;
//   Ctrl+Enter in an edit clicks the search button beside it.
// The screen closing during an event is announced by ScreenClosed; the owner
// then takes the window down (Detach first) before the screen is released.
#pragma once

#include <QObject>
#include <map>
#include <memory>
#include <vector>

#include "desktop/control_view.h"
#include "platform/ui/form.h"

namespace desk {

class FormBridge : public QObject, public ViewContext {
  Q_OBJECT

 public:
  // Builds the widgets under a new area, a child of parent.
  FormBridge(plat::TForm& form, QWidget* parent);
  ~FormBridge() override;

  plat::TForm& Form() const { return form_; }
  QWidget* Root() const { return root_; }
  // The outer widget of a control, by the control's name (nullptr when none).
  QWidget* WidgetOf(std::string_view name) const;
  // The control a widget shows (or is part of), nullptr outside this screen.
  plat::TControl* ControlAt(const QWidget* widget) const;

  plat::ActionResult Forward(const Action& action) override;
  bool MayAct(plat::TControl& control) override;
  ControlView* ViewOf(const plat::TControl& control) const override;

  // Puts Qt's focus on the widget of the screen's active control.
  void SyncFocus();
  bool Closed() const { return closed_; }
  // The widgets stop following the screen and acting on it; every hook is
  // taken off the controls. Called before the screen goes.
  void Detach();

 signals:
  void ScreenClosed();
  void CaptionChanged(const QString& caption);
  // A user action on the screen has ended (the screen may show another state).
  void Acted();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void Build(plat::TControl& control, QWidget* parent);
  void Hook(plat::TControl& control);
  void ControlChanged(plat::TControl& control);
  void QtFocusChanged(QWidget* now);
  void FlushFocus();
  void AfterEvent();
  void ScheduleFocusSync();
  bool TurnPage(bool forward);
  bool ClickSearchBeside(plat::TControl& edit);
  // The screen's controls follow the window's area as it is resized (never
  // below the designed size, which the area scrolls instead).
  void FollowRootSize();

  plat::TForm& form_;
  plat::TUserActions actions_;
  QWidget* root_ = nullptr;
  QSize laidOut_;  // the root's size the controls were last laid out for
  std::map<const plat::TControl*, std::unique_ptr<ControlView>> views_;
  std::vector<ControlView*> order_;  // containers before what they hold
  std::map<const QWidget*, plat::TControl*> controls_;
  std::vector<plat::TControl*> hooked_;
  plat::TControl* pending_ = nullptr;  // a Qt focus change not forwarded yet
  int depth_ = 0;                      // forwarded events running
  int settingFocus_ = 0;
  bool focusSyncQueued_ = false;
  // Why the next focus the screen moves is moved: Tab and Shift+Tab go
  // through the screen, and an edit entered by them selects its text.
  Qt::FocusReason nextFocusReason_ = Qt::OtherFocusReason;
  bool wasShown_ = false;
  bool closed_ = false;
  bool detached_ = false;
};

}  // namespace desk
