// The explorer's step: `explore-checks on` turns on the explorer's
// invariant checks after every following action step and makes the
// scenario lenient about dialogs and endings (docs/scenarios.md), so that a
// file written by `psr_host --explore` fails where the exploration did;
// `explore-checks off` turns both off again.
#include "host/scripted/explore_invariants.h"
#include "host/scripted/scenario.h"
#include "host/scripted/step_type.h"

namespace hostapp {

namespace {

void ExploreChecks(const Step& step, StepContext& context) {
  bool on = step.Arg(0) == "on";
  context.lenient = on;
  if (on)
    context.observer = std::make_unique<ExploreInvariants>(context);
  else
    context.observer.reset();
}

}  // namespace

const std::vector<StepType>& ExploreSteps() {
  static const std::vector<StepType> steps = {
      {"explore-checks", "on|off",
       "for tests: the explorer's invariant checks after every following action, dialogs and endings taken "
       "leniently (on), or neither (off)",
       ExploreChecks},
  };
  return steps;
}

}  // namespace hostapp
