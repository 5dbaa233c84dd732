// Message catalogues, the wait animation, the search list, the application
// object and the session services.
#include <gtest/gtest.h>

#include "host/application.h"
#include "host/message_catalogue.h"
#include "host/pesquisa.h"
#include "host/scripted_dialogs.h"
#include "host/showavi.h"
#include "host/vogalis.h"
#include "platform/data/clientdataset.h"
#include "platform/data/datasource.h"
#include "platform/data/errors.h"

using namespace host;

namespace {

class HostServices : public ::testing::Test {
 protected:
  HostServices() {
    plat::Dialogs::Install(&dialogs);
    Showavi::ResetCounts();
    HostSession::Reset();
  }
  ~HostServices() override { plat::Dialogs::Install(nullptr); }
  ScriptedDialogs dialogs;
  plat::TComponent root;
};

TEST_F(HostServices, MessagesAreFoundByTheirCaseSensitiveCode) {
  auto& msg = root.Create<TMessages>("msgPadrao");
  msg.SetMessages({"Copia|Deseja fazer cópia da Proposta?", "COPIA|outra", "Ped_Sist|Deverá existir\r\n"});
  EXPECT_EQ(msg.Msg("Copia"), "Deseja fazer cópia da Proposta?");
  EXPECT_EQ(msg.Msg("COPIA"), "outra");
  EXPECT_EQ(msg.Msg("Ped_Sist"), "Deverá existir\r\n");
  EXPECT_THROW(msg.Msg("copia"), plat::EError);
  EXPECT_THROW(msg.SetMessages({"A|1", "A|2"}), plat::EError);
}

TEST_F(HostServices, ShowMsgReturnsTheModalResultOfTheAnswer) {
  auto& msg = root.Create<TMessages>("msgMensagensPadroes");
  msg.SetMessages({"Excl|Confirma exclusão?"});
  dialogs.AnswerYes();
  dialogs.AnswerNo();
  EXPECT_EQ(msg.ShowMsg("Excl", plat::DialogType::Confirmation, plat::mbYesNo, 0), 6);
  EXPECT_EQ(msg.ShowMsg("Excl", plat::DialogType::Confirmation, plat::mbYesNo, 0), plat::mrNo);
}

TEST_F(HostServices, AnUnansweredQuestionFailsInsteadOfWaiting) {
  EXPECT_THROW(plat::ConfirmYesNo("Cancelar operação?"), plat::EError);
  EXPECT_EQ(dialogs.Unexpected().size(), 1u);
}

TEST_F(HostServices, WaitAnimationIsCountedAndBalanced) {
  Showavi::ActiveShowAvi(nullptr, 1);
  Showavi::ActiveShowAvi(nullptr, 1);
  EXPECT_EQ(dialogs.WaitDepth(), 1);
  Showavi::DeactiveShowAvi();
  Showavi::DeactiveShowAvi();
  Showavi::DeactiveShowAvi();  // one too many: ignored
  EXPECT_EQ(Showavi::Depth(), 0);
  EXPECT_EQ(dialogs.WaitDepth(), 0);
  EXPECT_EQ(Showavi::TotalStarts(), 2);
}

class Search : public HostServices {
 protected:
  Search() {
    cds = &root.Create<plat::TClientDataSet>("cdsSistema");
    cds->AddField("CDSISTEMA", plat::FieldType::String, 8).SetDisplayLabel("Código");
    cds->AddField("NMSISTEMA", plat::FieldType::String, 40).SetDisplayLabel("Sistima");
    cds->AddField("OCULTO", plat::FieldType::String, 5).SetVisible(false);
    source = &root.Create<plat::TDataSource>("dtsSistema", cds);
  }
  void Fill(int rows) {
    plat::DataPacket packet{cds->Data().fields, {}};
    for (int i = 0; i < rows; ++i)
      packet.rows.push_back(
          {plat::Variant("S" + std::to_string(i)), plat::Variant("Sistema " + std::to_string(i)), plat::Variant("x")});
    cds->SetData(packet);
  }
  plat::TClientDataSet* cds;
  plat::TDataSource* source;
};

TEST_F(Search, PesquisarSplitsTitleAndEmptyTextAndListsShownFields) {
  Fill(3);
  dialogs.PickRow(2);
  EXPECT_TRUE(Pesquisa::Pesquisar(*source, "Sistema|Não há Sistema cadastrado.", false, true));
  EXPECT_EQ(cds->FieldByName("CDSISTEMA").AsString(), "S2");
  const auto& record = dialogs.Transcript().back();
  EXPECT_EQ(record.text, "Sistema");
  EXPECT_EQ(record.emptyText, "Não há Sistema cadastrado.");
  EXPECT_EQ(record.rows[0], "S0 | Sistema 0");
}

TEST_F(Search, AnEmptyListShowsTheEmptyTextAndPicksNothing) {
  Fill(0);
  EXPECT_FALSE(Pesquisa::Pesquisar(*source, "Sistema|Não há Sistema cadastrado.", false, true));
  EXPECT_TRUE(dialogs.Transcript().back().rows.empty());
}

TEST_F(Search, ClosingTheListWithoutAPickLeavesTheCursor) {
  Fill(3);
  dialogs.PickRow(-1);
  EXPECT_FALSE(Pesquisa::Pesquisar(*source, "Sistema|", false, true));
  EXPECT_EQ(cds->RecNo(), 1);
}

struct Probe : plat::TForm {
  explicit Probe(plat::TComponent* owner) : TForm(owner, "frmProbe") {}
  void DoCreate() override {
    if (fail) throw plat::EError("creation failed");
    if (seen) *seen = Owner() != nullptr;
  }
  static inline bool fail = false;
  static inline bool* seen = nullptr;
};

TEST_F(HostServices, CreateFormSetsTheReferenceAndUndoesAFailedCreation) {
  auto& app = TApplication::Current();
  Probe* probe = nullptr;
  bool created = false;
  Probe::seen = &created;
  app.CreateForm(probe);
  ASSERT_NE(probe, nullptr);
  EXPECT_TRUE(created);
  app.Release(*probe);
  app.ProcessMessages();

  Probe::fail = true;
  Probe* failed = nullptr;
  EXPECT_THROW(app.CreateForm(failed), plat::EError);
  EXPECT_EQ(failed, nullptr);
  EXPECT_EQ(app.FindComponent("frmProbe"), nullptr);
  Probe::fail = false;
  Probe::seen = nullptr;
}

TEST_F(HostServices, SessionServicesReadTheHostSession) {
  HostSession::Current().filiProc = "0002";
  HostSession::Current().serverDate = [] { return plat::DateTime::FromDate(2026, 12, 8) + 0.75; };
  EXPECT_EQ(Vogalis::FiliProc(), "0002");
  EXPECT_EQ(Lib90500::DtServ(""), plat::DateTime::FromDate(2026, 12, 8));
  Vogalis::AtualizaLocalCache({"PROPOSTAFAS"});
  EXPECT_EQ(HostSession::Current().cacheRefreshes, (std::vector<std::vector<std::string>>{{"PROPOSTAFAS"}}));
}

}  // namespace
