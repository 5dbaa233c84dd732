// Number, date and mask formatting as the host offers it to screens.
//
// The separators and the date format come from one settings object,
// FormatSettings::Current(), which the host configures at start-up
// (defaults: "," thousands, "." decimals, dates "dd/mm/yyyy").
#pragma once

#include <string>
#include <string_view>

#include "platform/data/datetime.h"

namespace plat {

struct FormatSettings {
  char thousandSeparator = ',';
  char decimalSeparator = '.';
  std::string shortDateFormat = "dd/mm/yyyy";  // dd, mm, yyyy in any order
  std::string longTimeFormat = "hh:nn:ss";

  static FormatSettings& Current();
};

// The text without the blanks (spaces and tabs) at either end.
std::string_view TrimBlanks(std::string_view text);
// True when both texts are equal but for the case of ASCII letters.
bool SameText(std::string_view a, std::string_view b);

// Formats a number with a pattern of the classic kind: '0' a digit always
// shown, '#' a digit shown when significant, ',' anywhere in the integer part
// turns on thousands grouping, '.' the decimal point; text in quotes is copied.
// Rounds half away from zero the shortest decimal text of the double, so
// 2.675 gives "2.68" with two decimals; a result of zero has no sign.
// "#,##0.00": 1234.5 * 2 -> "2,469.00", 0.5 -> "0.50", -1234.567 ->
// "-1,234.57". Up to three sections "positive;negative;zero" (an empty
// section falls back to the first; the negative one shows no sign of its
// own). Other characters are copied; those between digit placeholders are
// moved after the number. An empty pattern gives the shortest general form
// ("10.5", "3") with the settings' decimal separator. Non-finite values give
// ShortestFloatText's "NAN"/"INF"/"-INF".
std::string FormatFloat(std::string_view pattern, double value);

// Parses a number typed by a user: optional sign, digits with optional
// thousands separators, the decimal separator. Throws EConvertError.
// Blanks around the number are ignored; thousands separators must split the
// integer part into groups of three ("1,234,567"); an exponent ("1e-7") is
// accepted.
double StrToFloat(std::string_view text);

// The same number as StrToFloat reads it, rewritten in plain form: '-' when
// negative, the integer digits (at least "0"), '.' and the fraction when
// typed, 'e' and the exponent when typed. "1,234.50" -> "1234.50". Lets
// exact types (Decimal, integers) read user text by the same rules.
std::string PlainNumberText(std::string_view text);

// The shortest text that reads back as the same double, with '.' as the
// decimal point whatever the settings: "10.5", "3", "1e+20".
// Non-finite values give "NAN", "INF" and "-INF".
std::string ShortestFloatText(double value);

// An edit mask "mask;1|0;blank" split into its parts. Mask characters:
//   '!'  leading blanks are trimmed from the mask instead of trailing ones
//        (has no effect on formatting here beyond being skipped)
//   '\'  the next character is a literal
//   '9'  optional digit, '0' required digit, 'L'/'l' letter, 'A'/'a'
//        alphanumeric, 'C'/'c' any character, '#' digit or sign
//   '>' / '<' upper / lower case from here, '<>' case off
//   anything else is a literal.
struct EditMask {
  std::string mask;          // the mask part, as written
  bool saveLiterals = true;  // second part: 1 = literals are stored with the value
  char32_t blank = U'_';     // third part: the character shown in empty positions

  static EditMask Parse(std::string_view text);  // "!\(99\)0000-0000;0; "
  bool Empty() const { return mask.empty(); }
};

// FormatMaskText(mask, value): lays the characters of value into the mask's
// positions. When the mask does not save literals, value holds only the
// characters of the mask's input positions; when it does, value is taken to
// carry the literals at their positions already. Missing characters show as
// the blank character. FormatMaskText("!\(99\)0000-0000;0; ", "1132345678")
// -> "(11)3234-5678".
std::string FormatMaskText(std::string_view editMask, std::string_view value);

// The value to store from a text typed into a masked edit: with saveLiterals
// off the literals and all blanks are removed ("(11)3234-5678" ->
// "1132345678"); with it on, the literals stay, blanks become spaces and
// trailing spaces are dropped. A text with no input position filled gives "".
// An empty mask returns the text unchanged.
std::string MaskedTextToValue(std::string_view editMask, std::string_view text);

// A text as typed into a masked edit, with the mask's case rules applied at
// their input positions (">LL" turns "zq" into "ZQ" as it is typed).
std::string ApplyMaskCase(std::string_view editMask, std::string_view text);

// Whether every character typed at an input position of the mask is of that
// position's class (a digit for '9', '0' and '#', which also takes a sign; a
// letter for 'L' and 'l'; a letter or digit for 'A' and 'a'); blanks always
// fit. An empty mask accepts any text.
bool MaskAccepts(std::string_view editMask, std::string_view text);

// Formats a date-time with a pattern: d/dd day, m/mm month (minutes right
// after an hour), yy/yyyy year, h/hh hour, n/nn minutes, s/ss seconds, z/zzz
// milliseconds, letters in either case; text in quotes and any other
// character is copied. FormatDateTime("dd/mm/yyyy hh:nn", v) -> "08/12/2026 14:30".
std::string FormatDateTime(std::string_view pattern, const DateTime& value);

// Dates in FormatSettings::Current()'s short date format.
std::string DateToStr(const DateTime& value);
// The date, then a space and the long time format when the time is not midnight.
std::string DateTimeToStr(const DateTime& value);
// Throws EConvertError for a text that is not a valid date in that format.
// Day and month take one or two digits, the year four, or two meaning 20yy
// ("8/12/26" is 2026-12-08). Blanks around the text are ignored.
DateTime StrToDate(std::string_view text);
bool TryStrToDate(std::string_view text, DateTime& out);
// A date as StrToDate reads it, optionally followed by a blank and a time
// "h:nn[:ss[.zzz]]" (what DateTimeToStr writes). Throws EConvertError.
DateTime StrToDateTime(std::string_view text);

}  // namespace plat
