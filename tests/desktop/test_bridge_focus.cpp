// The focus in the window and on the screen agree: a focus move made with
// the mouse or the Tab key runs the exits and enters, a move the screen
// refuses puts Qt's focus back, and a move made by a handler takes Qt's
// focus along.
#include "bridge_fixture.h"
#include "platform/data/errors.h"

namespace bridge_test {

using Log = std::vector<std::string>;

class FocusTest : public QObject {
  Q_OBJECT

 private slots:
  void clickingAnotherEditRunsExitAndEnter() {
    Screen s;
    QVERIFY(s.Show());
    s.ClickInto(s.Edit("dbeCodigo"));
    QCOMPARE(s.log, (Log{"enter:panCabecalho", "enter:dbeCodigo"}));
    s.log.clear();
    s.ClickInto(s.Edit("dbeCidade"));
    QCOMPARE(s.log, (Log{"exit:dbeCodigo", "enter:dbeCidade"}));
    QCOMPARE(s.Active(), std::string("dbeCidade"));
  }

  void leavingAContainerRunsItsExit() {
    Screen s;
    QVERIFY(s.Show());
    s.ClickInto(s.Edit("dbeCidade"));
    s.pages.SetActivePage(s.two);
    s.log.clear();
    s.ClickInto(s.Edit("dbeNotas"));
    QCOMPARE(s.log, (Log{"exit:dbeCidade", "exit:panCabecalho", "enter:dbeNotas"}));
  }

  void aMoveTheScreenRefusesPutsQtsFocusBack() {
    Screen s;
    QVERIFY(s.Show());
    s.ClickInto(s.Edit("dbeCodigo"));
    s.code.OnExit = [](plat::TControl&) { throw plat::EAbort(); };
    s.ClickInto(s.Edit("dbeCidade"));
    QCOMPARE(s.Active(), std::string("dbeCodigo"));
    QTRY_COMPARE(s.QtFocus(), s.Edit("dbeCodigo"));
    // Typing goes on in the edit that kept the focus.
    QTest::keyClick(s.QtFocus(), Qt::Key_End);
    QTest::keyClicks(s.QtFocus(), "9");
    QCOMPARE(s.code.Text(), std::string("A19"));
  }

  void anErrorOnExitIsShownOnceAndKeepsTheFocus() {
    Screen s;
    QVERIFY(s.Show());
    s.ClickInto(s.Edit("dbeCodigo"));
    s.code.OnExit = [](plat::TControl&) { throw plat::EError("Código inválido"); };
    s.ClickInto(s.W("dbrTipo")->findChild<QAbstractButton*>("dbrTipo1"));
    QCOMPARE(s.dialogs.errors, (std::vector<std::string>{"Código inválido"}));
    QCOMPARE(s.kind.ItemIndex(), 0);  // the click on the refused control did not choose
    QCOMPARE(s.Active(), std::string("dbeCodigo"));
  }

  void aMoveMadeByAHandlerTakesQtsFocusAlong() {
    Screen s;
    QVERIFY(s.Show());
    s.city.OnEnter = [&s](plat::TControl&) { s.code.SetFocus(); };
    s.ClickInto(s.Edit("dbeCidade"));
    QCOMPARE(s.Active(), std::string("dbeCodigo"));
    QTRY_COMPARE(s.QtFocus(), s.Edit("dbeCodigo"));
  }

  void aMoveMadeOutsideAnyEventIsFollowed() {
    Screen s;
    QVERIFY(s.Show());
    s.city.SetFocus();
    QTRY_COMPARE(s.QtFocus(), s.Edit("dbeCidade"));
    s.kind.SetFocus();
    QTRY_VERIFY(s.W("dbrTipo")->isAncestorOf(s.QtFocus()));
  }

  void tabFollowsTheScreensTabOrder() {
    Screen s;
    s.city.SetTabOrder(0);  // before dbeCodigo, whatever the widgets' order
    s.code.SetTabOrder(1);
    QVERIFY(s.Show());
    s.ClickInto(s.Edit("dbeCidade"));
    s.log.clear();
    QTest::keyClick(s.QtFocus(), Qt::Key_Tab);
    QCOMPARE(s.Active(), std::string("dbeCodigo"));
    QCOMPARE(s.QtFocus(), s.Edit("dbeCodigo"));
    QCOMPARE(s.log, (Log{"exit:dbeCidade", "enter:dbeCodigo"}));
    QTest::keyClick(s.QtFocus(), Qt::Key_Backtab, Qt::ShiftModifier);
    QCOMPARE(s.Active(), std::string("dbeCidade"));
  }

  void aDisabledControlTakesNoFocus() {
    Screen s;
    QVERIFY(s.Show());
    QVERIFY(!s.Edit("dbeNome")->isEnabled());
    s.ClickInto(s.Edit("dbeCidade"));
    s.city.SetEnabled(false);
    // The screen moved the focus off the control; Qt's focus follows.
    QCOMPARE(s.Active(), std::string("panCabecalho"));
    QTRY_VERIFY(s.QtFocus() != s.Edit("dbeCidade"));
  }
};

}  // namespace bridge_test

QTEST_MAIN(bridge_test::FocusTest)
#include "test_bridge_focus.moc"
