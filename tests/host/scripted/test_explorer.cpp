// The explorer's parts that need no server: its size argument, the
// shortening of a failing run, the steps it draws on a hand-made screen,
// and the lenient, watched scenarios of `explore-checks on`.
#include <functional>
#include <set>

#include "host/scripted/explore_actions.h"
#include "host/scripted/explore_invariants.h"
#include "host/scripted/explorer.h"
#include "host/scripted/step_type.h"
#include "platform/data/format.h"
#include "scenario_fixture.h"

using namespace scenariotest;

namespace {

TEST(ExploreSize, TakesSeedsTimesStepsWithEitherSign) {
  int seeds = 0, steps = 0;
  EXPECT_TRUE(hostapp::ParseExploreSize("20x300", seeds, steps));
  EXPECT_EQ(seeds, 20);
  EXPECT_EQ(steps, 300);
  EXPECT_TRUE(
      hostapp::ParseExploreSize("3\xC3\x97"
                                "7",
                                seeds, steps));
  EXPECT_EQ(seeds, 3);
  EXPECT_EQ(steps, 7);
  for (const char* bad : {"x300", "20x", "0x5", "5x0", "20*300", "20x3a", "-1x5", "", "x"})
    EXPECT_FALSE(hostapp::ParseExploreSize(bad, seeds, steps)) << bad;
}

std::vector<std::string> Numbered(int count) {
  std::vector<std::string> items;
  for (int i = 0; i < count; ++i) items.push_back("s" + std::to_string(i));
  return items;
}

bool Holds(const std::vector<std::string>& items, const std::string& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

TEST(ShrinkSteps, KeepsOnlyTheStepsTheFailureNeedsInTheirOrder) {
  int calls = 0;
  auto fails = [&](std::vector<std::string>& items) {
    ++calls;
    // Fails when s3 comes before s40 and s17 is there too.
    auto three = std::find(items.begin(), items.end(), "s3");
    auto forty = std::find(items.begin(), items.end(), "s40");
    return three < forty && forty != items.end() && Holds(items, "s17");
  };
  std::vector<std::string> shortened = hostapp::ShrinkSteps(Numbered(60), fails, 500);
  EXPECT_EQ(shortened, (std::vector<std::string>{"s3", "s17", "s40"}));
  EXPECT_LT(calls, 120);
}

TEST(ShrinkSteps, StopsAtItsBudgetWithAFailingList) {
  int calls = 0;
  auto fails = [&](std::vector<std::string>& items) {
    ++calls;
    return Holds(items, "s0") && Holds(items, "s99");
  };
  std::vector<std::string> shortened = hostapp::ShrinkSteps(Numbered(100), fails, 5);
  EXPECT_EQ(calls, 5);
  EXPECT_TRUE(Holds(shortened, "s0") && Holds(shortened, "s99"));
  EXPECT_LT(shortened.size(), 100u);
}

TEST(ShrinkSteps, TakesTheCutACandidateWasGiven) {
  // The failure happens at s5; whatever follows it is cut by the check.
  auto fails = [](std::vector<std::string>& items) {
    auto at = std::find(items.begin(), items.end(), "s5");
    if (at == items.end() || !Holds(items, "s2")) return false;
    items.erase(at + 1, items.end());
    return true;
  };
  EXPECT_EQ(hostapp::ShrinkSteps(Numbered(30), fails, 200), (std::vector<std::string>{"s2", "s5"}));
}

TEST(CanonicalValue, ComparesWhatTheScreenAndTheServerHoldAlike) {
  using plat::Variant;
  EXPECT_EQ(hostapp::CanonicalValue(Variant()), hostapp::CanonicalValue(Variant("")));
  EXPECT_EQ(hostapp::CanonicalValue(Variant(100.0)), hostapp::CanonicalValue(Variant(plat::Decimal::Parse("100"))));
  EXPECT_NE(hostapp::CanonicalValue(Variant(100.0)), hostapp::CanonicalValue(Variant(100.5)));
  EXPECT_EQ(hostapp::CanonicalValue(Variant("Estoque  ")), "Estoque");
  EXPECT_EQ(hostapp::CanonicalValue(Variant(plat::DateTime::ParseIso("2027-01-15"))), "2027-01-15T00:00:00");
}

// Draws steps on a fresh hand-made screen and runs each, as the explorer
// does.
class ExploreActionsTest : public ScenarioTest {
 protected:
  std::vector<std::string> Draw(uint64_t seed, int count,
                                const std::function<void(const std::string&)>& drawn = nullptr) {
    // A fresh screen and fresh dialogs: nothing queued, nothing shown.
    if (auto* form = host::TApplication::Current().FindComponent("frmTeste"))
      host::TApplication::Current().Destroy(*form);
    fake.Screen();  // lets go of the screen destroyed
    fresh_.push_back(std::make_unique<hostapp::ScenarioDialogs>());
    plat::Dialogs::Install(fresh_.back().get());
    context.reset();  // before the next one hooks the screen's creation
    context = std::make_unique<hostapp::StepContext>(fake, *fresh_.back(), out);
    hostapp::ScenarioRunner runner(*context, report);
    auto run = [&](const std::string& line) {
      hostapp::ParseResult parsed = hostapp::ParseScenario(line, "x.scn");
      EXPECT_TRUE(parsed.Ok() && parsed.scenario.steps.size() == 1) << line;
      if (parsed.Ok() && !parsed.scenario.steps.empty()) runner.RunStep(parsed.scenario.steps[0]);
    };
    run("explore-checks on");
    run("open");
    hostapp::ExploreVocabulary words;
    words.systems = {"Estoque"};
    hostapp::ExploreActions actions(seed, words);
    std::vector<std::string> lines;
    for (int i = 0; i < count; ++i) {
      lines.push_back(actions.Next(*context));
      if (drawn) drawn(lines.back());
      run(lines.back());
    }
    return lines;
  }

 private:
  std::vector<std::unique_ptr<hostapp::ScenarioDialogs>> fresh_;
};

TEST_F(ExploreActionsTest, EveryStepIsAScenarioStepOnWhatIsShownAndEnabled) {
  std::set<std::string> kinds;
  Draw(7, 400, [&](const std::string& line) {
    hostapp::ParseResult parsed = hostapp::ParseScenario(line, "x.scn");
    ASSERT_TRUE(parsed.Ok() && parsed.scenario.steps.size() == 1) << line;
    kinds.insert(std::string(parsed.scenario.steps[0].type->key));
    // Never the disabled button; the edit only while its page is shown.
    EXPECT_EQ(line.find("sbtDesligado"), std::string::npos) << line;
    if (line.find("dbeNome") != std::string::npos) {
      EXPECT_EQ(fake.screen->pages->ActivePage(), fake.screen->ficha);
    }
  });
  for (const char* kind : {"click", "select", "type", "key", "answer", "pick", "select-tab", "focus"})
    EXPECT_TRUE(kinds.count(kind)) << kind;
}

TEST_F(ExploreActionsTest, AnAnswerIsQueuedBeforeAnyActionAndAPickBeforeASearch) {
  std::vector<std::string> lines = Draw(3, 200);
  ASSERT_FALSE(lines.empty());
  EXPECT_TRUE(lines[0].starts_with("answer ")) << lines[0];
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == "click btpItem") {
      ASSERT_GT(i, 0u);
      EXPECT_TRUE(lines[i - 1].starts_with("pick ")) << lines[i - 1];
    }
}

TEST_F(ExploreActionsTest, TheSameSeedDrawsTheSameSteps) {
  std::vector<std::string> first = Draw(11, 100);
  EXPECT_EQ(first, Draw(11, 100));
  EXPECT_NE(first, Draw(12, 100));
}

TEST_F(ExploreActionsTest, NoScreenMeansOpeningIt) {
  hostapp::StepContext bare(fake, dialogs, out);
  hostapp::ExploreActions actions(1, {});
  EXPECT_EQ(actions.Next(bare), "open");
}

TEST_F(ExploreActionsTest, ValuesFitTheFieldOrBreakItOnPurpose) {
  hostapp::ExploreVocabulary words;
  words.systems = {"Estoque"};
  hostapp::ExploreActions actions(5, words);
  plat::TClientDataSet dataSet(nullptr, "cdsValores");
  plat::TField& date = dataSet.AddField("DTVELUSOPEDP", plat::FieldType::DateTime);
  plat::TField& system = dataSet.AddField("NMSISTEMA", plat::FieldType::String, 40);
  plat::TField& amount = dataSet.AddField("VRHORAPROP", plat::FieldType::Float);
  for (int i = 0; i < 20; ++i) {
    std::string valid = actions.ValueFor(&date, true);
    EXPECT_NO_THROW(plat::StrToDate(valid)) << valid;
    EXPECT_EQ(actions.ValueFor(&system, true), "Estoque");
    EXPECT_NE(actions.ValueFor(&amount, true).find_first_of("0123456789"), std::string::npos);
    std::string bad = actions.ValueFor(&system, false);
    EXPECT_TRUE(bad.empty() || bad.size() > 40) << bad;
  }
}

TEST_F(ScenarioTest, ExploreChecksMakeDialogsAndEndingsLenient) {
  // A message nobody expects, an answer and a pick never used, and a click
  // on a disabled button: all fail a plain file, none fails an explored one.
  const std::string steps =
      "open\n"
      "click sbtOla\n"
      "answer yes\n"
      "pick 1\n"
      "click sbtDesligado\n";
  EXPECT_FALSE(Run(steps));
  EXPECT_TRUE(Run("explore-checks on\n" + steps)) << Report();
  // Turned off again, the file is strict from there on.
  EXPECT_FALSE(Run("explore-checks on\nopen\nexplore-checks off\nclick sbtDesligado\n"));
}

TEST_F(ScenarioTest, ExploreChecksCatchAWaitLeftRunning) {
  fake.OpenScreen();
  fake.screen->hello->OnClick = [](plat::TControl&) { host::Showavi::ActiveShowAvi(nullptr, 1); };
  EXPECT_FALSE(Run("explore-checks on\nclick sbtOla\n"));
  EXPECT_NE(Report().find("invariant 5 (actions end cleanly)"), std::string::npos) << Report();
  auto* checks = dynamic_cast<hostapp::ExploreInvariants*>(context->observer.get());
  ASSERT_TRUE(checks && checks->Broken());
  EXPECT_EQ(checks->Broken()->invariant, 5);
  host::Showavi::DeactiveShowAvi();
}

}  // namespace
