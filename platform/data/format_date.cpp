#include <array>
#include <vector>

#include "platform/data/errors.h"
#include "platform/data/format.h"
#include "platform/data/messages.h"

namespace plat {

namespace {

char Lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

std::string Padded(int value, std::size_t width) {
  std::string text = std::to_string(value);
  if (text.size() < width) text.insert(0, width - text.size(), '0');
  return text;
}

std::vector<std::string_view> Split(std::string_view text, char separator) {
  std::vector<std::string_view> parts;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos; start = end + 1) {
    parts.push_back(text.substr(start, end - start));
  }
  parts.push_back(text.substr(start));
  return parts;
}

// Reads a number of `minDigits` to `maxDigits` digits making up the whole text.
bool ReadNumber(std::string_view text, std::size_t minDigits, std::size_t maxDigits, int& out) {
  if (text.size() < minDigits || text.size() > maxDigits) return false;
  out = 0;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
    out = out * 10 + (c - '0');
  }
  return true;
}

// The order of day, month and year in the short date format, and the
// character between them.
struct DateLayout {
  std::array<char, 3> order{'d', 'm', 'y'};
  char separator = '/';
};

DateLayout LayoutOf(std::string_view format) {
  DateLayout layout;
  std::string order;
  bool separatorSeen = false;
  for (char c : format) {
    const char l = Lower(c);
    if (l == 'd' || l == 'm' || l == 'y') {
      if (order.find(l) == std::string::npos) order += l;
    } else if (!separatorSeen) {
      layout.separator = c;
      separatorSeen = true;
    }
  }
  if (order.size() == 3) layout.order = {order[0], order[1], order[2]};
  return layout;
}

bool ParseDate(std::string_view text, DateTime& out) {
  const DateLayout layout = LayoutOf(FormatSettings::Current().shortDateFormat);
  const std::vector<std::string_view> parts = Split(TrimBlanks(text), layout.separator);
  if (parts.size() != 3) return false;
  int day = 0, month = 0, year = 0;
  bool shortYear = false;
  for (std::size_t i = 0; i < 3; ++i) {
    const std::string_view part = parts[i];
    if (layout.order[i] == 'y') shortYear = part.size() == 2;
    const bool ok = layout.order[i] == 'd'   ? ReadNumber(part, 1, 2, day)
                    : layout.order[i] == 'm' ? ReadNumber(part, 1, 2, month)
                                             : ReadNumber(part, 2, 4, year) && part.size() != 3;
    if (!ok) return false;
  }
  if (shortYear) year += 2000;
  if (!DateTime::IsValidDate(year, month, day)) return false;
  out = DateTime::FromDate(year, month, day);
  return true;
}

// "h:nn[:ss[.zzz]]" into the time fields of `parts`.
bool ParseTime(std::string_view text, DateParts& parts) {
  const std::vector<std::string_view> fields = Split(text, ':');
  if (fields.size() < 2 || fields.size() > 3) return false;
  if (!ReadNumber(fields[0], 1, 2, parts.hour) || !ReadNumber(fields[1], 2, 2, parts.minute)) return false;
  if (fields.size() == 3) {
    const std::vector<std::string_view> seconds = Split(fields[2], '.');
    if (seconds.size() > 2 || !ReadNumber(seconds[0], 2, 2, parts.second)) return false;
    if (seconds.size() == 2 && !ReadNumber(seconds[1], 3, 3, parts.millisecond)) return false;
  }
  return parts.hour < 24 && parts.minute < 60 && parts.second < 60;
}

}  // namespace

std::string FormatDateTime(std::string_view pattern, const DateTime& value) {
  const DateParts p = value.Parts();
  std::string out;
  bool afterHour = false;  // "mm" right after an hour means minutes
  for (std::size_t i = 0; i < pattern.size();) {
    const char c = pattern[i];
    if (c == '"' || c == '\'') {
      std::size_t end = pattern.find(c, i + 1);
      if (end == std::string_view::npos) end = pattern.size();
      out += pattern.substr(i + 1, end - i - 1);
      i = end + 1;
      continue;
    }
    const char letter = Lower(c);
    std::size_t run = 1;
    while (i + run < pattern.size() && Lower(pattern[i + run]) == letter) ++run;
    const std::size_t width = run >= 2 ? 2 : 1;
    switch (letter) {
      case 'd':
        out += Padded(p.day, width);
        break;
      case 'm':
        out += afterHour ? Padded(p.minute, width) : Padded(p.month, width);
        break;
      case 'y':
        out += run >= 3 ? Padded(p.year, 4) : Padded(p.year % 100, 2);
        break;
      case 'h':
        out += Padded(p.hour, width);
        break;
      case 'n':
        out += Padded(p.minute, width);
        break;
      case 's':
        out += Padded(p.second, width);
        break;
      case 'z':
        out += Padded(p.millisecond, run >= 3 ? 3 : 1);
        break;
      default:
        out += pattern.substr(i, run);
        break;
    }
    if (letter >= 'a' && letter <= 'z') afterHour = letter == 'h';
    i += run;
  }
  return out;
}

std::string DateToStr(const DateTime& value) {
  return FormatDateTime(FormatSettings::Current().shortDateFormat, value);
}

std::string DateTimeToStr(const DateTime& value) {
  const FormatSettings& fs = FormatSettings::Current();
  const DateParts p = value.Parts();
  const bool midnight = p.hour == 0 && p.minute == 0 && p.second == 0 && p.millisecond == 0;
  if (midnight) return DateToStr(value);
  return DateToStr(value) + " " + FormatDateTime(fs.longTimeFormat, value);
}

bool TryStrToDate(std::string_view text, DateTime& out) { return ParseDate(text, out); }

DateTime StrToDate(std::string_view text) {
  DateTime value;
  if (!ParseDate(text, value)) throw EConvertError(Message(Msg::NotADate, {text}));
  return value;
}

DateTime StrToDateTime(std::string_view text) {
  const std::string_view trimmed = TrimBlanks(text);
  const std::size_t space = trimmed.find(' ');
  DateTime date;
  DateParts parts;
  bool ok = ParseDate(trimmed.substr(0, space), date);
  if (ok) parts = date.Parts();
  if (ok && space != std::string_view::npos) ok = ParseTime(TrimBlanks(trimmed.substr(space)), parts);
  if (!ok) throw EConvertError(Message(Msg::NotADateTime, {text}));
  return DateTime::FromParts(parts);
}

}  // namespace plat
