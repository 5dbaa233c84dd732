// The user-action layer: each action runs as one message-loop event.
#include "platform/data/errors.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/user_actions.h"
#include "ui_fixture.h"

using namespace plat;

namespace {

class UserActions : public uitest::FormTest {
 protected:
  UserActions() : user(*form) {
    button = &form->Create<TSpeedButton>("sbtGo", form);
    edit = &form->Create<TDBEdit>("dbeNome", form);
    edit->Bind(*dts, "NOME");
  }
  TUserActions user;
  TSpeedButton* button;
  TDBEdit* edit;
};

TEST_F(UserActions, SilentAbortEndsQuietly) {
  button->OnClick = [](TControl&) { throw EAbort(); };
  EXPECT_EQ(user.Click(*button), ActionResult::Aborted);
  EXPECT_TRUE(dialogs.Transcript().empty());
}

TEST_F(UserActions, OtherFailuresAreShownOnceInTheErrorDialog) {
  button->OnClick = [](TControl&) { throw EDatabaseError("Falhou."); };
  EXPECT_EQ(user.Click(*button), ActionResult::Failed);
  ASSERT_EQ(dialogs.Transcript().size(), 1u);
  EXPECT_EQ(dialogs.Transcript()[0].kind, host::DialogRecord::Kind::Error);
  EXPECT_EQ(dialogs.Transcript()[0].text, "Falhou.");
}

TEST_F(UserActions, DisabledOrHiddenButtonsRefuseTheClick) {
  int clicks = 0;
  button->OnClick = [&](TControl&) { ++clicks; };
  button->SetEnabled(false);
  EXPECT_EQ(user.Click(*button), ActionResult::Refused);
  button->SetEnabled(true);
  button->SetVisible(false);
  EXPECT_EQ(user.Click(*button), ActionResult::Refused);
  button->SetVisible(true);
  // A disabled panel takes no clicks for the buttons it holds.
  auto& panel = form->Create<TPanel>("panDados", form);
  button->SetParent(&panel);
  panel.SetEnabled(false);
  EXPECT_EQ(user.Click(*button), ActionResult::Refused);
  EXPECT_EQ(clicks, 0);
  panel.SetEnabled(true);
  EXPECT_EQ(user.Click(*button), ActionResult::Done);
  EXPECT_EQ(clicks, 1);
}

TEST_F(UserActions, TypingFocusesTheControlFirst) {
  Fill({"A1"});
  EXPECT_EQ(user.Type(*edit, "Novo"), ActionResult::Done);
  EXPECT_EQ(form->ActiveControl(), edit);
  EXPECT_EQ(edit->Text(), "Novo");
}

TEST_F(UserActions, ATooLongTextIsShownAsAnErrorAndTheFocusStays) {
  Fill({"A1"});
  auto& other = form->Create<TDBEdit>("dbeOther", form);
  user.Type(*edit, std::string(21, 'x'));
  EXPECT_EQ(user.Focus(other), ActionResult::Failed);
  EXPECT_EQ(form->ActiveControl(), edit);
  ASSERT_FALSE(dialogs.Messages().empty());
  EXPECT_NE(dialogs.Messages().back().find("20"), std::string::npos);
}

}  // namespace
