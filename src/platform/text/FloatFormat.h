#pragma once
// Numbers written as text the way the class library writes them: the decimal
// comma, no thousands separators, and rounding half away from zero at the last
// digit kept.
#include <string>

enum TFloatFormat { ffFixed };

// The general format: at most 15 significant digits, no trailing zeros, the comma
// only when there is a fraction; fixed notation from 0.00001 up to 15 integer
// digits, scientific notation ("1,5E-6", "1E15") otherwise.
std::string FloatToStr(long double value);

// ffFixed: an optional minus sign, the integer part (at least one digit), and
// with `digits` above 0 the comma and exactly `digits` decimals. The value is
// rounded to `precision` significant digits and to `digits` decimals, whichever
// is coarser; a precision above 18 counts as 18. A zero never has a minus sign.
std::string FloatToStrF(long double value, TFloatFormat format, int precision, int digits);
