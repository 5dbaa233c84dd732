// Reading scenario files: steps with their lines, arguments checked against
// the step table, data lines, action endings, and every bad line reported
// with its line number and what is wrong.
#include <gtest/gtest.h>

#include <set>

#include "host/scripted/scenario.h"
#include "host/scripted/step_type.h"

using namespace hostapp;

namespace {

ParseResult Parse(const std::string& text) { return ParseScenario(text, "t.scn"); }

// The errors as "line: message" texts.
std::vector<std::string> Errors(const ParseResult& result) {
  std::vector<std::string> texts;
  for (auto& error : result.errors) texts.push_back(std::to_string(error.line) + ": " + error.message);
  return texts;
}

bool Contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

TEST(ScenarioParser, StepsKeepTheirLinesAndArguments) {
  auto result = Parse("# lifecycle\n\nopen\n  expect page pgcPadrao tshFolhaDados  # list first\nclick sbtFechar\n");
  ASSERT_TRUE(result.Ok()) << Errors(result)[0];
  const auto& steps = result.scenario.steps;
  ASSERT_EQ(steps.size(), 3u);
  EXPECT_EQ(steps[0].type->key, "open");
  EXPECT_EQ(steps[0].line, 3);
  EXPECT_EQ(steps[1].type->key, "expect page");
  EXPECT_EQ(steps[1].line, 4);
  EXPECT_EQ(steps[1].Arg(0), "pgcPadrao");
  EXPECT_EQ(steps[1].Arg(1), "tshFolhaDados");
  EXPECT_EQ(steps[2].Where(), "t.scn:5");
}

TEST(ScenarioParser, AContinuedLineIsOneStepAtItsFirstLine) {
  auto result = Parse("open\nsql INSERT INTO T (A, B) \\\n    VALUES ('x', 'y')\nexpect count cdsProposta 2\n");
  ASSERT_TRUE(result.Ok()) << Errors(result)[0];
  ASSERT_EQ(result.scenario.steps.size(), 3u);
  EXPECT_EQ(result.scenario.steps[1].line, 2);
  EXPECT_EQ(result.scenario.steps[1].tail, "INSERT INTO T (A, B)  VALUES ('x', 'y')");
  EXPECT_EQ(result.scenario.steps[2].line, 4);
}

TEST(ScenarioParser, RawTextKeepsQuotesAndHashes) {
  auto result = Parse("sql UPDATE T SET A = 'a # b' WHERE B = \"c\"\n");
  ASSERT_TRUE(result.Ok());
  EXPECT_EQ(result.scenario.steps[0].tail, "UPDATE T SET A = 'a # b' WHERE B = \"c\"");
}

TEST(ScenarioParser, UnknownStepsAndExpectationsAreNamed) {
  auto errors = Errors(Parse("open\npress sbtIncluir\nexpect colour dbeEmail red\nexpect\n"));
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_EQ(errors[0], "2: unknown step 'press'");
  EXPECT_TRUE(Contains(errors[1], "3: unknown expectation 'colour'")) << errors[1];
  EXPECT_TRUE(Contains(errors[1], "enabled")) << errors[1];  // lists the known ones
  EXPECT_TRUE(Contains(errors[2], "4: expect what?")) << errors[2];
}

TEST(ScenarioParser, ArgumentsAreCheckedAgainstThePatternWithTheUsage) {
  auto errors =
      Errors(Parse("click\n"
                   "expect count cdsProposta three\n"
                   "expect state cdsProposta editing\n"
                   "focus dbeEmail extra\n"
                   "expect field NRPROPOSFAS \"1\"\n"
                   "server-date 2024-13-45\n"
                   "select dbgPadrao 0\n"));
  ASSERT_EQ(errors.size(), 7u);
  EXPECT_EQ(errors[0], "1: missing CONTROL (usage: click CONTROL [-> done|aborted|failed|refused])");
  EXPECT_TRUE(Contains(errors[1], "2: COUNT must be a whole number, not \"three\"")) << errors[1];
  EXPECT_TRUE(Contains(errors[2], "must be inactive or browse or edit or insert, not \"editing\"")) << errors[2];
  EXPECT_TRUE(Contains(errors[3], "4: unexpected \"extra\"")) << errors[3];
  EXPECT_TRUE(Contains(errors[4], "5: DATASET.FIELD must be DATASET.FIELD")) << errors[4];
  EXPECT_TRUE(Contains(errors[5], "6: DATE must be a date")) << errors[5];
  EXPECT_TRUE(Contains(errors[6], "7: ROW must be a row number from 1")) << errors[6];
}

TEST(ScenarioParser, ContainsTextsOnlyWhereATextIsExpected) {
  EXPECT_TRUE(Parse("expect error ~\"refused\"\n").Ok());
  auto errors = Errors(Parse("type dbeEmail ~\"x\"\n"));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(Contains(errors[0], "only checks an expected text")) << errors[0];
}

TEST(ScenarioParser, ActionsTakeAnExpectedEnding) {
  auto result = Parse("click sbtAceite -> refused\nopen -> aborted\n");
  ASSERT_TRUE(result.Ok()) << Errors(result)[0];
  EXPECT_EQ(result.scenario.steps[0].outcome, plat::ActionResult::Refused);
  EXPECT_EQ(result.scenario.steps[0].args.size(), 1u);
  EXPECT_EQ(result.scenario.steps[1].outcome, plat::ActionResult::Aborted);
  auto errors = Errors(Parse("click sbtAceite -> maybe\nclick sbtAceite ->\nexpect focus none -> done\n"));
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_TRUE(Contains(errors[0], "1: unknown ending 'maybe'")) << errors[0];
  EXPECT_TRUE(Contains(errors[1], "2: '->' must be followed")) << errors[1];
  EXPECT_TRUE(Contains(errors[2], "3: 'expect focus' is not an action")) << errors[2];
}

TEST(ScenarioParser, DataLinesBelongToTheStepAboveThatTakesThem) {
  auto result = Parse("expect calls\n| GetProposta(\"0001\", \"ADMIN\")\n  | GetDadosContLinhaProd(*, \"1\")\nopen\n");
  ASSERT_TRUE(result.Ok()) << Errors(result)[0];
  const Step& calls = result.scenario.steps[0];
  ASSERT_EQ(calls.rows.size(), 2u);
  EXPECT_EQ(calls.rows[1].line, 3);
  auto errors = Errors(Parse("open\n| 1 | 2\n"));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(Contains(errors[0], "2: a '|' line must follow a step that takes rows")) << errors[0];
}

TEST(ScenarioParser, TheRowsOfABadStepAreNotReportedAgain) {
  auto errors = Errors(Parse("expect qery SELECT 1\n| 1\n| 2\n"));
  ASSERT_EQ(errors.size(), 1u);
  EXPECT_TRUE(Contains(errors[0], "1: unknown expectation 'qery'")) << errors[0];
}

TEST(ScenarioParser, CallsAreCheckedWhenTheFileIsRead) {
  auto errors =
      Errors(Parse("expect calls\n| GetProposta(\"0001\" \"ADMIN\")\nexpect calls none\n| X()\nexpect calls\n"));
  ASSERT_EQ(errors.size(), 3u);
  EXPECT_TRUE(Contains(errors[0], "1: line 2: in a call, expected ','")) << errors[0];
  EXPECT_TRUE(Contains(errors[1], "3: expect calls none takes no '|' lines")) << errors[1];
  EXPECT_TRUE(Contains(errors[2], "5: expect calls needs the calls")) << errors[2];
}

TEST(ScenarioParser, StepTypeificChecks) {
  auto errors =
      Errors(Parse("expect global boIdCriado 1\n"
                   "expect global inChecked yes\n"
                   "expect global boIdCreated true\n"
                   "pick 0\n"
                   "pick NRCONTATO\n"
                   "pick none extra\n"
                   "keypress dbgPadrao ab\n"));
  ASSERT_EQ(errors.size(), 7u);
  EXPECT_TRUE(Contains(errors[0], "1: boIdCriado is true or false")) << errors[0];
  EXPECT_TRUE(Contains(errors[1], "2: inChecked is a whole number")) << errors[1];
  EXPECT_TRUE(Contains(errors[2], "3: unknown global boIdCreated")) << errors[2];
  EXPECT_TRUE(Contains(errors[3], "4: search rows are numbered from 1")) << errors[3];
  EXPECT_TRUE(Contains(errors[4], "5: pick by a field needs the value")) << errors[4];
  EXPECT_TRUE(Contains(errors[5], "6: pick ROW and pick none take nothing more")) << errors[5];
  EXPECT_TRUE(Contains(errors[6], "7: keypress takes one character")) << errors[6];
  EXPECT_TRUE(Parse("keypress dbgPadrao \"ç\"\npick 2\npick NMSISTEMA \"Faturamento\"\n").Ok());
}

TEST(ScenarioParser, AFileThatCannotBeReadIsOneError) {
  auto result = ParseScenarioFile("/nonexistent/x.scn");
  ASSERT_EQ(result.errors.size(), 1u);
  EXPECT_EQ(result.errors[0].Text(), "/nonexistent/x.scn:0: cannot read the file");
}

TEST(ScenarioParser, EveryTableRowHasAUniqueKeyAndARunFunction) {
  std::set<std::string_view> keys;
  for (const StepType& type : AllSteps()) {
    EXPECT_TRUE(keys.insert(type.key).second) << type.key;
    EXPECT_NE(type.run, nullptr) << type.key;
    EXPECT_FALSE(type.summary.empty()) << type.key;
  }
}

}  // namespace
