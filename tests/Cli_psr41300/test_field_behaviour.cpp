// Declared field attributes at work: money formats on decimals, the billing
// day's range, the fax mask, calculated fields kept out of packets, and
// validation answers judged by emptiness alone.
#include <algorithm>
#include <string>
#include <vector>

#include "Cli_psr41300/unconnected_screen.h"
#include "platform/data/errors.h"

namespace screen_test {
namespace {

class FieldBehaviour : public UnconnectedScreen {
 protected:
  // Opens a data set empty and appends a record, with the screen's record
  // rules unhooked so that only the fields themselves are exercised.
  plat::TClientDataSet& NewRecordIn(plat::TClientDataSet& dataSet) {
    for (auto* event :
         {&dataSet.BeforeInsert, &dataSet.AfterInsert, &dataSet.BeforePost, &dataSet.AfterPost, &dataSet.AfterCancel,
          &dataSet.AfterDelete, &dataSet.AfterScroll, &dataSet.AfterOpen, &dataSet.OnNewRecord, &dataSet.OnCalcFields})
      *event = nullptr;
    for (plat::TDataSource* source : dataSet.DataSources()) source->OnStateChange = nullptr;
    dataSet.CreateDataSet();
    dataSet.Append();
    return dataSet;
  }
};

TEST_F(FieldBehaviour, DecimalTotalsShowThousandsAndTwoDecimals) {
  auto& lines = NewRecordIn(*screen.cdsDadosContLinhaProd);
  lines.FieldByName("VALORTOTALLU").SetAsString("1234.5");
  EXPECT_EQ(lines.FieldByName("VALORTOTALLU").DisplayText(), "1,234.50");
  lines.FieldByName("VALORTOTALMENSAL").SetAsString("7");
  EXPECT_EQ(lines.FieldByName("VALORTOTALMENSAL").DisplayText(), "7.00");
}

TEST_F(FieldBehaviour, BillingDayAcceptsOnlyDaysOfTheMonth) {
  auto& lines = NewRecordIn(*screen.cdsDadosContLinhaProd);
  plat::TField& day = lines.FieldByName("DIFAMENLINPP");
  EXPECT_THROW(day.SetAsFloat(0), plat::EError);
  EXPECT_THROW(day.SetAsFloat(32), plat::EError);
  day.SetAsFloat(1);
  day.SetAsFloat(31);
  EXPECT_EQ(day.AsFloat(), 31);
}

TEST_F(FieldBehaviour, FaxIsShownThroughItsMask) {
  auto& proposals = NewRecordIn(*screen.cdsProposta);
  proposals.FieldByName("NRFAXPROPFAS").SetAsString("1133334444");
  EXPECT_EQ(proposals.FieldByName("NRFAXPROPFAS").DisplayText(), "(11)3333-4444");
}

TEST_F(FieldBehaviour, CalculatedProposalNameNeverTravelsInPackets) {
  auto& proposals = NewRecordIn(*screen.cdsProposta);
  std::vector<std::string> columns;
  for (const plat::FieldDef& def : proposals.Data().fields) columns.push_back(def.name);
  EXPECT_EQ(columns.size(), 26u);
  EXPECT_EQ(std::find(columns.begin(), columns.end(), "PROPOSTA"), columns.end());
  EXPECT_TRUE(proposals.FieldByName("PROPOSTA").Calculated());
}

TEST_F(FieldBehaviour, ValidationAnswerWithoutRowsCountsAsEmpty) {
  plat::DataPacket none{{{"NRPROPOSFAS", plat::FieldType::String, 20}}, {}};
  screen.cdsValidaProposta->SetData(none);
  EXPECT_TRUE(screen.cdsValidaProposta->Active());
  EXPECT_TRUE(screen.cdsValidaProposta->IsEmpty());

  plat::DataPacket one{{{"ANY_COLUMN", plat::FieldType::String, 5}}, {{plat::Variant("x")}}};
  screen.cdsValidaProposta->SetData(one);
  EXPECT_FALSE(screen.cdsValidaProposta->IsEmpty());
}

}  // namespace
}  // namespace screen_test
