// Field checks on assignment, exact decimals and the texts a field shows.
#include "platform/data/dataset_fixture.h"

namespace plat::testing {
namespace {

class Fields : public ::testing::Test {
 protected:
  TComponent form{nullptr, "frm"};
  TClientDataSet& cds = form.Create<TClientDataSet>("cdsProposta");
  TField& name = cds.AddField("NMCLIENTE", FieldType::String, 5).SetDisplayLabel("Nome");
  TField& day = cds.AddField("DDFATURA", FieldType::Float).SetDisplayLabel("Dia Fat.").SetRange(1, 31);
  TField& rate = cds.AddField("VLTAXA", FieldType::Decimal, 32);
  TField& total = cds.AddField("VLTOTAL", FieldType::Float).SetDisplayFormat("#,##0.00");
  TField& phone = cds.AddField("NRTELEFONE", FieldType::String, 10).SetEditMask("!\\(99\\)0000-0000;0; ");

  void SetUp() override {
    cds.CreateDataSet();
    cds.Append();
  }
};

TEST_F(Fields, DeclaredFieldsAreNamedAfterTheDataSet) {
  EXPECT_EQ(name.Name(), "cdsPropostaNMCLIENTE");
  EXPECT_EQ(&form.Get<TField>("cdsPropostaDDFATURA"), &day);
}

TEST_F(Fields, TextLongerThanTheSizeIsRefusedCountingCharacters) {
  name.SetAsString("Ana");
  std::string message = ErrorOf([&] { name.SetAsString("Marcos"); });
  EXPECT_TRUE(Contains(message, "Nome"));
  EXPECT_EQ(name.AsString(), "Ana");
  name.SetAsString("çãéêõ");  // five characters in ten bytes
  EXPECT_EQ(name.AsString(), "çãéêõ");
}

TEST_F(Fields, TextOutsideWindows1252IsRefused) {
  name.SetAsString("€ ok");
  EXPECT_TRUE(Contains(ErrorOf([&] { name.SetAsString("ā"); }), "Nome"));
  EXPECT_THROW(name.SetAsString("✓"), EDatabaseError);
  EXPECT_EQ(name.AsString(), "€ ok");
}

TEST_F(Fields, RangeIsCheckedOnAssignmentBeforeBeforePost) {
  bool beforePost = false;
  cds.BeforePost = [&](TDataSet&) { beforePost = true; };
  day.SetAsFloat(31);
  std::string message = ErrorOf([&] { day.SetAsFloat(32); });
  EXPECT_TRUE(Contains(message, "Dia Fat."));
  EXPECT_THROW(day.SetAsString("0"), EDatabaseError);
  EXPECT_FALSE(beforePost);
  EXPECT_EQ(day.AsFloat(), 31.0);
  day.SetAsFloat(1);
  EXPECT_EQ(day.AsInteger(), 1);
}

TEST_F(Fields, TextThatIsNotANumberIsRefused) {
  day.SetAsFloat(5);
  EXPECT_THROW(day.SetAsString("dez"), EConvertError);
  EXPECT_EQ(day.AsFloat(), 5.0);
}

TEST_F(Fields, DecimalKeepsItsValueExactly) {
  rate.SetAsFloat(10.5);
  EXPECT_EQ(rate.AsDecimal(), Decimal::Parse("10.5"));
  EXPECT_EQ(rate.AsCurrency(), 10.5);
  EXPECT_EQ(rate.AsFloat(), 10.5);
  EXPECT_EQ(rate.AsString(), "10.5");
  rate.SetAsString("131.50");
  EXPECT_EQ(rate.AsString(), "131.50");
  rate.SetValue(Decimal::Parse("0.1"));
  cds.Post();
  EXPECT_EQ(cds.Data().rows[0][rate.Index()], Variant(Decimal::Parse("0.1")));
}

TEST_F(Fields, DisplayTextUsesTheDisplayFormat) {
  total.SetAsFloat(1234.5 * 2);
  EXPECT_EQ(total.DisplayText(), "2,469.00");
  EXPECT_EQ(total.Text(), "2469");
}

TEST_F(Fields, DisplayTextOfTextUsesTheEditMask) {
  phone.SetAsString("1132345678");
  EXPECT_EQ(phone.DisplayText(), "(11)3234-5678");
  EXPECT_EQ(phone.AsString(), "1132345678");
}

TEST_F(Fields, DisplayTextOfADateUsesTheDisplayFormat) {
  auto& other = form.Create<TClientDataSet>("cdsData");
  TField& date = other.AddField("DTVENCTO", FieldType::DateTime).SetDisplayFormat("dd/mm/yy");
  other.CreateDataSet();
  other.Append();
  date.SetAsDateTime(DateTime::FromDate(2026, 12, 8));
  EXPECT_EQ(date.DisplayText(), "08/12/26");
  EXPECT_EQ(date.Text(), "08/12/2026");
}

TEST_F(Fields, OnGetTextAndOnSetTextReplaceTheDefaultTexts) {
  name.OnGetText = [](TField& f, std::string& text, bool display) {
    text = f.AsString() == "A" ? (display ? "Ativo" : "A-ativo") : text;
  };
  name.OnSetText = [](TField& f, const std::string& text) { f.SetAsString(text.substr(0, 1)); };
  name.SetText("Ativo");
  EXPECT_EQ(name.AsString(), "A");
  EXPECT_EQ(name.DisplayText(), "Ativo");
  EXPECT_EQ(name.Text(), "A-ativo");
  total.OnGetText = [](TField&, std::string& text, bool) { text = "*" + text; };
  total.SetAsFloat(3);
  EXPECT_EQ(total.DisplayText(), "*3.00");
}

TEST_F(Fields, ClearMakesTheFieldNull) {
  day.SetAsFloat(10);
  EXPECT_FALSE(day.IsNull());
  day.Clear();
  EXPECT_TRUE(day.IsNull());
  EXPECT_EQ(day.AsString(), "");
  EXPECT_EQ(day.DisplayText(), "");
  day.SetAsString("");
  EXPECT_TRUE(day.IsNull());
}

}  // namespace
}  // namespace plat::testing
