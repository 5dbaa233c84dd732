#include "platform/data/decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "platform/data/errors.h"
#include "platform/data/messages.h"

namespace plat {

namespace {

constexpr std::size_t kMaxSignificantDigits = 38;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool AllDigits(std::string_view text) {
  for (char c : text) {
    if (!IsDigit(c)) return false;
  }
  return true;
}

EConvertError NotADecimal(std::string_view text) { return EConvertError(Message(Msg::NotADecimal, {text})); }

// The magnitude `digits` (with `fromScale` fraction digits) as a whole number
// of units of 10^-toScale, without leading zeros ("0" for zero); toScale must
// not be below fromScale.
std::string AlignedDigits(const std::string& digits, int fromScale, int toScale) {
  std::string out = digits + std::string(static_cast<std::size_t>(toScale - fromScale), '0');
  std::size_t firstNonZero = out.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return "0";
  return out.substr(firstNonZero);
}

// Compares magnitudes: -1, 0 or 1.
int CompareMagnitude(const std::string& da, int sa, const std::string& db, int sb) {
  int scale = std::max(sa, sb);
  std::string a = AlignedDigits(da, sa, scale);
  std::string b = AlignedDigits(db, sb, scale);
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  int c = a.compare(b);
  return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

}  // namespace

Decimal Decimal::Parse(std::string_view text) {
  std::string_view rest = text;
  Decimal d;
  if (!rest.empty() && (rest.front() == '+' || rest.front() == '-')) {
    d.negative_ = rest.front() == '-';
    rest.remove_prefix(1);
  }
  std::string_view intPart = rest;
  std::string_view fracPart;
  std::size_t point = rest.find('.');
  if (point != std::string_view::npos) {
    intPart = rest.substr(0, point);
    fracPart = rest.substr(point + 1);
    if (fracPart.empty()) throw NotADecimal(text);
  }
  if (intPart.empty() || !AllDigits(intPart) || !AllDigits(fracPart)) throw NotADecimal(text);

  std::size_t firstNonZero = intPart.find_first_not_of('0');
  intPart = firstNonZero == std::string_view::npos ? "0" : intPart.substr(firstNonZero);
  d.digits_ = std::string(intPart) + std::string(fracPart);
  d.scale_ = static_cast<int>(fracPart.size());

  std::size_t significant = d.digits_.size() - std::min(d.digits_.find_first_not_of('0'), d.digits_.size());
  if (significant > kMaxSignificantDigits) {
    throw EConvertError("'" + std::string(text) + "' has more than 38 significant digits");
  }
  if (d.IsZero()) d.negative_ = false;
  return d;
}

Decimal Decimal::FromDouble(double value) {
  if (!std::isfinite(value) || std::fabs(value) >= 1e38) {
    char shortest[32];
    auto result = std::to_chars(shortest, shortest + sizeof shortest, value);
    throw EConvertError(
        Message(Msg::NumberOutOfRange, {std::string_view(shortest, std::size_t(result.ptr - shortest))}));
  }
  // Fixed notation without a precision gives the shortest text that reads back
  // as the same double.
  char buffer[400];
  auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
  return Parse(std::string_view(buffer, static_cast<std::size_t>(result.ptr - buffer)));
}

Decimal Decimal::FromInt(int64_t value) { return Parse(std::to_string(value)); }

std::string Decimal::ToString() const {
  std::string out = IsNegative() ? "-" : "";
  std::size_t intDigits = digits_.size() - static_cast<std::size_t>(scale_);
  out += digits_.substr(0, intDigits);
  if (scale_ > 0) {
    out += '.';
    out += digits_.substr(intDigits);
  }
  return out;
}

double Decimal::ToDouble() const {
  std::string text = ToString();
  double value = 0.0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  return value;
}

int64_t Decimal::ToScaled(int decimals) const {
  // Integer part plus `decimals` fraction digits, then the next digit decides
  // the rounding of the magnitude, which is rounding half away from zero.
  std::string aligned = digits_;
  int keep = decimals + 1;
  if (scale_ < keep)
    aligned += std::string(static_cast<std::size_t>(keep - scale_), '0');
  else
    aligned.resize(aligned.size() - static_cast<std::size_t>(scale_ - keep));
  bool roundUp = aligned.back() >= '5';
  aligned.pop_back();

  constexpr uint64_t kMaxMagnitude = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  const uint64_t limit = negative_ ? kMaxMagnitude + 1 : kMaxMagnitude;
  uint64_t magnitude = 0;
  auto tooLarge = [this]() { return EConvertError("The number " + ToString() + " is too large"); };
  for (char c : aligned) {
    uint64_t digit = static_cast<uint64_t>(c - '0');
    if (magnitude > (limit - digit) / 10) throw tooLarge();
    magnitude = magnitude * 10 + digit;
  }
  if (roundUp) {
    if (magnitude == limit) throw tooLarge();
    ++magnitude;
  }
  if (!negative_) return static_cast<int64_t>(magnitude);
  return magnitude == kMaxMagnitude + 1 ? std::numeric_limits<int64_t>::min() : -static_cast<int64_t>(magnitude);
}

int64_t Decimal::ToCurrency() const { return ToScaled(4); }

int64_t Decimal::ToInt64() const { return ToScaled(0); }

bool Decimal::IsZero() const { return digits_.find_first_not_of('0') == std::string::npos; }

bool operator==(const Decimal& a, const Decimal& b) {
  if (a.IsNegative() != b.IsNegative()) return false;
  return CompareMagnitude(a.digits_, a.scale_, b.digits_, b.scale_) == 0;
}

bool operator<(const Decimal& a, const Decimal& b) {
  if (a.IsNegative() != b.IsNegative()) return a.IsNegative();
  int c = CompareMagnitude(a.digits_, a.scale_, b.digits_, b.scale_);
  return a.IsNegative() ? c > 0 : c < 0;
}

}  // namespace plat
