// Focus moves: enter and exit order across containers, the exit veto, what
// cannot take the focus, and focus requests made through a field.
#include "platform/data/errors.h"
#include "platform/ui/buttons.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/pages.h"
#include "platform/ui/user_actions.h"
#include "ui_fixture.h"

using namespace plat;

namespace {

class Focus : public uitest::FormTest {
 protected:
  Focus() {
    panel = &form->Create<TPanel>("panHeader", form);
    inner = &form->Create<TPanel>("panInner", panel);
    a = &form->Create<TDBEdit>("dbeA", panel);
    b = &form->Create<TDBEdit>("dbeB", inner);
    outside = &form->Create<TDBEdit>("dbeOutside", form);
    Trace(*panel, *inner, *a, *b, *outside);
  }
  TPanel *panel, *inner;
  TDBEdit *a, *b, *outside;
};

TEST_F(Focus, EnteringAChildFromOutsideEntersItsContainersOutermostFirst) {
  ASSERT_TRUE(form->FocusControl(*outside));
  log.clear();
  ASSERT_TRUE(form->FocusControl(*b));
  EXPECT_EQ(log, (std::vector<std::string>{"exit:dbeOutside", "enter:panHeader", "enter:panInner", "enter:dbeB"}));
  EXPECT_EQ(form->ActiveControl(), b);
}

TEST_F(Focus, LeavingAContainerExitsInnermostFirst) {
  form->FocusControl(*b);
  log.clear();
  form->FocusControl(*outside);
  EXPECT_EQ(log, (std::vector<std::string>{"exit:dbeB", "exit:panInner", "exit:panHeader", "enter:dbeOutside"}));
}

TEST_F(Focus, MovingWithinAContainerDoesNotExitIt) {
  form->FocusControl(*b);
  log.clear();
  form->FocusControl(*a);
  EXPECT_EQ(log, (std::vector<std::string>{"exit:dbeB", "exit:panInner", "enter:dbeA"}));
}

TEST_F(Focus, AnExceptionInAnExitHandlerCancelsTheMove) {
  form->FocusControl(*a);
  panel->OnExit = [](TControl&) { throw EAbort(); };
  log.clear();
  EXPECT_THROW(form->FocusControl(*outside), EAbort);
  EXPECT_EQ(form->ActiveControl(), a);
  EXPECT_EQ(log, (std::vector<std::string>{"exit:dbeA"}));
}

TEST_F(Focus, AnExitHandlerThatMovesTheFocusKeepsItWhereItPutIt) {
  form->FocusControl(*b);
  panel->OnExit = [this](TControl&) {
    a->SetFocus();
    throw EAbort();
  };
  EXPECT_THROW(form->FocusControl(*outside), EAbort);
  EXPECT_EQ(form->ActiveControl(), a);
}

TEST_F(Focus, HiddenDisabledOrUnfocusableControlsIgnoreFocusRequests) {
  form->FocusControl(*a);
  outside->SetVisible(false);
  EXPECT_FALSE(form->FocusControl(*outside));
  outside->SetVisible(true);
  inner->SetEnabled(false);
  EXPECT_FALSE(b->CanFocus());
  EXPECT_FALSE(form->FocusControl(*b));
  auto& label = form->Create<TLabel>("lblX", form);
  EXPECT_FALSE(form->FocusControl(label));
  EXPECT_EQ(form->ActiveControl(), a);
}

TEST_F(Focus, HidingTheFocusedControlMovesTheFocusToItsContainer) {
  form->FocusControl(*b);
  log.clear();
  b->SetVisible(false);
  EXPECT_EQ(form->ActiveControl(), inner);
  EXPECT_EQ(log, (std::vector<std::string>{"exit:dbeB"}));
}

TEST_F(Focus, ControlsOnAnInactivePageCannotTakeTheFocus) {
  auto& pages = form->Create<TPageControl>("pgc", form);
  auto& first = form->Create<TTabSheet>("tshFirst", &pages);
  auto& second = form->Create<TTabSheet>("tshSecond", &pages);
  auto& onSecond = form->Create<TDBEdit>("dbeOnSecond", &second);
  (void)first;
  EXPECT_FALSE(onSecond.CanFocus());
  pages.SetActivePage(second);
  EXPECT_TRUE(onSecond.CanFocus());
}

TEST_F(Focus, AFieldFocusRequestFocusesItsBoundControlWhenItCan) {
  Fill({"A1"});
  a->Bind(*dts, "NOME");
  form->FocusControl(*outside);
  cds->FieldByName("NOME").FocusControl();
  EXPECT_EQ(form->ActiveControl(), a);

  form->FocusControl(*outside);
  a->SetEnabled(false);
  cds->FieldByName("NOME").FocusControl();
  EXPECT_EQ(form->ActiveControl(), outside);
  cds->FieldByName("CODIGO").FocusControl();  // no control shows it
  EXPECT_EQ(form->ActiveControl(), outside);
}

TEST_F(Focus, TabMovesInTabOrderAcrossContainers) {
  a->SetTabOrder(0);
  inner->SetTabOrder(1);
  form->FocusControl(*a);
  ASSERT_TRUE(form->SelectNext());
  EXPECT_EQ(form->ActiveControl(), b);
  ASSERT_TRUE(form->SelectNext());
  EXPECT_EQ(form->ActiveControl(), outside);
  ASSERT_TRUE(form->SelectNext(false));
  EXPECT_EQ(form->ActiveControl(), b);
}

TEST_F(Focus, SpeedButtonsAndSearchButtonsLeaveTheActiveControlAlone) {
  auto& button = form->Create<TSpeedButton>("sbtIncluir", form);
  auto& search = form->Create<TBtnPesquisa>("btpBusca", form);
  int clicks = 0;
  button.OnClick = [&](TControl&) { ++clicks; };
  search.OnBeforePesq = [&](TControl&, bool& proceed) {
    ++clicks;
    proceed = false;
  };
  form->FocusControl(*b);
  log.clear();
  TUserActions user(*form);
  EXPECT_EQ(user.Click(button), ActionResult::Done);
  EXPECT_EQ(user.Click(search), ActionResult::Done);
  EXPECT_EQ(clicks, 2);
  EXPECT_EQ(form->ActiveControl(), b);
  EXPECT_TRUE(log.empty());
}

}  // namespace
