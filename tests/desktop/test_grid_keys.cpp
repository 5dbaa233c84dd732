// Keys in the grid window: typed characters go through the grid's key-press
// handler (a swallowed key never reaches the cell), the classic keys act as
// the grid has them, failures are shown once, and the keys the headless grid
// has no name for are translated into cell selections.
#include <QKeyEvent>
#include <stdexcept>

#include "desktop/grid_keys.h"
#include "platform/data/errors.h"
#include "test_grid_fixture.h"

namespace grid_test {

namespace {

desk::KeyTranslation Translate(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier,
                               const QString& text = {}) {
  desk::GridPosition at;
  at.row = 5;
  at.rowCount = 20;
  at.column = 0;
  at.visibleColumns = {0, 2, 3};
  at.pageRows = 10;
  QKeyEvent event(QEvent::KeyPress, key, modifiers, text);
  return desk::TranslateKey(event, at);
}

}  // namespace

class GridKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void swallowedKeyChangesNothing() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.grid.OnKeyPress = [](plat::TDBGrid&, char32_t& key) {
      if (key >= U'0' && key <= U'9') key = 0;
    };
    items.Click(items.CellCentre(0, 1));
    QTest::keyClick(items.view, Qt::Key_5);
    QCOMPARE(items.cds.State(), plat::DataSetState::Browse);
    QVERIFY(!items.grid.EditorModified());
    QCOMPARE(items.Shown(0, 1), QString("PARAFUSO"));
    QTest::keyClicks(items.view, "a1b");
    QCOMPARE(items.Shown(0, 1), QString("ab"));  // typed in the place of the text
  }

  void typedTextIsWrittenWhenTabLeavesTheColumn() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 1));
    items.Key(Qt::Key_Backspace);
    items.TypeText("ão");
    QCOMPARE(items.F("DSITEM").AsString(), std::string("PARAFUSO"));
    items.Key(Qt::Key_Tab);
    QCOMPARE(items.F("DSITEM").AsString(), std::string("PARAFUSãO"));
    QCOMPARE(items.grid.SelectedIndex(), 2);
    QCOMPARE(items.colExits, 2);  // the click left the first column, Tab the second
    items.Key(Qt::Key_Tab);       // past the hidden column, on to the next row
    QCOMPARE(items.grid.SelectedIndex(), 0);
    QCOMPARE(items.view->currentIndex(), items.Model().index(1, 0));
    items.Key(Qt::Key_Backtab);
    QCOMPARE(items.view->currentIndex(), items.Model().index(0, 2));
  }

  void insertEscapeAndDownOnTheLastRow() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.Key(Qt::Key_Insert);
    QCOMPARE(items.cds.State(), plat::DataSetState::Insert);
    QCOMPARE(items.Model().rowCount(), 4);
    items.Key(Qt::Key_Escape);
    QCOMPARE(items.cds.State(), plat::DataSetState::Browse);
    QCOMPARE(items.Model().rowCount(), 3);
    items.Key(Qt::Key_Down);
    items.Key(Qt::Key_Down);
    QCOMPARE(items.Model().rowCount(), 3);
    items.Key(Qt::Key_Down);  // on the last row: a new row is appended
    QCOMPARE(items.cds.State(), plat::DataSetState::Insert);
    QCOMPARE(items.Model().rowCount(), 4);
    QCOMPARE(items.view->currentIndex().row(), 3);
    items.Key(Qt::Key_Up);  // the untouched new row goes away
    QCOMPARE(items.Model().rowCount(), 3);
    QCOMPARE(items.view->currentIndex().row(), 2);
  }

  void ctrlDeleteDeletesOnlyAfterYes() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.dialogs.answers = {plat::mrNo, plat::mrYes};
    items.Key(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(items.Model().rowCount(), 3);
    items.Key(Qt::Key_Delete, Qt::ControlModifier);
    QCOMPARE(items.Model().rowCount(), 2);
    QCOMPARE(items.Shown(0, 1), QString("PORCA"));
    QCOMPARE(items.dialogs.asked, (std::vector<std::string>{"Excluir o registro?", "Excluir o registro?"}));
    items.Key(Qt::Key_Delete);  // without Ctrl: not the grid's
    QCOMPARE(items.Model().rowCount(), 2);
    QVERIFY(items.dialogs.unexpected.empty());
  }

  void failingHandlerIsShownOnceAndAbortEndsQuietly() {
    ItemGrid items;
    QVERIFY(items.Show());
    bool abort = false;
    items.grid.OnKeyPress = [&](plat::TDBGrid&, char32_t&) {
      if (abort) throw plat::EAbort();
      throw std::runtime_error("no typing here");
    };
    // Two characters in one key event (as an input method sends them): the
    // first fails, the second is not tried.
    QKeyEvent typed(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, "ab");
    QApplication::sendEvent(items.view, &typed);
    QCOMPARE(items.dialogs.errors, std::vector<std::string>{"no typing here"});
    abort = true;
    QTest::keyClick(items.view, Qt::Key_A);
    QCOMPARE(items.dialogs.errors.size(), std::size_t(1));
    QCOMPARE(items.cds.State(), plat::DataSetState::Browse);
  }

  void actionsGoThroughTheDoorTheFrontEndGave() {
    ItemGrid items;
    QVERIFY(items.Show());
    int passed = 0;
    items.view->SetActionDoor([&](const desk::UserActionWork& work) {
      ++passed;
      plat::TUserActions actions(items.form);
      return work(actions);
    });
    items.Key(Qt::Key_Down);
    items.Click(items.CellCentre(2, 2));
    QCOMPARE(passed, 2);
    QCOMPARE(items.view->currentIndex(), items.Model().index(2, 2));
  }

  void sideStepsAndPagesSelectTheCellTheyLeadTo() {
    using Action = desk::GridAction;
    QCOMPARE(Translate(Qt::Key_Right).actions, std::vector<Action>{Action::SelectCell(-1, 2)});
    QVERIFY(Translate(Qt::Key_Left).taken);
    QVERIFY(Translate(Qt::Key_Left).actions.empty());
    QCOMPARE(Translate(Qt::Key_PageDown).actions, std::vector<Action>{Action::SelectCell(15, -1)});
    QCOMPARE(Translate(Qt::Key_PageUp).actions, std::vector<Action>{Action::SelectCell(0, -1)});
    QCOMPARE(Translate(Qt::Key_End, Qt::ControlModifier).actions, std::vector<Action>{Action::SelectCell(19, -1)});
    QCOMPARE(Translate(Qt::Key_End).actions, std::vector<Action>{Action::Press(plat::GridKey::End)});
  }

  void otherKeysMapToTheGridsOwn() {
    using Action = desk::GridAction;
    QVERIFY(Translate(Qt::Key_Down, Qt::AltModifier).openPickList);
    QCOMPARE(Translate(Qt::Key_Return, Qt::ControlModifier).actions, std::vector<Action>{Action::ClickEditButton()});
    QCOMPARE(Translate(Qt::Key_Enter, Qt::KeypadModifier).actions,
             std::vector<Action>{Action::Press(plat::GridKey::Enter)});
    QCOMPARE(Translate(Qt::Key_A, Qt::NoModifier, "a").actions, std::vector<Action>{Action::Type(U'a')});
    QVERIFY2(!Translate(Qt::Key_C, Qt::ControlModifier, "\x03").taken, "left to the window's shortcuts");
    QVERIFY(!Translate(Qt::Key_F, Qt::AltModifier, "f").taken);
    QVERIFY(!Translate(Qt::Key_Tab, Qt::ControlModifier).taken);
  }
};

}  // namespace grid_test

QTEST_MAIN(grid_test::GridKeysTest)
#include "test_grid_keys.moc"
