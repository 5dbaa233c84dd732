// Words of a scenario line: quoting, escapes, "contains" texts, comments,
// and the cells of a data line.
#include <gtest/gtest.h>

#include "host/scripted/scenario_tokens.h"

using namespace hostapp;

namespace {

std::vector<std::string> Texts(const std::vector<Token>& tokens) {
  std::vector<std::string> texts;
  for (auto& token : tokens) texts.push_back(token.text);
  return texts;
}

TEST(ScenarioTokens, WordsAndQuotedTextsWithEscapes) {
  auto tokens = Tokenize("type  dbeEmail \"a \\\"b\\\" c\\r\\n\"");
  EXPECT_EQ(Texts(tokens), (std::vector<std::string>{"type", "dbeEmail", "a \"b\" c\r\n"}));
  EXPECT_FALSE(tokens[1].quoted);
  EXPECT_TRUE(tokens[2].quoted);
}

TEST(ScenarioTokens, AnUnquotedHashStartsAComment) {
  EXPECT_EQ(Texts(Tokenize("open # first open")), std::vector<std::string>{"open"});
  EXPECT_EQ(Texts(Tokenize("expect text lbl \"# not a comment\"")),
            (std::vector<std::string>{"expect", "text", "lbl", "# not a comment"}));
}

TEST(ScenarioTokens, TildeQuoteAsksForContainment) {
  auto tokens = Tokenize("expect error ~\"refused\"");
  ASSERT_EQ(tokens.size(), 3u);
  EXPECT_TRUE(tokens[2].contains);
  EXPECT_TRUE(tokens[2].Matches("Connection refused (GetProposta)"));
  EXPECT_FALSE(tokens[2].Matches("Timeout"));
  Token exact{"refused", true, false};
  EXPECT_FALSE(exact.Matches("Connection refused"));
  EXPECT_TRUE(exact.Matches("refused"));
}

TEST(ScenarioTokens, BadQuotingIsASyntaxErrorSayingWhy) {
  EXPECT_THROW(Tokenize("type x \"open"), SyntaxError);
  try {
    Tokenize("type x \"bad \\q\"");
    FAIL();
  } catch (const SyntaxError& e) {
    EXPECT_NE(std::string(e.what()).find("\\q"), std::string::npos);
  }
  EXPECT_THROW(Tokenize("type x ab\"c\""), SyntaxError);
  EXPECT_THROW(Tokenize("type x \"a\"b"), SyntaxError);
}

TEST(ScenarioTokens, CellsAreTrimmedAndAClosingBarIsOptional) {
  EXPECT_EQ(Texts(SplitCells(" 0001 | 3 |")), (std::vector<std::string>{"0001", "3"}));
  EXPECT_EQ(Texts(SplitCells(" 0001 | 3")), (std::vector<std::string>{"0001", "3"}));
  auto cells = SplitCells(" \"a | b\" |  | null");
  EXPECT_EQ(Texts(cells), (std::vector<std::string>{"a | b", "", "null"}));
  EXPECT_TRUE(cells[0].quoted);
  EXPECT_FALSE(cells[2].quoted);
}

TEST(ScenarioTokens, QuoteWritesWhatTokenizeReads) {
  std::string text = "Linha \"1\"\\\r\n";
  EXPECT_EQ(Tokenize("x " + Quote(text))[1].text, text);
}

}  // namespace
