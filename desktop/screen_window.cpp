#include "desktop/screen_window.h"

#include <QCloseEvent>
#include <QMenuBar>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "desktop/form_bridge.h"
#include "desktop/menu_bridge.h"
#include "desktop/qt_text.h"
#include "host/application.h"
#include "host/frmpadrao.h"

namespace desk {

ScreenWindow::ScreenWindow(plat::TForm& form, QWidget* parent) : QWidget(parent), bridge_(new FormBridge(form, this)) {
  setObjectName("ScreenWindow");
  setWindowTitle(ToQt(form.Caption()));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  if (plat::TMenuItem* mainMenu = MenuBridge::MainMenuOf(form)) {
    // The host shows the screen's menus in its own menu bar while the screen
    // is open (the classic multiple-document way), so the controls keep the
    // whole window.
    menu_ = new MenuBridge(*mainMenu, *bridge_, this);
    menu_->Bar()->hide();
    addActions(menu_->ItemActions());  // the shortcuts work wherever the bar is shown
  }
  // The controls follow a window made larger (the screen's anchors); a window
  // made smaller than they need scrolls.
  auto* area = new QScrollArea(this);
  area->setObjectName("ScreenArea");
  area->setFrameShape(QFrame::NoFrame);
  area->setWidgetResizable(true);
  bridge_->Root()->resize(bridge_->Root()->minimumSize());
  area->setWidget(bridge_->Root());
  layout->addWidget(area);
  connect(bridge_, &FormBridge::CaptionChanged, this, &QWidget::setWindowTitle);
  connect(bridge_, &FormBridge::ScreenClosed, this, [this] {
    emit Closing();
    hide();
    // Taken down once the event that closed the screen has returned.
    QTimer::singleShot(0, this, [this] { TearDown(); });
  });
}

ScreenWindow::~ScreenWindow() {
  if (menu_) menu_->Detach();
  bridge_->Detach();
}

void ScreenWindow::closeEvent(QCloseEvent* event) {
  if (leaving_ || bridge_->Closed()) {
    event->accept();
    return;
  }
  // The screen's close handler decides; a screen that closed takes the
  // window down itself.
  event->ignore();
  plat::TForm& form = bridge_->Form();
  bridge_->Forward([&form](plat::TUserActions& actions) {
    return actions.Run([&form] {
      if (auto* screen = dynamic_cast<host::TfrmPadrao*>(&form))
        screen->CloseScreen();
      else
        form.Close();
      return true;
    });
  });
}

void ScreenWindow::TearDown() {
  leaving_ = true;
  if (menu_) menu_->Detach();
  bridge_->Detach();
  QWidget* frame = parentWidget() ? parentWidget() : this;  // the document area's frame, when in one
  delete frame;
  // The widgets are gone: the application may now destroy the screen.
  host::TApplication::Current().ProcessMessages();
}

}  // namespace desk
