// A whole proposal in the real window (run_under_xvfb.sh starts a display),
// as a user makes it with the mouse and the keyboard, from the demo data:
// the header for a prospect picked from the search window; two contract
// lines, their systems (one picked, one typed and refused by the server)
// and a contract service; one line ordered through the picker, its due
// dates and an ordered service with hours and an observation; Verificar on
// every page; and the acceptance date, after which the header and the
// detail grids are locked. The server's database is checked after every
// step that sends. Aceite has no shown button and no menu entry: the walk
// runs its handler as the scripted host's invoke step does. A picture of
// each page and tab is saved in the folder named by PSR_SCREENSHOT_DIR.
#include <QRadioButton>

#include "live_window.h"

namespace {

using plat::DataSetState;
using Rows = std::vector<std::string>;

}  // namespace

class WholeProposalWalk : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() {
    QVERIFY2(QGuiApplication::platformName() == "xcb", "runs on a real display: see run_under_xvfb.sh");
    live_.StartWithScreen("psr_desktop_whole");
  }

  // Incluir from the list, the prospect chosen and picked from its search
  // window (Ctrl+Enter in the registration number), the requesting operator
  // and an e-mail typed, Confirmar.
  void theHeaderForAProspect() {
    live_.ClickCell("dbgPadrao", 0, 0);
    QTRY_COMPARE(live_.Active(), std::string("dbgPadrao"));
    live_.ClickButton("sbtIncluir");
    QTRY_COMPARE(live_.State("cdsProposta"), DataSetState::Insert);
    QCOMPARE(live_.Edit("dbeProposta")->text(), QString("1008"));
    QRadioButton* prospect = nullptr;
    for (QRadioButton* button : live_.W("dbrClieProsp")->findChildren<QRadioButton*>())
      if (button->text() == "Prospect") prospect = button;
    QVERIFY(prospect);
    QTest::mouseClick(prospect, Qt::LeftButton, Qt::NoModifier, QPoint(6, prospect->height() / 2));
    // The search beside the registration number, from the keyboard.
    QTest::mouseClick(live_.Edit("dbeCdClienteProsp"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(live_.Active(), std::string("dbeCdClienteProsp"));
    live_.PickInNextSearch("Paulo Henrique Dias");
    live_.Key(Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.Field("cdsProposta", "CDPROSPECT"), std::string("45612378955"));
    live_.Reactivate();
    QTest::mouseClick(live_.Edit("dbeCdOperSoli"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(live_.Active(), std::string("dbeCdOperSoli"));
    live_.Type("2");
    live_.Key(Qt::Key_Tab);
    QTRY_COMPARE(live_.Field("cdsProposta", "OPERSOLI"), std::string("Carlos Eduardo Mendes"));
    QTest::mouseClick(live_.Edit("dbeEmail"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(live_.Active(), std::string("dbeEmail"));
    live_.Type("paulo.dias@email.com.br");
    live_.Save("whole-header.png");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsProposta"), DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT NRVERPROPFAS, IDCLIENPROSP, CDPROSPECT, CDOPERSOLI, DSEMAIPROFAS FROM PROPOSTAFAS "
                        "WHERE NRPROPOSFAS = '1008'"),
             Rows{"1 | P | 45612378955 | 000000000002 | paulo.dias@email.com.br"});
  }

  // Two lines typed cell by cell (Tab from cell to cell), the first line's
  // product from its picker (Ctrl+Enter), the second's typed as listed.
  void twoContractLines() {
    desk::GridView* lines = live_.Grid("dbgDadosContLinhaProd");
    QTRY_VERIFY(lines->isVisible());
    QTest::mouseClick(lines->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgDadosContLinhaProd"));

    QTest::keyClick(lines, Qt::Key_Insert);
    QTRY_COMPARE(live_.State("cdsDadosContLinhaProd"), DataSetState::Insert);
    TypeCells(lines, {"10", "ERP Consultório"});
    live_.PickInNextSearch("Gestão Empresarial ERP");
    QTest::keyClick(lines, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.Field("cdsDadosContLinhaProd", "CDPROCOMERCI"), std::string("ERP"));
    live_.Reactivate();
    QTest::keyClick(lines, Qt::Key_Tab);
    TypeCells(lines, {"", "5", "", "", "", "5", "1200", "150", "10"});
    live_.ChooseFromPickList(lines, "Matriz");
    QTest::keyClick(lines, Qt::Key_Tab);
    live_.ChooseFromPickList(lines, "Matriz");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsDadosContLinhaProd"), DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Edit("edtValorTotalLu")->text(), QString("6,000.00"));

    QTest::keyClick(lines, Qt::Key_Insert);
    QTRY_COMPARE(live_.State("cdsDadosContLinhaProd"), DataSetState::Insert);
    TypeCells(lines, {"20", "Folha Consultório", "Folha de Pagamento", "", "2", "", "", "", "2", "400", "60", "10"});
    live_.ChooseFromPickList(lines, "Matriz");
    QTest::keyClick(lines, Qt::Key_Tab);
    live_.ChooseFromPickList(lines, "Filial");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.Count("cdsDadosContLinhaProd"), 2);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Field("cdsDadosContLinhaProd", "CDLINPPROP"), std::string("10"));
    QCOMPARE(live_.Rows("SELECT CDLINPPROP, NMLINPPROP, CDPROCOMERCI, QTLINPPROP, VRLUSOPROP, VRMENSPROP, "
                        "IDMPROCLINPP, IDLPROCLINPP FROM PROPOSTALINP WHERE NRPROPOSFAS = '1008' ORDER BY 1"),
             (Rows{"10 | ERP Consultório | ERP | 5 | 1200 | 150 | M | M",
                   "20 | Folha Consultório | FOLHA | 2 | 400 | 60 | M | F"}));
  }

  // Line 10's system picked; the same typed by hand is refused by the server
  // and cancelled; line 20's system picked after clicking line 20.
  void theLinesSystems() {
    desk::GridView* systems = live_.Grid("dbgDadosContSistema");
    QTest::mouseClick(systems->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgDadosContSistema"));
    QTest::keyClick(systems, Qt::Key_Insert);
    QTRY_COMPARE(live_.State("cdsSistLinhaProd"), DataSetState::Insert);
    live_.PickInNextSearch("Financeiro");
    QTest::keyClick(systems, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.Field("cdsSistLinhaProd", "CDSISTEMA"), std::string("FIN"));
    live_.Reactivate();
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsSistLinhaProd"), DataSetState::Browse);
    QCOMPARE(live_.Rows("SELECT CDLINPPROP, CDSISTEMA FROM SISTPROPLINP WHERE NRPROPOSFAS = '1008'"), Rows{"10 | FIN"});

    QTest::keyClick(systems, Qt::Key_Insert);
    QTRY_COMPARE(live_.State("cdsSistLinhaProd"), DataSetState::Insert);
    e2e::LiveWindow::TypeInto(systems, "Financeiro");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.Watch().seen.size(), 1);
    QVERIFY2(live_.Watch().Take().front().contains("Sistema já cadastrado."), "the typed name takes its code");
    live_.Reactivate();
    live_.Watch().AnswerYes();
    live_.ClickButton("sbtCancelar");
    QTRY_COMPARE(live_.Count("cdsSistLinhaProd"), 1);
    QCOMPARE(live_.Watch().Take(), QStringList{"Cancelar operação?"});
    live_.Reactivate();

    live_.ClickCell("dbgDadosContLinhaProd", 1, 1);
    QTRY_COMPARE(live_.Field("cdsDadosContLinhaProd", "CDLINPPROP"), std::string("20"));
    QTest::mouseClick(systems->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgDadosContSistema"));
    QTest::keyClick(systems, Qt::Key_Insert);
    live_.PickInNextSearch("Folha de Pagamento");
    QTest::keyClick(systems, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.Field("cdsSistLinhaProd", "CDSISTEMA"), std::string("FOL"));
    live_.Reactivate();
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsSistLinhaProd"), DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT CDLINPPROP, CDSISTEMA FROM SISTPROPLINP WHERE NRPROPOSFAS = '1008' ORDER BY 1"),
             (Rows{"10 | FIN", "20 | FOL"}));
    live_.Save("whole-contract.png");
  }

  void aContractService() {
    live_.ClickTab("pgcDadosCont_LinhaProd_Serv", "Serviços");
    desk::GridView* services = live_.Grid("dbgDadosContServico");
    QTRY_VERIFY(services->isVisible());
    QTest::mouseClick(services->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgDadosContServico"));
    QTest::keyClick(services, Qt::Key_Insert);
    live_.PickInNextSearch("Implantação");
    QTest::keyClick(services, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.Field("cdsDadosContServico", "CDTIPOSERV"), std::string("IMP"));
    live_.Reactivate();
    QTest::keyClick(services, Qt::Key_Tab);
    e2e::LiveWindow::TypeInto(services, "140");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsDadosContServico"), DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT CDTIPOSERV, VRHORAPROP FROM PROPOSTASERV WHERE NRPROPOSFAS = '1008'"),
             Rows{"IMP | 140"});
    live_.Save("whole-contract-services.png");
  }

  // "Pedidos": line 10 through the order-line picker; two due dates that
  // fall 1,000.00 short, refused by the acceptance check; the second raised,
  // and the check passes without a word.
  void theOrderAndItsDueDates() {
    live_.ClickTab("pgcDadosCont_Ped_Mens", "Pedidos");
    desk::GridView* lines = live_.Grid("dbgPedidosLinhaProd");
    QTRY_VERIFY(lines->isVisible());
    QTRY_COMPARE(live_.Active(), std::string("dbgPedidosLinhaProd"));
    live_.PickInNextSearch();
    QTest::keyClick(lines, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.Count("cdsPedidosLinhaProd"), 1);
    live_.Reactivate();
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT NRLINPPEDP, CDLIN, QTLINPPEDP, VALOR_LU, VALOR_MENSAL FROM PEDILINPPROP "
                        "WHERE NRPROPOSFAS = '1008'"),
             Rows{"1 | 10 | 5 | 1200 | 150"});
    QCOMPARE(live_.Edit("edtSomaTotalLu")->text(), QString("6,000.00"));

    desk::GridView* due = live_.Grid("dbgVenc_Valor");
    QTest::mouseClick(due->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgVenc_Valor"));
    for (auto [date, value] : {std::pair{"08/01/2027", "3000"}, std::pair{"08/02/2027", "2000"}}) {
      QTest::keyClick(due, Qt::Key_Insert);
      QTRY_COMPARE(live_.State("cdsVenc_Valor"), DataSetState::Insert);
      QTest::keyClick(due, Qt::Key_Home);  // the new row opens in the column the last one was left in
      TypeCells(due, {date});
      e2e::LiveWindow::TypeInto(due, value);
      live_.ClickButton("sbtConfirmar");
      QTRY_COMPARE(live_.State("cdsVenc_Valor"), DataSetState::Browse);
    }
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows(kDueDates), (Rows{"2027-01-08 | 3000", "2027-02-08 | 2000"}));

    RunAceite();
    QCOMPARE(live_.Watch().Take(), QStringList{"A soma dos valores da Data de Vencimento devem ser igual ao Valor LU "
                                               "da Linha de Produto do Pedido."});
    live_.Reactivate();

    // The second value corrected in its cell: Alterar (which puts the
    // focus on the date), Tab, the old digits taken back, the new typed.
    int shortRow = -1;  // the rows come in the server's order
    for (int row = 0; row < due->model()->rowCount(); ++row)
      if (due->model()->index(row, 1).data().toString() == "2,000.00") shortRow = row;
    QVERIFY(shortRow >= 0);
    live_.ClickCell("dbgVenc_Valor", shortRow, 1);
    QTRY_COMPARE(live_.Active(), std::string("dbgVenc_Valor"));
    live_.ClickButton("sbtAlterar");
    QTRY_COMPARE(live_.State("cdsVenc_Valor"), DataSetState::Edit);
    QTest::keyClick(due, Qt::Key_Tab);
    for (int i = 0; i < 8; ++i) QTest::keyClick(due, Qt::Key_Backspace);
    e2e::LiveWindow::TypeInto(due, "3000");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsVenc_Valor"), DataSetState::Browse);
    QCOMPARE(live_.Rows(kDueDates), (Rows{"2027-01-08 | 3000", "2027-02-08 | 3000"}));
    RunAceite();
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT DTACEPROPFAS FROM PROPOSTAFAS WHERE NRPROPOSFAS = '1008'"), Rows{""});
    live_.Save("whole-orders.png");
  }

  // A service through its picker, its hours typed; going on to the
  // observation stores it, and the observation typed there is confirmed.
  void anOrderedService() {
    live_.ClickTab("PageControl5", "Serviços");
    desk::GridView* services = live_.Grid("dbgPedidosServico");
    QTRY_VERIFY(services->isVisible());
    QTest::mouseClick(services->viewport(), Qt::LeftButton, Qt::NoModifier, QPoint(20, 10));
    QTRY_COMPARE(live_.Active(), std::string("dbgPedidosServico"));
    live_.PickInNextSearch("Implantação");
    QTest::keyClick(services, Qt::Key_Return, Qt::ControlModifier);
    QTRY_COMPARE(live_.State("cdsPedidosServico"), DataSetState::Insert);
    live_.Reactivate();
    QCOMPARE(live_.Field("cdsPedidosServico", "VRHORAPEDP"), std::string("140"));
    QTest::keyClick(services, Qt::Key_Tab);
    e2e::LiveWindow::TypeInto(services, "16");
    QTest::mouseClick(live_.W("dbrObs"), Qt::LeftButton, Qt::NoModifier, QPoint(10, 10));
    QTRY_COMPARE(live_.State("cdsPedidosServico"), DataSetState::Browse);
    live_.Type("Implantação no consultório em duas visitas.");
    QTRY_COMPARE(live_.State("cdsPedidosServico"), DataSetState::Edit);
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsPedidosServico"), DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT NRSERVPEDP, CDTIPOSERV, QTSERVPEDP, VRHORAPEDP, TXOBSPROPSERV FROM PEDISERVPROP "
                        "WHERE NRPROPOSFAS = '1008'"),
             Rows{"1 | IMP | 16 | 140 | Implantação no consultório em duas visitas."});
    live_.Save("whole-order-services.png");
  }

  // Verificar on each tab and page shows again what the server holds.
  void verificarOnEveryPage() {
    live_.ClickButton("sbtVerificar");
    QTRY_COMPARE(live_.Count("cdsPedidosServico"), 1);
    live_.ClickTab("PageControl5", "Linha de Produto");
    live_.ClickButton("sbtVerificar");
    QTRY_COMPARE(live_.Count("cdsVenc_Valor"), 2);
    QCOMPARE(live_.Edit("edtSomaTotalLu")->text(), QString("6,000.00"));
    live_.ClickTab("pgcDadosCont_Ped_Mens", "Dados Contratuais");
    live_.ClickButton("sbtVerificar");
    QTRY_COMPARE(live_.Count("cdsDadosContServico"), 1);
    live_.ClickTab("pgcDadosCont_LinhaProd_Serv", "Linha de Produto");
    live_.ClickButton("sbtVerificar");
    QTRY_COMPARE(live_.Count("cdsDadosContLinhaProd"), 2);
    QCOMPARE(live_.Count("cdsSistLinhaProd"), 1);
    live_.ClickTab("pgcPadrao", "Folha de Dados(Grade)");
    live_.ClickButton("sbtVerificar");
    QTRY_COMPARE(live_.Count("cdsProposta"), 6);
    QCOMPARE(live_.Watch().Take(), QStringList());
    live_.Save("whole-list.png");
  }

  // The acceptance date typed into the header: the header's commands and
  // panel, and every detail grid that holds rows, lock.
  void theAcceptanceDateLocksTheProposal() {
    live_.ClickCell("dbgPadrao", 5, 0);
    QTRY_COMPARE(live_.Field("cdsProposta", "NRPROPOSFAS"), std::string("1008"));
    live_.ClickTab("pgcPadrao", "Proposta");
    QTest::mouseClick(live_.Edit("dbeEmail"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(live_.Active(), std::string("dbeEmail"));
    live_.ClickButton("sbtAlterar");
    QTRY_COMPARE(live_.State("cdsProposta"), DataSetState::Edit);
    QTest::mouseClick(live_.Edit("depAceite"), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
    QTRY_COMPARE(live_.Active(), std::string("depAceite"));
    live_.Type("08/12/2026");
    live_.ClickButton("sbtConfirmar");
    QTRY_COMPARE(live_.State("cdsProposta"), DataSetState::Browse);
    QCOMPARE(live_.Watch().Take(), QStringList());
    QCOMPARE(live_.Rows("SELECT strftime('%Y-%m-%d', DTACEPROPFAS) FROM PROPOSTAFAS WHERE NRPROPOSFAS = '1008'"),
             Rows{"2026-12-08"});

    QTRY_VERIFY(!live_.W("sbtAlterar")->isEnabled());
    QVERIFY(!live_.W("sbtExcluir")->isEnabled());
    QVERIFY(!live_.W("panEmpresa")->isEnabled());
    // Each detail grid holding rows locks as the user reaches it.
    live_.ClickCell("dbgDadosContLinhaProd", 0, 4);
    ExpectLocked("dbgDadosContLinhaProd");
    e2e::LiveWindow::TypeInto(live_.Grid("dbgDadosContLinhaProd"), "9");
    QCOMPARE(live_.State("cdsDadosContLinhaProd"), DataSetState::Browse);
    QCOMPARE(live_.Field("cdsDadosContLinhaProd", "NRUSUALINPP"), std::string("5"));
    live_.ClickCell("dbgDadosContSistema", 0, 0);
    ExpectLocked("dbgDadosContSistema");
    live_.ClickTab("pgcDadosCont_LinhaProd_Serv", "Serviços");
    QTRY_VERIFY(live_.Grid("dbgDadosContServico")->isVisible());
    live_.ClickCell("dbgDadosContServico", 0, 1);
    ExpectLocked("dbgDadosContServico");
    live_.ClickTab("pgcDadosCont_Ped_Mens", "Pedidos");
    QTRY_VERIFY(live_.Grid("dbgPedidosLinhaProd")->isVisible());
    live_.ClickCell("dbgPedidosLinhaProd", 0, 1);
    ExpectLocked("dbgPedidosLinhaProd");
    live_.ClickCell("dbgVenc_Valor", 1, 1);
    ExpectLocked("dbgVenc_Valor");
    live_.ClickTab("PageControl5", "Serviços");
    QTRY_VERIFY(live_.Grid("dbgPedidosServico")->isVisible());
    live_.ClickCell("dbgPedidosServico", 0, 1);
    ExpectLocked("dbgPedidosServico");
    QCOMPARE(live_.Watch().Take(), QStringList());
    live_.Save("whole-accepted.png");
  }

  void cleanupTestCase() { live_.Stop(); }

 private:
  static constexpr const char* kDueDates =
      "SELECT strftime('%Y-%m-%d', DTVELUSOPEDP), VRVELUSOPEDP FROM VENCLUSOPROP WHERE NRPROPOSFAS = '1008' "
      "ORDER BY 1";

  // Types each text into the grid's current cell and Tabs on to the next.
  static void TypeCells(desk::GridView* grid, std::initializer_list<const char*> texts) {
    for (const char* text : texts) {
      e2e::LiveWindow::TypeInto(grid, text);
      QTest::keyClick(grid, Qt::Key_Tab);
    }
  }

  // The grid is the active control, read-only, with nothing to include.
  void ExpectLocked(const char* grid) {
    QTRY_COMPARE(live_.Active(), std::string(grid));
    QVERIFY2(live_.Form().Get<plat::TDBGrid>(grid).ReadOnly(), grid);
    QVERIFY2(!live_.W("sbtIncluir")->isEnabled(), grid);
  }

  // Aceite's button is laid out hidden and no menu offers it: its handler
  // is run as one event of the screen, as a click on it would be.
  void RunAceite() {
    auto& button = live_.Form().Get<plat::TControl>("sbtAceite");
    QVERIFY(button.OnClick);
    plat::TUserActions(live_.Form()).Run([&] {
      button.OnClick(button);
      return true;
    });
  }

  e2e::LiveWindow live_;
};

QTEST_MAIN(WholeProposalWalk)
#include "test_end_to_end_whole_proposal.moc"
