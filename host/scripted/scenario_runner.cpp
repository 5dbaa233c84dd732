#include "host/scripted/scenario_runner.h"

#include "host/scripted/step_type.h"

namespace hostapp {

void ScenarioRunner::Report(const std::string& where, const std::string& message) {
  ++failures_;
  report_ << where << ": " << message << "\n";
  report_.flush();
}

bool ScenarioRunner::RunStep(const Step& step) {
  if (options_.verbose) report_ << step.Where() << ": " << step.type->key << "\n";
  StepObserver* observer = context_.observer.get();
  try {
    if (observer) observer->Before(step);
    step.type->run(step, context_);
    // The step may have replaced or removed the observer (explore-checks).
    if (observer && observer == context_.observer.get()) observer->After(step);
    return true;
  } catch (const StepFailure& failure) {
    Report(step.Where(), failure.what());
  } catch (const std::exception& e) {
    // The host, the server or the screen failed outside a user event.
    if (observer && observer == context_.observer.get())
      Report(step.Where(), observer->Escaped(step, e.what()));
    else
      Report(step.Where(), std::string("expected the step to run, got error: ") + e.what());
  }
  return false;
}

void ScenarioRunner::CheckLeftovers(const Scenario& scenario) {
  if (context_.lenient) return;
  std::string where = scenario.file + ":" + std::to_string(scenario.steps.empty() ? 0 : scenario.steps.back().line);
  while (const host::DialogRecord* dialog = context_.dialogs.NextUnchecked()) {
    context_.dialogs.MarkChecked();
    Report(where, "expected every dialog to be checked, got " + DescribeDialog(*dialog) + " not checked");
  }
  if (context_.dialogs.AnswersLeft() || context_.dialogs.PicksLeft() > 0)
    Report(where, "expected every queued answer and pick to be used, got some left over");
}

bool ScenarioRunner::Run(const Scenario& scenario) {
  failures_ = 0;
  for (const Step& step : scenario.steps)
    if (!RunStep(step) && !options_.keepGoing) return false;
  CheckLeftovers(scenario);
  return failures_ == 0;
}

}  // namespace hostapp
