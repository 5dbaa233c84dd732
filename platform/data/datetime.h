// DateTime: a date with a time of day, counted as days since 1899-12-30
// (the fraction is the time of day), so that "date + 30.0" adds thirty days.
//
// Before 1899-12-30 the count is negative and keeps the classic form: the
// integer part is the date and the fraction's absolute value the time of day,
// so -1.25 is 1899-12-29 06:00 (and -0.25 equals 0.25). Dates run from year 1
// to 9999 of the Gregorian calendar, also before its adoption.
//
// Conversions to and from ISO-8601 text ("2026-12-08T14:30:00", with
// ".mmm" milliseconds when not zero) are exact to the millisecond.
#pragma once

#include <string>
#include <string_view>

namespace plat {

struct DateParts {
  int year = 1899, month = 12, day = 30;
  int hour = 0, minute = 0, second = 0, millisecond = 0;
};

class DateTime {
 public:
  DateTime() = default;
  explicit DateTime(double days) : days_(days) {}

  // Throws EConvertError for an impossible date or time.
  static DateTime FromParts(const DateParts& parts);
  static DateTime FromDate(int year, int month, int day);
  // Accepts "yyyy-mm-dd" and "yyyy-mm-ddThh:mm:ss[.mmm]"; throws EConvertError.
  static DateTime ParseIso(std::string_view text);
  // True for a text that ParseIso reads and AppendIso writes back as it is:
  // "yyyy-mm-ddThh:mm:ss" of a valid date and time of day.
  static bool IsWrittenIso(std::string_view text);
  static bool IsValidDate(int year, int month, int day);

  double Days() const { return days_; }
  // Rounded to the millisecond. Throws EConvertError when the count is not a
  // finite number of days within years 1 to 9999.
  DateParts Parts() const;
  DateTime DateOnly() const;
  std::string ToIso() const;
  void AppendIso(std::string& out) const;  // ToIso's text added to out

  DateTime operator+(double days) const { return DateTime(days_ + days); }
  friend bool operator==(const DateTime& a, const DateTime& b) { return a.days_ == b.days_; }
  friend bool operator<(const DateTime& a, const DateTime& b) { return a.days_ < b.days_; }

 private:
  double days_ = 0.0;
};

}  // namespace plat
