// The record of remote calls: the text form of arguments, expected calls
// read from a scenario, matching with wildcards, and taking what is new.
#include <gtest/gtest.h>

#include "host/scripted/call_log.h"
#include "host/scripted/scenario_tokens.h"

using namespace hostapp;
using plat::RpcArg;
using plat::Variant;

namespace {

TEST(CallLog, ArgumentsInTheirScenarioForm) {
  EXPECT_EQ(ArgumentText(RpcArg("0001")), "\"0001\"");
  EXPECT_EQ(ArgumentText(RpcArg("a \"q\"")), "\"a \\\"q\\\"\"");
  EXPECT_EQ(ArgumentText(RpcArg(12.5)), "12.5");
  EXPECT_EQ(ArgumentText(RpcArg(3.0)), "3");
  EXPECT_EQ(ArgumentText(RpcArg(Variant())), "null");
  EXPECT_EQ(ArgumentText(RpcArg(Variant(true))), "true");
  EXPECT_EQ(ArgumentText(RpcArg(Variant(plat::DateTime::FromDate(2026, 12, 8)))), "datetime(\"2026-12-08T00:00:00\")");
  plat::Delta delta;
  delta.changes.resize(2);
  EXPECT_EQ(ArgumentText(RpcArg(delta)), "delta(2)");
}

TEST(CallLog, ExpectedCallsAreReadInTheSameForm) {
  auto calls = ParseCalls("GetProposta(\"0001\", \"ADMIN\") PrxProposta()  GetUpDateValor(2.50, *, null, delta(1))");
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[0].method, "GetProposta");
  EXPECT_EQ(calls[0].args, (std::vector<std::string>{"\"0001\"", "\"ADMIN\""}));
  EXPECT_TRUE(calls[1].args.empty());
  EXPECT_EQ(calls[2].args, (std::vector<std::string>{"2.5", "*", "null", "delta(1)"}));
  EXPECT_EQ(CallText(calls[2].method, calls[2].args), "GetUpDateValor(2.5, *, null, delta(1))");
}

TEST(CallLog, BadCallsSayWhatWasExpectedWhere) {
  for (const char* bad :
       {"GetProposta", "GetProposta(\"a\"", "GetProposta(abc)", "(\"a\")", "X(delta(y))", "X(datetime(2026))"})
    EXPECT_THROW(ParseCalls(bad), SyntaxError) << bad;
  try {
    ParseCalls("GetProposta(\"0001\" \"ADMIN\")");
    FAIL();
  } catch (const SyntaxError& e) {
    EXPECT_STREQ(e.what(), "in a call, expected ',' at '\"ADMIN\")'");
  }
}

TEST(CallLog, MatchingIsByMethodAndEveryArgumentInOrder) {
  RecordedCall actual{"GetProposta", {"\"0001\"", "\"ADMIN\""}, ""};
  EXPECT_TRUE(CallMatches(ParseCalls("GetProposta(\"0001\", \"ADMIN\")")[0], actual));
  EXPECT_TRUE(CallMatches(ParseCalls("GetProposta(*, \"ADMIN\")")[0], actual));
  EXPECT_FALSE(CallMatches(ParseCalls("GetProposta(\"ADMIN\", \"0001\")")[0], actual));  // order matters
  EXPECT_FALSE(CallMatches(ParseCalls("GetProposta(\"0001\")")[0], actual));
  EXPECT_FALSE(CallMatches(ParseCalls("GetContato(\"0001\", \"ADMIN\")")[0], actual));
  EXPECT_FALSE(CallMatches(ParseCalls("GetProposta(1, \"ADMIN\")")[0], actual));  // a number is not the text "1"
}

TEST(CallLog, TakeGivesOnlyTheCallsSinceTheLastTake) {
  CallLog log;
  log.Record({1, "PSR41300.rdmSolicitaProposta", "GetProposta", {"0001", "ADMIN"}}, host::ServerResult::OfValue(1));
  log.Record({2, "PSR41300.rdmSolicitaProposta", "PrxProposta", {}}, host::ServerResult::OfFailure("Falhou"));
  auto first = log.Take();
  ASSERT_EQ(first.size(), 2u);
  EXPECT_EQ(first[1].error, "Falhou");
  EXPECT_TRUE(log.Take().empty());
  log.Record({3, "PSR41300.rdmSolicitaProposta", "PesqMsg", {}}, host::ServerResult::OfValue(1));
  auto second = log.Take();
  ASSERT_EQ(second.size(), 1u);
  EXPECT_EQ(second[0].method, "PesqMsg");
}

}  // namespace
