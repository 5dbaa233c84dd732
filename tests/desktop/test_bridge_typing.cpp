// Typing and choosing in the window: keystrokes reach the bound edit and its
// field when the edit is left; a refused keystroke disappears; the radio
// group, the drop-down list and the date edit's calendar pick as the user
// would.
#include <QCalendarWidget>
#include <QComboBox>
#include <QRadioButton>

#include "bridge_fixture.h"
#include "desktop/text_views.h"
#include "platform/ui/dbedit.h"

namespace bridge_test {

// A date edit on SINCE, beside the drop-down list.
plat::TDBDateEditPlus& AddDateEdit(Screen& s) {
  auto& date = s.form.Create<plat::TDBDateEditPlus>("depData", &s.panel);
  date.Left = 360;
  date.Top = 40;
  date.Width = 100;
  date.Height = 21;
  date.Bind(s.ds, "SINCE");
  return date;
}

class TypingTest : public QObject {
  Q_OBJECT

 private slots:
  void typingInABoundEditReachesTheFieldOnExit() {
    Screen s;
    QVERIFY(s.Show());
    QLineEdit* city = s.Edit("dbeCidade");
    s.ClickInto(city);
    city->selectAll();
    QTest::keyClicks(city, "Olinda");
    QCOMPARE(s.city.Text(), std::string("Olinda"));
    QCOMPARE(s.Field("CITY"), std::string("Recife"));  // pending until the edit is left
    QCOMPARE(s.cds.State(), plat::DataSetState::Edit);
    QTest::keyClick(city, Qt::Key_Tab);
    QCOMPARE(s.Field("CITY"), std::string("Olinda"));
    QCOMPARE(s.Edit("dbeNome")->text(), QString("Olinda"));  // the other edit on the field follows
  }

  // The first key puts the browsed record into edit: what follows it lands
  // after it, not before.
  void typingIntoAnEmptyEditWhileBrowsingKeepsTheOrderOfTheKeys() {
    Screen s;
    s.cds.Edit();
    s.cds.FieldByName("CITY").SetAsString("");
    s.cds.Post();
    QVERIFY(s.Show());
    QLineEdit* city = s.Edit("dbeCidade");
    s.ClickInto(city);
    QCOMPARE(s.cds.State(), plat::DataSetState::Browse);
    QTest::keyClicks(city, "1234");
    QCOMPARE(city->text(), QString("1234"));
    QCOMPARE(s.city.Text(), std::string("1234"));
  }

  // Entered by Tab, a filled edit has its text selected: a key replaces it.
  void tabbingIntoAFilledEditSelectsItsText() {
    Screen s;
    QVERIFY(s.Show());
    s.ClickInto(s.Edit("dbeCodigo"));
    QLineEdit* city = s.Edit("dbeCidade");
    QTest::keyClick(s.Edit("dbeCodigo"), Qt::Key_Tab);
    QTRY_VERIFY(city->hasFocus());
    QTest::keyClicks(city, "9");
    QCOMPARE(city->text(), QString("9"));
  }

  void aKeystrokeTheControlRefusesDisappears() {
    Screen s;
    s.cds.FieldByName("CODE").SetReadOnly(true);
    QVERIFY(s.Show());
    QLineEdit* code = s.Edit("dbeCodigo");
    s.ClickInto(code);
    QTest::keyClicks(code, "Z");
    QCOMPARE(code->text(), QString("A1"));
    QCOMPARE(s.cds.State(), plat::DataSetState::Browse);
  }

  void aReadOnlyControlShowsAsReadOnly() {
    Screen s;
    QVERIFY(s.Show());
    s.code.SetReadOnly(true);
    QVERIFY(s.Edit("dbeCodigo")->isReadOnly());
    s.code.SetReadOnly(false);
    QVERIFY(!s.Edit("dbeCodigo")->isReadOnly());
  }

  void choosingARadioItemStoresItsValue() {
    Screen s;
    QVERIFY(s.Show());
    auto* prospect = s.W("dbrTipo")->findChild<QRadioButton*>("dbrTipo1");
    QVERIFY(prospect);
    QVERIFY(!prospect->isChecked());
    QTest::mouseClick(prospect, Qt::LeftButton);
    QCOMPARE(s.Active(), std::string("dbrTipo"));
    QCOMPARE(s.kind.ItemIndex(), 1);
    s.ClickInto(s.Edit("dbeCidade"));
    QCOMPARE(s.Field("KIND"), std::string("P"));
    QVERIFY(prospect->isChecked());
  }

  void theCheckedRadioItemFollowsTheRecord() {
    Screen s;
    QVERIFY(s.Show());
    auto* client = s.W("dbrTipo")->findChild<QRadioButton*>("dbrTipo0");
    QVERIFY(client->isChecked());
    s.cds.Next();
    QVERIFY(!client->isChecked());
    QVERIFY(s.W("dbrTipo")->findChild<QRadioButton*>("dbrTipo1")->isChecked());
  }

  void pickingFromTheDropDownListStoresTheItem() {
    Screen s;
    QVERIFY(s.Show());
    auto* combo = s.W<QComboBox>("dcbContato");
    QCOMPARE(combo->count(), 3);
    QCOMPARE(combo->currentText(), QString("Visita"));
    s.ClickInto(combo);
    QTest::keyClick(combo, Qt::Key_Escape);  // closes the list the click dropped down
    emit combo->activated(1);
    QCOMPARE(s.type.ItemIndex(), 1);
    s.ClickInto(s.Edit("dbeCidade"));
    QCOMPARE(s.Field("TYPE"), std::string("Telefone"));
  }

  // The same in an empty date edit, key by key from a browsed record, and
  // in a masked edit entered by Tab: the text stays as typed.
  void typingIntoAnEmptyDateEditAndATabbedMaskedEditKeepsTheText() {
    Screen s;
    plat::TDBDateEditPlus& date = AddDateEdit(s);
    s.cds.FieldByName("CODE").SetEditMask(">LL;0; ");
    QVERIFY(s.Show());
    auto* view = dynamic_cast<desk::DateEditView*>(s.Bridge().ViewOf(date));
    QVERIFY(view);
    s.ClickInto(view->Edit());
    QCOMPARE(s.cds.State(), plat::DataSetState::Browse);
    QTest::keyClicks(view->Edit(), "09/12/2026");
    QCOMPARE(date.Text(), std::string("09/12/2026"));
    QTest::keyClick(view->Edit(), Qt::Key_Tab);
    QCOMPARE(s.cds.FieldByName("SINCE").AsDateTime(), plat::DateTime::FromDate(2026, 12, 9));
    s.ClickInto(s.Edit("dbeCidade"));
    QTest::keyClick(s.Edit("dbeCidade"), Qt::Key_Tab, Qt::ShiftModifier);
    QTRY_VERIFY(s.Edit("dbeCodigo")->hasFocus());
    QTest::keyClicks(s.Edit("dbeCodigo"), "zq");
    QCOMPARE(s.code.Text(), std::string("ZQ"));  // in the place of "A1", upper case as typed
    QCOMPARE(s.Edit("dbeCodigo")->text(), QString("ZQ"));
  }

  void aDayPickedInTheCalendarIsTypedIntoTheDateEdit() {
    Screen s;
    plat::TDBDateEditPlus& date = AddDateEdit(s);
    QVERIFY(s.Show());
    auto* view = dynamic_cast<desk::DateEditView*>(s.Bridge().ViewOf(date));
    QVERIFY(view);
    view->OpenCalendar();
    QVERIFY(view->Calendar()->isVisible());
    view->PickDate(QDate(2026, 3, 10));
    QVERIFY(!view->Calendar()->isVisible());
    QCOMPARE(s.Active(), std::string("depData"));
    QCOMPARE(view->Edit()->text(), QString("10/03/2026"));
    QCOMPARE(date.Text(), std::string("10/03/2026"));
    QTest::keyClick(view->Edit(), Qt::Key_Tab);
    QCOMPARE(s.cds.FieldByName("SINCE").AsDateTime(), plat::DateTime::FromDate(2026, 3, 10));
  }
};

}  // namespace bridge_test

QTEST_MAIN(bridge_test::TypingTest)
#include "test_bridge_typing.moc"
