// psr_desktop: the host application in a window. Starts like the host
// (identity, server, local cache) and shows its main window, whose menu
// opens the proposal-request screen from its package.
#include <signal.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <iostream>

#include "desktop/desktop_options.h"
#include "desktop/main_window.h"
#include "desktop/qt_dialogs.h"
#include "desktop/screen_window.h"
#include "desktop/user_locale.h"
#include "desktop/window_style.h"
#include "host/application.h"
#include "host/runtime/host_runtime.h"

namespace {

// Saves the main window once the screen has drawn itself, then quits.
void SaveAndQuit(desk::MainWindow& window, const QString& path) {
  QTimer::singleShot(500, &window, [&window, path] {
    bool saved = window.grab().save(path, "PNG");
    if (!saved) std::cerr << "psr_desktop: cannot save " << path.toStdString() << "\n";
    QApplication::exit(saved ? 0 : 1);
  });
}

}  // namespace

int main(int argc, char** argv) {
  signal(SIGPIPE, SIG_IGN);  // a server that went away is a failed call, not the end of the host
  QApplication app(argc, argv);
  desk::DesktopOptions options;
  try {
    std::vector<std::string> args;
    for (const QString& arg : app.arguments().mid(1)) args.push_back(arg.toStdString());
    options = desk::ParseOptions(args);
  } catch (const std::exception& e) {
    std::cerr << "psr_desktop: " << e.what() << "\n" << desk::UsageText();
    return 2;
  }
  if (options.help) {
    std::cout << desk::UsageText();
    return 0;
  }

  desk::ApplyWindowStyle(app);
  desk::ApplyUserLocale(options.locale.empty() ? QLocale::system() : QLocale(QString::fromStdString(options.locale)),
                        &app);
  desk::QtDialogs dialogs;
  plat::Dialogs::Install(&dialogs);
  hostapp::HostRuntime runtime(options.config);
  try {
    runtime.Start();
  } catch (const std::exception& e) {
    QMessageBox::critical(nullptr, QStringLiteral("Gestão Comercial"), QString::fromStdString(e.what()));
    std::cerr << "psr_desktop: " << e.what() << "\n";
    return 1;
  }

  int code;
  {
    desk::MainWindow window(runtime, dialogs.Busy());
    window.show();
    if (options.openScreen) {
      QTimer::singleShot(0, &window, [&window] { window.OpenProposalScreen(); });
      if (!options.screenshot.empty()) SaveAndQuit(window, QString::fromStdString(options.screenshot));
    }
    code = app.exec();
  }
  // The windows are gone: screens closed with them may now be destroyed.
  host::TApplication::Current().ProcessMessages();
  plat::Dialogs::Install(nullptr);
  return code;
}
