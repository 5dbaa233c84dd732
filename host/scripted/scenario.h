// Scenario: a parsed scenario file, the steps a scripted host runs against
// the screen in order. Each step keeps the file and line it came from, so
// that every failure can point at it.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "host/scripted/scenario_tokens.h"
#include "platform/ui/user_actions.h"

namespace hostapp {

struct StepType;

// A data line ("| ...") attached to the step above it.
struct DataLine {
  int line = 0;
  std::string text;  // after the leading bar, as written
};

struct Step {
  std::string file;
  int line = 0;
  const StepType* type = nullptr;
  std::vector<Token> args;  // the arguments after the step's words
  std::string tail;         // the raw rest of the line, for steps that take one
  std::vector<DataLine> rows;
  // For actions: the ending the line asks for ("-> refused"); none means
  // any ending but a refusal.
  std::optional<plat::ActionResult> outcome;

  const std::string& Arg(std::size_t index) const { return args.at(index).text; }
  bool HasArg(std::size_t index) const { return index < args.size(); }
  std::string Where() const { return file + ":" + std::to_string(line); }
};

struct Scenario {
  std::string file;
  std::vector<Step> steps;
};

struct ParseError {
  std::string file;
  int line = 0;
  std::string message;
  std::string Text() const { return file + ":" + std::to_string(line) + ": " + message; }
};

struct ParseResult {
  Scenario scenario;
  std::vector<ParseError> errors;  // every bad line, in order
  bool Ok() const { return errors.empty(); }
};

// Parses the text of a scenario file; fileName is used in the reports.
ParseResult ParseScenario(const std::string& text, const std::string& fileName);
// Reads and parses a file; a file that cannot be read is one error at line 0.
ParseResult ParseScenarioFile(const std::string& path);

}  // namespace hostapp
