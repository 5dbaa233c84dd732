// What the window shows follows the controls: enabled and visible flags,
// captions, hints, colour roles and places; the pages with a hidden tab
// shown without their tab; the window's caption.
#include <QLabel>
#include <QTabBar>

#include "bridge_fixture.h"
#include "desktop/button_glyphs.h"
#include "desktop/colours.h"
#include "desktop/page_views.h"

namespace bridge_test {

class LooksTest : public QObject {
  Q_OBJECT

 private slots:
  void enabledAndVisibleFlagsFollowTheControls() {
    Screen s;
    QVERIFY(s.Show());
    QVERIFY(s.Edit("dbeCidade")->isEnabled());
    QVERIFY(!s.Edit("dbeNome")->isEnabled());
    s.city.SetEnabled(false);
    QVERIFY(!s.Edit("dbeCidade")->isEnabled());
    s.city.SetEnabled(true);
    QVERIFY(s.Edit("dbeCidade")->isEnabled());
    s.city.SetVisible(false);
    QVERIFY(!s.W("dbeCidade")->isVisible());
    s.city.SetVisible(true);
    QVERIFY(s.W("dbeCidade")->isVisible());
    s.panel.SetVisible(false);  // a hidden container hides what it holds
    QVERIFY(!s.W("dbeCodigo")->isVisible());
  }

  void captionsHintsAndPlacesAreShown() {
    Screen s;
    QVERIFY(s.Show());
    QCOMPARE(s.window->windowTitle(), QString("Tela de Teste"));
    s.form.SetCaption("Outra Tela");
    QCOMPARE(s.window->windowTitle(), QString("Outra Tela"));
    QCOMPARE(s.W<QLabel>("lblCidade")->text(), QString("Cidade"));
    s.label.SetCaption("Município");
    QCOMPARE(s.W<QLabel>("lblCidade")->text(), QString("Município"));
    QCOMPARE(s.W("sbtGravar")->toolTip(), QString("Gravar"));
    QCOMPARE(s.W("dbeCidade")->geometry(), QRect(120, 8, 150, 21));
    QCOMPARE(s.W("dbeCidade")->parentWidget(), s.W("panCabecalho"));
  }

  // A caption wider than the room before the next control on its row is
  // drawn smaller, so that the labels do not overlap.
  void aLabelNeverRunsIntoTheNextControlOnItsRow() {
    Screen s;
    auto place = [&](const char* name, int left, const char* caption) -> plat::TLabel& {
      auto& label = s.form.Create<plat::TLabel>(name, &s.panel);
      label.Left = left;
      label.Top = 90;
      label.Width = 40;
      label.Height = 13;
      label.SetCaption(caption);
      return label;
    };
    place("lblLongo", 8, "Valor Total Mensal");
    place("lblVizinho", 90, "Valorl LU");
    QVERIFY(s.Show());
    QLabel* wide = s.W<QLabel>("lblLongo");
    QVERIFY(wide->geometry().right() < s.W<QLabel>("lblVizinho")->geometry().left());
    QVERIFY(wide->fontMetrics().horizontalAdvance(wide->text()) <= wide->width());
    QVERIFY(wide->font().pointSize() < s.W<QLabel>("lblVizinho")->font().pointSize());
  }

  // A disabled command's picture is plainly greyed: no pixel keeps a colour,
  // and it is faded to at most half the enabled picture's strength.
  void aDisabledCommandsIconIsGreyAndFaded() {
    QIcon icon = desk::CommandIcon("sbtConfirmar", *QApplication::style());
    QVERIFY(!icon.isNull());
    auto strength = [](const QImage& image, bool* coloured) {
      long total = 0;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
          const QColor pixel = image.pixelColor(x, y);
          total += pixel.alpha();
          if (coloured && pixel.alpha() > 0 && (pixel.red() != pixel.green() || pixel.green() != pixel.blue()))
            *coloured = true;
        }
      return total;
    };
    bool coloured = false;
    const long disabled = strength(icon.pixmap(16, 16, QIcon::Disabled).toImage(), &coloured);
    const long enabled = strength(icon.pixmap(16, 16, QIcon::Normal).toImage(), nullptr);
    QVERIFY(!coloured);
    QVERIFY(disabled * 2 <= enabled + 16);
  }

  void inputAndReadOnlyFieldsHaveTheirColours() {
    Screen s;
    QVERIFY(s.Show());
    QColor input = *desk::RoleColour("input"), neutral = *desk::RoleColour("readonly");
    QVERIFY(input != neutral);
    QCOMPARE(s.Edit("dbeCodigo")->palette().color(QPalette::Base), input);
    QCOMPARE(s.Edit("dbeNome")->palette().color(QPalette::Base), neutral);
  }

  void editsShowTheirFieldsAndFollowTheRecord() {
    Screen s;
    QVERIFY(s.Show());
    QCOMPARE(s.Edit("dbeCidade")->text(), QString("Recife"));
    s.cds.Next();
    QCOMPARE(s.Edit("dbeCidade")->text(), QString("Natal"));
  }

  void aHiddenTabStaysHidden() {
    Screen s;
    QVERIFY(s.Show());
    auto* bar = s.W("pgcPaginas")->findChild<QTabBar*>();
    QVERIFY(bar);
    QCOMPARE(bar->count(), 3);
    QVERIFY(bar->isTabVisible(0));
    QVERIFY(bar->isTabVisible(1));
    QVERIFY(!bar->isTabVisible(2));
    // Activated by program, the page shows; its tab does not.
    s.pages.SetActivePage(s.hidden);
    QVERIFY(s.W("tshOculta")->isVisible());
    QVERIFY(!s.W("tshUm")->isVisible());
    QVERIFY(!bar->isTabVisible(2));
    // The user goes back through a visible tab.
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
    QCOMPARE(s.pages.ActivePage(), &s.two);
    QTRY_COMPARE(bar->currentIndex(), 1);
    QVERIFY(s.W("tshDois")->isVisible());
    QVERIFY(!s.W("tshOculta")->isVisible());
    QVERIFY(!bar->isTabVisible(2));
  }

  void aTabTheScreenRefusesKeepsThePage() {
    Screen s;
    QVERIFY(s.Show());
    s.pages.OnChanging = [](plat::TControl&, bool& allow) { allow = false; };
    auto* bar = s.W("pgcPaginas")->findChild<QTabBar*>();
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->tabRect(1).center());
    QCOMPARE(s.pages.ActivePage(), &s.one);
    QTRY_COMPARE(bar->currentIndex(), 0);
    QVERIFY(s.W("tshUm")->isVisible());
    QVERIFY(!s.W("tshDois")->isVisible());
  }
};

}  // namespace bridge_test

QTEST_MAIN(bridge_test::LooksTest)
#include "test_bridge_looks.moc"
