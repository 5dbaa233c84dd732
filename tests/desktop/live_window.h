// LiveWindow: what an end-to-end walk through the real window needs. A real
// application server on the demo data in a temporary folder, the host's
// runtime and main window on a real display, and the moves a user makes on
// it: the screen opened from its menu, tabs and grid cells clicked, search
// windows and questions answered as they come up. Every message box that
// comes up is recorded (and closed, or answered from the queued answers),
// so a walk can check that none came that it did not expect. Helpers that
// check (QTRY_*) are void and are called from the test functions only.
#pragma once

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop/form_bridge.h"
#include "desktop/grid_view.h"
#include "desktop/main_window.h"
#include "desktop/qt_dialogs.h"
#include "desktop/screen_window.h"
#include "desktop/window_style.h"
#include "host/application.h"
#include "host/runtime/host_runtime.h"
#include "host/runtime/server_process.h"
#include "host/runtime/temp_dir.h"

namespace e2e {

// Watches for message boxes: keeps each one's text; a question is answered
// with the next queued answer (No when none is queued), any other box is
// closed.
class DialogWatch : public QObject {
 public:
  DialogWatch() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box || box == last_) return;
      last_ = box;
      seen << box->text();
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      if (yes && !answers_.empty() && answers_.front()) {
        answers_.pop_front();
        yes->click();
        return;
      }
      if (yes && !answers_.empty()) answers_.pop_front();
      box->reject();
    });
    timer_.start(50);
  }
  void AnswerYes() { answers_.push_back(true); }
  // The texts seen since the last call, and forgets them.
  QStringList Take() {
    QStringList texts = seen;
    seen.clear();
    return texts;
  }
  QStringList seen;

 private:
  QTimer timer_;
  QMessageBox* last_ = nullptr;
  std::deque<bool> answers_;
};

class LiveWindow {
 public:
  void Start(const char* folder) {
    dir_ = std::make_unique<hostapp::TempDir>(folder);
    server_ = std::make_unique<hostapp::ServerProcess>(hostapp::DefaultAppServerPath(), dir_->File("server.log"));
    server_->Start(hostapp::AppServerArguments(dir_->File("server.db"), true));
    hostapp::HostConfig config;
    config.Set("server", server_->Address());
    runtime_ = std::make_unique<hostapp::HostRuntime>(config);
    runtime_->Start();
    plat::Dialogs::Install(&dialogs_);
    desk::ApplyWindowStyle(*qApp);  // as the program's own start does
    window_ = std::make_unique<desk::MainWindow>(*runtime_, dialogs_.Busy());
    window_->show();
    window_->activateWindow();
  }
  void Stop() {
    window_.reset();
    host::TApplication::Current().ProcessMessages();
    if (plat::TForm* screen = runtime_ ? runtime_->Screen() : nullptr) host::TApplication::Current().Destroy(*screen);
    plat::Dialogs::Install(nullptr);
    if (server_) server_->Stop();
  }

  // Start, then the screen opened from its menu, its list shown.
  void StartWithScreen(const char* folder) {
    Start(folder);
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    OpenFromMenu();
    QTRY_VERIFY(window_->Screen());
    QTRY_VERIFY(W("dbgPadrao")->isVisible());
  }

  desk::MainWindow& Window() { return *window_; }
  hostapp::HostRuntime& Runtime() { return *runtime_; }
  DialogWatch& Watch() { return watch_; }

  // The sales menu's entry for the screen, clicked.
  void OpenFromMenu() {
    QMenuBar* bar = window_->menuBar();
    QMenu* sales = nullptr;
    for (QAction* action : bar->actions())
      if (action->menu() && action->menu()->actions().contains(window_->OpenAction())) sales = action->menu();
    QVERIFY(sales);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(sales->menuAction()).center());
    QTRY_VERIFY(sales->isVisible());
    QTest::mouseClick(sales, Qt::LeftButton, Qt::NoModifier, sales->actionGeometry(window_->OpenAction()).center());
    QTRY_VERIFY(!sales->isVisible());
  }

  desk::FormBridge& Bridge() { return window_->Screen()->Bridge(); }
  plat::TForm& Form() { return Bridge().Form(); }
  QWidget* W(const char* name) { return Bridge().WidgetOf(name); }
  QLineEdit* Edit(const char* name) {
    QWidget* widget = W(name);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit ? edit : widget->findChild<QLineEdit*>();
  }
  desk::GridView* Grid(const char* name) {
    QWidget* widget = W(name);
    auto* grid = qobject_cast<desk::GridView*>(widget);
    return grid ? grid : widget->findChild<desk::GridView*>();
  }
  QTabBar* Tabs(const char* pages) { return W(pages)->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly); }
  // Clicks the tab of the page with that caption.
  void ClickTab(const char* pages, const char* caption) {
    QTabBar* tabs = Tabs(pages);
    QVERIFY(tabs);
    int index = -1;
    for (int i = 0; i < tabs->count(); ++i)
      if (tabs->tabText(i) == QString::fromUtf8(caption)) index = i;
    QVERIFY2(index >= 0, caption);
    QTest::mouseClick(tabs, Qt::LeftButton, Qt::NoModifier, tabs->tabRect(index).center());
  }
  // Clicks a grid's cell: row and column from 0, the column among the grid's columns.
  void ClickCell(const char* grid, int row, int column) {
    desk::GridView* view = Grid(grid);
    view->scrollTo(view->model()->index(row, column));  // as the user scrolls to it
    QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, view->CellRect(row, column).center());
  }
  void ClickButton(const char* name) { QTest::mouseClick(W(name), Qt::LeftButton); }
  // Types the text into the widget key by key; a letter outside ASCII comes
  // as a key event that carries only its text, as from a keyboard layout.
  static void TypeInto(QWidget* widget, const char* text) {
    for (QChar ch : QString::fromUtf8(text)) {
      if (ch.unicode() < 0x80) {
        QTest::keyClick(widget, ch.toLatin1());
      } else {
        QTest::sendKeyEvent(QTest::Press, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
        QTest::sendKeyEvent(QTest::Release, widget, Qt::Key_unknown, QString(ch), Qt::NoModifier);
      }
    }
  }
  // Types into the focused widget.
  static void Type(const char* text) { TypeInto(QApplication::focusWidget(), text); }
  static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
  }

  std::string Field(const char* dataSet, const char* field) {
    return Form().Get<plat::TDataSet>(dataSet).FieldByName(field).AsString();
  }
  plat::DataSetState State(const char* dataSet) { return Form().Get<plat::TDataSet>(dataSet).State(); }
  int Count(const char* dataSet) { return Form().Get<plat::TDataSet>(dataSet).RecordCount(); }
  std::string Active() {
    plat::TControl* active = Form().ActiveControl();
    return active ? active->Name() : "(none)";
  }

  // The rows a query on the server's database answers, each as "a | b".
  std::vector<std::string> Rows(const std::string& sql) {
    host::ServerResult stored = runtime_->HostConnection().Call("Host", "Sql", {sql});
    if (stored.Failed()) return {stored.error};
    std::vector<std::string> rows;
    for (const plat::Row& row : stored.packet.rows) {
      std::string line;
      for (const plat::Variant& value : row) line += (line.empty() ? "" : " | ") + value.ToText();
      rows.push_back(line);
    }
    return rows;
  }
  // The one row a query answers, its values as text.
  std::vector<std::string> Stored(const char* sql) {
    host::ServerResult stored = runtime_->HostConnection().Call("Host", "Sql", {sql});
    if (stored.Failed()) return {stored.error};
    if (stored.packet.rows.size() != 1) return {std::to_string(stored.packet.rows.size()) + " rows"};
    std::vector<std::string> values;
    for (const plat::Variant& value : stored.packet.rows[0]) values.push_back(value.ToText());
    return values;
  }

  // Runs act on the next modal window once it is up.
  static void WhenModal(std::function<void(QWidget*)> act, int triesLeft = 200) {
    QTimer::singleShot(10, [act = std::move(act), triesLeft] {
      if (QWidget* modal = QApplication::activeModalWidget())
        act(modal);
      else if (triesLeft > 0)
        WhenModal(act, triesLeft - 1);
    });
  }
  // When the next search window comes up: clicks the row in which some
  // column shows text (the current row when text is empty) and presses
  // Enter, which picks it.
  static void PickInNextSearch(const QString& text = QString()) {
    WhenModal([text](QWidget* dialog) {
      auto* table = dialog->findChild<QTableView*>("SearchTable");
      if (!table) return;
      if (!text.isEmpty()) {
        QAbstractItemModel* model = table->model();
        for (int row = 0; row < model->rowCount(); ++row)
          for (int column = 0; column < model->columnCount(); ++column)
            if (model->index(row, column).data().toString() == text) {
              QRect cell = table->visualRect(model->index(row, column));
              QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
              row = model->rowCount();
              break;
            }
      }
      QTest::keyClick(table, Qt::Key_Return);
    });
  }
  // Gives the main window back the activation a closed modal window took.
  void Reactivate() {
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  // Drops the current cell's pick list down with F4 and clicks the entry.
  void ChooseFromPickList(desk::GridView* grid, const char* entry) {
    QTest::keyClick(grid, Qt::Key_F4);
    QTRY_VERIFY(grid->PickList());
    QAction* chosen = nullptr;
    for (QAction* action : grid->PickList()->actions())
      if (action->text() == QString::fromUtf8(entry)) chosen = action;
    QVERIFY(chosen);
    QTest::mouseClick(grid->PickList(), Qt::LeftButton, Qt::NoModifier,
                      grid->PickList()->actionGeometry(chosen).center());
    QTRY_VERIFY(!grid->PickList());
  }

  // A picture of the whole main window, into the folder PSR_SCREENSHOT_DIR
  // names.
  void Save(const char* name) {
    QTest::qWait(300);  // let the window finish painting
    QString dir = qEnvironmentVariable("PSR_SCREENSHOT_DIR", QDir::tempPath());
    QDir().mkpath(dir);
    QVERIFY(window_->grab().save(dir + "/" + name, "PNG"));
  }

 private:
  std::unique_ptr<hostapp::TempDir> dir_;
  std::unique_ptr<hostapp::ServerProcess> server_;
  std::unique_ptr<hostapp::HostRuntime> runtime_;
  desk::QtDialogs dialogs_;
  std::unique_ptr<desk::MainWindow> window_;
  DialogWatch watch_;
};

}  // namespace e2e
