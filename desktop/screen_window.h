// ScreenWindow: a screen in a window of its own (the host puts it in its
// multiple-document area): the screen's main menu as the window's menu bar
// over the screen's controls, the screen's caption as the window title.
// Closing the window asks the screen to close (its close handler decides);
// once the screen has closed, the window takes itself down and then lets the
// application release the screen.
#pragma once

#include <QWidget>
#include <memory>

#include "platform/ui/form.h"

namespace desk {

class FormBridge;
class MenuBridge;

class ScreenWindow : public QWidget {
  Q_OBJECT

 public:
  explicit ScreenWindow(plat::TForm& form, QWidget* parent = nullptr);
  ~ScreenWindow() override;

  FormBridge& Bridge() const { return *bridge_; }
  MenuBridge* Menu() const { return menu_; }

 signals:
  // The screen closed; the window is about to go.
  void Closing();

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void TearDown();

  FormBridge* bridge_;
  MenuBridge* menu_ = nullptr;
  bool leaving_ = false;
};

}  // namespace desk
