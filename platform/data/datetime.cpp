#include "platform/data/datetime.h"

#include <cmath>
#include <cstdint>
#include <cstdio>

#include "platform/data/errors.h"
#include "platform/data/messages.h"

namespace plat {

namespace {

constexpr int64_t kMsPerDay = 86'400'000;

// Days from 1970-01-01 to a date of the proleptic Gregorian calendar, and
// back (H. Hinnant's civil calendar algorithms).
int64_t DaysFromCivil(int64_t y, int m, int d) {
  y -= m <= 2;
  const int64_t era = (y >= 0 ? y : y - 399) / 400;
  const int64_t yoe = y - era * 400;
  const int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
  const int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468;
}

void CivilFromDays(int64_t z, DateParts& parts) {
  z += 719468;
  const int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  const int64_t doe = z - era * 146097;
  const int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  const int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const int64_t mp = (5 * doy + 2) / 153;
  parts.day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  parts.month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  parts.year = static_cast<int>(yoe + era * 400 + (parts.month <= 2));
}

const int64_t kEpochOffset = DaysFromCivil(1899, 12, 30);

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  return month == 2 && IsLeapYear(year) ? 29 : kDays[month - 1];
}

std::string PartsText(const DateParts& p) {
  char buffer[64];
  std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02d %02d:%02d:%02d.%03d", p.year, p.month, p.day, p.hour, p.minute,
                p.second, p.millisecond);
  return buffer;
}

// Reads exactly `count` digits at `pos`; false when they are not there.
bool ReadDigits(std::string_view text, std::size_t& pos, std::size_t count, int& out) {
  if (pos + count > text.size()) return false;
  out = 0;
  for (std::size_t i = 0; i < count; ++i) {
    char c = text[pos + i];
    if (c < '0' || c > '9') return false;
    out = out * 10 + (c - '0');
  }
  pos += count;
  return true;
}

bool ReadChar(std::string_view text, std::size_t& pos, char expected) {
  if (pos >= text.size() || text[pos] != expected) return false;
  ++pos;
  return true;
}

bool ParseIsoParts(std::string_view text, DateParts& p) {
  std::size_t pos = 0;
  p = DateParts{};
  if (!ReadDigits(text, pos, 4, p.year) || !ReadChar(text, pos, '-') || !ReadDigits(text, pos, 2, p.month) ||
      !ReadChar(text, pos, '-') || !ReadDigits(text, pos, 2, p.day)) {
    return false;
  }
  if (pos == text.size()) return true;
  if (!ReadChar(text, pos, 'T') || !ReadDigits(text, pos, 2, p.hour) || !ReadChar(text, pos, ':') ||
      !ReadDigits(text, pos, 2, p.minute) || !ReadChar(text, pos, ':') || !ReadDigits(text, pos, 2, p.second)) {
    return false;
  }
  if (pos < text.size() && (!ReadChar(text, pos, '.') || !ReadDigits(text, pos, 3, p.millisecond))) {
    return false;
  }
  return pos == text.size();
}

}  // namespace

bool DateTime::IsValidDate(int year, int month, int day) {
  return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

DateTime DateTime::FromParts(const DateParts& p) {
  if (!IsValidDate(p.year, p.month, p.day) || p.hour < 0 || p.hour > 23 || p.minute < 0 || p.minute > 59 ||
      p.second < 0 || p.second > 59 || p.millisecond < 0 || p.millisecond > 999) {
    throw EConvertError("Invalid date or time: " + PartsText(p));
  }
  const double date = static_cast<double>(DaysFromCivil(p.year, p.month, p.day) - kEpochOffset);
  const int64_t ms = ((p.hour * 60 + p.minute) * 60 + p.second) * 1000LL + p.millisecond;
  const double time = static_cast<double>(ms) / kMsPerDay;
  // Before the epoch the integer part is still the date, so the time of day
  // is subtracted: -1.25 is 1899-12-29 06:00.
  return DateTime(date < 0 ? date - time : date + time);
}

DateTime DateTime::FromDate(int year, int month, int day) {
  DateParts parts;
  parts.year = year;
  parts.month = month;
  parts.day = day;
  return FromParts(parts);
}

DateTime DateTime::ParseIso(std::string_view text) {
  DateParts parts;
  if (!ParseIsoParts(text, parts)) {
    throw EConvertError("'" + std::string(text) + "' is not a date in the form yyyy-mm-ddThh:mm:ss");
  }
  try {
    return FromParts(parts);
  } catch (const EConvertError&) {
    throw EConvertError(Message(Msg::NotADate, {text}));
  }
}

bool DateTime::IsWrittenIso(std::string_view text) {
  DateParts p;
  return text.size() == 19 && ParseIsoParts(text, p) && IsValidDate(p.year, p.month, p.day) && p.hour <= 23 &&
         p.minute <= 59 && p.second <= 59;
}

DateParts DateTime::Parts() const {
  static const double kFirstDay = static_cast<double>(DaysFromCivil(1, 1, 1) - kEpochOffset);
  static const double kLastDay = static_cast<double>(DaysFromCivil(9999, 12, 31) - kEpochOffset);
  auto outOfRange = [this] {
    char brief[32];
    std::snprintf(brief, sizeof brief, "%.6g", days_);
    return EConvertError(Message(Msg::NotADayCount, {brief}));
  };
  if (!(days_ > kFirstDay - 1 && days_ < kLastDay + 1)) throw outOfRange();
  double whole = 0.0;
  const double fraction = std::modf(days_, &whole);
  int64_t date = static_cast<int64_t>(whole);
  int64_t ms = std::llround(std::fabs(fraction) * kMsPerDay);
  if (ms >= kMsPerDay) {  // rounded up to the next midnight
    ms -= kMsPerDay;
    ++date;
    if (static_cast<double>(date) > kLastDay) throw outOfRange();  // not into the year 10000
  }
  DateParts p;
  CivilFromDays(date + kEpochOffset, p);
  p.millisecond = static_cast<int>(ms % 1000);
  p.second = static_cast<int>(ms / 1000 % 60);
  p.minute = static_cast<int>(ms / 60'000 % 60);
  p.hour = static_cast<int>(ms / 3'600'000);
  return p;
}

DateTime DateTime::DateOnly() const {
  const DateParts p = Parts();
  return FromDate(p.year, p.month, p.day);
}

std::string DateTime::ToIso() const {
  std::string text;
  AppendIso(text);
  return text;
}

void DateTime::AppendIso(std::string& out) const {
  const DateParts p = Parts();
  if (p.year >= 0 && p.year <= 9999 && p.millisecond == 0) {
    // The usual case, written digit by digit: lists carry several dates a row.
    char text[] = "0000-00-00T00:00:00";
    auto put = [&text](int at, int value, int digits) {
      for (int i = digits - 1; i >= 0; --i, value /= 10) text[at + i] = static_cast<char>('0' + value % 10);
    };
    put(0, p.year, 4);
    put(5, p.month, 2);
    put(8, p.day, 2);
    put(11, p.hour, 2);
    put(14, p.minute, 2);
    put(17, p.second, 2);
    out.append(text, sizeof text - 1);
    return;
  }
  char buffer[64];
  int n = std::snprintf(buffer, sizeof buffer, "%04d-%02d-%02dT%02d:%02d:%02d", p.year, p.month, p.day, p.hour,
                        p.minute, p.second);
  if (p.millisecond != 0) {
    std::snprintf(buffer + n, sizeof buffer - static_cast<std::size_t>(n), ".%03d", p.millisecond);
  }
  out.append(buffer);
}

}  // namespace plat
