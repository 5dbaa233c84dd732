// The table of scenario steps: the subject files' rows, in one list.
#include "host/scripted/step_type.h"

namespace hostapp {

const std::vector<StepType>& AllSteps() {
  static const std::vector<StepType> all = [] {
    std::vector<StepType> steps;
    for (auto* part : {&SetupSteps(), &ActionSteps(), &DialogExpectations(), &ScreenExpectations(), &HostExpectations(),
                       &ExploreSteps()})
      steps.insert(steps.end(), part->begin(), part->end());
    return steps;
  }();
  return all;
}

const StepType* FindStep(std::string_view key) {
  for (const StepType& type : AllSteps())
    if (type.key == key) return &type;
  return nullptr;
}

std::string ExpectationNames() {
  std::string names;
  for (const StepType& type : AllSteps())
    if (type.key.starts_with("expect ")) names += (names.empty() ? "" : ", ") + std::string(type.key.substr(7));
  return names;
}

}  // namespace hostapp
