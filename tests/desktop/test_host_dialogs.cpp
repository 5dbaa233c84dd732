// The host's dialogs in real windows: the search list returns the row the
// user picked (and makes it the current one), Escape picks nothing, an empty
// list shows its text; questions answer the classic modal results; the wait
// animation shows a busy cursor while it runs.
#include <QApplication>
#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>

#include "bridge_fixture.h"
#include "desktop/qt_dialogs.h"
#include "desktop/search_dialog.h"

namespace bridge_test {

namespace {

// Three people; the hidden field is not listed.
struct People {
  People() {
    cds.AddField("CODIGO", plat::FieldType::String, 6).SetDisplayLabel("Código");
    cds.AddField("NOME", plat::FieldType::String, 30).SetDisplayLabel("Nome");
    cds.AddField("INTERNO", plat::FieldType::Integer).SetVisible(false);
    plat::DataPacket packet;
    packet.fields = {{"CODIGO", plat::FieldType::String, 6},
                     {"NOME", plat::FieldType::String, 30},
                     {"INTERNO", plat::FieldType::Integer}};
    const char* names[] = {"Ana", "Bruno", "Carla"};
    for (int64_t i = 0; i < 3; ++i)
      packet.rows.push_back(
          {plat::Variant("00" + std::to_string(i + 1)), plat::Variant(std::string(names[i])), plat::Variant(i)});
    cds.SetData(packet);
  }
  plat::TComponent owner{nullptr, "owner"};
  plat::TClientDataSet& cds = owner.Create<plat::TClientDataSet>("cdsPessoas");
  plat::TDataSource& ds = owner.Create<plat::TDataSource>("dtsPessoas", &cds);
};

QTableView* TableOf(QWidget* dialog) { return dialog->findChild<QTableView*>("SearchTable"); }

}  // namespace

class HostDialogsTest : public QObject {
  Q_OBJECT

 private slots:
  void theSearchListReturnsThePickedRow() {
    People people;
    desk::QtDialogs dialogs;
    QString title;
    QStringList headers;
    WhenModal([&](QWidget* dialog) {
      title = dialog->windowTitle();
      QTableView* table = TableOf(dialog);
      for (int c = 0; c < table->model()->columnCount(); ++c)
        headers << table->model()->headerData(c, Qt::Horizontal).toString();
      QCOMPARE(table->currentIndex().row(), 0);  // opens on the current row
      QTest::keyClick(table, Qt::Key_Down);
      QTest::keyClick(table, Qt::Key_Down);
      QTest::keyClick(table, Qt::Key_Return);
    });
    QVERIFY(dialogs.Search(people.ds, "Pessoa", "Não há pessoa cadastrada."));
    QCOMPARE(title, QString("Pessoa"));
    QCOMPARE(headers, (QStringList{"Código", "Nome"}));
    QCOMPARE(people.cds.RecNo(), 3);
    QCOMPARE(people.cds.FieldByName("NOME").AsString(), std::string("Carla"));
  }

  void okPicksTheRowClicked() {
    People people;
    desk::QtDialogs dialogs;
    WhenModal([&](QWidget* dialog) {
      QTableView* table = TableOf(dialog);
      QRect row = table->visualRect(table->model()->index(1, 1));
      QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, row.center());
      dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(dialogs.Search(people.ds, "Pessoa", ""));
    QCOMPARE(people.cds.FieldByName("NOME").AsString(), std::string("Bruno"));
  }

  // Sorted by a click on "Nome" the other way, typing "b" goes to Bruno,
  // and OK picks him, whatever row he is shown on.
  void aClickOnATitleSortsAndTypingFindsTheRowInThatColumn() {
    People people;
    desk::QtDialogs dialogs;
    QString first;
    WhenModal([&](QWidget* dialog) {
      QTableView* table = TableOf(dialog);
      QHeaderView* titles = table->horizontalHeader();
      for (int click = 0; click < 2; ++click)
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(titles->sectionViewportPosition(1) + 5, titles->height() / 2));
      first = table->model()->index(0, 1).data().toString();
      QTest::keyClicks(table, "b");
      QTest::keyClick(table, Qt::Key_Return);
    });
    QVERIFY(dialogs.Search(people.ds, "Pessoa", ""));
    QCOMPARE(first, QString("Carla"));
    QCOMPARE(people.cds.FieldByName("NOME").AsString(), std::string("Bruno"));
  }

  // Amounts and dates sort by their value, not by the text shown: 80,00
  // before 900,00 before 1.200,50, and the dates by year first.
  void amountsAndDatesSortByValue() {
    plat::TComponent owner{nullptr, "owner"};
    auto& cds = owner.Create<plat::TClientDataSet>("cdsValores");
    cds.AddField("VALOR", plat::FieldType::Float).SetDisplayFormat("#,##0.00");
    cds.AddField("DATA", plat::FieldType::DateTime);
    plat::DataPacket packet;
    packet.fields = {{"VALOR", plat::FieldType::Float}, {"DATA", plat::FieldType::DateTime}};
    packet.rows = {{plat::Variant(900.0), plat::Variant(plat::DateTime::FromDate(2024, 9, 2))},
                   {plat::Variant(1200.5), plat::Variant(plat::DateTime::FromDate(2025, 1, 15))},
                   {plat::Variant(80.0), plat::Variant(plat::DateTime::FromDate(2023, 12, 20))}};
    cds.SetData(packet);
    auto& ds = owner.Create<plat::TDataSource>("dtsValores", &cds);
    desk::QtDialogs dialogs;
    QStringList amounts, dates;
    WhenModal([&](QWidget* dialog) {
      QTableView* table = TableOf(dialog);
      QHeaderView* titles = table->horizontalHeader();
      auto sortBy = [&](int column, QStringList& shown) {
        QTest::mouseClick(titles->viewport(), Qt::LeftButton, Qt::NoModifier,
                          QPoint(titles->sectionViewportPosition(column) + 5, titles->height() / 2));
        for (int row = 0; row < 3; ++row) shown << table->model()->index(row, column).data().toString();
      };
      sortBy(0, amounts);
      sortBy(1, dates);
      QTest::keyClick(table, Qt::Key_Escape);
    });
    dialogs.Search(ds, "Valores", "");
    QCOMPARE(amounts, (QStringList{"80.00", "900.00", "1,200.50"}));
    QCOMPARE(dates, (QStringList{"20/12/2023", "02/09/2024", "15/01/2025"}));
  }

  void escapePicksNothing() {
    People people;
    people.cds.Last();
    desk::QtDialogs dialogs;
    WhenModal([&](QWidget* dialog) {
      QTableView* table = TableOf(dialog);
      QTest::keyClick(table, Qt::Key_Up);
      QTest::keyClick(table, Qt::Key_Escape);
    });
    QVERIFY(!dialogs.Search(people.ds, "Pessoa", ""));
    QCOMPARE(people.cds.RecNo(), 3);
  }

  void anEmptyListShowsItsTextAndPicksNothing() {
    People people;
    people.cds.SetData({people.cds.Data().fields, {}});
    desk::QtDialogs dialogs;
    QString shown;
    WhenModal([&](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      QVERIFY(box);
      shown = box->text();
      box->accept();
    });
    QVERIFY(!dialogs.Search(people.ds, "Pessoa", "Não há pessoa cadastrada."));
    QCOMPARE(shown, QString("Não há pessoa cadastrada."));
  }

  void questionsAnswerTheClassicModalResults() {
    desk::QtDialogs dialogs;
    QString text;
    WhenModal([&](QWidget* dialog) {
      auto* box = qobject_cast<QMessageBox*>(dialog);
      text = box->text();
      box->button(QMessageBox::Yes)->click();
    });
    QCOMPARE(dialogs.MessageDlg("Confirma exclusão?\r\n", plat::DialogType::Confirmation, plat::mbYesNo, 0), 6);
    QCOMPARE(text, QString("Confirma exclusão?"));  // the catalogue's line break is not shown
    WhenModal([](QWidget* dialog) { QTest::keyClick(dialog, Qt::Key_Escape); });
    QCOMPARE(dialogs.MessageDlg("Cancelar operação?", plat::DialogType::Confirmation, plat::mbYesNo, 0),
             static_cast<int>(plat::mrNo));
    WhenModal([](QWidget* dialog) { qobject_cast<QMessageBox*>(dialog)->button(QMessageBox::Ok)->click(); });
    QCOMPARE(dialogs.MessageDlg("Gravado.", plat::DialogType::Information, plat::mbOK, 0),
             static_cast<int>(plat::mrOk));
  }

  void theWaitAnimationShowsABusyCursorWhileItRuns() {
    desk::QtDialogs dialogs;
    QLabel sign("Aguarde");
    dialogs.Busy().SetSign(&sign);
    QVERIFY(!QApplication::overrideCursor());
    dialogs.WaitStart();
    dialogs.WaitStart();
    QVERIFY(QApplication::overrideCursor());
    QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    QVERIFY(sign.isVisible());
    dialogs.WaitStop();
    QVERIFY(QApplication::overrideCursor());
    dialogs.WaitStop();
    dialogs.WaitStop();  // one stop too many changes nothing
    QVERIFY(!QApplication::overrideCursor());
    QVERIFY(!sign.isVisible());
  }
};

}  // namespace bridge_test

QTEST_MAIN(bridge_test::HostDialogsTest)
#include "test_host_dialogs.moc"
