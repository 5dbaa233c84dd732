// Views of the command controls: toolbar and search buttons, and the record
// navigator. None of them ever takes the keyboard focus, so a click reaches
// the screen with the focus where the user left it.
#pragma once

#include <array>

#include "desktop/control_view.h"
#include "platform/ui/navigator.h"

class QToolButton;

namespace desk {

class SpeedButtonView : public ControlView {
 public:
  SpeedButtonView(plat::TControl& control, ViewContext& context, QWidget* parent);

  QToolButton* Button() const { return button_; }

 private:
  QToolButton* button_;
};

class NavigatorView : public ControlView {
 public:
  static constexpr int kButtons = 10;

  NavigatorView(plat::TDBNavigator& control, ViewContext& context, QWidget* parent);

  QToolButton* Button(plat::NavButton button) const { return buttons_[static_cast<std::size_t>(button)]; }

 protected:
  void SyncContent() override;

 private:
  plat::TDBNavigator& navigator_;
  std::array<QToolButton*, kButtons> buttons_{};
};

}  // namespace desk
