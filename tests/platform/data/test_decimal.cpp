#include <gtest/gtest.h>

#include <cstdint>
#include <limits>

#include "platform/data/decimal.h"
#include "platform/data/errors.h"

using plat::Decimal;
using plat::EConvertError;

TEST(Decimal, ParseKeepsFractionDigitsAndDropsLeadingZeros) {
  EXPECT_EQ(Decimal::Parse("10.50").ToString(), "10.50");
  EXPECT_EQ(Decimal::Parse("007.5").ToString(), "7.5");
  EXPECT_EQ(Decimal::Parse("+3").ToString(), "3");
  EXPECT_EQ(Decimal::Parse("-0.250").ToString(), "-0.250");
  EXPECT_EQ(Decimal::Parse("10.50").Scale(), 2);
}

TEST(Decimal, NegativeZeroPrintsWithoutSign) {
  const Decimal zero = Decimal::Parse("-0.00");
  EXPECT_EQ(zero.ToString(), "0.00");
  EXPECT_FALSE(zero.IsNegative());
  EXPECT_TRUE(zero.IsZero());
}

TEST(Decimal, ParseRefusesMalformedTextNamingIt) {
  for (const char* bad : {"", "-", "abc", "1.", ".5", "1.2.3", "1e5", "--1", " 1", "1,5"}) {
    EXPECT_THROW(Decimal::Parse(bad), EConvertError) << bad;
  }
  try {
    Decimal::Parse("12x");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("'12x'"), std::string::npos);
  }
}

TEST(Decimal, AcceptsThirtyEightSignificantDigitsButNotMore) {
  EXPECT_NO_THROW(Decimal::Parse("0000" + std::string(38, '9')));
  EXPECT_NO_THROW(Decimal::Parse("0.000" + std::string(38, '1')));
  EXPECT_THROW(Decimal::Parse(std::string(39, '9')), EConvertError);
}

TEST(Decimal, ComparesByNumericValue) {
  EXPECT_EQ(Decimal::Parse("10.5"), Decimal::Parse("10.50"));
  EXPECT_EQ(Decimal::Parse("-0"), Decimal());
  EXPECT_FALSE(Decimal::Parse("10.5") == Decimal::Parse("-10.5"));
  EXPECT_LT(Decimal::Parse("1"), Decimal::Parse("1.01"));
  EXPECT_LT(Decimal::Parse("-2"), Decimal::Parse("-1.99"));
  EXPECT_LT(Decimal::Parse("-0.5"), Decimal());
  EXPECT_LT(Decimal::Parse("9.99"), Decimal::Parse("10"));
  EXPECT_FALSE(Decimal::Parse("2.0") < Decimal::Parse("2"));
}

TEST(Decimal, FromDoubleUsesShortestRoundTripText) {
  EXPECT_EQ(Decimal::FromDouble(0.1).ToString(), "0.1");
  EXPECT_EQ(Decimal::FromDouble(0.1 + 0.2).ToString(), "0.30000000000000004");
  EXPECT_EQ(Decimal::FromDouble(3.0).ToString(), "3");
  EXPECT_EQ(Decimal::FromDouble(-131.5).ToString(), "-131.5");
  EXPECT_EQ(Decimal::FromDouble(1e-7).ToString(), "0.0000001");
  EXPECT_EQ(Decimal::FromDouble(0.1 + 0.2).ToDouble(), 0.1 + 0.2);
}

TEST(Decimal, FromDoubleRefusesNonFiniteAndHugeValues) {
  EXPECT_THROW(Decimal::FromDouble(std::numeric_limits<double>::quiet_NaN()), EConvertError);
  EXPECT_THROW(Decimal::FromDouble(std::numeric_limits<double>::infinity()), EConvertError);
  EXPECT_THROW(Decimal::FromDouble(1e40), EConvertError);
}

TEST(Decimal, ToCurrencyRoundsHalfAwayFromZero) {
  EXPECT_EQ(Decimal::Parse("1.23455").ToCurrency(), 12346);
  EXPECT_EQ(Decimal::Parse("-1.23455").ToCurrency(), -12346);
  EXPECT_EQ(Decimal::Parse("1.234549").ToCurrency(), 12345);
  EXPECT_EQ(Decimal::Parse("10.5").ToCurrency(), 105000);
  EXPECT_EQ(Decimal::Parse("0.99995").ToCurrency(), 10000);
}

TEST(Decimal, ToCurrencyRefusesValuesBeyondSixtyFourBits) {
  EXPECT_EQ(Decimal::Parse("922337203685477.5807").ToCurrency(), std::numeric_limits<int64_t>::max());
  EXPECT_EQ(Decimal::Parse("-922337203685477.5808").ToCurrency(), std::numeric_limits<int64_t>::min());
  EXPECT_THROW(Decimal::Parse("922337203685477.5808").ToCurrency(), EConvertError);
  EXPECT_THROW(Decimal::Parse("922337203685477.58075").ToCurrency(), EConvertError);
}

TEST(Decimal, ToInt64RoundsHalfAwayFromZero) {
  EXPECT_EQ(Decimal::Parse("2.5").ToInt64(), 3);
  EXPECT_EQ(Decimal::Parse("-2.5").ToInt64(), -3);
  EXPECT_EQ(Decimal::Parse("2.49").ToInt64(), 2);
}
