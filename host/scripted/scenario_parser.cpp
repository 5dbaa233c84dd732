// Reading a scenario file into steps: joins continued lines, finds each
// line's row in the step table, checks its arguments, attaches data lines,
// and collects every error with its line.
#include <algorithm>
#include <fstream>
#include <sstream>

#include "host/scripted/scenario.h"
#include "host/scripted/step_pattern.h"
#include "host/scripted/step_type.h"

namespace hostapp {

namespace {

struct SourceLine {
  int number = 0;
  std::string text;
};

// Lines of the file with continuations ("\" at the end) joined.
std::vector<SourceLine> JoinedLines(const std::string& text) {
  std::vector<SourceLine> lines;
  std::istringstream in(text);
  std::string raw;
  bool continuing = false;
  for (int number = 1; std::getline(in, raw); ++number) {
    if (!raw.empty() && raw.back() == '\r') raw.pop_back();
    if (continuing) {
      lines.back().text += " " + Trim(raw);
    } else {
      lines.push_back({number, raw});
    }
    std::string& current = lines.back().text;
    continuing = !current.empty() && current.back() == '\\';
    if (continuing) current.pop_back();
  }
  return lines;
}

std::optional<plat::ActionResult> OutcomeNamed(const std::string& name) {
  for (auto result :
       {plat::ActionResult::Done, plat::ActionResult::Aborted, plat::ActionResult::Failed, plat::ActionResult::Refused})
    if (name == plat::ActionResultName(result)) return result;
  return std::nullopt;
}

// Up to `count` blank-separated words at the start of a line.
std::vector<std::string> LeadingWords(const std::string& line, int count) {
  std::vector<std::string> words;
  std::size_t pos = 0;
  while (static_cast<int>(words.size()) < count) {
    pos = line.find_first_not_of(" \t", pos);
    if (pos == std::string::npos || line[pos] == '#') break;
    std::size_t end = line.find_first_of(" \t", pos);
    words.push_back(line.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
    if (end == std::string::npos) break;
    pos = end;
  }
  return words;
}

// The text after the first `count` words of a line.
std::string AfterWords(const std::string& line, int count) {
  std::size_t pos = 0;
  for (int i = 0; i < count; ++i) {
    pos = line.find_first_not_of(" \t", pos);
    pos = line.find_first_of(" \t", pos);
    if (pos == std::string::npos) return {};
  }
  return Trim(line.substr(pos));
}

class Parser {
 public:
  explicit Parser(std::string file) { result_.scenario.file = std::move(file); }

  ParseResult Parse(const std::string& text) {
    for (const SourceLine& line : JoinedLines(text)) {
      try {
        ParseLine(line);
      } catch (const SyntaxError& e) {
        Error(line.number, e.what());
        // The data lines of a step that could not be read are not errors too.
        swallowRows_ = Trim(line.text)[0] != '|';
      }
    }
    for (Step& step : result_.scenario.steps) {
      if (!step.type->check) continue;
      try {
        step.type->check(step);
      } catch (const SyntaxError& e) {
        Error(step.line, e.what());
      }
    }
    return std::move(result_);
  }

 private:
  void Error(int line, std::string message) {
    result_.errors.push_back({result_.scenario.file, line, std::move(message)});
  }

  void ParseLine(const SourceLine& line) {
    std::string text = Trim(line.text);
    if (text.empty() || text[0] == '#') return;
    if (text[0] == '|') return AddDataLine(line.number, text.substr(1));
    lastTakesRows_ = swallowRows_ = false;

    // The step's own words first: what follows is read as the step says
    // (tokens, or the raw rest of the line).
    std::vector<std::string> words = LeadingWords(text, 2);
    if (words.empty() || words[0][0] == '"') throw SyntaxError("a step starts with its name, not a quoted text");
    std::string key = words[0];
    int keyWords = 1;
    if (key == "expect") {
      if (words.size() < 2) throw SyntaxError("expect what? one of: " + ExpectationNames());
      key += " " + words[1];
      keyWords = 2;
    }
    const StepType* type = FindStep(key);
    if (!type) {
      if (keyWords == 2) throw SyntaxError("unknown expectation '" + words[1] + "'; known: " + ExpectationNames());
      throw SyntaxError("unknown step '" + key + "'");
    }

    Step step;
    step.file = result_.scenario.file;
    step.line = line.number;
    step.type = type;
    if (PatternTakesRaw(type->pattern)) {
      step.tail = AfterWords(text, keyWords);
      if (step.tail.empty() && !PatternRawOptional(type->pattern))
        throw SyntaxError("missing text after '" + key + "' (usage: " + Usage(*type) + ")");
    } else {
      step.args = Tokenize(AfterWords(text, keyWords));
      TakeOutcome(step);
      try {
        CheckArguments(type->pattern, step.args);
      } catch (const SyntaxError& e) {
        throw SyntaxError(std::string(e.what()) + " (usage: " + Usage(*type) + ")");
      }
    }
    result_.scenario.steps.push_back(std::move(step));
    lastTakesRows_ = type->rows;
  }

  static std::string Usage(const StepType& type) {
    std::string usage(type.key);
    if (!type.pattern.empty()) usage += " " + std::string(type.pattern);
    if (type.action) usage += " [-> done|aborted|failed|refused]";
    return usage;
  }

  static void TakeOutcome(Step& step) {
    auto& args = step.args;
    auto arrow = std::find_if(args.begin(), args.end(), [](const Token& t) { return !t.quoted && t.text == "->"; });
    if (arrow == args.end()) return;
    if (!step.type->action)
      throw SyntaxError("'" + std::string(step.type->key) + "' is not an action; only actions end with -> RESULT");
    if (args.end() - arrow != 2) throw SyntaxError("'->' must be followed by one of done, aborted, failed, refused");
    step.outcome = OutcomeNamed((arrow + 1)->text);
    if (!step.outcome)
      throw SyntaxError("unknown ending '" + (arrow + 1)->text + "'; use done, aborted, failed or refused");
    args.erase(arrow, args.end());
  }

  void AddDataLine(int number, std::string text) {
    if (swallowRows_) return;
    if (!lastTakesRows_ || result_.scenario.steps.empty())
      throw SyntaxError("a '|' line must follow a step that takes rows (expect calls, expect query)");
    result_.scenario.steps.back().rows.push_back({number, std::move(text)});
  }

  ParseResult result_;
  bool lastTakesRows_ = false;
  bool swallowRows_ = false;
};

}  // namespace

ParseResult ParseScenario(const std::string& text, const std::string& fileName) { return Parser(fileName).Parse(text); }

ParseResult ParseScenarioFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    ParseResult result;
    result.scenario.file = path;
    result.errors.push_back({path, 0, "cannot read the file"});
    return result;
  }
  std::ostringstream text;
  text << in.rdbuf();
  return ParseScenario(text.str(), path);
}

}  // namespace hostapp
