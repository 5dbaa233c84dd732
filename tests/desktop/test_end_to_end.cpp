// End to end, on a real display (run_under_xvfb.sh starts one): a real
// application server on the demo data, the host's main window, the
// proposal-request screen opened from its menu, and a new proposal made
// with the mouse and the keyboard as a user would: focus the list, Incluir,
// the customer's registration number, Tab, the requesting operator, Tab,
// Confirmar. The server's database
// then holds it. Then a contract line, an ordered line picked from it and a
// due date, each checked in the database. Pictures of the pages are saved
// in the folder named by PSR_SCREENSHOT_DIR.
#include <QMdiArea>
#include <QMdiSubWindow>

#include "live_window.h"

class EndToEndTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == "xcb", "runs on a real display: see run_under_xvfb.sh");
    live_.Start("psr_desktop_e2e");
    window_ = &live_.Window();
    QVERIFY(QTest::qWaitForWindowActive(window_));
  }

  void theScreenOpensFromTheMenuOnce() {
    live_.OpenFromMenu();
    QTRY_VERIFY(window_->Screen());
    desk::ScreenWindow* screen = window_->Screen();
    QCOMPARE(screen->windowTitle(), QString("Solicitação de Proposta"));
    QMdiSubWindow* frame = window_->Area()->subWindowList().value(0);
    QCOMPARE(frame->geometry(), QRect(187, 110, 990, 605));
    QTRY_VERIFY(live_.W("dbgPadrao")->isVisible());
    live_.OpenFromMenu();  // a second time: nothing happens
    QCOMPARE(window_->Area()->subWindowList().size(), 1);
    QCOMPARE(window_->Screen(), screen);
    live_.Save("list.png");
  }

  void aNewProposalIsMadeWithMouseAndKeyboard() {
    QVERIFY(window_->Screen());
    // Focus the list, then Incluir from the toolbar.
    QWidget* list = live_.W("dbgPadrao");
    QWidget* cells = list->findChild<QWidget*>("qt_scrollarea_viewport");
    QTest::mouseClick(cells ? cells : list, Qt::LeftButton, Qt::NoModifier, QPoint(40, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgPadrao"));
    QTest::mouseClick(live_.W("sbtIncluir"), Qt::LeftButton);
    QTRY_VERIFY(live_.W("dbeProposta")->isVisible());
    QCOMPARE(live_.Edit("dbeProposta")->text(), QString("1008"));

    // The customer's registration number, typed, and Tab to leave it.
    QLineEdit* party = live_.Edit("dbeCdClienteProsp");
    QTest::mouseClick(party, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(live_.Active(), std::string("dbeCdClienteProsp"));
    QTest::keyClicks(party, "11222333000181");
    QTest::keyClick(party, Qt::Key_Tab);
    QTRY_COMPARE(live_.Edit("dbeClienteProsp")->text(), QString("Metalúrgica Horizonte"));
    // Tab went on to the requesting operator, whom a proposal needs too.
    QTRY_COMPARE(live_.Active(), std::string("dbeCdOperSoli"));
    QTest::keyClicks(QApplication::focusWidget(), "1");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QTRY_VERIFY(!live_.Edit("dbeNmOperSoli")->text().isEmpty());
    live_.Save("form.png");

    // Confirmar: the proposal is posted and sent at once.
    QTest::mouseClick(live_.W("sbtConfirmar"), Qt::LeftButton);
    QTRY_COMPARE(live_.Bridge().Form().Get<plat::TDataSet>("cdsProposta").State(), plat::DataSetState::Browse);
    QVERIFY2(live_.Watch().seen.isEmpty(), qPrintable(live_.Watch().seen.join(" / ")));
    host::ServerResult stored = live_.Runtime().HostConnection().Call(
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
    QTest::mouseClick(live_.W("sbtFechar"), Qt::LeftButton);
    QTRY_VERIFY(!window_->Screen());
    QTRY_COMPARE(window_->Area()->subWindowList().size(), 0);
    QTRY_VERIFY(!live_.Runtime().Screen());  // released by the application
    // It opens again, with the proposal made above in its list.
    live_.OpenFromMenu();
    QTRY_VERIFY(window_->Screen());
    QCOMPARE(live_.Bridge().Form().Get<plat::TDataSet>("cdsProposta").RecordCount(), 6);
    QVERIFY2(live_.Watch().seen.isEmpty(), qPrintable(live_.Watch().seen.join(" / ")));
  }

  // A contract product line of 1001/2 added in its grid: Insert, the cells
  // typed and left with Tab, a letter in the platform column that the grid
  // does not take, mode and place from their drop-down pick lists, and the
  // grid left for the systems' grid, which posts and sends the line.
  void aContractLineIsAddedWithMouseAndKeyboard() {
    QVERIFY(window_->Screen());
    desk::GridView* list = live_.Grid("dbgPadrao");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, Qt::NoModifier, list->CellRect(1, 0).center());
    QTRY_COMPARE(live_.Field("cdsProposta", "NRVERPROPFAS"), std::string("2"));
    QTabBar* pages = live_.W("pgcPadrao")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(pages);
    QTest::mouseClick(pages, Qt::LeftButton, Qt::NoModifier, pages->tabRect(1).center());
    desk::GridView* lines = live_.Grid("dbgDadosContLinhaProd");
    QTRY_VERIFY(lines->isVisible());
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier, lines->CellRect(0, 1).center());
    QTRY_COMPARE(live_.Active(), std::string("dbgDadosContLinhaProd"));

    QTest::keyClick(lines, Qt::Key_Insert);
    QTRY_COMPARE(live_.State("cdsDadosContLinhaProd"), plat::DataSetState::Insert);
    auto typeAndTab = [&](const char* text) {
      QTest::keyClicks(lines, text);
      QTest::keyClick(lines, Qt::Key_Tab);
    };
    typeAndTab("12");                  // Código
    typeAndTab("Linha da janela");     // Linha de Produto
    typeAndTab("Folha de Pagamento");  // Prod. Comercial, as listed
    typeAndTab("x");                   // Plataforma: the letter is not taken
    QCOMPARE(live_.Field("cdsDadosContLinhaProd", "IDAMBLINPP"), std::string("WEB"));
    typeAndTab("4");                            // N° Usuários
    typeAndTab("");                             // Pontos Acesso
    typeAndTab("");                             // Tp. Linha Prod.
    typeAndTab("");                             // Tp. Pagamento
    typeAndTab("4");                            // Qt. Licenças
    typeAndTab("250");                          // Vr. Unit. LU
    typeAndTab("25");                           // Vr. Unit. Mensal
    typeAndTab("5");                            // Dia Fat.
    live_.ChooseFromPickList(lines, "Matriz");  // Modo
    QTest::keyClick(lines, Qt::Key_Tab);
    live_.ChooseFromPickList(lines, "Filial");  // Local
    live_.Save("contract-line.png");

    desk::GridView* systems = live_.Grid("dbgDadosContSistema");
    QTest::mouseClick(systems->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.State("cdsDadosContLinhaProd"), plat::DataSetState::Browse);
    QVERIFY2(live_.Watch().seen.isEmpty(), qPrintable(live_.Watch().seen.join(" / ")));
    host::ServerResult stored = live_.Runtime().HostConnection().Call(
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
    QCOMPARE(live_.Field("cdsDadosContLinhaProd", "CDLINPPROP"), std::string("10"));
    QCOMPARE(
        live_.Edit("edtValorTotalLu")->text().toStdString(),
        live_.Bridge().Form().Get<plat::TDataSet>("cdsDadosContLinhaProd").FieldByName("VALORTOTALLU").DisplayText());
    live_.Save("contract.png");
  }

  // An order for 1001/2: the "Pedidos" page, the order-line picker from the
  // "Código" column (Ctrl+Enter, the first line of the search list), which
  // stores the line at once; then a due date typed into its grid and posted
  // by leaving it.
  void anOrderLineIsPickedAndGivenADueDate() {
    QVERIFY(window_->Screen());
    QTabBar* details = live_.W("pgcDadosCont_Ped_Mens")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QVERIFY(details);
    QTest::mouseClick(details, Qt::LeftButton, Qt::NoModifier, details->tabRect(1).center());
    desk::GridView* lines = live_.Grid("dbgPedidosLinhaProd");
    QTRY_VERIFY(lines->isVisible());
    // The page change leaves the focus on the ordered lines' code.
    QTRY_COMPARE(live_.Active(), std::string("dbgPedidosLinhaProd"));
    live_.WhenModal(
        [](QWidget* dialog) { QTest::keyClick(dialog->findChild<QTableView*>("SearchTable"), Qt::Key_Return); });
    QTest::keyClick(lines, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.Bridge().Form().Get<plat::TDataSet>("cdsPedidosLinhaProd").RecordCount(), 1);
    QCOMPARE(live_.State("cdsPedidosLinhaProd"), plat::DataSetState::Browse);
    QVERIFY2(live_.Watch().seen.isEmpty(), qPrintable(live_.Watch().seen.join(" / ")));
    QCOMPARE(live_.Stored("SELECT CDLIN, CDLINPPROP, NRLINPPEDP FROM PEDILINPPROP WHERE NRPROPOSFAS = '1001' AND "
                          "NRVERPROPFAS = '2'"),
             (std::vector<std::string>{"10", "10", "1"}));

    // The search window gone, the main window is the active one again.
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    desk::GridView* due = live_.Grid("dbgVenc_Valor");
    QTest::mouseClick(due->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgVenc_Valor"));
    QTest::keyClick(due, Qt::Key_Insert);
    QTRY_COMPARE(live_.State("cdsVenc_Valor"), plat::DataSetState::Insert);
    // The cell takes the date as written; its mask is the window issue's.
    QTest::keyClicks(due, "15/01/2027");
    QTest::keyClick(due, Qt::Key_Tab);
    QTest::keyClicks(due, "1000");
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier, lines->CellRect(0, 1).center());
    QTRY_COMPARE(live_.State("cdsVenc_Valor"), plat::DataSetState::Browse);
    QVERIFY2(live_.Watch().seen.isEmpty(), qPrintable(live_.Watch().seen.join(" / ")));
    QCOMPARE(live_.Stored("SELECT NRLINPPEDP, DTVELUSOPEDP, VRVELUSOPEDP FROM VENCLUSOPROP WHERE NRPROPOSFAS = '1001' "
                          "AND NRVERPROPFAS = '2'"),
             (std::vector<std::string>{"1", "15/01/2027", "1000"}));
    live_.Save("orders.png");

    // The services tabs of the orders and of the contract, as pictures.
    QTabBar* orderTabs = live_.W("PageControl5")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QTest::mouseClick(orderTabs, Qt::LeftButton, Qt::NoModifier, orderTabs->tabRect(1).center());
    desk::GridView* services = live_.Grid("dbgPedidosServico");
    QTRY_VERIFY(services->isVisible());
    // A service ordered through its picker (the list's hourly value comes
    // with it), its hours typed; leaving the grid for the box under it
    // stores the service, and the observation typed there is confirmed.
    QTest::mouseClick(services->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgPedidosServico"));
    live_.WhenModal(
        [](QWidget* dialog) { QTest::keyClick(dialog->findChild<QTableView*>("SearchTable"), Qt::Key_Return); });
    QTest::keyClick(services, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.State("cdsPedidosServico"), plat::DataSetState::Insert);
    window_->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window_));
    QTest::keyClick(services, Qt::Key_Tab);
    QTest::keyClicks(services, "16");
    QWidget* observation = live_.W("dbrObs");
    QTest::mouseClick(observation, Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTRY_COMPARE(live_.State("cdsPedidosServico"), plat::DataSetState::Browse);
    QTest::keyClicks(QApplication::focusWidget(), "Duas etapas");
    QTRY_COMPARE(live_.State("cdsPedidosServico"), plat::DataSetState::Edit);
    QTest::mouseClick(live_.W("sbtConfirmar"), Qt::LeftButton);
    QTRY_COMPARE(live_.State("cdsPedidosServico"), plat::DataSetState::Browse);
    QVERIFY2(live_.Watch().seen.isEmpty(), qPrintable(live_.Watch().seen.join(" / ")));
    QCOMPARE(live_.Stored("SELECT QTSERVPEDP, TXOBSPROPSERV FROM PEDISERVPROP WHERE NRPROPOSFAS = '1001' AND "
                          "NRVERPROPFAS = '2'"),
             (std::vector<std::string>{"16", "Duas etapas"}));
    live_.Save("order-services.png");
    QTest::mouseClick(details, Qt::LeftButton, Qt::NoModifier, details->tabRect(0).center());
    QTabBar* contractTabs =
        live_.W("pgcDadosCont_LinhaProd_Serv")->findChild<QTabBar*>(QString(), Qt::FindDirectChildrenOnly);
    QTRY_VERIFY(contractTabs->isVisible());
    QTest::mouseClick(contractTabs, Qt::LeftButton, Qt::NoModifier, contractTabs->tabRect(1).center());
    QTRY_VERIFY(live_.Grid("dbgDadosContServico")->isVisible());
    live_.Save("contract-services.png");
    QVERIFY2(live_.Watch().seen.isEmpty(), qPrintable(live_.Watch().seen.join(" / ")));
  }

  void cleanupTestCase() { live_.Stop(); }

 private:
  desk::MainWindow* window_ = nullptr;
  e2e::LiveWindow live_;
};

QTEST_MAIN(EndToEndTest)
#include "test_end_to_end.moc"
