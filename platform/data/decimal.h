// Decimal: an exact decimal number kept as its digits and scale.
//
// Used for decimal(32,0) fields, which still carry fractions (10.5, 131.5).
// Parsing and printing are exact: Parse("10.50").ToString() == "10.50".
// Values compare by numeric value (10.5 == 10.50).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace plat {

class Decimal {
 public:
  Decimal() = default;  // zero

  // Accepts [+-]digits[.digits]; at most 38 significant digits.
  // Throws EConvertError naming the text otherwise.
  static Decimal Parse(std::string_view text);
  // Shortest decimal text that reads back as the same double (0.1 -> "0.1").
  // Throws EConvertError for NaN, infinities and magnitudes of 1e38 or more.
  static Decimal FromDouble(double value);
  static Decimal FromInt(int64_t value);

  std::string ToString() const;  // "-12.50", "0", "131.5"
  double ToDouble() const;
  // Value scaled by 10,000 (currency with four decimals), rounded half away
  // from zero. Throws EConvertError when it does not fit 64 bits.
  int64_t ToCurrency() const;
  // Value rounded half away from zero to a whole number; throws EConvertError
  // when it does not fit 64 bits.
  int64_t ToInt64() const;

  bool IsZero() const;
  bool IsNegative() const { return negative_ && !IsZero(); }
  int Scale() const { return scale_; }

  friend bool operator==(const Decimal& a, const Decimal& b);
  friend bool operator<(const Decimal& a, const Decimal& b);

 private:
  int64_t ToScaled(int decimals) const;

  bool negative_ = false;
  std::string digits_ = "0";  // all digits, integer part then fraction
  int scale_ = 0;             // number of fraction digits at the end of digits_
};

}  // namespace plat
