#include <gtest/gtest.h>

#include <limits>

#include "platform/data/datetime.h"
#include "platform/data/errors.h"

using plat::DateParts;
using plat::DateTime;
using plat::EConvertError;

namespace {

DateTime At(int y, int mo, int d, int h, int mi, int s = 0, int ms = 0) {
  DateParts p;
  p.year = y, p.month = mo, p.day = d, p.hour = h, p.minute = mi, p.second = s, p.millisecond = ms;
  return DateTime::FromParts(p);
}

}  // namespace

TEST(DateTime, CountsDaysFromTheEpoch) {
  EXPECT_EQ(DateTime().ToIso(), "1899-12-30T00:00:00");
  EXPECT_EQ(DateTime::FromDate(2026, 12, 8).Days(), 46364.0);
  EXPECT_EQ(DateTime::FromDate(1, 1, 1).Days(), -693593.0);
  EXPECT_DOUBLE_EQ(At(2026, 12, 8, 18, 0).Days(), 46364.75);
  EXPECT_EQ((DateTime::FromDate(2026, 12, 8) + 30.0).ToIso(), "2027-01-07T00:00:00");
}

TEST(DateTime, IsoTextShowsMillisecondsOnlyWhenPresent) {
  EXPECT_EQ(At(2026, 12, 8, 14, 30).ToIso(), "2026-12-08T14:30:00");
  EXPECT_EQ(At(2026, 12, 8, 14, 30, 5, 250).ToIso(), "2026-12-08T14:30:05.250");
}

TEST(DateTime, IsoRoundTripIsExactToTheMillisecond) {
  for (const char* text : {"2026-12-08T14:30:05.250", "2026-12-08T23:59:59.999", "0001-01-01T00:00:00",
                           "9999-12-31T23:59:59.999", "1800-01-01T12:00:00", "1899-12-29T06:00:00.001"}) {
    EXPECT_EQ(DateTime::ParseIso(text).ToIso(), text);
  }
}

// What IsWrittenIso takes is written back as it is; what it leaves is not,
// or is not a date at all.
TEST(DateTime, AWrittenIsoTextReadsAndWritesBackAsItIs) {
  int checked = 0;
  for (int year : {1, 4, 100, 1899, 1900, 2000, 2024, 2026, 9999}) {
    for (int day = 0; day < 366; day += 7) {
      DateTime date = DateTime::FromDate(year, 1, 1) + double(day);
      if (year == 9999 && day > 360) continue;
      for (int second : {0, 1, 59, 3600, 43199, 86399}) {
        const std::string text = (date + second / 86400.0).ToIso();
        ASSERT_TRUE(DateTime::IsWrittenIso(text)) << text;
        EXPECT_EQ(DateTime::ParseIso(text).ToIso(), text);
        ++checked;
      }
    }
  }
  EXPECT_GT(checked, 2500);
  for (const char* text : {"2026-12-08", "2026-12-08T14:30:05.250", "2026-02-29T00:00:00", "2026-12-08T24:00:00",
                           "0000-01-01T00:00:00", "2026-12-08 14:30:05", "2026-12-08T14:30:5x", "2026-13-01T00:00:00"})
    EXPECT_FALSE(DateTime::IsWrittenIso(text)) << text;
}

TEST(DateTime, ParseIsoAcceptsAPlainDate) {
  EXPECT_EQ(DateTime::ParseIso("2026-12-08"), DateTime::FromDate(2026, 12, 8));
}

TEST(DateTime, ParseIsoRefusesMalformedOrImpossibleText) {
  for (const char* bad : {"", "2026-02-30", "2026-12-08T24:00:00", "2026-12-8", "2026-12-08 14:30:00",
                          "2026-12-08T14:30", "2026-12-08T14:30:00Z", "2026-12-08T14:30:00.5", "08/12/2026"}) {
    EXPECT_THROW(DateTime::ParseIso(bad), EConvertError) << bad;
  }
}

TEST(DateTime, DatesBeforeTheEpochKeepTheDateInTheIntegerPart) {
  EXPECT_EQ(At(1899, 12, 29, 6, 0).Days(), -1.25);
  const DateParts p = DateTime(-1.25).Parts();
  EXPECT_EQ(p.day, 29);
  EXPECT_EQ(p.hour, 6);
  EXPECT_EQ(DateTime(-1.25).DateOnly().Days(), -1.0);
  EXPECT_EQ(DateTime(-0.25).ToIso(), "1899-12-30T06:00:00");
}

TEST(DateTime, PartsRoundUpToTheNextDay) {
  EXPECT_EQ(DateTime(1.0 - 1e-10).ToIso(), "1899-12-31T00:00:00");
  EXPECT_EQ(DateTime(-1.0 - (1.0 - 1e-10)).ToIso(), "1899-12-30T00:00:00");
}

TEST(DateTime, FromPartsRefusesImpossibleValues) {
  EXPECT_THROW(DateTime::FromDate(2025, 2, 29), EConvertError);
  EXPECT_THROW(DateTime::FromDate(0, 1, 1), EConvertError);
  EXPECT_THROW(DateTime::FromDate(2026, 13, 1), EConvertError);
  EXPECT_THROW(At(2026, 1, 1, 12, 60), EConvertError);
  EXPECT_THROW(At(2026, 1, 1, 12, 0, 0, 1000), EConvertError);
}

TEST(DateTime, LeapYearsFollowTheGregorianRules) {
  EXPECT_TRUE(DateTime::IsValidDate(2024, 2, 29));
  EXPECT_TRUE(DateTime::IsValidDate(2000, 2, 29));
  EXPECT_FALSE(DateTime::IsValidDate(2100, 2, 29));
  EXPECT_FALSE(DateTime::IsValidDate(2026, 4, 31));
}

TEST(DateTime, PartsRefusesCountsOutsideTheCalendar) {
  EXPECT_THROW(DateTime(std::numeric_limits<double>::quiet_NaN()).Parts(), EConvertError);
  EXPECT_THROW(DateTime(1e9).ToIso(), EConvertError);
  EXPECT_THROW(DateTime(-693594.0).ToIso(), EConvertError);
}
