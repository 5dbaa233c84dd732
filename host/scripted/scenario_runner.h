// ScenarioRunner: runs the steps of a parsed scenario in order with one
// context, and reports each failure as FILE:LINE: expected ..., got ....
// At the end it checks that nothing was left over: no dialog shown and not
// checked, no queued answer or search pick unused (not in lenient mode).
#pragma once

#include <ostream>

#include "host/scripted/scenario.h"
#include "host/scripted/step_context.h"

namespace hostapp {

struct RunOptions {
  bool keepGoing = false;  // run on after a failed step
  bool verbose = false;    // print each step as it starts
};

class ScenarioRunner {
 public:
  ScenarioRunner(StepContext& context, std::ostream& report, RunOptions options = {})
      : context_(context), report_(report), options_(options) {}

  // True when every step passed and nothing was left over.
  bool Run(const Scenario& scenario);
  int Failures() const { return failures_; }
  // Runs one step (watched by the context's observer, if any) and reports
  // its failure; true when it passed.
  bool RunStep(const Step& step);

 private:
  void CheckLeftovers(const Scenario& scenario);
  void Report(const std::string& where, const std::string& message);

  StepContext& context_;
  std::ostream& report_;
  RunOptions options_;
  int failures_ = 0;
};

}  // namespace hostapp
