// StepType: one row of the table of scenario steps: the words that name the
// step, the shape of its arguments, whether it is a user action, and the
// function that runs it. The parser checks every line against its row; the
// runner calls the row's function.
//
// Argument patterns are words separated by blanks: a placeholder in capitals
// (CONTROL, TEXT, INT, ...), literal choices in lower case separated by bars
// (yes|no; a choice may also be a placeholder: default|hourglass|INT), an
// optional argument in brackets ([FIELD], only at the end), a repeated one
// with three dots (TABLE..., only at the end), or RAW: the rest of the line
// as written (for SQL).
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace hostapp {

struct Step;
class StepContext;

using StepRun = void (*)(const Step& step, StepContext& context);
// Checks what the pattern cannot (a call's syntax, a known name); throws
// SyntaxError with the message for the line.
using StepCheck = void (*)(const Step& step);

struct StepType {
  std::string_view key;      // "click", "expect enabled"
  std::string_view pattern;  // "CONTROL", "GRID ROW [FIELD]", "RAW"
  std::string_view summary;  // one line for --list-steps
  StepRun run = nullptr;
  bool action = false;  // one user event; may end with "-> RESULT"
  bool rows = false;    // takes "| ..." data lines
  int param = 0;        // what a shared run function needs to tell rows apart
  StepCheck check = nullptr;
};

// Every step, in the order of the documentation.
const std::vector<StepType>& AllSteps();
// The step named by key ("click", "expect text"), or nullptr.
const StepType* FindStep(std::string_view key);
// The steps whose key starts with "expect ", for the error on an unknown one.
std::string ExpectationNames();

// The subject files' parts of the table.
const std::vector<StepType>& SetupSteps();
const std::vector<StepType>& ActionSteps();
const std::vector<StepType>& DialogExpectations();
const std::vector<StepType>& ScreenExpectations();
const std::vector<StepType>& HostExpectations();
const std::vector<StepType>& ExploreSteps();

}  // namespace hostapp
