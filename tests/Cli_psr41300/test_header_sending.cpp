// Sending a data set's changes: nothing without changes; an accepted send
// inside one wait animation, then the merge and the refresh of the data
// set's own table; a refused send reported once, the animation stopped and
// the change kept for the next send.
#include <vector>

#include "Cli_psr41300/test_header_fixture.h"
#include "host/application.h"
#include "platform/data/errors.h"

namespace screen_test {
namespace {

using Refreshes = std::vector<std::vector<std::string>>;

class SendingChanges : public ConnectedScreen {
 protected:
  // A new proposal posted here, with its change logged.
  void PostNewProposal(const char* number) {
    NewProposalWithoutRules();
    screen.cdsProposta->FieldByName("NRPROPOSFAS").SetAsString(number);
    screen.cdsProposta->Post();
  }
  void Send() { screen.SendChanges(*screen.cdsProposta, "SetProposta", "PROPOSTAFAS"); }
  const Refreshes& refreshes() { return host::HostSession::Current().cacheRefreshes; }
  // The notes the screen left for the status bar.
  std::vector<std::string> notes;
  SendingChanges() {
    host::TApplication::Current().OnNote = [this](const std::string& text) { notes.push_back(text); };
  }
  ~SendingChanges() override { host::TApplication::Current().OnNote = nullptr; }
};

TEST_F(SendingChanges, NothingLoggedSendsNothing) {
  NewProposalWithoutRules();
  screen.cdsProposta->Cancel();
  ASSERT_EQ(screen.cdsProposta->ChangeCount(), 0);
  Send();
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(host::Showavi::TotalStarts(), 0);
  EXPECT_TRUE(refreshes().empty());
  EXPECT_TRUE(dialogs.Transcript().empty());
  EXPECT_TRUE(notes.empty());
}

TEST_F(SendingChanges, AcceptedSendMergesAndRefreshesTheTable) {
  PostNewProposal("2001");
  ASSERT_EQ(screen.cdsProposta->ChangeCount(), 1);
  Send();
  EXPECT_EQ(calls, (std::vector<MadeCall>{{"SetProposta", {"<delta 1>"}}}));
  EXPECT_EQ(screen.cdsProposta->ChangeCount(), 0);
  EXPECT_EQ(host::Showavi::TotalStarts(), 1);
  EXPECT_EQ(host::Showavi::Depth(), 0);
  EXPECT_EQ(refreshes(), (Refreshes{{"PROPOSTAFAS"}}));
  EXPECT_TRUE(dialogs.Messages().empty());
  EXPECT_EQ(notes, (std::vector<std::string>{"Alterações gravadas"}));
}

TEST_F(SendingChanges, TheDataSetsOwnMethodAndTableAreUsed) {
  PostNewProposal("2001");
  screen.SendChanges(*screen.cdsProposta, "SetMensagem", "TXTPROPFAS");
  EXPECT_EQ(calls, (std::vector<MadeCall>{{"SetMensagem", {"<delta 1>"}}}));
  EXPECT_EQ(refreshes(), (Refreshes{{"TXTPROPFAS"}}));
}

TEST_F(SendingChanges, RefusedSendIsShownOnceAndKeepsTheChange) {
  PostNewProposal("2001");
  server.AnswerError("SetProposta", "Gravação recusada.");
  EXPECT_THROW(Send(), plat::EAbort);
  EXPECT_EQ(dialogs.Messages(), (std::vector<std::string>{"Gravação recusada."}));
  EXPECT_EQ(screen.cdsProposta->ChangeCount(), 1);
  EXPECT_EQ(host::Showavi::Depth(), 0);
  EXPECT_EQ(dialogs.WaitDepth(), 0);
  EXPECT_TRUE(refreshes().empty());
  ASSERT_EQ(notes.size(), 1u);
  EXPECT_NE(notes[0].find("recusadas"), std::string::npos) << notes[0];
}

}  // namespace
}  // namespace screen_test
