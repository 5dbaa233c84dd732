// Running scenario files: one file against its own server and host, and a
// list of files each in a process of its own, so that nothing one leaves
// behind (the screen, the package's globals, the host's session) reaches the
// next.
#pragma once

#include <ostream>
#include <string>
#include <vector>

#include "host/runtime/host_runtime.h"
#include "host/scripted/scenario_runner.h"

namespace hostapp {

struct ScenarioOptions {
  HostConfig config;          // identity and package; the server is the file's own
  std::string appServerPath;  // empty: next to this program
  // A PostgreSQL cluster's URI: each file's server gets a fresh database
  // there instead of an SQLite file.
  std::string postgresCluster;
  RunOptions run;
};

// Parses and runs one file in this process; dumps go to out, failures to
// report. True when every step passed.
bool RunScenarioFile(const std::string& path, const ScenarioOptions& options, std::ostream& out, std::ostream& report);

// Runs each file in a child process (in this one when there is only one)
// and prints a line per file; true when all passed.
bool RunScenarioFiles(const std::vector<std::string>& paths, const ScenarioOptions& options);

// Prints the table of steps with their arguments, for people writing files.
void PrintSteps(std::ostream& out);

}  // namespace hostapp
