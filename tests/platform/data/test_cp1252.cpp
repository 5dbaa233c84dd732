#include <gtest/gtest.h>

#include "platform/data/cp1252.h"
#include "platform/data/errors.h"

using namespace plat;

TEST(Cp1252, CharCountCountsCodePoints) {
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_EQ(CharCount("ç"), 1u);
  EXPECT_EQ(CharCount("Ação"), 4u);
  EXPECT_EQ(CharCount("€→😀"), 3u);
}

TEST(Cp1252, MalformedUtf8IsRefused) {
  for (const char* bad : {"\xC3", "a\x80", "\xC0\xAF", "\xED\xA0\x80", "\xF4\x90\x80\x80", "\xFF"}) {
    EXPECT_THROW(CharCount(bad), EConvertError);
    EXPECT_THROW(FitsCp1252(bad), EConvertError);
  }
}

TEST(Cp1252, KnowsWhichCharactersTheCodePageHolds) {
  EXPECT_TRUE(FitsCp1252("€ Ação ÿ Ÿ œ ™ … \x7f"));
  EXPECT_FALSE(FitsCp1252("ő"));
  EXPECT_FALSE(FitsCp1252("→"));
  EXPECT_FALSE(FitsCp1252("\xC2\x81"));  // U+0081: byte 0x81 is undefined
  EXPECT_EQ(FirstNonCp1252("abc→dő"), "→");
  EXPECT_EQ(FirstNonCp1252("abc"), "");
}

TEST(Cp1252, ConvertsTheSpecialRangeBothWays) {
  EXPECT_EQ(ToCp1252("€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ"),
            "\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E\x91\x92\x93\x94\x95\x96\x97\x98\x99"
            "\x9A\x9B\x9C\x9E\x9F");
  EXPECT_EQ(ToCp1252("ação"), "a\xE7\xE3o");
  std::string all;
  for (int b = 1; b < 256; ++b) {
    if (b != 0x81 && b != 0x8D && b != 0x8F && b != 0x90 && b != 0x9D) all += static_cast<char>(b);
  }
  EXPECT_EQ(ToCp1252(FromCp1252(all)), all);
  EXPECT_EQ(CharCount(FromCp1252(all)), all.size());
}

TEST(Cp1252, ToCp1252NamesTheCharacterItCannotHold) {
  try {
    ToCp1252("seta →");
    FAIL();
  } catch (const EConvertError& e) {
    EXPECT_NE(std::string(e.what()).find("→"), std::string::npos);
  }
}

TEST(Cp1252, FromCp1252RefusesUndefinedBytes) {
  for (char b : {'\x81', '\x8D', '\x8F', '\x90', '\x9D'}) {
    EXPECT_THROW(FromCp1252(std::string("a") + b), EConvertError);
  }
}

TEST(Cp1252, CodePointsRoundTrip) {
  const std::string text = "Ação €😀";
  EXPECT_EQ(ToCodePoints(text), U"Ação €😀");
  EXPECT_EQ(FromCodePoints(ToCodePoints(text)), text);
  EXPECT_THROW(FromCodePoints(std::u32string(1, char32_t(0xD800))), EConvertError);
}
