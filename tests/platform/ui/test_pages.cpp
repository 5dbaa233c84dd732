// Page controls: user versus program changes, hidden tabs, and the focus on
// the page being left.
#include "platform/data/errors.h"
#include "platform/ui/dbedit.h"
#include "platform/ui/pages.h"
#include "platform/ui/user_actions.h"
#include "ui_fixture.h"

using namespace plat;

namespace {

class Pages : public uitest::FormTest {
 protected:
  Pages() {
    pages = &form->Create<TPageControl>("pgcPages", form);
    list = &form->Create<TTabSheet>("tshList", pages);
    detail = &form->Create<TTabSheet>("tshDetail", pages);
    hidden = &form->Create<TTabSheet>("tshHidden", pages);
    hidden->SetTabVisible(false);
    onList = &form->Create<TDBEdit>("dbeOnList", list);
    onDetail = &form->Create<TDBEdit>("dbeOnDetail", detail);
    pages->OnChange = [this](TControl &) { ++changes; };
  }
  TPageControl *pages;
  TTabSheet *list, *detail, *hidden;
  TDBEdit *onList, *onDetail;
  int changes = 0;
};

TEST_F(Pages, ChangeEventRunsForTheUserNotForAProgram) {
  pages->SetActivePage(detail);
  EXPECT_EQ(pages->ActivePage(), detail);
  EXPECT_EQ(changes, 0);
  EXPECT_TRUE(pages->UserSelect(*list));
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(pages->UserSelect(*list));  // already there
  EXPECT_EQ(changes, 1);
}

TEST_F(Pages, AHiddenTabCannotBeClickedButCanBeActivatedByProgram) {
  TUserActions user(*form);
  EXPECT_EQ(user.SelectTab(*pages, *hidden), ActionResult::Refused);
  EXPECT_EQ(pages->ActivePage(), list);
  pages->SetActivePage(hidden);
  EXPECT_EQ(pages->ActivePage(), hidden);
  EXPECT_FALSE(hidden->TabVisible());
}

TEST_F(Pages, LeavingThePageWithTheFocusRunsItsExitsAndFocusesTheNewPage) {
  Trace(*onList);
  form->FocusControl(*onList);
  log.clear();
  pages->SetActivePage(detail);
  EXPECT_EQ(log, (std::vector<std::string>{"exit:dbeOnList"}));
  EXPECT_EQ(form->ActiveControl(), detail);
  EXPECT_FALSE(onList->CanFocus());
  EXPECT_TRUE(onDetail->CanFocus());
}

TEST_F(Pages, AnExitVetoKeepsTheOldPage) {
  onList->OnExit = [](TControl &) { throw EAbort(); };
  form->FocusControl(*onList);
  EXPECT_THROW(pages->UserSelect(*detail), EAbort);
  EXPECT_EQ(pages->ActivePage(), list);
  EXPECT_EQ(changes, 0);
  EXPECT_EQ(form->ActiveControl(), onList);
}

}  // namespace
