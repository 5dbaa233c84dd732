// The cell editor of the grid window: the caret and selection work inside
// the text, pasted text passes the grid's key-press handler as typed text
// does, Escape takes back the cell and then the row, a masked text field
// edits its value laid into the mask, and a pick list opens from the
// keyboard while editing.
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>

#include "desktop/cell_editor.h"
#include "test_grid_fixture.h"

namespace grid_test {

class CellEditorTest : public QObject {
  Q_OBJECT

 private slots:
  void theCaretAndTheSelectionEditInsideTheText() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 1));
    items.Key(Qt::Key_F2);
    desk::CellEditor& editor = items.view->Editor();
    QVERIFY(editor.IsOpen());
    QCOMPARE(editor.cursorPosition(), 8);  // "PARAFUSO", the caret at the end
    items.Key(Qt::Key_Home);
    items.TypeText("X");
    QCOMPARE(items.grid.EditorText(), std::string("XPARAFUSO"));
    QCOMPARE(items.cds.State(), plat::DataSetState::Edit);
    // Two letters selected and typed over, one deleted behind the caret.
    items.Key(Qt::Key_Right);
    items.Key(Qt::Key_Right, Qt::ShiftModifier);
    items.Key(Qt::Key_Right, Qt::ShiftModifier);
    items.TypeText("ou");
    QCOMPARE(items.grid.EditorText(), std::string("XPouAFUSO"));
    items.Key(Qt::Key_Delete);
    items.Key(Qt::Key_Backspace);
    QCOMPARE(items.grid.EditorText(), std::string("XPoFUSO"));
    items.Key(Qt::Key_End);
    items.Key(Qt::Key_Tab);  // leaves the cell: written, and the editor closes
    QCOMPARE(items.F("DSITEM").AsString(), std::string("XPOFUSO"));
    QVERIFY(!editor.IsOpen());
    QCOMPARE(items.grid.SelectedIndex(), 2);
  }

  // A key typed into a cell not being edited replaces its text, as F2 then
  // typing does not.
  void typingIntoACellNotBeingEditedReplacesItsText() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 1));
    items.TypeText("AR");
    QCOMPARE(items.grid.EditorText(), std::string("AR"));
    items.Key(Qt::Key_Tab);
    QCOMPARE(items.F("DSITEM").AsString(), std::string("AR"));
  }

  void pastedTextPassesTheKeyPressHandler() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.grid.OnKeyPress = [](plat::TDBGrid&, char32_t& key) {
      if (key >= U'0' && key <= U'9') key = 0;
      if (key == U'e') key = U'é';
    };
    items.Click(items.CellCentre(0, 1));
    QGuiApplication::clipboard()->setText("1 porca e 2 arruelas");  // beyond the field's 20 characters
    items.Key(Qt::Key_F2);
    items.Key(Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(items.grid.EditorText(), std::string("PARAFUSO porca é  ar"));
    // Cut takes the selection out; the grid has the text without it.
    items.Key(Qt::Key_Home);
    for (int i = 0; i < 8; ++i) items.Key(Qt::Key_Right, Qt::ShiftModifier);
    items.Key(Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QGuiApplication::clipboard()->text(), QString("PARAFUSO"));
    QCOMPARE(items.grid.EditorText(), std::string(" porca é  ar"));
  }

  void escapeTakesBackTheCellThenTheRow() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 1));
    items.TypeText("S");
    QCOMPARE(items.grid.EditorText(), std::string("S"));
    items.Key(Qt::Key_Escape);
    QCOMPARE(items.view->Editor().text(), QString("PARAFUSO"));
    QCOMPARE(items.cds.State(), plat::DataSetState::Edit);
    items.Key(Qt::Key_Escape);
    QCOMPARE(items.cds.State(), plat::DataSetState::Browse);
  }

  void aMaskedTextFieldEditsItsValueLaidIntoTheMask() {
    ItemGrid items;
    items.F("DSITEM").SetEditMask("!LL-LLLLLL;0; ");
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 1));
    items.Key(Qt::Key_F2);
    QCOMPARE(items.view->Editor().text(), QString("PA-RAFUSO"));
    items.Key(Qt::Key_Home);
    items.Key(Qt::Key_Delete);
    items.TypeText("M");
    items.Key(Qt::Key_Tab);
    QCOMPARE(items.F("DSITEM").AsString(), std::string("MARAFUSO"));  // the dash is the mask's, not the value's
  }

  void aPickListOpensFromTheKeyboardWhileEditing() {
    ItemGrid items;
    items.grid.Columns()[2]->PickList = {"S", "N"};
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 2));
    items.Key(Qt::Key_F2);
    QVERIFY(items.view->Editor().IsOpen());
    items.Key(Qt::Key_Down, Qt::AltModifier);
    QTRY_VERIFY(items.view->PickList());
    items.view->PickList()->close();
    QVERIFY(!items.view->PickList());
  }
};

}  // namespace grid_test

QTEST_MAIN(grid_test::CellEditorTest)
#include "test_cell_editor.moc"
