#include "host/scripted/call_log.h"

#include <cctype>
#include <cstdlib>

#include "host/scripted/scenario_tokens.h"

namespace hostapp {

namespace {

std::string NumberText(double value) { return plat::Variant(value).ToText(); }

std::string ValueText(const plat::Variant& value) {
  switch (value.Type()) {
    case plat::VarType::Null:
      return "null";
    case plat::VarType::Text:
      return Quote(value.Text());
    case plat::VarType::Boolean:
      return value.ToBool() ? "true" : "false";
    case plat::VarType::Decimal:
      return "decimal(" + Quote(value.ToText()) + ")";
    case plat::VarType::DateTime:
      return "datetime(" + Quote(value.ToDateTime().ToIso()) + ")";
    case plat::VarType::Float:
    case plat::VarType::Integer:
      return value.ToText();
  }
  return value.ToText();
}

// Reads calls from a text, one character at a time.
class CallReader {
 public:
  explicit CallReader(std::string_view text) : text_(text) {}

  std::vector<ExpectedCall> All() {
    std::vector<ExpectedCall> calls;
    while (SkipBlanks(), pos_ < text_.size()) calls.push_back(Call());
    return calls;
  }

 private:
  ExpectedCall Call() {
    ExpectedCall call;
    call.method = Word();
    if (call.method.empty()) Fail("a method name");
    Expect('(');
    SkipBlanks();
    if (Peek() == ')') {
      ++pos_;
      return call;
    }
    while (true) {
      call.args.push_back(Argument());
      SkipBlanks();
      if (Peek() == ')') {
        ++pos_;
        return call;
      }
      Expect(',');
    }
  }

  std::string Argument() {
    SkipBlanks();
    if (Peek() == '"') return Quote(ReadQuoted(text_, pos_));
    if (Peek() == '*') {
      ++pos_;
      return "*";
    }
    std::string word = Word();
    if (word == "null" || word == "true" || word == "false") return word;
    if (word == "delta") {
      Expect('(');
      std::string count = Word();
      if (count.empty() || !std::isdigit(static_cast<unsigned char>(count[0]))) Fail("a number of changes");
      Expect(')');
      return "delta(" + count + ")";
    }
    if (word == "datetime" || word == "decimal") {
      Expect('(');
      SkipBlanks();
      if (Peek() != '"') Fail("a quoted " + word);
      std::string inner = ReadQuoted(text_, pos_);
      Expect(')');
      return word + "(" + Quote(inner) + ")";
    }
    char* end = nullptr;
    double number = std::strtod(word.c_str(), &end);
    if (word.empty() || *end != '\0') Fail("an argument (\"text\", a number, null, true, false, delta(N), *)");
    return NumberText(number);
  }

  std::string Word() {
    SkipBlanks();
    std::size_t start = pos_;
    while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) || text_[pos_] == '_' ||
                                   text_[pos_] == '.' || text_[pos_] == '-' || text_[pos_] == '+'))
      ++pos_;
    return std::string(text_.substr(start, pos_ - start));
  }

  void Expect(char c) {
    SkipBlanks();
    if (Peek() != c) Fail(std::string("'") + c + "'");
    ++pos_;
  }
  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }
  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) ++pos_;
  }
  [[noreturn]] void Fail(const std::string& what) const {
    std::string found = pos_ < text_.size() ? "'" + std::string(text_.substr(pos_, 12)) + "'" : "the end";
    throw SyntaxError("in a call, expected " + what + " at " + found);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

std::string ArgumentText(const plat::RpcArg& arg) {
  if (arg.IsDelta()) return "delta(" + std::to_string(arg.DeltaValue().changes.size()) + ")";
  return ValueText(arg.Value());
}

std::string CallText(const std::string& method, const std::vector<std::string>& args) {
  std::string text = method + "(";
  for (std::size_t i = 0; i < args.size(); ++i) text += (i ? ", " : "") + args[i];
  return text + ")";
}

std::vector<ExpectedCall> ParseCalls(std::string_view text) { return CallReader(text).All(); }

bool CallMatches(const ExpectedCall& expected, const RecordedCall& actual) {
  if (expected.method != actual.method || expected.args.size() != actual.args.size()) return false;
  for (std::size_t i = 0; i < expected.args.size(); ++i)
    if (expected.args[i] != "*" && expected.args[i] != actual.args[i]) return false;
  return true;
}

void CallLog::Record(const plat::RpcRequest& request, const host::ServerResult& result) {
  RecordedCall call;
  call.method = request.method;
  for (auto& arg : request.args) call.args.push_back(ArgumentText(arg));
  if (result.Failed()) call.error = result.error;
  calls_.push_back(std::move(call));
}

std::vector<RecordedCall> CallLog::Take() {
  std::vector<RecordedCall> recent(calls_.begin() + static_cast<std::ptrdiff_t>(taken_), calls_.end());
  taken_ = calls_.size();
  return recent;
}

}  // namespace hostapp
