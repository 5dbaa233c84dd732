#include <algorithm>
#include <charconv>
#include <cmath>
#include <vector>

#include "platform/data/format.h"

namespace plat {

namespace {

// One section of a number pattern, e.g. "#,##0.00".
struct NumberPattern {
  std::string prefix;  // literal text before the first digit placeholder
  std::string suffix;  // literal text after it (also text between placeholders)
  bool hasNumber = false;
  int intZeros = 0;     // integer digits always shown
  int minDecimals = 0;  // decimals always shown (up to the last '0')
  int maxDecimals = 0;  // decimals shown when significant
  bool grouping = false;
};

// |value| as digits, rounded half away from zero to a number of decimals.
struct RoundedDigits {
  std::string integer;
  std::string fraction;

  bool IsZero() const {
    return integer.find_first_not_of('0') == std::string::npos && fraction.find_first_not_of('0') == std::string::npos;
  }
};

std::vector<std::string_view> SplitSections(std::string_view pattern) {
  std::vector<std::string_view> sections;
  std::size_t start = 0;
  char quote = '\0';
  for (std::size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (quote != '\0') {
      if (c == quote) quote = '\0';
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (c == ';') {
      sections.push_back(pattern.substr(start, i - start));
      start = i + 1;
    }
  }
  sections.push_back(pattern.substr(start));
  return sections;
}

NumberPattern ParseSection(std::string_view section) {
  NumberPattern p;
  bool inFraction = false;
  for (std::size_t i = 0; i < section.size(); ++i) {
    const char c = section[i];
    std::string& literal = p.hasNumber ? p.suffix : p.prefix;
    if (c == '"' || c == '\'') {
      std::size_t end = section.find(c, i + 1);
      if (end == std::string_view::npos) end = section.size();
      literal += section.substr(i + 1, end - i - 1);
      i = end;
    } else if (c == '0' || c == '#') {
      p.hasNumber = true;
      if (inFraction) {
        ++p.maxDecimals;
        if (c == '0') p.minDecimals = p.maxDecimals;
      } else if (c == '0') {
        ++p.intZeros;
      }
    } else if (c == ',') {
      p.grouping = p.grouping || !inFraction;
    } else if (c == '.' && !inFraction) {
      p.hasNumber = true;
      inFraction = true;
    } else {
      literal += c;
    }
  }
  return p;
}

// Adds one unit in the last place of a run of digits; "99" -> "100".
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

// Rounds the shortest decimal text of the double, not its binary value, so
// that 2.675 rounds like the 2.675 the user sees.
RoundedDigits Round(double magnitude, int decimals) {
  char buffer[400];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::fixed);
  const std::string_view text(buffer, static_cast<std::size_t>(result.ptr - buffer));
  const std::size_t point = text.find('.');
  RoundedDigits d;
  d.integer = std::string(text.substr(0, point));
  if (point != std::string_view::npos) d.fraction = std::string(text.substr(point + 1));
  const auto keep = static_cast<std::size_t>(decimals);
  if (d.fraction.size() <= keep) {
    d.fraction.resize(keep, '0');
    return d;
  }
  const bool up = d.fraction[keep] >= '5';
  d.fraction.resize(keep);
  if (up) {
    std::string all = d.integer + d.fraction;
    IncrementDigits(all);
    d.integer = all.substr(0, all.size() - keep);
    d.fraction = all.substr(all.size() - keep);
  }
  return d;
}

std::string GroupThousands(const std::string& digits, char separator) {
  std::string out;
  for (std::size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
    out += digits[i];
  }
  return out;
}

std::string Compose(const NumberPattern& p, RoundedDigits d) {
  if (!p.hasNumber) return p.prefix;
  const FormatSettings& fs = FormatSettings::Current();
  while (d.fraction.size() > static_cast<std::size_t>(p.minDecimals) && d.fraction.back() == '0') {
    d.fraction.pop_back();
  }
  std::string integer = d.integer.substr(std::min(d.integer.find_first_not_of('0'), d.integer.size()));
  if (integer.size() < static_cast<std::size_t>(p.intZeros)) {
    integer.insert(0, static_cast<std::size_t>(p.intZeros) - integer.size(), '0');
  }
  if (p.grouping) integer = GroupThousands(integer, fs.thousandSeparator);
  std::string out = p.prefix + integer;
  if (!d.fraction.empty()) out += fs.decimalSeparator + d.fraction;
  return out + p.suffix;
}

std::string FormatWith(std::string_view section, double value) {
  const NumberPattern p = ParseSection(section);
  return Compose(p, Round(std::fabs(value), p.maxDecimals));
}

}  // namespace

std::string FormatFloat(std::string_view pattern, double value) {
  if (!std::isfinite(value)) return ShortestFloatText(value);
  if (pattern.empty()) {
    std::string text = ShortestFloatText(value);
    const std::size_t point = text.find('.');
    if (point != std::string::npos) text[point] = FormatSettings::Current().decimalSeparator;
    return text;
  }
  const std::vector<std::string_view> sections = SplitSections(pattern);
  const NumberPattern positive = ParseSection(sections[0]);
  const RoundedDigits digits = Round(std::fabs(value), positive.maxDecimals);
  if (digits.IsZero() && sections.size() > 2 && !sections[2].empty()) return FormatWith(sections[2], value);
  if (value < 0 && sections.size() > 1 && !sections[1].empty()) return FormatWith(sections[1], value);
  const bool showSign = value < 0 && !digits.IsZero() && positive.hasNumber;
  std::string text = Compose(positive, digits);
  if (showSign) text.insert(text.begin(), '-');
  return text;
}

}  // namespace plat
