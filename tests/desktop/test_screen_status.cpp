// The screen's state in the host's status bar: the mode, the list's count,
// and changes the server did not take.
#include <QTest>

#include "desktop/screen_status.h"
#include "host/frmpadrao.h"
#include "platform/data/clientdataset.h"

namespace status_test {

class StatusScreen : public host::TfrmPadrao {
 public:
  explicit StatusScreen(plat::TComponent* owner) : host::TfrmPadrao(owner, "frmStatus") {
    cds = &Create<plat::TClientDataSet>("cdsLista");
    cds->AddField("CODIGO", plat::FieldType::String, 4);
    dtsPadrao->SetDataSet(cds);
  }
  plat::TClientDataSet* cds;
};

class ScreenStatusTest : public QObject {
  Q_OBJECT

 private slots:
  void theStatusSaysTheModeTheCountAndChangesNotStored() {
    plat::TComponent root;
    auto& screen = root.Create<StatusScreen>();
    plat::DataPacket packet{{{"CODIGO", plat::FieldType::String, 4}}, {}};
    for (const char* code : {"A", "B"}) packet.rows.push_back({plat::Variant(std::string(code))});
    screen.cds->SetData(packet);
    QCOMPARE(desk::ScreenStatusText(screen), std::string("Consulta · 2 registros"));
    screen.cds->Edit();
    QCOMPARE(desk::ScreenStatusText(screen), std::string("Alteração · 2 registros"));
    screen.cds->FieldByName("CODIGO").SetAsString("C");
    screen.cds->Post();  // as a send the server refused leaves it: in the log
    screen.cds->Append();
    QCOMPARE(desk::ScreenStatusText(screen), std::string("Inclusão · 2 registros · alterações não gravadas"));
  }
};

}  // namespace status_test

QTEST_MAIN(status_test::ScreenStatusTest)
#include "test_screen_status.moc"
