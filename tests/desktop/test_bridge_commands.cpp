// Commands in the window: toolbar buttons, menu items with their shortcuts
// and the record navigator reach the screen's handlers, and none of them
// takes the focus from the control the user is in.
#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenuBar>
#include <QToolButton>

#include "bridge_fixture.h"
#include "desktop/button_views.h"
#include "desktop/menu_bridge.h"

namespace bridge_test {

class CommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void toolbarClickReachesItsHandlerWithTheActiveControlUnchanged() {
    Screen s;
    QVERIFY(s.Show());
    s.ClickInto(s.Edit("dbeCidade"));
    QCOMPARE(s.Active(), std::string("dbeCidade"));
    auto* button = s.W<QToolButton>("sbtGravar");
    QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(s.clicks, 1);
    QCOMPARE(s.clickedWith, std::string("dbeCidade"));
    QCOMPARE(s.Active(), std::string("dbeCidade"));
    QCOMPARE(s.QtFocus(), s.Edit("dbeCidade"));
  }

  void aClickRightAfterAFocusChangeSeesTheNewControl() {
    // The mouse moved the focus and clicked the button before the event loop
    // ran: the focus move still reaches the screen first.
    Screen s;
    QVERIFY(s.Show());
    s.Edit("dbeCodigo")->setFocus(Qt::MouseFocusReason);
    QTest::mouseClick(s.W<QToolButton>("sbtGravar"), Qt::LeftButton);
    QCOMPARE(s.clickedWith, std::string("dbeCodigo"));
  }

  void aDisabledOrHiddenButtonDoesNothing() {
    Screen s;
    QVERIFY(s.Show());
    s.save.SetEnabled(false);
    QTest::mouseClick(s.W<QToolButton>("sbtGravar"), Qt::LeftButton);
    s.save.SetEnabled(true);
    s.save.SetVisible(false);
    QVERIFY(!s.W("sbtGravar")->isVisible());
    QCOMPARE(s.clicks, 0);
  }

  void theMenuShortcutWinsOverTheEditsOwnKey() {
    Screen s;
    QVERIFY(s.Show());
    QAction* item = s.window->Menu()->ActionOf(s.mnuGravar);
    QVERIFY(item);
    QCOMPARE(item->shortcut(), QKeySequence("Ctrl+A"));
    s.ClickInto(s.Edit("dbeCidade"));
    QTest::keyClick(s.Edit("dbeCidade"), Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(s.menuClicks, 1);
    QVERIFY(!s.Edit("dbeCidade")->hasSelectedText());
    QCOMPARE(s.Active(), std::string("dbeCidade"));
  }

  // An item that does nothing leaves its key to the edit: Ctrl+V pastes.
  void theShortcutOfAnItemWithoutAHandlerLeavesTheKeyToTheEdit() {
    Screen s;
    plat::TMenuItem& filter = s.form.Create<plat::TMenuItem>("mnuFiltrar", &s.mnuManutencao);
    filter.Caption = "Filtrar";
    filter.ShortCut = "Ctrl+V";
    QVERIFY(s.Show());
    QLineEdit* city = s.Edit("dbeCidade");
    s.ClickInto(city);
    city->selectAll();
    QGuiApplication::clipboard()->setText("Olinda");
    QTest::keyClick(city, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(city->text(), QString("Olinda"));
    QCOMPARE(s.city.Text(), std::string("Olinda"));
  }

  void menuItemsFollowTheirEnabledAndVisibleFlags() {
    Screen s;
    QVERIFY(s.Show());
    QAction* item = s.window->Menu()->ActionOf(s.mnuGravar);
    s.mnuGravar.SetEnabled(false);
    QVERIFY(!item->isEnabled());
    item->trigger();
    QCOMPARE(s.menuClicks, 0);
    s.mnuGravar.SetEnabled(true);
    s.mnuGravar.SetVisible(false);
    QVERIFY(!item->isVisible());
    s.mnuGravar.SetVisible(true);
    item->trigger();
    QCOMPARE(s.menuClicks, 1);
  }

  void theNavigatorMovesTheRecordAndFollowsItsButtons() {
    Screen s;
    QVERIFY(s.Show());
    auto* view = dynamic_cast<desk::NavigatorView*>(s.Bridge().ViewOf(s.nav));
    QVERIFY(view);
    QVERIFY(!view->Button(plat::NavButton::Prior)->isEnabled());
    QCOMPARE(view->Button(plat::NavButton::Next)->focusPolicy(), Qt::NoFocus);
    QTest::mouseClick(view->Button(plat::NavButton::Next), Qt::LeftButton);
    QCOMPARE(s.cds.RecNo(), 2);
    QVERIFY(view->Button(plat::NavButton::Prior)->isEnabled());
    QVERIFY(!view->Button(plat::NavButton::Next)->isEnabled());
    QCOMPARE(s.Edit("dbeCidade")->text(), QString("Natal"));
  }
};

}  // namespace bridge_test

QTEST_MAIN(bridge_test::CommandsTest)
#include "test_bridge_commands.moc"
