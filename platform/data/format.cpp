#include "platform/data/format.h"

#include <charconv>
#include <cmath>

#include "platform/data/errors.h"
#include "platform/data/messages.h"

namespace plat {

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

EConvertError NotANumber(std::string_view text) { return EConvertError(Message(Msg::NotANumber, {text})); }

// Appends the run of digits at `pos` to `out`; returns how many there were.
std::size_t TakeDigits(std::string_view text, std::size_t& pos, std::string& out) {
  const std::size_t start = pos;
  while (pos < text.size() && IsDigit(text[pos])) out += text[pos++];
  return pos - start;
}

// Integer digits where thousands separators are allowed between groups of
// three: "1,234,567". Returns false for misplaced separators.
bool TakeGroupedDigits(std::string_view text, std::size_t& pos, char separator, std::string& out) {
  std::size_t group = TakeDigits(text, pos, out);
  bool grouped = false;
  while (group > 0 && pos < text.size() && text[pos] == separator && separator != '\0') {
    if (!grouped && group > 3) return false;
    ++pos;
    group = TakeDigits(text, pos, out);
    if (group != 3) return false;
    grouped = true;
  }
  return true;
}

}  // namespace

std::string_view TrimBlanks(std::string_view text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

bool SameText(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (lower(a[i]) != lower(b[i])) return false;
  }
  return true;
}

FormatSettings& FormatSettings::Current() {
  static FormatSettings settings;
  return settings;
}

std::string PlainNumberText(std::string_view text) {
  const FormatSettings& fs = FormatSettings::Current();
  const std::string_view number = TrimBlanks(text);
  std::size_t pos = 0;
  std::string out;
  if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) {
    if (number[pos] == '-') out += '-';
    ++pos;
  }
  std::string intDigits;
  std::string fracDigits;
  const char thousands = fs.thousandSeparator == fs.decimalSeparator ? '\0' : fs.thousandSeparator;
  if (!TakeGroupedDigits(number, pos, thousands, intDigits)) throw NotANumber(text);
  const bool hasPoint = pos < number.size() && number[pos] == fs.decimalSeparator;
  if (hasPoint) {
    ++pos;
    TakeDigits(number, pos, fracDigits);
  }
  if (intDigits.empty() && fracDigits.empty()) throw NotANumber(text);
  out += intDigits.empty() ? "0" : intDigits;
  if (!fracDigits.empty()) out += "." + fracDigits;
  if (pos < number.size() && (number[pos] == 'e' || number[pos] == 'E')) {
    out += 'e';
    ++pos;
    if (pos < number.size() && (number[pos] == '+' || number[pos] == '-')) out += number[pos++];
    if (TakeDigits(number, pos, out) == 0) throw NotANumber(text);
  }
  if (pos != number.size()) throw NotANumber(text);
  return out;
}

double StrToFloat(std::string_view text) {
  const std::string plain = PlainNumberText(text);
  double value = 0.0;
  const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    throw EConvertError(Message(Msg::NumberOutOfRange, {text}));
  }
  return value;
}

std::string ShortestFloatText(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  char buffer[32];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace plat
