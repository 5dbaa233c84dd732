#include <gtest/gtest.h>

#include "platform/data/errors.h"
#include "platform/data/format.h"
#include "platform/data/variant.h"

using namespace plat;

TEST(Variant, ToTextOfNumbersIsShortestAndLocaleFree) {
  const FormatSettings saved = FormatSettings::Current();
  FormatSettings::Current().decimalSeparator = ',';
  EXPECT_EQ(Variant(10.5).ToText(), "10.5");
  FormatSettings::Current() = saved;
  EXPECT_EQ(Variant(3.0).ToText(), "3");
  EXPECT_EQ(Variant(0.1 + 0.2).ToText(), "0.30000000000000004");
  EXPECT_EQ(Variant(Decimal::Parse("10.50")).ToText(), "10.50");
  EXPECT_EQ(Variant(int64_t{-42}).ToText(), "-42");
}

TEST(Variant, ToTextOfDatesAndBooleansIsWhatUsersSee) {
  EXPECT_EQ(Variant(DateTime::ParseIso("2026-12-08T14:30:00")).ToText(), "08/12/2026 14:30:00");
  EXPECT_EQ(Variant(DateTime::FromDate(2026, 12, 8)).ToText(), "08/12/2026");
  EXPECT_EQ(Variant(true).ToText(), "True");
  EXPECT_EQ(Variant(false).ToText(), "False");
}

TEST(Variant, NullConvertsToEmptyValues) {
  const Variant null;
  EXPECT_EQ(null.ToText(), "");
  EXPECT_EQ(null.ToDouble(), 0.0);
  EXPECT_EQ(null.ToInt(), 0);
  EXPECT_FALSE(null.ToBool());
  EXPECT_TRUE(null.ToDecimal().IsZero());
  EXPECT_EQ(null.ToDateTime(), DateTime(0));
}

TEST(Variant, TextConvertsToNumbersByTheUserRules) {
  EXPECT_EQ(Variant("1,234.5").ToDouble(), 1234.5);
  EXPECT_EQ(Variant("1,234.50").ToDecimal().ToString(), "1234.50");
  EXPECT_EQ(Variant(" 42 ").ToInt(), 42);
  EXPECT_THROW(Variant("4.2").ToInt(), EConvertError);
  EXPECT_THROW(Variant("1e3").ToDecimal(), EConvertError);
  EXPECT_THROW(Variant("99999999999999999999").ToInt(), EConvertError);
  try {
    Variant("abc").ToDouble();
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("'abc'"), std::string::npos);
  }
}

TEST(Variant, TextConvertsToDatesInIsoOrUserForm) {
  EXPECT_EQ(Variant("2026-12-08T14:30:00").ToDateTime().ToIso(), "2026-12-08T14:30:00");
  EXPECT_EQ(Variant("08/12/2026 14:30:00").ToDateTime().ToIso(), "2026-12-08T14:30:00");
  EXPECT_THROW(Variant("31/02/2026").ToDateTime(), EConvertError);
}

TEST(Variant, TextConvertsToBooleans) {
  EXPECT_TRUE(Variant("True").ToBool());
  EXPECT_FALSE(Variant("FALSE").ToBool());
  EXPECT_TRUE(Variant("1").ToBool());
  EXPECT_FALSE(Variant("0").ToBool());
  EXPECT_THROW(Variant("yes").ToBool(), EConvertError);
}

TEST(Variant, FloatsConvertToIntegersRoundingHalfAwayFromZero) {
  EXPECT_EQ(Variant(2.5).ToInt(), 3);
  EXPECT_EQ(Variant(-2.5).ToInt(), -3);
  EXPECT_EQ(Variant(Decimal::Parse("-2.5")).ToInt(), -3);
  EXPECT_THROW(Variant(1e19).ToInt(), EConvertError);
}

TEST(Variant, ConversionsBetweenExactKinds) {
  EXPECT_EQ(Variant(0.1).ToDecimal().ToString(), "0.1");
  EXPECT_EQ(Variant(int64_t{7}).ToDecimal().ToString(), "7");
  EXPECT_EQ(Variant(DateTime(46364.5)).ToDouble(), 46364.5);
  EXPECT_EQ(Variant(DateTime(46364.5)).ToInt(), 46364);
  EXPECT_EQ(Variant(true).ToDouble(), 1.0);
}

TEST(Variant, RefusesMeaninglessConversions) {
  EXPECT_THROW(Variant(true).ToDateTime(), EConvertError);
  EXPECT_THROW(Variant(DateTime(1.0)).ToBool(), EConvertError);
}

// Texts up to 14 bytes are held in the value, longer ones and decimals on
// the heap shared by the copies: every copy, assignment and move keeps the
// content, whichever way it is held.
TEST(Variant, CopiesAndMovesKeepTextsAndDecimalsOfEverySize) {
  for (std::size_t size : {0u, 1u, 13u, 14u, 15u, 16u, 200u}) {
    const std::string text(size, 'a');
    Variant original(text);
    Variant copy = original;
    Variant assigned;
    assigned = copy;
    Variant moved = std::move(copy);
    EXPECT_TRUE(copy.IsNull()) << size;
    EXPECT_EQ(moved.Text(), text) << size;
    EXPECT_EQ(assigned, original) << size;
    original = Variant(1.5);  // the other holders of the heap text keep it
    EXPECT_EQ(assigned.Text(), text) << size;
    assigned = assigned;
    EXPECT_EQ(assigned.ToText(), text) << size;
  }
  Variant price(plat::Decimal::Parse("12345678901234567890.125"));
  Variant kept = price;
  price = Variant("x");
  EXPECT_EQ(kept.ToDecimal().ToString(), "12345678901234567890.125");
  EXPECT_EQ(sizeof(Variant), 16u);
}

TEST(Variant, EqualityComparesKindAndValue) {
  EXPECT_EQ(Variant(std::string(20, 'z')), Variant(std::string(20, 'z')));
  EXPECT_NE(Variant(std::string(20, 'z')), Variant(std::string(19, 'z')));
  EXPECT_NE(Variant("1"), Variant(1));
  EXPECT_NE(Variant(1), Variant(1.0));
  EXPECT_EQ(Variant(plat::DateTime(45000.5)), Variant(plat::DateTime(45000.5)));
  EXPECT_NE(Variant(plat::DateTime(45000.5)), Variant(45000.5));
  EXPECT_EQ(Variant(), Variant::Null());
  EXPECT_NE(Variant(false), Variant());
}
