// End to end, on a real display (run_under_xvfb.sh starts one): a real
// application server on the demo data, the host's main window, the
// proposal-request screen opened from its menu, and a new proposal made
// with the mouse and the keyboard as a user would: focus the list, Incluir,
// the customer's registration number, Tab, the requesting operator, Tab,
// Confirmar. The server's database
// then holds it. Then a contract line, an ordered line picked from it and a
// due date, each checked in the database. Pictures of the pages are saved
// in the folder named by PSR_SCREENSHOT_DIR.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabBar>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <memory>

#include "desktop/form_bridge.h"
#include "desktop/grid_view.h"
#include "desktop/main_window.h"
#include "desktop/qt_dialogs.h"
#include "desktop/screen_window.h"
#include "host/app/host_runtime.h"
#include "host/app/server_process.h"
#include "host/app/temp_dir.h"
#include "host/application.h"

namespace {

// Closes any message box that comes up, keeping its text: none is expected.
class DialogWatch : public QObject {
 public:
  DialogWatch() {
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        seen << box->text();
        box->reject();
      }
    });
    timer_.start(50);
  }
  QStringList seen;

 private:
  QTimer timer_;
};

}  // namespace

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == "xcb", "runs on a real display: see run_under_xvfb.sh");
    server_ = std::make_unique<hostapp::ServerProcess>(hostapp::DefaultAppServerPath(), dir_.File("server.log"));
    server_->Start(hostapp::AppServerArguments(dir_.File("server.db"), true));
    hostapp::HostConfig config;
    config.Set("server", server_->Address());
    runtime_ = std::make_unique<hostapp::HostRuntime>(config);
    runtime_->Start();
    plat::Dialogs::Install(&dialogs_);
    window_ = std::make_unique<desk::MainWindow>(*runtime_, dialogs_.Busy());
    window_->show();
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
  }

  void theScreenOpensFromTheMenuOnce() {
    OpenFromMenu();
    QTRY_VERIFY(window_->Screen());
    desk::ScreenWindow* screen = window_->Screen();
    QCOMPARE(screen->windowTitle(), QString("Solicitação de Proposta"));
    QMdiSubWindow* frame = window_->Area()->subWindowList().value(0);
    QCOMPARE(frame->geometry(), QRect(187, 110, 990, 605));
    QTRY_VERIFY(W("dbgPadrao")->isVisible());
    OpenFromMenu();  // a second time: nothing happens
    QCOMPARE(window_->Area()->subWindowList().size(), 1);
    QCOMPARE(window_->Screen(), screen);
    Save("list.png");
  }

  void aNewProposalIsMadeWithMouseAndKeyboard() {
    QVERIFY(window_->Screen());
    // Focus the list, then Incluir from the toolbar.
    QWidget* list = W("dbgPadrao");
    QWidget* cells = list->findChild<QWidget*>("qt_scrollarea_viewport");
    QTest::mouseClick(cells ? cells : list, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QTRY_COMPARE(Active(), std::string("dbgPadrao"));
    QTest::mouseClick(W("sbtIncluir"), Qt::LeftButton);
    QTRY_VERIFY(W("dbeProposta")->isVisible());
    QCOMPARE(Edit("dbeProposta")->text(), QString("1008"));

    // The customer's registration number, typed, and Tab to leave it.
    QLineEdit* party = Edit("dbeCdClienteProsp");
    QTest::mouseClick(party, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(Active(), std::string("dbeCdClienteProsp"));
    QTest::keyClicks(party, "11222333000181");
    QTest::keyClick(party, Qt::Key_Tab);
    QTRY_COMPARE(Edit("dbeClienteProsp")->text(), QString("Metalúrgica Horizonte"));
    // Tab went on to the requesting operator, whom a proposal needs too.
    QTRY_COMPARE(Active(), std::string("dbeCdOperSoli"));
    QTest::keyClicks(QApplication::focusWidget(), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(!Edit("dbeNmOperSoli")->text().isEmpty());
    Save("form.png");

    // Confirmar: the proposal is posted and sent at once.
    QTest::mouseClick(W("sbtConfirmar"), Qt::LeftButton);
    QTRY_COMPARE(Bridge().Form().Get<plat::TDataSet>("cdsProposta").State(), plat::DataSetState::Browse);
    QVERIFY2(watch_.seen.isEmpty(), qPrintable(watch_.seen.join(" / ")));
    host::ServerResult stored = runtime_->HostConnection().Call(
        "Host", "Sql", {"SELECT NRVERPROPFAS, IDCLIENPROSP, CDCLIENTE FROM PROPOSTAFAS WHERE NRPROPOSFAS = '1008'"});
    QVERIFY2(!stored.Failed(), stored.error.c_str());
    QCOMPARE(stored.packet.rows.size(), std::size_t{1});
    const plat::Row& row = stored.packet.rows[0];
    QCOMPARE(row[0].ToText(), std::string("1"));
    QCOMPARE(row[1].ToText(), std::string("C"));
    QCOMPARE(row[2].ToText(), std::string("11222333000181"));
  }

  void closingTheScreenTakesItsWindowDown() {
    QVERIFY(window_->Screen());
    QTest::mouseClick(W("sbtFechar"), Qt::LeftButton);
    QTRY_VERIFY(!window_->Screen());
    QTRY_COMPARE(window_->Area()->subWindowList().size(), 0);
    QTRY_VERIFY(!runtime_->Screen());  // released by the application
    // It opens again, with the proposal made above in its list.
    OpenFromMenu();
    QTRY_VERIFY(window_->Screen());
    QCOMPARE(Bridge().Form().Get<plat::TDataSet>("cdsProposta").RecordCount(), 6);
    QVERIFY2(watch_.seen.isEmpty(), qPrintable(watch_.seen.join(" / ")));
  }

  // A contract product line of 1001/2 added in its grid: Insert, the cells
  // typed and left with Tab, a letter in the platform column that the grid
  // does not take, mode and place from their drop-down pick lists, and the
  // grid left for the systems' grid, which posts and sends the line.
  void aContractLineIsAddedWithMouseAndKeyboard() {
    QVERIFY(window_->Screen());
    desk::GridView* list = Grid("dbgPadrao");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->CellRect(1, 0).center());
    QTRY_COMPARE(Field("cdsProposta", "NRVERPROPFAS"), std::string("2"));
    QTabBar* pages = W("pgcPadrao")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(pages);
    QTest::mouseClick(pages, Qt::LeftButton, Qt::NoModifier, pages->tabRect(1).center());
    desk::GridView* lines = Grid("dbgDadosContLinhaProd");
    QTRY_VERIFY(lines->isVisible());
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier, lines->CellRect(0, 1).center());
    QTRY_COMPARE(Active(), std::string("dbgDadosContLinhaProd"));

    QTest::keyClick(lines, Qt::Key_Insert);
    QTRY_COMPARE(State("cdsDadosContLinhaProd"), plat::DataSetState::Insert);
    auto typeAndTab = [&](const char* text) {
      QTest::keyClicks(lines, text);
      QTest::keyClick(lines, Qt::Key_Tab);
    };
    typeAndTab("12");                  // Código
    typeAndTab("Linha da janela");     // Linha de Produto
    typeAndTab("Folha de Pagamento");  // Prod. Comercial, as listed
    typeAndTab("x");                   // Plataforma: the letter is not taken
    QCOMPARE(Field("cdsDadosContLinhaProd", "IDAMBLINPP"), std::string("WEB"));
    typeAndTab("4");                   // N° Usuários
    typeAndTab("");                    // Pontos Acesso
    typeAndTab("");                    // Tp. Linha Prod.
    typeAndTab("");                    // Tp. Pagamento
    typeAndTab("4");                   // Qt. Licenças
    typeAndTab("250");                 // Vr. Unit. LU
    typeAndTab("25");                  // Vr. Unit. Mensal
    typeAndTab("5");                   // Dia Fat.
    ChooseFromPickList(lines, "Matriz");  // Modo
    QTest::keyClick(lines, Qt::Key_Tab);
    ChooseFromPickList(lines, "Filial");  // Local
    Save("contract-line.png");

    desk::GridView* systems = Grid("dbgDadosContSistema");
    QTest::mouseClick(systems->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(State("cdsDadosContLinhaProd"), plat::DataSetState::Browse);
    QVERIFY2(watch_.seen.isEmpty(), qPrintable(watch_.seen.join(" / ")));
    host::ServerResult stored = runtime_->HostConnection().Call(
        "Host", "Sql",
        {"SELECT IDAMBLINPP, IDTIPLINPP, IDTPPGTLINPP, CDPROCOMERCI, IDMPROCLINPP, IDLPROCLINPP, QTLINPPROP "
         "FROM PROPOSTALINP WHERE NRPROPOSFAS = '1001' AND NRVERPROPFAS = '2' AND CDLINPPROP = '12'"});
    QVERIFY2(!stored.Failed(), stored.error.c_str());
    QCOMPARE(stored.packet.rows.size(), std::size_t{1});
    std::vector<std::string> values;
    for (const plat::Variant& value : stored.packet.rows[0]) values.push_back(value.ToText());
    QCOMPARE(values, (std::vector<std::string>{"WEB", "M", "A", "FOLHA", "M", "F", "4"}));
    // The list came again from the server, on its first line, whose totals
    // the edits under the grid show.
    QCOMPARE(Field("cdsDadosContLinhaProd", "CDLINPPROP"), std::string("10"));
    QCOMPARE(Edit("edtValorTotalLu")->text().toStdString(),
             Bridge().Form().Get<plat::TDataSet>("cdsDadosContLinhaProd").FieldByName("VALORTOTALLU").DisplayText());
    Save("contract.png");
  }

  // An order for 1001/2: the "Pedidos" page, the order-line picker from the
  // "Código" column (Ctrl+Enter, the first line of the search list), which
  // stores the line at once; then a due date typed into its grid and posted
  // by leaving it.
  void anOrderLineIsPickedAndGivenADueDate() {
    QVERIFY(window_->Screen());
    QTabBar* details = W("pgcDadosCont_Ped_Mens")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(details);
    QTest::mouseClick(details, Qt::LeftButton, Qt::NoModifier, details->tabRect(1).center());
    desk::GridView* lines = Grid("dbgPedidosLinhaProd");
    QTRY_VERIFY(lines->isVisible());
    // The page change leaves the focus on the ordered lines' code.
    QTRY_COMPARE(Active(), std::string("dbgPedidosLinhaProd"));
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog->findChild<QTableView*>("SearchTable"), Qt::Key_Return); });
    QTest::keyClick(lines, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(Bridge().Form().Get<plat::TDataSet>("cdsPedidosLinhaProd").RecordCount(), 1);
    QCOMPARE(State("cdsPedidosLinhaProd"), plat::DataSetState::Browse);
    QVERIFY2(watch_.seen.isEmpty(), qPrintable(watch_.seen.join(" / ")));
    QCOMPARE(Stored("SELECT CDLIN, CDLINPPROP, NRLINPPEDP FROM PEDILINPPROP WHERE NRPROPOSFAS = '1001' AND "
                    "NRVERPROPFAS = '2'"),
             (std::vector<std::string>{"10", "10", "1"}));

    // The search window gone, the main window is the active one again.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    desk::GridView* due = Grid("dbgVenc_Valor");
    QTest::mouseClick(due->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(Active(), std::string("dbgVenc_Valor"));
    QTest::keyClick(due, Qt::Key_Insert);
    QTRY_COMPARE(State("cdsVenc_Valor"), plat::DataSetState::Insert);
    // The cell takes the date as written; its mask is the window issue's.
    QTest::keyClicks(due, "15/01/2027");
    QTest::keyClick(due, Qt::Key_Tab);
    QTest::keyClicks(due, "1000");
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier, lines->CellRect(0, 1).center());
    QTRY_COMPARE(State("cdsVenc_Valor"), plat::DataSetState::Browse);
    QVERIFY2(watch_.seen.isEmpty(), qPrintable(watch_.seen.join(" / ")));
    QCOMPARE(Stored("SELECT NRLINPPEDP, DTVELUSOPEDP, VRVELUSOPEDP FROM VENCLUSOPROP WHERE NRPROPOSFAS = '1001' "
                    "AND NRVERPROPFAS = '2'"),
             (std::vector<std::string>{"1", "15/01/2027", "1000"}));
    Save("orders.png");

    // The services tabs of the orders and of the contract, as pictures.
    QTabBar* orderTabs = W("PageControl5")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QTest::mouseClick(orderTabs, Qt::LeftButton, Qt::NoModifier, orderTabs->tabRect(1).center());
    desk::GridView* services = Grid("dbgPedidosServico");
    QTRY_VERIFY(services->isVisible());
    // A service ordered through its picker (the list's hourly value comes
    // with it), its hours typed; leaving the grid for the box under it
    // stores the service, and the observation typed there is confirmed.
    QTest::mouseClick(services->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(Active(), std::string("dbgPedidosServico"));
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog->findChild<QTableView*>("SearchTable"), Qt::Key_Return); });
    QTest::keyClick(services, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(State("cdsPedidosServico"), plat::DataSetState::Insert);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
    QTest::keyClick(services, Qt::Key_Tab);
    QTest::keyClicks(services, "16");
    QWidget* observation = W("dbrObs");
    QTest::mouseClick(observation, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTRY_COMPARE(State("cdsPedidosServico"), plat::DataSetState::Browse);
    QTest::keyClicks(QApplication::focusWidget(), "Duas etapas");
    QTRY_COMPARE(State("cdsPedidosServico"), plat::DataSetState::Edit);
    QTest::mouseClick(W("sbtConfirmar"), Qt::LeftButton);
    QTRY_COMPARE(State("cdsPedidosServico"), plat::DataSetState::Browse);
    QVERIFY2(watch_.seen.isEmpty(), qPrintable(watch_.seen.join(" / ")));
    QCOMPARE(Stored("SELECT QTSERVPEDP, TXOBSPROPSERV FROM PEDISERVPROP WHERE NRPROPOSFAS = '1001' AND "
                    "NRVERPROPFAS = '2'"),
             (std::vector<std::string>{"16", "Duas etapas"}));
    Save("order-services.png");
    QTest::mouseClick(details, Qt::LeftButton, Qt::NoModifier, details->tabRect(0).center());
    QTabBar* contractTabs =
        W("pgcDadosCont_LinhaProd_Serv")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QTRY_VERIFY(contractTabs->isVisible());
    QTest::mouseClick(contractTabs, Qt::LeftButton, Qt::NoModifier, contractTabs->tabRect(1).center());
    QTRY_VERIFY(Grid("dbgDadosContServico")->isVisible());
    Save("contract-services.png");
    QVERIFY2(watch_.seen.isEmpty(), qPrintable(watch_.seen.join(" / ")));
  }

  void cleanupTestCase() {
    window_.reset();
    host::TApplication::Current().ProcessMessages();
    if (plat::TForm* screen = runtime_ ? runtime_->Screen() : nullptr) host::TApplication::Current().Destroy(*screen);
    plat::Dialogs::Install(nullptr);
    if (server_) server_->Stop();
  }

 private:
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
  QWidget* W(const char* name) { return Bridge().WidgetOf(name); }
  QLineEdit* Edit(const char* name) {
    QWidget* widget = W(name);
    auto* edit = qobject_cast<QLineEdit*>(widget);
    return edit ? edit : widget->findChild<QLineEdit*>();
  }
  // The one row a query on the server's database answers, as text.
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
  desk::GridView* Grid(const char* name) {
    QWidget* widget = W(name);
    auto* grid = qobject_cast<desk::GridView*>(widget);
    return grid ? grid : widget->findChild<desk::GridView*>();
  }
  std::string Field(const char* dataSet, const char* field) {
    return Bridge().Form().Get<plat::TDataSet>(dataSet).FieldByName(field).AsString();
  }
  plat::DataSetState State(const char* dataSet) { return Bridge().Form().Get<plat::TDataSet>(dataSet).State(); }
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
  std::string Active() {
    plat::TControl* active = Bridge().Form().ActiveControl();
    return active ? active->Name() : "(none)";
  }
  void Save(const char* name) {
    QTest::qWait(300);  // let the window finish painting
    QString dir = qEnvironmentVariable("PSR_SCREENSHOT_DIR", QDir::tempPath());
    QDir().mkpath(dir);
    QVERIFY(window_->grab().save(dir + "/" + name, "PNG"));
  }

  hostapp::TempDir dir_{"psr_desktop_e2e"};
  std::unique_ptr<hostapp::ServerProcess> server_;
  std::unique_ptr<hostapp::HostRuntime> runtime_;
  desk::QtDialogs dialogs_;
  std::unique_ptr<desk::MainWindow> window_;
  DialogWatch watch_;
};

QTEST_MAIN(EndToEndTest)
#include "test_end_to_end.moc"
