// The window as a Brazilian sales user has it (run_under_xvfb.sh starts a
// display): under pt_BR, amounts shown with the decimal comma and the dot
// for thousands, an hourly value typed with the comma and stored, and Qt's
// own question buttons, the calendar and the edits' menu in Portuguese.
// Pictures go to PSR_SCREENSHOT_DIR.
#include <QAbstractButton>
#include <QCalendarWidget>
#include <QLabel>
#include <QMenu>
#include <QToolButton>
#include <memory>

#include "desktop/text_views.h"
#include "desktop/user_locale.h"
#include "live_window.h"

class BrazilianWalk : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == "xcb", "runs on a real display: see run_under_xvfb.sh");
    QVERIFY(desk::ApplyUserLocale(QLocale(QStringLiteral("pt_BR")), this));
    live_.StartWithScreen("psr_desktop_pt_br");
  }

  void amountsShowWithTheDecimalComma() {
    live_.ClickCell("dbgPadrao", 3, 0);  // 1003
    QTRY_COMPARE(live_.Field("cdsProposta", "NRPROPOSFAS"), std::string("1003"));
    live_.ClickTab("pgcPadrao", "Proposta");
    live_.ClickTab("pgcDadosCont_Ped_Mens", "Pedidos");
    QTRY_COMPARE(live_.Edit("edtSomaTotalLu")->text(), QString("7.600,00"));
    QCOMPARE(live_.Edit("edtSomaTotalMensal")->text(), QString("1.120,00"));
    auto* who = live_.Window().findChild<QLabel*>("SignedIn");
    QVERIFY(who && who->isVisible() && who->text().startsWith("Operador ADMIN"));
    QCOMPARE(live_.Window().findChild<QLabel*>("ScreenStatus")->text(), QString("Consulta · 5 registros"));
    live_.Save("pt-br-orders.png");
  }

  void anHourlyValueTypedWithTheCommaIsStored() {
    live_.ClickTab("pgcDadosCont_Ped_Mens", "Dados Contratuais");
    live_.ClickTab("pgcDadosCont_LinhaProd_Serv", "Serviços");
    desk::GridView* services = live_.Grid("dbgDadosContServico");
    QTRY_VERIFY(services->isVisible());
    live_.ClickCell("dbgDadosContServico", 0, 1);
    QTRY_COMPARE(live_.Active(), std::string("dbgDadosContServico"));
    QCOMPARE(services->model()->index(0, 1).data().toString(), QString("150,00"));
    e2e::LiveWindow::TypeInto(services, "140,50");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsDadosContServico"), plat::DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT CDTIPOSERV, VRHORAPROP FROM PROPOSTASERV WHERE NRPROPOSFAS = '1003' AND "
                        "CDTIPOSERV = 'IMP'"),
             (std::vector<std::string>{"IMP | 140.5"}));
    QTRY_COMPARE(services->model()->index(0, 1).data().toString(), QString("140,50"));
    QVERIFY(live_.Window().findChild<QLabel*>("LastNote")->text().endsWith(" Alterações gravadas"));
    live_.Save("pt-br-contract-services.png");
  }

  void questionsAnswerWithSimAndNao() {
    QMessageBox question;
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text().remove('&'), QString("Sim"));
    QCOMPARE(question.button(QMessageBox::No)->text().remove('&'), QString("Não"));
  }

  // The header's calendar names the month in Portuguese, and an edit's own
  // menu offers "Desfazer", "Colar" and the rest in Portuguese, not English.
  void theCalendarAndTheEditMenuSpeakPortuguese() {
    live_.ClickTab("pgcPadrao", "Proposta");
    auto* date =
        dynamic_cast<desk::DateEditView*>(live_.Bridge().ViewOf(live_.Form().Get<plat::TControl>("depProposta")));
    QVERIFY(date);
    date->OpenCalendar();
    QTRY_VERIFY(date->Calendar()->isVisible());
    auto* month = date->Calendar()->findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton"));
    QVERIFY(month);
    const QLocale brazil(QStringLiteral("pt_BR"));
    QCOMPARE(month->text(), brazil.standaloneMonthName(date->Calendar()->monthShown()));
    QTest::keyClick(date->Calendar(), Qt::Key_Escape);
    QTRY_VERIFY(!date->Calendar()->isVisible());

    std::unique_ptr<QMenu> menu(live_.Edit("dbeFax")->createStandardContextMenu());
    QStringList texts;
    for (QAction* action : menu->actions())
      if (!action->isSeparator()) texts << action->text().remove('&').section('\t', 0, 0);
    QVERIFY2(texts.contains("Desfazer") && texts.contains("Colar"), qPrintable(texts.join(", ")));
    for (const char* english : {"Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"})
      QVERIFY2(!texts.contains(english), english);
  }

  void cleanupTestCase() { live_.Stop(); }

 private:
  e2e::LiveWindow live_;
};

QTEST_MAIN(BrazilianWalk)
#include "test_end_to_end_pt_br.moc"
