#include "host/scripted/explorer.h"

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <sstream>

#include "host/runtime/temp_dir.h"
#include "host/scripted/explore_actions.h"
#include "host/scripted/explore_invariants.h"
#include "host/scripted/live_host.h"
#include "host/scripted/scenario.h"
#include "host/scripted/scenario_runner.h"

namespace hostapp {

namespace {

// Every run starts so: the checks on, and a fixed server date, so that a
// seed gives the same steps whatever day it runs (some demo proposals are
// still valid on that date).
const std::vector<std::string> kPreamble = {"explore-checks on", "server-date 2025-03-01"};
constexpr int kStepSeconds = 60;  // a step that takes longer is a hang

// How one run in a child process ended.
struct Outcome {
  std::vector<std::string> steps;  // the steps that ran, in order
  int invariant = 0;               // 0 passed; -1 a step of its own failed
  int failedStep = -1;             // index into steps
  std::string detail;
  bool Passed() const { return invariant == 0; }
};

std::string OneLine(std::string text) {
  for (char& c : text)
    if (c == '\n' || c == '\r') c = ' ';
  return text;
}

// Runs steps in this process against a fresh server, writing to protocol
// one "STEP line" before each step, "DROP" after a generated step that
// failed as a step (it is left out), and at the end "PASS" or
// "FAIL invariant index detail". With a seed, count steps are drawn at
// random; without one, the replayed steps are run.
void RunSteps(const ScenarioOptions& options, std::optional<uint64_t> seed, int count,
              const std::vector<std::string>& replay, std::ostream& protocol) {
  ScenarioDialogs dialogs;
  DialogsInstalled installed(dialogs);
  LiveHost live(options.config, options.appServerPath.empty() ? DefaultAppServerPath() : options.appServerPath,
                options.postgresCluster);
  std::ostringstream dumps;
  std::ostringstream report;
  StepContext context(live, dialogs, dumps);
  ScenarioRunner runner(context, options.run.verbose ? std::cerr : report, options.run);
  int lineNumber = 0;
  auto run = [&](const std::string& line) {
    ParseResult parsed = ParseScenario(line, "explore");
    if (!parsed.Ok() || parsed.scenario.steps.size() != 1) {
      report << "explore: cannot read the step " << line << "\n";
      return false;
    }
    Step step = parsed.scenario.steps.front();
    step.line = ++lineNumber;
    alarm(kStepSeconds);
    bool passed = runner.RunStep(step);
    alarm(0);
    return passed;
  };
  auto broken = [&]() -> const std::optional<Violation>* {
    auto* checks = dynamic_cast<ExploreInvariants*>(context.observer.get());
    return checks && checks->Broken() ? &checks->Broken() : nullptr;
  };
  for (const std::string& line : kPreamble)
    if (!run(line)) {
      protocol << "FAIL -1 -1 " << OneLine(report.str()) << "\n";
      return;
    }
  std::unique_ptr<ExploreActions> actions;
  if (seed) actions = std::make_unique<ExploreActions>(*seed, ReadVocabulary(context));
  int ran = 0;
  auto step = [&](const std::string& line) {
    protocol << "STEP " << line << "\n";
    protocol.flush();
    if (run(line)) {
      ++ran;
      return true;
    }
    if (const std::optional<Violation>* violation = broken()) {
      protocol << "FAIL " << (*violation)->invariant << " " << ran << " " << OneLine((*violation)->detail) << "\n";
      return false;
    }
    if (actions) {
      protocol << "DROP\n";
      report.str("");
      return true;
    }
    protocol << "FAIL -1 " << ran << " " << OneLine(report.str()) << "\n";
    return false;
  };
  if (actions) {
    for (int i = 0; i < count; ++i)
      if (!step(actions->Next(context))) return;
  } else {
    for (const std::string& line : replay)
      if (!step(line)) return;
  }
  protocol << "PASS\n";
}

// Runs work in a child process that writes its protocol to a file, and
// reads the outcome back; a child that died is a broken invariant 5.
Outcome InChild(const std::function<void(std::ostream&)>& work) {
  TempDir dir("psr_explore");
  std::string path = dir.File("protocol");
  std::cout.flush();
  std::cerr.flush();
  pid_t pid = fork();
  if (pid < 0) return {{}, -1, -1, "cannot start a process for the run"};
  if (pid == 0) {
    {
      std::ofstream protocol(path);
      try {
        work(protocol);
      } catch (const std::exception& e) {
        protocol << "FAIL -1 -1 " << OneLine(e.what()) << "\n";
      }
    }
    std::cout.flush();
    std::cerr.flush();
    _exit(0);  // the parent's buffers and globals are not ours to end
  }
  int status = 0;
  waitpid(pid, &status, 0);
  Outcome outcome;
  bool ended = false;
  std::ifstream in(path);
  std::string line;
  while (std::getline(in, line)) {
    if (line.starts_with("STEP ")) {
      outcome.steps.push_back(line.substr(5));
    } else if (line == "DROP") {
      if (!outcome.steps.empty()) outcome.steps.pop_back();
    } else if (line == "PASS") {
      ended = true;
    } else if (line.starts_with("FAIL ")) {
      std::istringstream fields(line.substr(5));
      fields >> outcome.invariant >> outcome.failedStep;
      std::getline(fields >> std::ws, outcome.detail);
      ended = true;
    }
  }
  if (!ended) {
    outcome.invariant = 5;
    outcome.failedStep = static_cast<int>(outcome.steps.size()) - 1;
    outcome.detail = WIFSIGNALED(status) ? (WTERMSIG(status) == SIGALRM
                                                ? "the step did not end within " + std::to_string(kStepSeconds) + " s"
                                                : "the host died of signal " + std::to_string(WTERMSIG(status)))
                                         : "the host ended in the middle of a step";
  }
  return outcome;
}

std::string InvariantText(const Outcome& outcome) {
  if (outcome.invariant < 0) return "the run itself";
  return "invariant " + std::to_string(outcome.invariant) + " (" + InvariantName(outcome.invariant) + ")";
}

void WriteScenario(const std::string& path, uint64_t seed, int steps, const Outcome& found,
                   const std::vector<std::string>& shortened, bool reproduced) {
  std::ofstream out(path);
  out << "# Found by psr_host --explore: seed " << seed << " (" << steps << " steps) broke " << InvariantText(found)
      << " at step " << found.failedStep + 1 << ":\n#   " << found.detail << "\n";
  if (reproduced)
    out << "# Shortened to " << shortened.size() << " of " << found.failedStep + 1 << " steps; psr_host "
        << std::filesystem::path(path).filename().string() << " fails the same way.\n";
  else
    out << "# A replay of these steps did not fail again; they are the steps as explored.\n";
  for (const std::string& line : kPreamble) out << line << "\n";
  for (const std::string& line : shortened) out << line << "\n";
}

}  // namespace

bool ParseExploreSize(const std::string& text, int& seeds, int& steps) {
  std::size_t at = text.find('x');
  std::size_t width = 1;
  if (at == std::string::npos) {
    at = text.find("\xC3\x97");  // ×
    width = 2;
  }
  if (at == std::string::npos || at == 0 || at + width >= text.size()) return false;
  auto number = [](const std::string& digits, int& value) {
    if (digits.empty() || digits.size() > 7 || digits.find_first_not_of("0123456789") != std::string::npos)
      return false;
    value = std::stoi(digits);
    return value > 0;
  };
  return number(text.substr(0, at), seeds) && number(text.substr(at + width), steps);
}

std::vector<std::string> ShrinkSteps(std::vector<std::string> items,
                                     const std::function<bool(std::vector<std::string>&)>& fails, int budget) {
  std::size_t parts = 2;
  while (items.size() >= 2 && budget > 0) {
    std::size_t chunk = (items.size() + parts - 1) / parts;
    bool dropped = false;
    for (std::size_t start = 0; start < items.size() && budget > 0; start += chunk) {
      std::vector<std::string> candidate(items.begin(), items.begin() + static_cast<std::ptrdiff_t>(start));
      candidate.insert(candidate.end(),
                       items.begin() + static_cast<std::ptrdiff_t>(std::min(start + chunk, items.size())), items.end());
      if (candidate.empty()) continue;
      --budget;
      if (fails(candidate)) {
        items = std::move(candidate);
        parts = std::max<std::size_t>(parts - 1, 2);
        dropped = true;
        break;
      }
    }
    if (dropped) continue;
    if (parts >= items.size()) break;
    parts = std::min(parts * 2, items.size());
  }
  return items;
}

bool RunExploration(const ExploreOptions& explore, const ScenarioOptions& options, std::ostream& out) {
  std::filesystem::create_directories(explore.outDir);
  int failed = 0;
  for (int i = 0; i < explore.seeds; ++i) {
    uint64_t seed = explore.firstSeed + static_cast<uint64_t>(i);
    Outcome found = InChild([&](std::ostream& protocol) { RunSteps(options, seed, explore.steps, {}, protocol); });
    if (found.Passed()) {
      out << "seed " << seed << ": passed (" << found.steps.size() << " steps)\n";
      out.flush();
      continue;
    }
    ++failed;
    std::vector<std::string> steps(
        found.steps.begin(),
        found.steps.begin() +
            std::min<std::ptrdiff_t>(found.failedStep + 1, static_cast<std::ptrdiff_t>(found.steps.size())));
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(explore.shrinkSeconds);
    int replays = 0;
    auto fails = [&](std::vector<std::string>& candidate) {
      if (std::chrono::steady_clock::now() > deadline) return false;
      ++replays;
      Outcome again = InChild([&](std::ostream& protocol) { RunSteps(options, std::nullopt, 0, candidate, protocol); });
      if (again.invariant != found.invariant) return false;
      if (again.failedStep >= 0 && again.failedStep + 1 < static_cast<int>(candidate.size()))
        candidate.resize(static_cast<std::size_t>(again.failedStep + 1));
      return true;
    };
    std::vector<std::string> shortened = steps;
    bool reproduced = found.invariant > 0 && fails(shortened);
    if (reproduced) shortened = ShrinkSteps(shortened, fails, explore.shrinkReplays);
    std::string path = explore.outDir + "/explore-" + std::to_string(seed) + ".scn";
    WriteScenario(path, seed, explore.steps, found, reproduced ? shortened : steps, reproduced);
    out << "seed " << seed << ": FAILED: " << InvariantText(found) << ", step " << found.failedStep + 1 << ": "
        << found.detail << "\n  " << path << ": "
        << (reproduced ? std::to_string(shortened.size()) + " step(s) after " + std::to_string(replays) + " replay(s)"
                       : "not reproduced by a replay")
        << "\n";
    out.flush();
  }
  out << "explore: " << explore.seeds << " seed(s) of " << explore.steps << " steps: " << explore.seeds - failed
      << " passed, " << failed << " failed\n";
  return failed == 0;
}

}  // namespace hostapp
