// Explorer: `psr_host --explore SEEDSxSTEPS` runs random user actions on
// the screen, seed after seed, each seed against a fresh server on the demo
// database, with the invariant checks of ExploreInvariants after every
// action; a seed that breaks one is shortened to the fewest steps that
// still break the same invariant and written as a scenario file.
//
// What callers may rely on:
// - A seed's run is its own: a child process with its own server and host,
//   so nothing one leaves behind reaches the next; the same seed and build
//   give the same steps.
// - Every step of a run is a scenario line, run through the scenario steps;
//   the file written for a failure starts with `explore-checks on`, and
//   `psr_host FILE` fails it the same way.
// - One line per seed (passed, or FAILED with the invariant and the step),
//   then a summary; RunExploration returns false when any seed failed.
#pragma once

#include <cstdint>
#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "host/scripted/scenario_file.h"

namespace hostapp {

struct ExploreOptions {
  int seeds = 0;
  int steps = 0;
  uint64_t firstSeed = 1;
  std::string outDir = ".";  // where the files of failing seeds go
  // How long shortening one failure may take, in replays and in seconds.
  int shrinkReplays = 150;
  int shrinkSeconds = 90;
};

// Reads SEEDSxSTEPS ("20x300", also with the sign ×); false when it is not
// two positive numbers so joined.
bool ParseExploreSize(const std::string& text, int& seeds, int& steps);

// The fewest items of `items` for which fails() still holds (delta
// debugging: drops ever smaller chunks, keeping each drop that still
// fails), within `budget` calls of fails(). fails(items) is assumed true;
// fails may cut the candidate it is given down to the part that failed.
std::vector<std::string> ShrinkSteps(std::vector<std::string> items,
                                     const std::function<bool(std::vector<std::string>&)>& fails, int budget);

// Runs the exploration and prints a line per seed and a summary to out.
bool RunExploration(const ExploreOptions& explore, const ScenarioOptions& options, std::ostream& out);

}  // namespace hostapp
