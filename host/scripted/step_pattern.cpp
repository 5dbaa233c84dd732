#include "host/scripted/step_pattern.h"

#include <cctype>
#include <string>

#include "platform/data/datetime.h"

namespace hostapp {

namespace {

struct Element {
  std::vector<std::string> choices;  // literals (lower case) and placeholders (capitals)
  bool optional = false;
  bool repeated = false;
  std::string Text() const {
    std::string text;
    for (auto& choice : choices) text += (text.empty() ? "" : "|") + choice;
    return text;
  }
};

std::vector<std::string> Split(std::string_view text, char separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  while (true) {
    std::size_t end = text.find(separator, start);
    std::string part(text.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start));
    if (!part.empty()) parts.push_back(part);
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

std::vector<Element> Elements(std::string_view pattern) {
  std::vector<Element> elements;
  for (std::string word : Split(pattern, ' ')) {
    Element element;
    if (word.front() == '[' && word.back() == ']') {
      element.optional = true;
      word = word.substr(1, word.size() - 2);
    }
    if (word.size() > 3 && word.ends_with("...")) {
      element.repeated = true;
      word.resize(word.size() - 3);
    }
    element.choices = Split(word, '|');
    if (word != "RAW") elements.push_back(element);
  }
  return elements;
}

bool IsPlaceholder(const std::string& choice) { return std::isupper(static_cast<unsigned char>(choice[0])) != 0; }

// Whether a token fits one placeholder; what it must be otherwise.
bool Fits(const std::string& placeholder, const Token& token, std::string& need) {
  const std::string& text = token.text;
  if (placeholder == "TEXT" || placeholder == "VALUE" || placeholder == "ITEM" || placeholder == "CHAR") {
    need = placeholder == "TEXT" ? "a text" : "a plain text (~\"...\" only checks an expected text)";
    return !token.contains || placeholder == "TEXT";
  }
  if (placeholder == "INT" || placeholder == "COUNT") {
    need = "a whole number";
    return !token.quoted && IsInteger(text);
  }
  if (placeholder == "ROW") {
    need = "a row number from 1, or *";
    return !token.quoted && (text == "*" || (IsInteger(text) && text[0] != '-' && std::stol(text) >= 1));
  }
  if (placeholder == "DATE") {
    need = "a date yyyy-mm-dd";
    return IsDate(text);
  }
  if (placeholder == "DATASET.FIELD") {
    need = "DATASET.FIELD, as cdsProposta.NRPROPOSFAS";
    return !token.quoted && IsFieldRef(text);
  }
  need = "a name";
  return !token.quoted && IsName(text);
}

void CheckOne(const Element& element, const Token& token) {
  std::string needs;
  for (auto& choice : element.choices) {
    std::string need;
    if (IsPlaceholder(choice)) {
      if (Fits(choice, token, need)) return;
    } else {
      need = choice;
      if (!token.quoted && token.text == choice) return;
    }
    needs += (needs.empty() ? "" : " or ") + need;
  }
  throw SyntaxError(element.Text() + " must be " + needs + ", not " + Quote(token.text));
}

}  // namespace

bool IsName(std::string_view text) {
  if (text.empty() || !(std::isalpha(static_cast<unsigned char>(text[0])) || text[0] == '_')) return false;
  for (char c : text)
    if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_')) return false;
  return true;
}

bool IsInteger(std::string_view text) {
  std::size_t start = !text.empty() && text[0] == '-' ? 1 : 0;
  if (text.size() == start || text.size() - start > 9) return false;
  for (std::size_t i = start; i < text.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

bool IsFieldRef(std::string_view text) {
  std::size_t dot = text.find('.');
  return dot != std::string_view::npos && IsName(text.substr(0, dot)) && IsName(text.substr(dot + 1));
}

bool IsDate(std::string_view text) {
  try {
    plat::DateTime::ParseIso(text);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

bool PatternTakesRaw(std::string_view pattern) { return pattern.ends_with("RAW") || pattern.ends_with("[RAW]"); }
bool PatternRawOptional(std::string_view pattern) { return pattern.ends_with("[RAW]"); }

void CheckArguments(std::string_view pattern, const std::vector<Token>& args) {
  std::vector<Element> elements = Elements(pattern);
  std::size_t next = 0;
  for (const Element& element : elements) {
    if (next == args.size()) {
      if (element.optional || element.repeated) return;
      throw SyntaxError("missing " + element.Text());
    }
    do CheckOne(element, args[next++]);
    while (element.repeated && next < args.size());
  }
  if (next < args.size()) throw SyntaxError("unexpected " + Quote(args[next].text) + " after the last argument");
}

}  // namespace hostapp
