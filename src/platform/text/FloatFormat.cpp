#include "platform/text/FloatFormat.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>

namespace {

// The exact decimal expansion of a non-negative finite number: its digits with the
// point left out, and how many of them lie after the point.
struct Decimal {
  std::string Digits;
  int Decimals = 0;

  int IntegerDigits() const { return static_cast<int>(Digits.size()) - Decimals; }
  // Index in Digits of the digit that weighs 10^power.
  int IndexOf(int power) const { return IntegerDigits() - 1 - power; }
};

Decimal ExactDecimal(long double magnitude) {
  int exponent = 0;
  std::frexp(magnitude, &exponent);
  // The lowest bit of the significand weighs 2^(exponent - 64) or more, so this many
  // decimals hold the value exactly, so it is written without rounding.
  const int decimals = std::max(0, std::numeric_limits<long double>::digits - exponent);
  std::string text(64, '\0');
  for (;;) {
    const auto written = std::to_chars(text.data(), text.data() + text.size(), magnitude,
                                       std::chars_format::fixed, decimals);
    if (written.ec == std::errc()) {
      text.resize(static_cast<std::size_t>(written.ptr - text.data()));
      break;
    }
    text.resize(text.size() * 2);
  }
  Decimal decimal;
  decimal.Decimals = decimals;
  // Keeps the digits only, leaving the decimal point out.
  for (char c : text)
    if (std::isdigit(static_cast<unsigned char>(c))) decimal.Digits += c;
  return decimal;
}

// The power of ten of the first non-zero digit; none for a zero.
std::optional<int> LeadingPower(const Decimal& decimal) {
  const auto first = decimal.Digits.find_first_not_of('0');
  if (first == std::string::npos) return std::nullopt;
  return decimal.IntegerDigits() - 1 - static_cast<int>(first);
}

// Rounds to a whole multiple of 10^power, a half away from zero; the digits below
// become zeros. `power` must not lie above the leading digit of a non-zero value.
void RoundAt(Decimal& decimal, int power) {
  if (-power > decimal.Decimals) {
    decimal.Digits.append(static_cast<std::size_t>(-power - decimal.Decimals), '0');
    decimal.Decimals = -power;
  }
  decimal.Digits.insert(0, "0");  // room for a carry out of the top digit
  const int last = decimal.IndexOf(power);
  auto& digits = decimal.Digits;
  const bool up = last + 1 < static_cast<int>(digits.size()) && digits[static_cast<std::size_t>(last) + 1] >= '5';
  std::fill(digits.begin() + last + 1, digits.end(), '0');
  for (int i = last; up && i >= 0; --i) {
    char& digit = digits[static_cast<std::size_t>(i)];
    if (digit != '9') {
      ++digit;
      break;
    }
    digit = '0';
  }
}

std::string IntegerPart(const Decimal& decimal) {
  const std::string whole = decimal.Digits.substr(0, static_cast<std::size_t>(decimal.IntegerDigits()));
  const auto first = whole.find_first_not_of('0');
  return first == std::string::npos ? "0" : whole.substr(first);
}

// The first `count` decimals, with zeros past the end of the expansion.
std::string FractionPart(const Decimal& decimal, int count) {
  std::string fraction = decimal.Digits.substr(static_cast<std::size_t>(decimal.IntegerDigits()));
  fraction.resize(static_cast<std::size_t>(count), '0');
  return fraction;
}

std::string WithoutTrailingZeros(std::string digits) {
  digits.erase(digits.find_last_not_of('0') + 1);
  return digits;
}

std::optional<std::string> NonFiniteText(long double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";
  return std::nullopt;
}

constexpr int GeneralPrecision = 15;
constexpr int MaxFixedPrecision = 18;
constexpr int LowestFixedPower = -5;  // 0.00001 and up are written in fixed notation

std::string Scientific(const Decimal& decimal, int leading) {
  const std::string significant = WithoutTrailingZeros(
      decimal.Digits.substr(static_cast<std::size_t>(decimal.IndexOf(leading)), GeneralPrecision));
  std::string text = significant.substr(0, 1);
  if (significant.size() > 1) text += "," + significant.substr(1);
  text += "E";
  if (leading < 0) text += "-";
  return text + std::to_string(std::abs(leading));
}

std::string GeneralFixed(const Decimal& decimal) {
  std::string text = IntegerPart(decimal);
  const std::string fraction = WithoutTrailingZeros(FractionPart(decimal, decimal.Decimals));
  if (!fraction.empty()) text += "," + fraction;
  return text;
}

}  // namespace

std::string FloatToStr(long double value) {
  if (auto text = NonFiniteText(value)) return *text;
  Decimal decimal = ExactDecimal(std::fabs(value));
  const auto leadingBefore = LeadingPower(decimal);
  if (!leadingBefore) return "0";
  RoundAt(decimal, *leadingBefore - GeneralPrecision + 1);
  const int leading = *LeadingPower(decimal);  // a carry may have added a digit
  const std::string sign = std::signbit(value) ? "-" : "";
  if (leading >= GeneralPrecision || leading < LowestFixedPower) return sign + Scientific(decimal, leading);
  return sign + GeneralFixed(decimal);
}

std::string FloatToStrF(long double value, TFloatFormat, int precision, int digits) {
  if (auto text = NonFiniteText(value)) return *text;
  digits = std::max(digits, 0);
  precision = std::clamp(precision, 1, MaxFixedPrecision);
  Decimal decimal = ExactDecimal(std::fabs(value));
  int power = -digits;
  if (const auto leading = LeadingPower(decimal)) power = std::max(power, *leading - precision + 1);
  RoundAt(decimal, power);
  std::string text = std::signbit(value) && LeadingPower(decimal) ? "-" : "";
  text += IntegerPart(decimal);
  if (digits > 0) text += "," + FractionPart(decimal, digits);
  return text;
}
