// The list's drawing read back from the grid's recorded canvas: every cell
// of an accepted proposal in grey text, the current row included, painted by
// the screen after the grid's default (fill, then text inset and clipped).
#include "Cli_psr41300/test_commands_fixture.h"

namespace screen_test {
namespace {

class ListDrawing : public CommandScreen {};

TEST_F(ListDrawing, AcceptedRowIsGreyInEveryCellOthersKeepTheGridColours) {
  FillProposals();  // the accepted proposal is the current row
  screen.dbgPadrao->Paint();
  const auto& ops = screen.dbgPadrao->Canvas.Ops();
  ASSERT_EQ(ops.size(), 2u * 11 * 4);  // two rows of eleven shown columns, four operations a cell
  for (std::size_t i = 0; i < ops.size(); i += 4) {
    const plat::TDrawOp& fill = ops[i + 2];  // the screen's, after the grid's own two
    const plat::TDrawOp& text = ops[i + 3];
    bool first = fill.rect.top == 0;
    ASSERT_EQ(fill.kind, plat::TDrawOp::FillRect);
    ASSERT_EQ(text.kind, plat::TDrawOp::TextRect);
    bool currentCell = first && fill.rect.left == 0;
    EXPECT_EQ(fill.brushColor, currentCell ? plat::clr::Highlight : first ? plat::clr::CurrentRow : plat::clr::Window);
    EXPECT_EQ(text.fontColor, first ? plat::clr::GrayText : plat::clr::WindowText);
    EXPECT_EQ(text.rect, fill.rect);
    EXPECT_EQ(text.x, fill.rect.left + 2);
    EXPECT_EQ(text.y, fill.rect.top + 2);
  }
  EXPECT_EQ(ops[3].text, "100");
  EXPECT_EQ(ops[44 + 4 * 4 + 3].text, "");  // 101 has no acceptance date: the cell is still filled
}

}  // namespace
}  // namespace screen_test
