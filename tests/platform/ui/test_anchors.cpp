// A container resized: each child keeps to the edges it is anchored to
// (both sides stretch it, the far side moves it, the near side leaves it),
// what it holds follows in turn, and pages always fill their page control.
#include <gtest/gtest.h>

#include <set>

#include "platform/ui/form.h"
#include "platform/ui/pages.h"

namespace plat::testing {
namespace {

struct Box {
  int left, top, width, height;
  friend bool operator==(const Box&, const Box&) = default;
};
Box Of(const TControl& c) { return {c.Left, c.Top, c.Width, c.Height}; }

TControl& Place(TControl& control, Box at, unsigned anchors) {
  control.Left = at.left, control.Top = at.top, control.Width = at.width, control.Height = at.height;
  control.Anchors = anchors;
  return control;
}

TEST(Anchors, ChildrenKeepToTheirEdgesAndWhatTheyHoldFollows) {
  TForm form{nullptr, "frmTeste"};
  form.Width = 500, form.Height = 400;
  TControl& toolbar = Place(form.Create<TPanel>("panMenu", &form), {0, 0, 500, 30}, akLeft | akTop | akRight);
  TControl& code = Place(form.Create<TLabel>("lblCodigo", &toolbar), {420, 8, 70, 16}, akTop | akRight);
  TControl& button = Place(form.Create<TPanel>("sbtIncluir", &toolbar), {4, 4, 25, 25}, akLeft | akTop);
  auto& pages =
      static_cast<TPageControl&>(Place(form.Create<TPageControl>("pgcPaginas", &form), {0, 30, 500, 340}, kAnchorAll));
  auto& page = form.Create<TTabSheet>("tshPagina", &pages);
  Place(page, {4, 24, 492, 312}, page.Anchors);
  TControl& grid = Place(form.Create<TPanel>("dbgLinhas", &page), {0, 0, 492, 270}, kAnchorAll);
  TControl& totals = Place(form.Create<TPanel>("panTotais", &page), {0, 270, 492, 42}, akLeft | akRight | akBottom);
  TControl& navigator =
      Place(form.Create<TPanel>("panNavegador", &form), {0, 370, 500, 30}, akLeft | akRight | akBottom);
  std::set<std::string> changed;
  for (TControl* c : {&toolbar, &code, &button, static_cast<TControl*>(&pages), static_cast<TControl*>(&page), &grid,
                      &totals, &navigator})
    c->OnChanged = [&](TControl& sender) { changed.insert(sender.Name()); };

  form.ResizeBy(200, 100);
  EXPECT_EQ(Of(form), (Box{0, 0, 700, 500}));
  EXPECT_EQ(Of(toolbar), (Box{0, 0, 700, 30})) << "widens";
  EXPECT_EQ(Of(code), (Box{620, 8, 70, 16})) << "keeps to the toolbar's right edge";
  EXPECT_EQ(Of(button), (Box{4, 4, 25, 25})) << "stays";
  EXPECT_EQ(Of(pages), (Box{0, 30, 700, 440}));
  EXPECT_EQ(Of(page), (Box{4, 24, 692, 412})) << "a page fills its page control";
  EXPECT_EQ(Of(grid), (Box{0, 0, 692, 370})) << "takes the page's growth";
  EXPECT_EQ(Of(totals), (Box{0, 370, 692, 42})) << "moves with the page's bottom edge";
  EXPECT_EQ(Of(navigator), (Box{0, 470, 700, 30}));
  EXPECT_EQ(changed, (std::set<std::string>{"panMenu", "lblCodigo", "pgcPaginas", "tshPagina", "dbgLinhas", "panTotais",
                                            "panNavegador"}))
      << "the button, left where it was, is not announced";

  form.ResizeBy(-200, -100);
  EXPECT_EQ(Of(code), (Box{420, 8, 70, 16}));
  EXPECT_EQ(Of(grid), (Box{0, 0, 492, 270})) << "back to the design";
  EXPECT_EQ(Of(totals), (Box{0, 270, 492, 42}));
}

}  // namespace
}  // namespace plat::testing
