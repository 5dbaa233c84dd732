#include "host/scripted/scenario_file.h"

#include <sys/wait.h>
#include <unistd.h>

#include <iostream>

#include "host/scripted/live_host.h"
#include "host/scripted/scenario_dialogs.h"
#include "host/scripted/step_type.h"

namespace hostapp {

namespace {

bool RunInChild(const std::string& path, const ScenarioOptions& options) {
  std::cout.flush();
  std::cerr.flush();
  pid_t pid = fork();
  if (pid < 0) {
    std::cerr << path << ": cannot start a process for it\n";
    return false;
  }
  if (pid == 0) {
    bool passed = RunScenarioFile(path, options, std::cout, std::cerr);
    std::cout.flush();
    std::cerr.flush();
    _exit(passed ? 0 : 1);  // the parent's buffers and globals are not ours to end
  }
  int status = 0;
  waitpid(pid, &status, 0);
  if (WIFSIGNALED(status))
    std::cerr << path << ": the scenario's process was killed by signal " << WTERMSIG(status) << "\n";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

}  // namespace

bool RunScenarioFile(const std::string& path, const ScenarioOptions& options, std::ostream& out, std::ostream& report) {
  ParseResult parsed = ParseScenarioFile(path);
  for (const ParseError& error : parsed.errors) report << error.Text() << "\n";
  if (!parsed.Ok()) return false;
  try {
    ScenarioDialogs dialogs;
    DialogsInstalled installed(dialogs);
    LiveHost live(options.config, options.appServerPath.empty() ? DefaultAppServerPath() : options.appServerPath,
                  options.postgresCluster);
    StepContext context(live, dialogs, out);
    return ScenarioRunner(context, report, options.run).Run(parsed.scenario);
  } catch (const std::exception& e) {
    report << path << ":0: expected the scenario to run, got error: " << e.what() << "\n";
    return false;
  }
}

bool RunScenarioFiles(const std::vector<std::string>& paths, const ScenarioOptions& options) {
  if (paths.size() == 1) return RunScenarioFile(paths[0], options, std::cout, std::cerr);
  int failed = 0;
  for (const std::string& path : paths) {
    bool passed = RunInChild(path, options);
    std::cout << (passed ? "passed " : "FAILED ") << path << "\n";
    if (!passed) ++failed;
  }
  std::cout << paths.size() - static_cast<std::size_t>(failed) << " of " << paths.size()
            << " scenario file(s) passed\n";
  return failed == 0;
}

void PrintSteps(std::ostream& out) {
  for (const StepType& type : AllSteps()) {
    std::string usage(type.key);
    if (!type.pattern.empty()) usage += " " + std::string(type.pattern);
    if (type.action) usage += " [-> RESULT]";
    if (type.rows) usage += "  (+ '|' lines)";
    out << usage << "\n    " << type.summary << "\n";
  }
}

}  // namespace hostapp
