// The window as users work in it (run_under_xvfb.sh starts a display), on
// the demo data: the list sorted by a click on a column title and again the
// other way; a value corrected in its cell by selecting part of its text
// and typing over it, and confirmed, with the server's database checked;
// the splitter under the contract lines dragged; the contract tabs turned
// from the keyboard (Ctrl+Tab); the screen maximised and restored. Pictures of the pages go to PSR_SCREENSHOT_DIR.
#include <QHeaderView>
#include <QMdiSubWindow>

#include "desktop/cell_editor.h"
#include "live_window.h"

class WindowComfortWalk : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == "xcb", "runs on a real display: see run_under_xvfb.sh");
    live_.StartWithScreen("psr_desktop_comfort");
  }

  void theListSortsByAClickOnATitle() {
    desk::GridView* list = live_.Grid("dbgPadrao");
    live_.ClickCell("dbgPadrao", 3, 0);  // 1003
    QTRY_COMPARE(live_.Field("cdsProposta", "NRPROPOSFAS"), std::string("1003"));
    QHeaderView* titles = list->horizontalHeader();
    int name = 2;  // "Cliente/Prospect"
    QPoint title(titles->sectionViewportPosition(name) + titles->sectionSize(name) / 2, titles->height() / 2);
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, Qt::NoModifier, title);
    QTRY_COMPARE(live_.Form().Get<plat::TDBGrid>("dbgPadrao").SortColumn(), name);
    QCOMPARE(list->model()->index(0, name).data().toString(), QString("Bom Preço Atacado"));
    QCOMPARE(titles->sortIndicatorSection(), name);
    QCOMPARE(titles->sortIndicatorOrder(), Qt::AscendingOrder);
    QCOMPARE(live_.Field("cdsProposta", "NRPROPOSFAS"), std::string("1003"));  // still the current one
    QTest::mouseClick(titles->viewport(), Qt::LeftButton, Qt::NoModifier, title);
    QTRY_COMPARE(list->model()->index(0, name).data().toString(), QString("Metalúrgica Horizonte"));
    QCOMPARE(titles->sortIndicatorOrder(), Qt::DescendingOrder);
    QCOMPARE(live_.Watch().Take(), QStringList());
    live_.Save("comfort-list.png");
  }

  // 1003's first line: its licence value 950 becomes 1250 by selecting the
  // "9" and typing "12" over it in the cell's editor.
  void aValueIsCorrectedInsideItsCell() {
    live_.ClickTab("pgcPadrao", "Proposta");
    desk::GridView* lines = live_.Grid("dbgDadosContLinhaProd");
    QTRY_VERIFY(lines->isVisible());
    QCOMPARE(live_.Field("cdsDadosContLinhaProd", "CDLINPPROP"), std::string("30"));
    const int value = 9;  // "Vr. Unit. LU"
    live_.ClickCell("dbgDadosContLinhaProd", 0, value);
    QTRY_COMPARE(live_.Form().Get<plat::TDBGrid>("dbgDadosContLinhaProd").SelectedIndex(), value);
    live_.ClickCell("dbgDadosContLinhaProd", 0, value);  // on the current cell: its editor
    desk::CellEditor& editor = lines->Editor();
    QTRY_VERIFY(editor.IsOpen());
    QCOMPARE(editor.text(), QString("950"));
    QTest::keyClick(&editor, Qt::Key_Home);
    QTest::keyClick(&editor, Qt::Key_Right, Qt::ShiftModifier);
    e2e::LiveWindow::TypeInto(&editor, "12");
    QCOMPARE(editor.text(), QString("1250"));
    QCOMPARE(live_.State("cdsDadosContLinhaProd"), plat::DataSetState::Edit);
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsDadosContLinhaProd"), plat::DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT CDLINPPROP, VRLUSOPROP FROM PROPOSTALINP WHERE NRPROPOSFAS = '1003' ORDER BY 1"),
             (std::vector<std::string>{"30 | 1250", "31 | 400"}));
  }

  // The bar under the lines' totals dragged 40 pixels down: the lines grid
  // grows by that much, the systems grid under it gives it up.
  void theSplitterMoves() {
    QWidget* bar = live_.W("splDadosContLinhaProd");
    QWidget* lines = live_.W("dbgDadosContLinhaProd");
    QWidget* systems = live_.W("dbgDadosContSistema");
    int linesHeight = lines->height(), systemsTop = systems->y(), systemsHeight = systems->height();
    QPoint grip(bar->width() / 2, bar->height() / 2);
    QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, grip);
    QMouseEvent move(QEvent::MouseMove, QPointF(grip + QPoint(0, 40)), bar->mapToGlobal(QPointF(grip + QPoint(0, 40))),
                     Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(bar, &move);
    QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, grip + QPoint(0, 40));
    QTRY_COMPARE(lines->height(), linesHeight + 40);
    QCOMPARE(systems->y(), systemsTop + 40);
    QCOMPARE(systems->height(), systemsHeight - 40);
    QVERIFY(live_.Grid("dbgDadosContSistema")->CellRect(0, 0).isValid());  // still shows its first row
    live_.Save("comfort-contract.png");
  }

  // From the lines grid, Ctrl+Tab brings the services tab forward, as a
  // click on it would, and Ctrl+Shift+Tab the lines again.
  void theTabsTurnFromTheKeyboard() {
    live_.ClickCell("dbgDadosContLinhaProd", 0, 1);
    QTRY_COMPARE(live_.Active(), std::string("dbgDadosContLinhaProd"));
    live_.Key(Qt::Key_Tab, Qt::ControlModifier);
    QTRY_VERIFY(live_.Grid("dbgDadosContServico")->isVisible());
    QCOMPARE(live_.Count("cdsDadosContServico"), 3);
    live_.Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    QTRY_VERIFY(live_.Grid("dbgDadosContLinhaProd")->isVisible());
    QCOMPARE(live_.Watch().Take(), QStringList());
  }

  // The screen maximised in the main window: the lines grid takes the new
  // room, what sits under it moves down by as much, the navigator stays at
  // the bottom; restored, every control is back where it was.
  void theLayoutFollowsAMaximisedWindow() {
    live_.ClickCell("dbgDadosContLinhaProd", 0, 1);
    QWidget* lines = live_.W("dbgDadosContLinhaProd");
    QWidget* systems = live_.W("dbgDadosContSistema");
    QWidget* navigator = live_.W("panNavigator");
    const QRect linesBefore = lines->geometry(), systemsBefore = systems->geometry();
    const int navigatorGap = navigator->parentWidget()->height() - navigator->geometry().bottom();
    auto* frame = live_.Window().findChild<QMdiSubWindow*>("ScreenFrame");
    QVERIFY(frame);
    frame->showMaximized();
    QTRY_VERIFY(lines->width() > linesBefore.width() && lines->height() > linesBefore.height());
    const int grown = lines->height() - linesBefore.height();
    QCOMPARE(systems->y(), systemsBefore.y() + grown);
    QCOMPARE(systems->height(), systemsBefore.height());
    QCOMPARE(systems->width(), lines->width());
    QCOMPARE(navigator->parentWidget()->height() - navigator->geometry().bottom(), navigatorGap);
    live_.Save("comfort-maximised.png");
    frame->showNormal();
    QTRY_COMPARE(lines->geometry(), linesBefore);
    QCOMPARE(systems->geometry(), systemsBefore);
  }

  void cleanupTestCase() { live_.Stop(); }

 private:
  e2e::LiveWindow live_;
};

QTEST_MAIN(WindowComfortWalk)
#include "test_end_to_end_window_comfort.moc"
