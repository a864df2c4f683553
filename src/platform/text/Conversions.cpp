#include "platform/text/Conversions.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <clocale>
#include <cmath>
#include <cstdlib>

#include "platform/text/Exceptions.h"

namespace {

std::string Trimmed(const std::string& text) {
  std::size_t begin = 0, end = text.size();
  while (begin < end && text[begin] == ' ') ++begin;
  while (end > begin && text[end - 1] == ' ') --end;
  return text.substr(begin, end - begin);
}

bool AllDigits(const std::string& text, std::size_t from) {
  if (from >= text.size()) return false;
  for (std::size_t i = from; i < text.size(); ++i)
    if (!std::isdigit(static_cast<unsigned char>(text[i]))) return false;
  return true;
}

// The toolkit sets the C library's locale from the user's environment; under the
// Russian one strtold would stop at the point that stands in for the comma here.
locale_t ClassicLocale() {
  static const locale_t classic = newlocale(LC_ALL_MASK, "C", nullptr);
  return classic;
}

}  // namespace

int StrToInt(const std::string& text) {
  const std::string t = Trimmed(text);
  const std::size_t digitsFrom = (!t.empty() && (t[0] == '+' || t[0] == '-')) ? 1 : 0;
  const auto invalid = [&] { return EConvertError("\"" + text + "\" не является целым числом"); };
  if (!AllDigits(t, digitsFrom)) throw invalid();
  errno = 0;
  const long long value = std::strtoll(t.c_str(), nullptr, 10);
  if (errno == ERANGE || value < INT_MIN || value > INT_MAX) throw invalid();
  return static_cast<int>(value);
}

std::string IntToStr(std::int64_t value) { return std::to_string(value); }

long double StrToFloat(const std::string& text) {
  const std::string t = Trimmed(text);
  const auto invalid = [&] { return EConvertError("\"" + text + "\" не является числом"); };
  // The C library reads a point; the program's texts carry a comma, and a point in
  // them is no number.
  std::string c = t;
  for (char& ch : c) {
    if (ch == '.') throw invalid();
    if (ch == ',') ch = '.';
  }
  std::size_t i = (!c.empty() && (c[0] == '+' || c[0] == '-')) ? 1 : 0;
  std::size_t digits = 0;
  while (i < c.size() && std::isdigit(static_cast<unsigned char>(c[i]))) { ++i; ++digits; }
  if (i < c.size() && c[i] == '.') {
    ++i;
    while (i < c.size() && std::isdigit(static_cast<unsigned char>(c[i]))) { ++i; ++digits; }
  }
  if (digits == 0) throw invalid();
  if (i < c.size() && (c[i] == 'e' || c[i] == 'E')) {
    ++i;
    if (i < c.size() && (c[i] == '+' || c[i] == '-')) ++i;
    if (!AllDigits(c.substr(0, c.size()), i)) throw invalid();
    i = c.size();
  }
  if (i != c.size()) throw invalid();
  errno = 0;
  const long double value = strtold_l(c.c_str(), nullptr, ClassicLocale());
  // A number too large for the extended type is no number the program can use.
  if (errno == ERANGE && std::isinf(value)) throw invalid();
  return value;
}
