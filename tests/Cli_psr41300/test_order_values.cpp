// The order's values: the current line's products and the totals over all
// ordered lines, on lines loaded without their record rules.
#include "Cli_psr41300/test_header_fixture.h"
#include "platform/data/errors.h"

namespace screen_test {
namespace {

class OrderValues : public ConnectedScreen {
 protected:
  OrderValues() {
    lines.AfterScroll = [this](plat::TDataSet&) { ++scrolls; };
    lines.AfterPost = nullptr;
    lines.BeforePost = nullptr;
  }
  void Load(std::vector<std::pair<double, double>> quantityAndValue) {
    lines.CreateDataSet();
    for (auto [quantity, value] : quantityAndValue) {
      lines.Append();
      lines.FieldByName("QTLINPPEDP").SetAsFloat(quantity);
      lines.FieldByName("VALOR_LU").SetAsFloat(value);
      lines.FieldByName("VALOR_MENSAL").SetAsFloat(value / 10);
      lines.Post();
    }
    scrolls = 0;
  }

  plat::TClientDataSet& lines = *screen.cdsPedidosLinhaProd;
  int scrolls = 0;
};

TEST_F(OrderValues, TheTotalsAddEveryLineAndLeaveTheLastOneCurrent) {
  Load({{3, 10.5}, {1, 100}, {2, 0.1}});
  lines.First();
  screen.Calcula_Valores();
  EXPECT_DOUBLE_EQ(screen.edtSomaTotalLu->Value(), 131.7);
  EXPECT_EQ(screen.edtSomaTotalLu->Text(), "131.70");
  EXPECT_EQ(screen.edtSomaTotalMensal->Text(), "13.17");
  EXPECT_EQ(lines.RecNo(), 3);
  EXPECT_GE(scrolls, 4);  // each pass walks the lines with the cursor
  EXPECT_FALSE(lines.ControlsDisabled());
}

TEST_F(OrderValues, ThousandsShowWithSeparatorsAndTheEditKeepsTheUnroundedSum) {
  Load({{2, 1234.5}, {1, 0.004}});
  screen.Calcula_Valores();
  EXPECT_EQ(screen.edtSomaTotalLu->Text(), "2,469.00");
  EXPECT_DOUBLE_EQ(screen.edtSomaTotalLu->Value(), 2469.004);
  lines.First();
  screen.MostraValoresLinha();
  EXPECT_EQ(screen.edtValor_LU->Text(), "2,469.00");
  EXPECT_EQ(screen.edtValor_Mensal->Text(), "246.90");
}

TEST_F(OrderValues, NoLinesGiveZeroAndEmptyValuesCountAsZero) {
  screen.edtSomaTotalLu->SetValue(55);
  screen.Calcula_Valores();  // the list is not loaded
  EXPECT_EQ(screen.edtSomaTotalLu->Text(), "0.00");
  screen.MostraValoresLinha();
  EXPECT_EQ(screen.edtValor_LU->Text(), "0.00");

  Load({});
  screen.edtSomaTotalMensal->SetValue(55);
  screen.Calcula_Valores();
  EXPECT_EQ(screen.edtSomaTotalMensal->Text(), "0.00");

  Load({{4, 10}});
  lines.Edit();
  lines.FieldByName("VALOR_LU").Clear();
  lines.Post();
  screen.MostraValoresLinha();
  EXPECT_EQ(screen.edtValor_LU->Text(), "0.00");
}

// A walk that cannot start (a line being typed whose post is refused) gives
// the bound controls back and lets the failure go on.
TEST_F(OrderValues, AFailedWalkResumesTheBoundControls) {
  Load({{1, 10}, {1, 20}});
  lines.BeforePost = [](plat::TDataSet&) { throw plat::EAbort(); };
  lines.Edit();
  lines.FieldByName("QTLINPPEDP").SetAsFloat(5);
  EXPECT_THROW(screen.Calcula_Valores(), plat::EAbort);
  EXPECT_FALSE(lines.ControlsDisabled());
  EXPECT_EQ(lines.State(), plat::DataSetState::Edit);
}

}  // namespace
}  // namespace screen_test
