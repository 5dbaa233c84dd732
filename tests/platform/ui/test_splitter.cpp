// The splitter bar between stacked controls: what a drag moves, what it
// resizes, and where it stops.
#include <gtest/gtest.h>

#include "platform/ui/form.h"
#include "platform/ui/splitter.h"

namespace plat::testing {
namespace {

struct Box {
  int top, height;
  friend bool operator==(const Box&, const Box&) = default;
};
Box Of(const TControl& c) { return {c.Top, c.Height}; }

// A lines grid with its totals panel under it, the bar, and a panel holding
// a systems grid that fills it, as on the contract page.
class Splitter : public ::testing::Test {
 protected:
  TForm form{nullptr, "frmTeste"};
  TControl& page = Place(form.Create<TControl>("tshPagina", &form), 0, 0, 300);
  TControl& lines = Place(form.Create<TControl>("grdLinhas", &page), 0, 0, 140);
  TControl& totals = Place(form.Create<TControl>("panTotais", &page), 0, 140, 44);
  TSplitter& bar = Place(form.Create<TSplitter>("splLinhas", &page), 0, 184, 3);
  TControl& lower = Place(form.Create<TControl>("panInferior", &page), 0, 187, 113);
  TControl& systems = Place(form.Create<TControl>("grdSistemas", &lower), 4, 4, 105);
  TControl& caption = Place(form.Create<TControl>("lblSistemas", &lower), 4, 0, 13);
  int changes = 0;

  template <class C>
  static C& Place(C& control, int left, int top, int height) {
    control.Left = left;
    control.Top = top;
    control.Width = 400;
    control.Height = height;
    return control;
  }
  void SetUp() override {
    for (TControl* c : {&lines, &totals, &lower, &systems}) c->OnChanged = [this](TControl&) { ++changes; };
  }
};

TEST_F(Splitter, ADragGivesTheLargestAboveWhatItTakesFromTheLargestBelow) {
  EXPECT_EQ(bar.UserDrag(20), 20);
  EXPECT_EQ(Of(lines), (Box{0, 160}));
  EXPECT_EQ(Of(totals), (Box{160, 44}));  // between the grid and the bar: moves
  EXPECT_EQ(Of(bar), (Box{204, 3}));
  EXPECT_EQ(Of(lower), (Box{207, 93}));
  EXPECT_EQ(Of(systems), (Box{4, 85}));  // fills the panel still
  EXPECT_EQ(Of(caption), (Box{0, 13}));  // at the panel's top: untouched
  EXPECT_GE(changes, 4);
  EXPECT_EQ(bar.UserDrag(-50), -50);
  EXPECT_EQ(Of(lines), (Box{0, 110}));
  EXPECT_EQ(Of(lower), (Box{157, 143}));
}

TEST_F(Splitter, StopsShortOfTheLeastSizeOnEitherSide) {
  EXPECT_EQ(bar.UserDrag(500), 113 - bar.MinSize);
  EXPECT_EQ(lower.Height, bar.MinSize);
  EXPECT_EQ(bar.UserDrag(-1000), -(lines.Height - bar.MinSize));
  EXPECT_EQ(lines.Height, bar.MinSize);
  EXPECT_EQ(bar.UserDrag(-1), 0);
}

TEST_F(Splitter, ABarWithNothingOnOneSideDoesNotMove) {
  lower.SetVisible(false);
  EXPECT_EQ(bar.UserDrag(10), 0);
  EXPECT_EQ(Of(lines), (Box{0, 140}));
}

}  // namespace
}  // namespace plat::testing
