#include <gtest/gtest.h>

#include "platform/data/errors.h"
#include "platform/data/format.h"

using namespace plat;

namespace {

// Restores the process-wide settings after a test changes them.
class WithSettings : public ::testing::Test {
 protected:
  void TearDown() override { FormatSettings::Current() = saved_; }
  void UseCommaDecimals() {
    FormatSettings::Current().thousandSeparator = '.';
    FormatSettings::Current().decimalSeparator = ',';
  }

 private:
  FormatSettings saved_ = FormatSettings::Current();
};

using FormatFloatTest = WithSettings;
using StrToFloatTest = WithSettings;
using DateTextTest = WithSettings;

const char* const kFax = "!\\(99\\)0000-0000;0; ";
const char* const kDateMask = "!99/99/0000;1; ";

}  // namespace

TEST_F(FormatFloatTest, GroupsThousandsWithTwoDecimals) {
  EXPECT_EQ(FormatFloat("#,##0.00", 1234.5 * 2), "2,469.00");
  EXPECT_EQ(FormatFloat("#,##0.00", 0.5), "0.50");
  EXPECT_EQ(FormatFloat("#,##0.00", -1234.567), "-1,234.57");
  EXPECT_EQ(FormatFloat("#,##0.00", 1234567.891), "1,234,567.89");
  EXPECT_EQ(FormatFloat("#,##0.00", 123), "123.00");
}

TEST_F(FormatFloatTest, RoundsTheDecimalTextHalfAwayFromZero) {
  EXPECT_EQ(FormatFloat("#,##0.00", 2.675), "2.68");
  EXPECT_EQ(FormatFloat("#,##0.00", 1.005), "1.01");
  EXPECT_EQ(FormatFloat("#,##0.00", -2.675), "-2.68");
  EXPECT_EQ(FormatFloat("#,##0.00", 999.995), "1,000.00");
  EXPECT_EQ(FormatFloat("0", 2.5), "3");
  EXPECT_EQ(FormatFloat("#,##0", 1234.5), "1,235");
}

TEST_F(FormatFloatTest, ZeroAfterRoundingHasNoSign) {
  EXPECT_EQ(FormatFloat("#,##0.00", -0.001), "0.00");
  EXPECT_EQ(FormatFloat("0", -0.4), "0");
}

TEST_F(FormatFloatTest, OtherPatterns) {
  EXPECT_EQ(FormatFloat("0.00", 1234.5), "1234.50");
  EXPECT_EQ(FormatFloat("0.##", 3), "3");
  EXPECT_EQ(FormatFloat("0.##", 3.14159), "3.14");
  EXPECT_EQ(FormatFloat("#.##", 0.5), ".5");
  EXPECT_EQ(FormatFloat("000", 7), "007");
  EXPECT_EQ(FormatFloat("'R$ '#,##0.00", 1234.5), "R$ 1,234.50");
  EXPECT_EQ(FormatFloat("0.00 \"kg\"", 2), "2.00 kg");
}

TEST_F(FormatFloatTest, EmptyPatternGivesShortestGeneralForm) {
  EXPECT_EQ(FormatFloat("", 10.5), "10.5");
  EXPECT_EQ(FormatFloat("", 3.0), "3");
  EXPECT_EQ(FormatFloat("", 0.1 + 0.2), "0.30000000000000004");
  UseCommaDecimals();
  EXPECT_EQ(FormatFloat("", 10.5), "10,5");
}

TEST_F(FormatFloatTest, SectionsForNegativeAndZeroValues) {
  const char* pattern = "#,##0.00;(#,##0.00);'zero'";
  EXPECT_EQ(FormatFloat(pattern, 1234.5), "1,234.50");
  EXPECT_EQ(FormatFloat(pattern, -1234.5), "(1,234.50)");
  EXPECT_EQ(FormatFloat(pattern, 0.001), "zero");
  EXPECT_EQ(FormatFloat("0.00;;'none'", -2), "-2.00");
}

TEST_F(FormatFloatTest, FollowsTheSeparatorSettings) {
  UseCommaDecimals();
  EXPECT_EQ(FormatFloat("#,##0.00", 1234567.5), "1.234.567,50");
}

TEST_F(StrToFloatTest, ReadsNumbersAsUsersTypeThem) {
  EXPECT_EQ(StrToFloat("1,234.5"), 1234.5);
  EXPECT_EQ(StrToFloat(" -10.5 "), -10.5);
  EXPECT_EQ(StrToFloat("+.5"), 0.5);
  EXPECT_EQ(StrToFloat("1,234,567"), 1234567.0);
  EXPECT_EQ(StrToFloat("1e-7"), 1e-7);
  EXPECT_EQ(StrToFloat("0.30000000000000004"), 0.1 + 0.2);
}

TEST_F(StrToFloatTest, RefusesMisplacedSeparatorsAndJunk) {
  for (const char* bad : {"", " ", "abc", "-", "1,23", "1234,5", "12,345,67", ",123", "1.2.3", "1e", "10 5"}) {
    EXPECT_THROW(StrToFloat(bad), EConvertError) << bad;
  }
  EXPECT_THROW(StrToFloat("1e999"), EConvertError);
}

TEST_F(StrToFloatTest, FollowsTheSeparatorSettings) {
  UseCommaDecimals();
  EXPECT_EQ(StrToFloat("1.234,5"), 1234.5);
  EXPECT_THROW(StrToFloat("10.5"), EConvertError);
  EXPECT_EQ(PlainNumberText("-1.234,50"), "-1234.50");
}

TEST(EditMaskTest, ParseSplitsTheThreeParts) {
  const EditMask fax = EditMask::Parse(kFax);
  EXPECT_EQ(fax.mask, "!\\(99\\)0000-0000");
  EXPECT_FALSE(fax.saveLiterals);
  EXPECT_EQ(fax.blank, U' ');
  const EditMask bare = EditMask::Parse("000-000");
  EXPECT_TRUE(bare.saveLiterals);
  EXPECT_EQ(bare.blank, U'_');
  EXPECT_EQ(EditMask::Parse("00\\;00;0;*").mask, "00\\;00");
}

TEST(EditMaskTest, FormatMaskTextInsertsLiterals) {
  EXPECT_EQ(FormatMaskText(kFax, "1132345678"), "(11)3234-5678");
  EXPECT_EQ(FormatMaskText("000\\.000\\.000\\-00;0; ", "12345678901"), "123.456.789-01");
  EXPECT_EQ(FormatMaskText("00\\.000\\.000\\/0000\\-00;0; ", "12345678000195"), "12.345.678/0001-95");
}

TEST(EditMaskTest, TypedCharactersMustFitTheClassOfTheirPosition) {
  EXPECT_TRUE(MaskAccepts(kFax, "(11)3234-5678"));
  EXPECT_TRUE(MaskAccepts(kFax, "(11)32  -    ")) << "blanks fit any position";
  EXPECT_FALSE(MaskAccepts(kFax, "(1x)3234-5678"));
  EXPECT_FALSE(MaskAccepts("99999999999999999999;0; ", "1a2"));
  EXPECT_TRUE(MaskAccepts("#999;0; ", "-123"));
  EXPECT_FALSE(MaskAccepts("LL00;0;_", "A1B2"));
  EXPECT_TRUE(MaskAccepts("LLAA;0;_", "Éa1b"));
  EXPECT_TRUE(MaskAccepts("CCCC;0;_", "a-1!"));
  EXPECT_TRUE(MaskAccepts("", "anything"));
}

TEST(EditMaskTest, TypedTextTakesTheCaseOfEachInputPosition) {
  EXPECT_EQ(ApplyMaskCase(">LL<LL;0; ", "abCDé"), "ABcdé") << "a fifth character has no position";
  EXPECT_EQ(ApplyMaskCase(">\\xLL;1; ", "xab"), "xAB") << "a literal keeps its case";
  EXPECT_EQ(ApplyMaskCase("", "ab"), "ab");
}

TEST(EditMaskTest, FormatMaskTextFillsMissingPositionsWithTheBlank) {
  EXPECT_EQ(FormatMaskText(kFax, "113234"), "(11)3234-    ");
  EXPECT_EQ(FormatMaskText("99999999999999999999;0; ", "123"), "123" + std::string(17, ' '));
  EXPECT_EQ(FormatMaskText("000-000", "12"), "12_-___");
  EXPECT_EQ(FormatMaskText("", "abc"), "abc");
}

TEST(EditMaskTest, FormatMaskTextLaysASavedValueOverTheMask) {
  EXPECT_EQ(FormatMaskText(kDateMask, "08/12/2026"), "08/12/2026");
  EXPECT_EQ(FormatMaskText(kDateMask, "08/12"), "08/12/    ");
}

TEST(EditMaskTest, CaseRulesApplyToInputPositions) {
  EXPECT_EQ(FormatMaskText(">LL<LL<>LL;0;_", "abCDéF"), "ABcdéF");
  EXPECT_EQ(FormatMaskText(">LL;0;_", "çé"), "ÇÉ");
}

TEST(EditMaskTest, MaskedTextToValueStripsLiteralsAndBlanks) {
  EXPECT_EQ(MaskedTextToValue(kFax, "(11)3234-5678"), "1132345678");
  EXPECT_EQ(MaskedTextToValue(kFax, "(11)3234-    "), "113234");
  EXPECT_EQ(MaskedTextToValue(kFax, "(  )    -    "), "");
  EXPECT_EQ(MaskedTextToValue("", " x "), " x ");
}

TEST(EditMaskTest, MaskedTextToValueKeepsSavedLiterals) {
  EXPECT_EQ(MaskedTextToValue(kDateMask, "08/12/2026"), "08/12/2026");
  EXPECT_EQ(MaskedTextToValue(kDateMask, "08/12/    "), "08/12/");
  EXPECT_EQ(MaskedTextToValue(kDateMask, "  /  /    "), "");
}

TEST(EditMaskTest, ValueSurvivesFormatAndBackForEveryMask) {
  const std::pair<const char*, const char*> cases[] = {
      {kFax, "1132345678"},
      {"000\\.000\\.000\\-00;0; ", "12345678901"},
      {"00\\.000\\.000\\/0000\\-00;0; ", "12345678000195"},
      {"99999999999999999999;0; ", "4711"},
      {kDateMask, "08/12/2026"},
  };
  for (const auto& [mask, value] : cases) {
    EXPECT_EQ(MaskedTextToValue(mask, FormatMaskText(mask, value)), value) << mask;
  }
}

TEST_F(DateTextTest, DateToStrUsesTheShortDateFormat) {
  EXPECT_EQ(DateToStr(DateTime::FromDate(2026, 12, 8)), "08/12/2026");
  FormatSettings::Current().shortDateFormat = "yyyy-mm-dd";
  EXPECT_EQ(DateToStr(DateTime::FromDate(2026, 12, 8)), "2026-12-08");
}

TEST_F(DateTextTest, DateTimeToStrAddsTheTimeUnlessMidnight) {
  EXPECT_EQ(DateTimeToStr(DateTime::FromDate(2026, 12, 8)), "08/12/2026");
  EXPECT_EQ(DateTimeToStr(DateTime::ParseIso("2026-12-08T14:30:05")), "08/12/2026 14:30:05");
}

TEST_F(DateTextTest, FormatDateTimeTokens) {
  const DateTime value = DateTime::ParseIso("2026-03-08T04:05:06.007");
  EXPECT_EQ(FormatDateTime("d/m/yy h:n:s.zzz", value), "8/3/26 4:5:6.007");
  EXPECT_EQ(FormatDateTime("hh:mm 'at' dd", value), "04:05 at 08");
  EXPECT_EQ(FormatDateTime("YYYY-MM-DD", value), "2026-03-08");
}

TEST_F(DateTextTest, StrToDateAcceptsShortFormsOfDayMonthAndYear) {
  EXPECT_EQ(StrToDate("08/12/2026"), DateTime::FromDate(2026, 12, 8));
  EXPECT_EQ(StrToDate(" 8/1/2026 "), DateTime::FromDate(2026, 1, 8));
  EXPECT_EQ(StrToDate("08/12/26"), DateTime::FromDate(2026, 12, 8));
  EXPECT_EQ(StrToDate("29/02/2024"), DateTime::FromDate(2024, 2, 29));
}

TEST_F(DateTextTest, StrToDateRefusesImpossibleOrMalformedDates) {
  for (const char* bad : {"31/02/2026", "29/02/2025", "32/01/2026", "00/01/2026", "08/13/2026", "2026-12-08",
                          "08/12/226", "08/12", "08/12/2026/1", "aa/bb/cccc", "", "08-12-2026", "008/12/2026"}) {
    DateTime out;
    EXPECT_FALSE(TryStrToDate(bad, out)) << bad;
    EXPECT_THROW(StrToDate(bad), EConvertError) << bad;
  }
}

TEST_F(DateTextTest, StrToDateFollowsTheFormatOrder) {
  FormatSettings::Current().shortDateFormat = "mm-dd-yyyy";
  EXPECT_EQ(StrToDate("12-08-2026"), DateTime::FromDate(2026, 12, 8));
  EXPECT_THROW(StrToDate("13-08-2026"), EConvertError);
}

TEST_F(DateTextTest, StrToDateTimeReadsWhatDateTimeToStrWrites) {
  const DateTime value = DateTime::ParseIso("2026-12-08T14:30:05");
  EXPECT_EQ(StrToDateTime(DateTimeToStr(value)), value);
  EXPECT_EQ(StrToDateTime("08/12/2026"), DateTime::FromDate(2026, 12, 8));
  EXPECT_EQ(StrToDateTime("8/12/2026 9:05").ToIso(), "2026-12-08T09:05:00");
  EXPECT_THROW(StrToDateTime("08/12/2026 24:00"), EConvertError);
  EXPECT_THROW(StrToDateTime("08/12/2026 12"), EConvertError);
}
