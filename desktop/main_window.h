// MainWindow: the host application's main window: a multiple-document area
// for the screens, the menu from which the user opens the proposal-request
// screen, and the place of the wait sign. Opening the screen calls the
// package's entry as one event of the message loop (the package is loaded
// the first time); when the screen is already open nothing happens.
#pragma once

#include <QList>
#include <QMainWindow>

#include "platform/ui/form.h"

class QAction;
class QLabel;
class QMenu;
class QMdiArea;
class QMdiSubWindow;

namespace hostapp {
class HostRuntime;
}

namespace desk {

class BusyIndicator;
class ScreenWindow;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  MainWindow(hostapp::HostRuntime& runtime, BusyIndicator& busy, QWidget* parent = nullptr);
  ~MainWindow() override;

  QMdiArea* Area() const { return area_; }
  QAction* OpenAction() const { return open_; }
  // The window of the open screen, or nullptr.
  ScreenWindow* Screen() const { return screen_; }

  void OpenProposalScreen();

 signals:
  void ScreenOpened(ScreenWindow* window);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  void ShowScreen(plat::TForm& form);
  // Puts the screen's menus into the host's menu bar, before "Janela".
  void MergeMenus(ScreenWindow* window);
  // The screen's mode, list count and waiting changes in the status bar.
  void ShowScreenStatus();

  hostapp::HostRuntime& runtime_;
  BusyIndicator& busy_;
  QMdiArea* area_;
  QAction* open_;
  ScreenWindow* screen_ = nullptr;
  QMenu* windows_ = nullptr;     // the host's "Janela" menu
  QList<QAction*> merged_;       // the screen's menus shown in the host's bar
  plat::TForm* form_ = nullptr;  // the screen shown in screen_
  QLabel* status_ = nullptr;     // ShowScreenStatus's text
};

}  // namespace desk
