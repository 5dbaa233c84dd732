// The standard screen base: its components by name, its command enabling and
// its handlers reached from buttons and menu items alike.
#include <gtest/gtest.h>

#include "host/frmpadrao.h"
#include "host/scripted_dialogs.h"
#include "platform/data/clientdataset.h"
#include "platform/ui/user_actions.h"

using namespace host;
using namespace plat;

namespace {

class Screen : public TfrmPadrao {
 public:
  explicit Screen(TComponent* owner) : TfrmPadrao(owner, "frmScreen") {
    cds = &Create<TClientDataSet>("cdsLista");
    cds->AddField("CODIGO", FieldType::String, 4);
    dtsPadrao->SetDataSet(cds);
  }
  void sbtVerificarClick(TComponent&) override { ++verified; }
  TClientDataSet* cds;
  int verified = 0;
};

class Base : public ::testing::Test {
 protected:
  Base() {
    Dialogs::Install(&dialogs);
    screen = &root.Create<Screen>();
    screen->DoCreate();
  }
  ~Base() override { Dialogs::Install(nullptr); }
  void Fill(int rows) {
    DataPacket packet{{{"CODIGO", FieldType::String, 4}}, {}};
    for (int i = 0; i < rows; ++i) packet.rows.push_back({Variant(std::to_string(i))});
    screen->cds->SetData(packet);
  }
  ScriptedDialogs dialogs;
  TComponent root;
  Screen* screen;
};

TEST_F(Base, EveryBaseComponentIsReachableByName) {
  for (const char* name : {"panMenu",       "lblCodTela",          "sbtIncluir",   "sbtAlterar",    "sbtExcluir",
                           "sbtConfirmar",  "sbtCancelar",         "sbtVerificar", "sbtImprimir",   "sbtAjuda",
                           "sbtFechar",     "sbtAnterior",         "sbtProximo",   "pgcPadrao",     "tshFolhaDados",
                           "tshFormulario", "dbgPadrao",           "dtsPadrao",    "panNavigator",  "dbnPadrao",
                           "msgPadrao",     "msgMensagensPadroes", "mnuMenu",      "mnuManutencao", "mnuIncluir",
                           "mnuAlterar",    "mnuExcluir",          "mnuConfirmar", "mnuCancelar",   "mnuAnterior",
                           "mnuProximo"})
    EXPECT_NE(screen->FindComponent(name), nullptr) << name;
  EXPECT_FALSE(screen->sbtImprimir->Enabled());
}

TEST_F(Base, CommandsFollowTheListDataSetState) {
  EXPECT_TRUE(screen->sbtIncluir->Enabled());  // closed
  EXPECT_FALSE(screen->sbtAlterar->Enabled());
  Fill(0);
  EXPECT_FALSE(screen->mnuExcluir->Enabled());
  Fill(2);
  EXPECT_TRUE(screen->sbtAlterar->Enabled());
  EXPECT_TRUE(screen->sbtProximo->Enabled());
  EXPECT_FALSE(screen->sbtConfirmar->Enabled());
  screen->cds->Edit();
  EXPECT_FALSE(screen->sbtIncluir->Enabled());
  EXPECT_TRUE(screen->sbtConfirmar->Enabled());
  EXPECT_TRUE(screen->mnuCancelar->Enabled());
}

TEST_F(Base, ButtonAndMenuItemReachTheSameOverriddenHandler) {
  TUserActions user(*screen);
  user.Click(*screen->sbtVerificar);
  EXPECT_EQ(screen->verified, 1);
  Fill(2);
  user.Click(*screen->mnuProximo);
  EXPECT_EQ(screen->cds->RecNo(), 2);
}

TEST_F(Base, BaseAlterarShowsTheFormPageAndEdits) {
  Fill(1);
  screen->pgcPadrao->SetActivePage(screen->tshFolhaDados);
  TUserActions(*screen).Click(*screen->sbtAlterar);
  EXPECT_EQ(screen->pgcPadrao->ActivePage(), screen->tshFormulario);
  EXPECT_EQ(screen->cds->State(), DataSetState::Edit);
}

// A double click, or Enter, on a row of the list shows it on the form page;
// on an empty list nothing happens.
TEST_F(Base, TheListOpensARowOnDoubleClickOrEnter) {
  screen->pgcPadrao->SetActivePage(screen->tshFolhaDados);
  TUserActions actions(*screen);
  actions.GridDblClick(*screen->dbgPadrao, 0, 0);
  EXPECT_EQ(screen->pgcPadrao->ActivePage(), screen->tshFolhaDados);
  Fill(3);
  actions.GridDblClick(*screen->dbgPadrao, 1, 0);
  EXPECT_EQ(screen->pgcPadrao->ActivePage(), screen->tshFormulario);
  EXPECT_EQ(screen->cds->RecNo(), 2);
  screen->pgcPadrao->SetActivePage(screen->tshFolhaDados);
  actions.GridKey(*screen->dbgPadrao, GridKey::Enter);
  EXPECT_EQ(screen->pgcPadrao->ActivePage(), screen->tshFormulario);
}

TEST_F(Base, BaseExcluirDeletesOnlyOnYes) {
  Fill(2);
  TUserActions user(*screen);
  dialogs.AnswerNo();
  user.Click(*screen->sbtExcluir);
  EXPECT_EQ(screen->cds->RecordCount(), 2);
  dialogs.AnswerYes();
  user.Click(*screen->sbtExcluir);
  EXPECT_EQ(screen->cds->RecordCount(), 1);
}

TEST_F(Base, FormCloseFreesTheScreenByDefault) {
  int action = 1;
  screen->FormClose(*screen, action);
  EXPECT_EQ(action, 2);
}

}  // namespace
