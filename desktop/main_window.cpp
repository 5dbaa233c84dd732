#include "desktop/main_window.h"

#include <QCloseEvent>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QTime>

#include "desktop/busy_indicator.h"
#include "desktop/form_bridge.h"
#include "desktop/menu_bridge.h"
#include "desktop/qt_text.h"
#include "desktop/screen_status.h"
#include "desktop/screen_window.h"
#include "host/application.h"
#include "host/runtime/host_runtime.h"
#include "platform/ui/user_actions.h"

namespace desk {

namespace {

constexpr int kWidth = 1200, kHeight = 790;  // room for a screen of 990 x 605 at 187, 110

}  // namespace

MainWindow::MainWindow(hostapp::HostRuntime& runtime, BusyIndicator& busy, QWidget* parent)
    : QMainWindow(parent), runtime_(runtime), busy_(busy), area_(new QMdiArea(this)) {
  setObjectName("MainWindow");
  const hostapp::HostConfig& config = runtime.Config();
  setWindowTitle(
      QStringLiteral("Gestão Comercial — %1 — Filial %2").arg(ToQt(config.nomeOperador), ToQt(config.filial)));
  area_->setObjectName("Documents");
  setCentralWidget(area_);

  QMenu* system = menuBar()->addMenu(QStringLiteral("&Sistema"));
  QAction* quit = system->addAction(QStringLiteral("Sai&r"));
  connect(quit, &QAction::triggered, this, &QWidget::close);
  QMenu* sales = menuBar()->addMenu(QStringLiteral("&Vendas"));
  open_ = sales->addAction(QStringLiteral("&Solicitação de Proposta"));
  open_->setObjectName("OpenProposalScreen");
  connect(open_, &QAction::triggered, this, &MainWindow::OpenProposalScreen);
  QMenu* windows = windows_ = menuBar()->addMenu(QStringLiteral("&Janela"));
  connect(windows->addAction(QStringLiteral("&Cascata")), &QAction::triggered, area_, &QMdiArea::cascadeSubWindows);
  connect(windows->addAction(QStringLiteral("&Lado a lado")), &QAction::triggered, area_, &QMdiArea::tileSubWindows);

  // Plain text: an hourglass character is missing from many installed fonts
  // and showed as an empty box; the cursor shows the hourglass.
  auto* sign = new QLabel(QStringLiteral("Aguarde: consultando o servidor..."), this);
  sign->setObjectName("WaitSign");
  // The screen's last send, with the time it ended, stays until the next.
  auto* note = new QLabel(this);
  note->setObjectName("LastNote");
  note->setContentsMargins(0, 0, 12, 0);  // apart from the screen's state beside it
  statusBar()->addPermanentWidget(note);
  host::TApplication::Current().OnNote = [note](const std::string& text) {
    note->setText(QTime::currentTime().toString(QStringLiteral("HH:mm:ss")) + QStringLiteral(" ") + ToQt(text));
  };
  status_ = new QLabel(this);
  status_->setObjectName("ScreenStatus");
  statusBar()->addPermanentWidget(status_);
  statusBar()->addPermanentWidget(sign);
  // Who works where stays on the left (a message shown for a moment, as a
  // menu's hint, covers it only meanwhile).
  auto* who = new QLabel(QStringLiteral("Operador %1 · servidor %2:%3")
                             .arg(ToQt(config.operador), ToQt(config.serverHost))
                             .arg(config.serverPort),
                         this);
  who->setObjectName("SignedIn");
  statusBar()->addWidget(who, 1);
  busy_.SetSign(sign);
  resize(kWidth, kHeight);
}

MainWindow::~MainWindow() {
  busy_.SetSign(nullptr);
  host::TApplication::Current().OnNote = nullptr;
}

void MainWindow::OpenProposalScreen() {
  plat::RunEvent([this] {
    runtime_.OpenScreen();
    return true;
  });
  host::TApplication::Current().ProcessMessages();
  plat::TForm* form = runtime_.Screen();
  if (!form || form == form_) return;  // not made, or already open: nothing more
  ShowScreen(*form);
}

void MainWindow::ShowScreen(plat::TForm& form) {
  auto* window = new ScreenWindow(form);
  QMdiSubWindow* frame = area_->addSubWindow(window);
  frame->setObjectName("ScreenFrame");
  frame->setAttribute(Qt::WA_DeleteOnClose);
  frame->setGeometry(form.Left, form.Top, form.Width, form.Height);
  screen_ = window;
  form_ = &form;
  connect(window, &ScreenWindow::Closing, this, [this] {
    for (QAction* action : merged_) menuBar()->removeAction(action);
    merged_.clear();
    screen_ = nullptr;
    form_ = nullptr;
    ShowScreenStatus();
  });
  MergeMenus(window);
  connect(&window->Bridge(), &FormBridge::Acted, this, &MainWindow::ShowScreenStatus);
  ShowScreenStatus();
  frame->show();
  emit ScreenOpened(window);
}

void MainWindow::ShowScreenStatus() { status_->setText(form_ ? ToQt(ScreenStatusText(*form_)) : QString()); }

void MainWindow::MergeMenus(ScreenWindow* window) {
  if (!window->Menu()) return;
  merged_ = window->Menu()->Bar()->actions();
  menuBar()->insertActions(windows_->menuAction(), merged_);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  // Each screen closes through its own close handler first.
  area_->closeAllSubWindows();
  event->accept();
}

}  // namespace desk
