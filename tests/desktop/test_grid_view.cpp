// The grid window as a view of the headless grid: its columns, the current
// row in step with the data set's cursor both ways, and the rows kept in step
// with the data set's changes without laying everything out again.
#include <QHeaderView>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStyle>
#include <memory>
#include <optional>

#include "desktop/window_style.h"
#include "test_grid_fixture.h"

namespace grid_test {

class GridViewTest : public QObject {
  Q_OBJECT

 private slots:
  void columnsShowTitlesWidthsAndHideHiddenOnes() {
    ItemGrid items;
    QVERIFY(items.Show());
    QHeaderView& titles = *items.view->horizontalHeader();
    QCOMPARE(items.Model().headerData(0, Qt::Horizontal).toString(), QString("Code"));
    QCOMPARE(items.Model().headerData(1, Qt::Horizontal).toString(), QString("Item"));
    QCOMPARE(titles.sectionSize(0), 70);
    QCOMPARE(titles.sectionSize(1), 140);
    QVERIFY(items.view->isColumnHidden(3));
    QVERIFY(!items.view->isColumnHidden(2));
    // A column hidden by a handler goes at the grid's next change.
    items.grid.Columns()[2]->Visible = false;
    items.cds.Next();
    QVERIFY(items.view->isColumnHidden(2));
  }

  void draggedWidthBecomesTheColumnsWidth() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.view->horizontalHeader()->resizeSection(1, 90);
    QCOMPARE(items.grid.Columns()[1]->Width(), 90);
  }

  void currentRowFollowsTheCursor() {
    ItemGrid items(500);
    QVERIFY(items.Show());
    QCOMPARE(items.view->currentIndex(), items.Model().index(0, 0));
    items.cds.Last();
    QCOMPARE(items.view->currentIndex().row(), 499);
    QVERIFY2(!items.view->CellRect(499, 0).isEmpty(), "the last row is scrolled into view");
    items.grid.SetSelectedIndex(2);
    QCOMPARE(items.view->currentIndex(), items.Model().index(499, 2));
  }

  void clickOnACellMovesTheCursorAndLeavesTheColumn() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.Click(items.CellCentre(2, 1));
    QCOMPARE(items.cds.RecNo(), 3);
    QCOMPARE(items.grid.SelectedIndex(), 1);
    QCOMPARE(items.colExits, 1);
    QCOMPARE(items.view->currentIndex(), items.Model().index(2, 1));
  }

  // A double click on a cell of a grid with a double-click action selects
  // the cell and runs it.
  void aDoubleClickRunsTheGridsDoubleClickOnTheCell() {
    ItemGrid items;
    int opened = 0;
    items.grid.OnDblClick = [&](plat::TControl&) { ++opened; };
    QVERIFY(items.Show());
    QTest::mouseDClick(items.view->viewport(), Qt::LeftButton, Qt::NoModifier, items.CellCentre(1, 1));
    QCOMPARE(opened, 1);
    QCOMPARE(items.cds.RecNo(), 2);
  }

  void clickOnAnotherRowPostsTheModifiedRow() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.Click(items.CellCentre(0, 1));
    QTest::keyClicks(items.view, "x");
    QCOMPARE(items.Shown(0, 1), QString("x"));
    items.Click(items.CellCentre(1, 1));
    QCOMPARE(items.cds.State(), plat::DataSetState::Browse);
    QCOMPARE(items.Shown(0, 1), QString("X"));
    QCOMPARE(items.cds.RecNo(), 2);
  }

  void insertedRowAppearsAndCancelledOrDeletedRowsVanishInPlace() {
    ItemGrid items;
    QVERIFY(items.Show());
    QSignalSpy resets(&items.Model(), &QAbstractItemModel::modelReset);
    QSignalSpy inserted(&items.Model(), &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&items.Model(), &QAbstractItemModel::rowsRemoved);
    items.cds.Next();
    items.cds.Insert();
    QCOMPARE(items.Model().rowCount(), 4);
    QCOMPARE(inserted.size(), 1);
    QCOMPARE(inserted[0][1].toInt(), 1);
    QCOMPARE(items.Shown(1, 1), QString());
    QCOMPARE(items.Shown(2, 1), QString("PORCA"));
    items.cds.Cancel();
    QCOMPARE(items.Model().rowCount(), 3);
    QCOMPARE(removed.size(), 1);
    QCOMPARE(removed[0][1].toInt(), 1);
    items.cds.Delete();  // PORCA
    QCOMPARE(items.Model().rowCount(), 2);
    QCOMPARE(removed.size(), 2);
    QCOMPARE(removed[1][1].toInt(), 1);
    QCOMPARE(items.Shown(1, 1), QString("ARRUELA"));
    QCOMPARE(resets.size(), 0);
  }

  void fieldChangeRepaintsItsRowAndRefillLaysOutAgain() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.cds.Next();
    QSignalSpy changed(&items.Model(), &QAbstractItemModel::dataChanged);
    items.cds.Edit();
    items.F("FLATIVO").SetAsString("X");
    QVERIFY(!changed.isEmpty());
    QModelIndex first = changed.last()[0].value<QModelIndex>(), last = changed.last()[1].value<QModelIndex>();
    QVERIFY(first.row() <= 1 && last.row() >= 1 && last.column() >= 2);
    QCOMPARE(items.Shown(1, 2), QString("X"));
    items.cds.Post();
    QSignalSpy resets(&items.Model(), &QAbstractItemModel::modelReset);
    items.Fill(10);
    QVERIFY(!resets.isEmpty());
    QCOMPARE(items.Model().rowCount(), 10);
    QCOMPARE(items.view->currentIndex().row(), 0);
  }

  void closedDataSetShowsNoRows() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.cds.Close();
    QCOMPARE(items.Model().rowCount(), 0);
    QVERIFY(!items.view->currentIndex().isValid());
  }

  // The arrow of a sorted title, read from its pixels: pointing up when its
  // top row of dark pixels is narrower than its bottom row.
  void aTitleSortedAscendingPointsUpAndDescendingDown() {
    QStandardItemModel model(1, 1);
    model.setHorizontalHeaderLabels({QStringLiteral("Cliente")});
    QHeaderView titles(Qt::Horizontal);
    std::unique_ptr<QStyle> style(desk::NewWindowStyle());
    titles.setStyle(style.get());
    titles.setModel(&model);
    titles.resize(200, 24);
    titles.resizeSection(0, 200);
    titles.setSortIndicatorShown(true);
    auto pointsUp = [&](Qt::SortOrder order) {
      titles.setSortIndicator(0, order);
      QImage image = titles.grab().toImage();
      std::vector<int> widths;  // dark pixels per row, in the right-hand end of the title
      for (int y = 0; y < image.height(); ++y) {
        int dark = 0;
        for (int x = image.width() - 30; x < image.width() - 2; ++x) dark += qGray(image.pixel(x, y)) < 160;
        if (dark > 0) widths.push_back(dark);
      }
      if (widths.size() < 2) return std::optional<bool>();
      return std::optional<bool>(widths.front() < widths.back());
    };
    QCOMPARE(pointsUp(Qt::AscendingOrder), std::optional<bool>(true));
    QCOMPARE(pointsUp(Qt::DescendingOrder), std::optional<bool>(false));
  }

  void readOnlyColumnIsNotEditableAndTypingThereChangesNothing() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.grid.Columns()[1]->ReadOnly = true;
    QVERIFY(!(items.Model().flags(items.Model().index(0, 1)) & Qt::ItemIsEditable));
    QVERIFY(items.Model().flags(items.Model().index(0, 2)) & Qt::ItemIsEditable);
    items.Click(items.CellCentre(0, 1));
    QTest::keyClicks(items.view, "ab");
    QCOMPARE(items.cds.State(), plat::DataSetState::Browse);
    QCOMPARE(items.Shown(0, 1), QString("PARAFUSO"));
  }
};

}  // namespace grid_test

QTEST_MAIN(grid_test::GridViewTest)
#include "test_grid_view.moc"
