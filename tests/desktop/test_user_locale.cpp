// The window under a Brazilian user's locale: Qt's own buttons in
// Portuguese, and amounts shown and typed with the decimal comma.
#include <QAbstractButton>
#include <QMessageBox>
#include <QTest>

#include "desktop/user_locale.h"
#include "platform/data/format.h"

namespace locale_test {

class UserLocaleTest : public QObject {
  Q_OBJECT

 private slots:
  void aBrazilianUserGetsPortugueseButtonsAndTheDecimalComma() {
    const plat::FormatSettings before = plat::FormatSettings::Current();
    QVERIFY(desk::ApplyUserLocale(QLocale(QStringLiteral("pt_BR")), this));
    QMessageBox question;
    question.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(question.button(QMessageBox::Yes)->text().remove('&'), QString("Sim"));
    QCOMPARE(question.button(QMessageBox::No)->text().remove('&'), QString("Não"));
    QCOMPARE(plat::FormatFloat("#,##0.00", 7600), std::string("7.600,00"));
    QCOMPARE(plat::StrToFloat("140,50"), 140.5);
    QCOMPARE(plat::DateToStr(plat::DateTime::FromDate(2027, 1, 15)), std::string("15/01/2027"));
    plat::FormatSettings::Current() = before;
  }
};

}  // namespace locale_test

QTEST_MAIN(locale_test::UserLocaleTest)
#include "test_user_locale.moc"
