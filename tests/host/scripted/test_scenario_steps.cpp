// Running scenario steps on a hand-made screen: actions as user events,
// expectations that pass and that fail with FILE:LINE: expected ..., got ...,
// dialogs checked in order, calls recorded from the screen's creation on,
// and what a scenario leaves over.
#include "scenario_fixture.h"

using namespace scenariotest;

namespace {

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST_F(ScenarioTest, ARunThroughTheScreenPasses) {
  bool passed =
      Run("open\n"
          "expect calls GetProposta(\"0001\", \"ADMIN\")\n"
          "expect screens 1\n"
          "expect wait balanced\n"
          "expect page pgcTeste tshLista\n"
          "expect count cdsItem 3\n"
          "expect cell dbgItem 2 CODIGO \"B\"\n"
          "select dbgItem 2 NOME\n"
          "expect focus dbgItem NOME\n"
          "expect cell dbgItem * NOME \"Nome B\"\n"
          "expect field cdsItem.CODIGO B\n"
          "choose dbgItem Beta\n"
          "expect state cdsItem edit\n"
          "key escape\n"  // takes back the chosen text
          "expect state cdsItem edit\n"
          "expect cell dbgItem * NOME \"Nome B\"\n"
          "key escape\n"  // cancels the row
          "expect state cdsItem browse\n"
          "select-tab pgcTeste tshFicha\n"
          "type dbeNome \"Novo nome\"\n"
          "expect text dbeNome \"Novo nome\"\n"
          "expect focus dbeNome\n"
          "click sbtOla\n"
          "expect message \"Olá\"\n"
          "expect dialogs none\n"
          "expect calls none\n");
  EXPECT_TRUE(passed) << Report();
}

TEST_F(ScenarioTest, AFailedExpectationNamesFileLineWhatWasExpectedAndWhatHappened) {
  EXPECT_FALSE(Run("open\n\nexpect count cdsItem 4\n"));
  EXPECT_EQ(Report(), "s.scn:3: expected 4 record(s) in cdsItem, got 3\n");
}

TEST_F(ScenarioTest, TheFirstFailureEndsTheFileUnlessToldToKeepGoing) {
  EXPECT_FALSE(Run("open\nexpect count cdsItem 4\nexpect text dbeNome \"x\"\n"));
  EXPECT_FALSE(Contains(Report(), "s.scn:3"));
  report.str("");
  fake.screen.reset();
  host::TApplication::Current().Destroy(*host::TApplication::Current().FindComponent("frmTeste"));
  EXPECT_FALSE(Run("open\nexpect count cdsItem 4\nexpect text dbeNome \"x\"\n", true));
  EXPECT_TRUE(Contains(Report(), "s.scn:2: expected 4 record(s)")) << Report();
  EXPECT_TRUE(Contains(Report(), "s.scn:3: expected the text of dbeNome \"x\", got \"Nome A\"")) << Report();
}

TEST_F(ScenarioTest, StepsBeforeTheScreenExistsSaySo) {
  EXPECT_FALSE(Run("expect count cdsItem 3\n"));
  EXPECT_EQ(Report(), "s.scn:1: expected an open screen, got none\n");
}

TEST_F(ScenarioTest, UnknownComponentsAndWrongKindsAreNamed) {
  EXPECT_FALSE(Run("open\nclick sbtNada\n"));
  EXPECT_EQ(Report(), "s.scn:2: expected a component named sbtNada on the screen, got none\n");
  report.str("");
  EXPECT_FALSE(Run("select dbeNome 1\n"));
  EXPECT_EQ(Report(), "s.scn:1: expected dbeNome to be a grid, got a component of another kind\n");
}

TEST_F(ScenarioTest, ARefusedActionFailsUnlessTheLineExpectsIt) {
  EXPECT_TRUE(Run("open\nclick sbtDesligado -> refused\nexpect disabled sbtDesligado\n")) << Report();
  EXPECT_FALSE(Run("click sbtDesligado\n"));
  EXPECT_TRUE(Contains(Report(), "s.scn:1: expected the action to be taken, got refused")) << Report();
  report.str("");
  EXPECT_FALSE(Run("click sbtOla -> aborted\n"));
  EXPECT_TRUE(Contains(Report(), "s.scn:1: expected the action to end aborted, got done")) << Report();
}

TEST_F(ScenarioTest, FlagsOfControlsAndPages) {
  fake.OpenScreen();
  fake.screen->ficha->SetTabVisible(false);
  fake.screen->edit->SetReadOnly(true);
  EXPECT_TRUE(
      Run("expect enabled sbtOla\nexpect visible dbeNome\nexpect not-shown dbeNome\nexpect shown dbgItem\n"
          "expect readonly dbeNome\nexpect editable dbgItem\nexpect tab-hidden tshFicha\n"
          "expect tab-visible tshLista\n"))
      << Report();
  EXPECT_FALSE(Run("expect enabled sbtDesligado\n"));
  EXPECT_EQ(Report(), "s.scn:1: expected sbtDesligado enabled, got disabled\n");
  report.str("");
  EXPECT_FALSE(Run("expect readonly sbtOla\n"));
  EXPECT_EQ(Report(), "s.scn:1: expected sbtOla read-only, got a component without that flag\n");
}

TEST_F(ScenarioTest, DialogsAreCheckedInTheOrderShownWithTheirExactText) {
  EXPECT_FALSE(Run("open\nclick sbtOla\nexpect error \"Olá\"\n"));
  EXPECT_EQ(Report(), "s.scn:3: expected error \"Olá\", got message \"Olá\"\n");
  report.str("");
  EXPECT_FALSE(Run("click sbtOla\nexpect message \"Ola\"\n"));
  EXPECT_EQ(Report(), "s.scn:2: expected message \"Ola\", got message \"Olá\"\n");
  report.str("");
  EXPECT_FALSE(Run("expect message \"Olá\"\n"));
  EXPECT_EQ(Report(), "s.scn:1: expected message \"Olá\", got no dialog\n");
}

TEST_F(ScenarioTest, ADialogNobodyCheckedFailsTheFileAtItsEnd) {
  EXPECT_FALSE(Run("open\nclick sbtOla\nexpect count cdsItem 3\n"));
  EXPECT_EQ(Report(), "s.scn:3: expected every dialog to be checked, got message \"Olá\" not checked\n");
}

TEST_F(ScenarioTest, ConfirmationsTakeTheQueuedAnswer) {
  EXPECT_TRUE(Run("open\nanswer no\nclick sbtPergunta\nexpect confirm \"Confirma?\"\n")) << Report();
  EXPECT_EQ(fake.screen->answered, "no");
  EXPECT_TRUE(Run("answer yes\nclick sbtPergunta\nexpect confirm ~\"Confirma\"\n")) << Report();
  EXPECT_EQ(fake.screen->answered, "yes");
}

TEST_F(ScenarioTest, AQuestionWithoutAnAnswerIsShownAsAnError) {
  EXPECT_TRUE(
      Run("open\nclick sbtPergunta -> failed\nexpect confirm \"Confirma?\"\n"
          "expect error ~\"no scripted answer\"\n"))
      << Report();
}

TEST_F(ScenarioTest, AnAnswerLeftOverFailsTheFile) {
  EXPECT_FALSE(Run("open\nanswer yes\npick 1\n"));
  EXPECT_TRUE(Contains(Report(), "s.scn:3: expected every queued answer and pick to be used")) << Report();
}

TEST_F(ScenarioTest, SearchPicksByRowByValueOrNone) {
  fake.OpenScreen();
  int picked = 0;
  fake.screen->search->OnAfterPesq = [&](plat::TControl&) { ++picked; };
  EXPECT_TRUE(
      Run("pick CODIGO C\nclick btpItem\nexpect search \"Itens\"\nexpect field cdsItem.CODIGO C\n"
          "pick 2\nclick btpItem\nexpect search \"Itens\"\nexpect field cdsItem.CODIGO B\n"
          "pick none\nclick btpItem\nexpect search \"Itens\"\nexpect field cdsItem.CODIGO B\n"))
      << Report();
  EXPECT_EQ(picked, 2);
  EXPECT_FALSE(Run("pick NOME \"Nome Z\"\nclick btpItem -> failed\n"));
  EXPECT_TRUE(Contains(Report(),
                       "s.scn:2: expected every dialog to be checked, got error "
                       "\"No row of the search 'Itens' has NOME = \\\"Nome Z\\\"\""))
      << Report();
}

TEST_F(ScenarioTest, CallsAreComparedInOrderWithTheirArguments) {
  EXPECT_FALSE(Run("open\nexpect calls\n| GetProposta(\"ADMIN\", \"0001\")\n"));
  EXPECT_EQ(Report(),
            "s.scn:2: expected GetProposta(\"ADMIN\", \"0001\"), got GetProposta(\"0001\", \"ADMIN\") failing: "
            "Sem conexão com o servidor de aplicação (PSR41300.rdmSolicitaProposta.GetProposta)\n");
}

TEST_F(ScenarioTest, OpeningTwiceMakesOneScreenAndClosingReleasesIt) {
  EXPECT_TRUE(
      Run("open\nexpect calls GetProposta(*, *)\nopen\nexpect calls none\nexpect screens 1\n"
          "close\nexpect disconnects 1\nexpect screens 0\n"
          "open\nexpect calls GetProposta(\"0001\", \"ADMIN\")\nexpect disconnects 0\n"))
      << Report();
}

TEST_F(ScenarioTest, KeysGoToTheFocusedGridOrMoveTheFocus) {
  EXPECT_TRUE(
      Run("open\nselect dbgItem 1 CODIGO\nkey down\nexpect field cdsItem.CODIGO B\n"
          "key down dbgItem\nexpect field cdsItem.CODIGO C\nkeypress dbgItem x\nexpect state cdsItem edit\n"
          "key escape\n"))
      << Report();
  EXPECT_FALSE(Run("select-tab pgcTeste tshFicha\nfocus dbeNome\nkey down\n"));
  EXPECT_TRUE(Contains(Report(), "s.scn:3: expected a grid holding the focus for the key down, got dbeNome"))
      << Report();
}

TEST_F(ScenarioTest, ChoosingAnItemThatIsNotThereListsTheItems) {
  EXPECT_FALSE(Run("open\nselect dbgItem 1 NOME\nchoose dbgItem Gama\n"));
  EXPECT_EQ(Report(), "s.scn:3: expected an item \"Gama\" in dbgItem.NOME, got the items \"Alfa\", \"Beta\"\n");
}

TEST_F(ScenarioTest, SetupStepsCallTheServersHostServices) {
  EXPECT_TRUE(
      Run("database empty\nhost branch 0002\nserver-date 2026-12-08\n"
          "sql INSERT INTO T VALUES ('a', \"b\")\nfail-next GetProposta \"Servidor em manutenção\"\n"
          "server stop\nserver start\n"))
      << Report();
  EXPECT_FALSE(fake.demo);
  EXPECT_EQ(fake.settings, "branch=0002;stop;start;");
  ASSERT_EQ(fake.serverCalls.size(), 3u);
  EXPECT_EQ(fake.serverCalls[0], "SetServerDate(08/12/2026)");
  EXPECT_EQ(fake.serverCalls[1], "Sql(INSERT INTO T VALUES ('a', \"b\"))");
  EXPECT_EQ(fake.serverCalls[2], "FailNext(GetProposta,Servidor em manutenção)");
}

TEST_F(ScenarioTest, AServerThatRefusesASetupStepFailsIt) {
  fake.answer = host::ServerResult::OfFailure("no such table: T");
  EXPECT_FALSE(Run("sql DELETE FROM T\n"));
  EXPECT_EQ(Report(), "s.scn:1: expected the server to run the SQL, got error: no such table: T\n");
}

TEST_F(ScenarioTest, QueryRowsAreComparedCellByCellWithNullApart) {
  plat::DataPacket packet{{{"A", plat::FieldType::String, 4}, {"B", plat::FieldType::Float}}, {}};
  packet.rows.push_back({plat::Variant("0001"), plat::Variant(2.5)});
  packet.rows.push_back({plat::Variant("null"), plat::Variant()});
  fake.answer = host::ServerResult::OfPacket(packet);
  EXPECT_TRUE(Run("expect query SELECT A, B FROM T\n| 0001 | 2.5 |\n| \"null\" | null |\n")) << Report();
  EXPECT_FALSE(Run("expect query SELECT A, B FROM T\n| 0001 | 2.5\n| null | null\n"));
  EXPECT_EQ(Report(),
            "s.scn:1: expected 2 row(s):\n  | 0001 | 2.5 |\n  | null | null |, got 2 row(s):\n  | 0001 | 2.5 |\n"
            "  | null | null |\n");
}

TEST_F(ScenarioTest, GlobalsCursorRefreshesAndWait) {
  fake.inChecked = 1;
  host::Vogalis::AtualizaLocalCache({"PROPOSTALINP"});
  host::TApplication::Current().Cursor = host::crHourGlass;
  EXPECT_FALSE(
      Run("expect global inChecked 1\nexpect refreshes PROPOSTALINP\nexpect refreshes none\n"
          "expect cursor default\n"));
  EXPECT_EQ(Report(), "s.scn:4: expected cursor 0 (default), got -11 (hourglass)\n");
  host::TApplication::Current().Cursor = host::crDefault;
  report.str("");
  host::Showavi::ActiveShowAvi(nullptr, 1);
  EXPECT_FALSE(Run("expect wait balanced\n"));
  EXPECT_EQ(Report(), "s.scn:1: expected the wait animation stopped as often as started, got depth 1 (shown 1)\n");
  host::Showavi::DeactiveShowAvi();
}

TEST_F(ScenarioTest, DumpPrintsTheScreen) {
  EXPECT_TRUE(Run("dump\nopen\ndump\n")) << Report();
  EXPECT_TRUE(Contains(out.str(), "(no screen open)")) << out.str();
  EXPECT_TRUE(Contains(out.str(), "[dbgItem] 3 row(s)")) << out.str();
}

}  // namespace
