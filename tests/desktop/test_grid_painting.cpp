// Painting: the recorded canvas replayed on a real surface (fills, clipped
// texts, system colours taken from the palette), one cell drawn at a time by
// the headless grid, and a draw handler's grey text reaching the pixels of
// the grid's window.
#include <QImage>
#include <QPainter>

#include "desktop/canvas_painter.h"
#include "test_grid_fixture.h"

namespace grid_test {

namespace {

// A palette whose roles all differ, the disabled text colour being no grey
// a fixed value could stand for.
QPalette DistinctPalette() {
  QPalette palette;
  palette.setColor(QPalette::Base, QColor(250, 250, 240));
  palette.setColor(QPalette::Text, QColor(10, 10, 60));
  palette.setColor(QPalette::Highlight, QColor(30, 90, 200));
  palette.setColor(QPalette::HighlightedText, QColor(255, 255, 0));
  palette.setColor(QPalette::Disabled, QPalette::Text, QColor(150, 70, 20));
  return palette;
}

// A font drawn without smoothing, so that text pixels carry the pen colour.
QFont SharpFont() {
  QFont font("DejaVu Sans", 10);
  font.setStyleStrategy(QFont::NoAntialias);
  return font;
}

int CountColour(const QImage& image, const QRect& area, QColor colour) {
  int count = 0;
  for (int y = area.top(); y <= area.bottom(); ++y)
    for (int x = area.left(); x <= area.right(); ++x)
      if (image.pixelColor(x, y) == colour) ++count;
  return count;
}

}  // namespace

class GridPaintingTest : public QObject {
  Q_OBJECT

 private slots:
  void canvasColoursComeFromThePalette() {
    QPalette palette = DistinctPalette();
    QCOMPARE(desk::CanvasColor(0x123456, palette), QColor(0x12, 0x34, 0x56));
    QCOMPARE(desk::CanvasColor(plat::clr::GrayText, palette), QColor(150, 70, 20));
    QCOMPARE(desk::CanvasColor(plat::clr::Window, palette), QColor(250, 250, 240));
    QCOMPARE(desk::CanvasColor(plat::clr::WindowText, palette), QColor(10, 10, 60));
    QCOMPARE(desk::CanvasColor(plat::clr::Highlight, palette), QColor(30, 90, 200));
    QCOMPARE(desk::CanvasColor(plat::clr::HighlightText, palette), QColor(255, 255, 0));
    // the current row beside its cell: a quarter of the highlight over the background
    QCOMPARE(desk::CanvasColor(plat::clr::CurrentRow, palette), QColor(195, 210, 230));
  }

  void replayFillsAndClipsTextToItsRectangle() {
    QImage image(100, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    plat::TCanvas canvas;
    canvas.Brush.Color = 0x00FF00;
    canvas.FillRect({0, 0, 50, 20});
    canvas.Font.Color = plat::clr::Black;
    canvas.TextRect({0, 20, 12, 40}, 2, 22, "WWWWWWWW");
    {
      QPainter painter(&image);
      desk::ReplayCanvas(canvas, painter, DistinctPalette(), SharpFont());
    }
    QCOMPARE(CountColour(image, {0, 0, 50, 20}, QColor(0, 255, 0)), 50 * 20);
    QCOMPARE(image.pixelColor(60, 10), QColor(Qt::white));
    QVERIFY2(CountColour(image, {0, 20, 12, 20}, Qt::black) > 0, "the text is written");
    QCOMPARE(CountColour(image, {12, 20, 88, 20}, Qt::black), 0);
  }

  void paintCellDrawsOneCellAsTheGridWould() {
    ItemGrid items;
    std::vector<bool> selected;
    items.grid.OnDrawColumnCell = [&](plat::TDBGrid&, const plat::TRect&, int, plat::TColumn&,
                                      plat::TGridDrawState state) { selected.push_back(state.selected); };
    items.grid.PaintCell(1, 1, {10, 20, 150, 38});
    const std::vector<plat::TDrawOp>& ops = items.grid.Canvas.Ops();
    QCOMPARE(ops.size(), std::size_t(2));
    QCOMPARE(ops[0].rect, (plat::TRect{10, 20, 150, 38}));
    QCOMPARE(ops[0].brushColor, plat::clr::Window);
    QCOMPARE(ops[1].text, std::string("PORCA"));
    QCOMPARE(ops[1].x, 12);
    QCOMPARE(ops[1].y, 22);
    items.grid.PaintCell(0, 0, {0, 0, 70, 18});
    QCOMPARE(items.grid.Canvas.Ops()[0].brushColor, plat::clr::Highlight);
    QCOMPARE(selected, (std::vector<bool>{false, true}));
    items.grid.PaintCell(0, 3, {0, 0, 70, 18});  // hidden
    items.grid.PaintCell(3, 0, {0, 0, 70, 18});  // no such row
    QVERIFY(items.grid.Canvas.Ops().empty());
    QCOMPARE(selected.size(), std::size_t(2));
  }

  // The handler greys the rows flagged N, as the proposal list greys its
  // accepted proposals: it fills the cell and writes its text itself.
  void drawHandlersGreyTextReachesThePixels() {
    ItemGrid items;
    items.grid.OnDrawColumnCell = [&](plat::TDBGrid& grid, const plat::TRect& rect, int, plat::TColumn& column,
                                      plat::TGridDrawState) {
      grid.Canvas.FillRect(rect);
      if (items.F("FLATIVO").AsString() == "N") grid.Canvas.Font.Color = plat::clr::GrayText;
      grid.Canvas.TextRect(rect, rect.left + 2, rect.top + 2, column.Field()->DisplayText());
    };
    QVERIFY(items.Show());
    items.view->setPalette(DistinctPalette());
    items.view->setFont(SharpFont());
    items.cds.Next();  // the greyed row is also the current one
    QImage image = items.view->viewport()->grab().toImage();
    QColor grey(150, 70, 20), text(10, 10, 60), highlighted(255, 255, 0);
    for (int column = 0; column < 3; ++column) {
      QRect current = items.view->CellRect(1, column), plain = items.view->CellRect(2, column);
      QVERIFY2(CountColour(image, current, grey) > 0, "the greyed row, selected, in grey text");
      QCOMPARE(CountColour(image, current, highlighted), 0);
      // the current cell on the highlight, the rest of its row on the row's shade
      QColor prepared = column == 0 ? QColor(30, 90, 200) : QColor(195, 210, 230);
      QVERIFY2(CountColour(image, current, prepared) > 0, "on the background the grid prepared");
      QVERIFY2(CountColour(image, plain, text) > 0, "other rows in the grid's text colour");
      QCOMPARE(CountColour(image, plain, grey), 0);
    }
  }

  void pendingTextIsShownInTheCurrentCell() {
    ItemGrid items;
    QVERIFY(items.Show());
    items.view->setPalette(DistinctPalette());
    items.view->setFont(SharpFont());
    items.Click(items.CellCentre(0, 1));
    QTest::keyClicks(items.view, "W");
    QImage image = items.view->viewport()->grab().toImage();
    QRect cell = items.view->CellRect(0, 1);
    QVERIFY2(CountColour(image, cell, QColor(10, 10, 60)) > 0, "the editor's text");
    QCOMPARE(CountColour(image, cell, QColor(30, 90, 200)), 0);
  }
};

}  // namespace grid_test

QTEST_MAIN(grid_test::GridPaintingTest)
#include "test_grid_painting.moc"
