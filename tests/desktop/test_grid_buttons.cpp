// The cell buttons of the grid window: the ellipsis button runs the grid's
// edit-button handler, a pick list drops down and its choice goes to the
// cell, and neither shows where the grid would not take them.
#include <QAction>
#include <QMenu>
#include <QMouseEvent>

#include "test_grid_fixture.h"

namespace grid_test {

class GridButtonsTest : public QObject {
  Q_OBJECT

 private slots:
  void ellipsisButtonRunsTheEditButtonHandler() {
    ItemGrid items;
    int clicks = 0;
    items.grid.Columns()[1]->Button = plat::ButtonStyle::Ellipsis;
    items.grid.OnEditButtonClick = [&](plat::TControl&) { ++clicks; };
    QVERIFY(items.Show());
    items.Click(items.ButtonCentre(1, 1));  // not the current cell yet: only selects it
    QCOMPARE(clicks, 0);
    QCOMPARE(items.view->currentIndex(), items.Model().index(1, 1));
    items.Click(items.ButtonCentre(1, 1));
    QCOMPARE(clicks, 1);
    items.Click(items.CellCentre(1, 1) - QPoint(40, 0));  // the cell, beside the button
    QCOMPARE(clicks, 1);
    items.Key(Qt::Key_Return, Qt::ControlModifier);
    QCOMPARE(clicks, 2);
    // A double click on the button is one click: the press before it.
    items.Click(items.ButtonCentre(1, 1));
    QPointF at = items.ButtonCentre(1, 1);
    QMouseEvent second(QEvent::MouseButtonDblClick, at, items.view->viewport()->mapToGlobal(at), Qt::LeftButton,
                       Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(items.view->viewport(), &second);
    QCOMPARE(clicks, 3);
  }

  void readOnlyGridHasNoCellButton() {
    ItemGrid items;
    int clicks = 0;
    items.grid.Columns()[1]->Button = plat::ButtonStyle::Ellipsis;
    items.grid.OnEditButtonClick = [&](plat::TControl&) { ++clicks; };
    items.grid.SetReadOnly(true);
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 1));
    items.Click(items.ButtonCentre(0, 1));
    QCOMPARE(clicks, 0);
    QCOMPARE(desk::ButtonOf(items.grid, 1), desk::CellButton::None);
  }

  void pickListDropsDownAndTheChoiceGoesToTheCell() {
    ItemGrid items;
    items.grid.Columns()[2]->PickList = {"S", "N"};
    QVERIFY(items.Show());
    items.Click(items.CellCentre(1, 2));
    QVERIFY(!items.view->PickList());
    items.Key(Qt::Key_Down, Qt::AltModifier);
    QMenu* list = items.view->PickList();
    QVERIFY(list);
    QCOMPARE(list->actions().size(), 2);
    QVERIFY2(list->actions()[1]->isChecked(), "the cell's text is marked");
    list->actions()[0]->trigger();
    QCOMPARE(items.cds.State(), plat::DataSetState::Edit);
    QCOMPARE(items.Shown(1, 2), QString("S"));
    items.Key(Qt::Key_Return);
    QCOMPARE(items.cds.State(), plat::DataSetState::Edit);
    QCOMPARE(items.F("FLATIVO").AsString(), std::string("S"));
  }

  void pickListOpensFromItsArrowOnTheCurrentCellOnly() {
    ItemGrid items;
    items.grid.Columns()[2]->PickList = {"S", "N"};
    QVERIFY(items.Show());
    items.Click(items.ButtonCentre(0, 1));
    QVERIFY(!items.view->PickList());
    items.Click(items.ButtonCentre(0, 2));
    QVERIFY2(!items.view->PickList(), "the first click selects the cell");
    items.Click(items.ButtonCentre(0, 2));
    QVERIFY(items.view->PickList());
  }
};

}  // namespace grid_test

QTEST_MAIN(grid_test::GridButtonsTest)
#include "test_grid_buttons.moc"
