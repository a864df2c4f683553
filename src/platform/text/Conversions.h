#pragma once
// Conversions between numbers and text. Decimal fractions use the comma, as the
// Russian regional setting the program runs under does.
#include <cstdint>
#include <string>

// Reads a decimal integer, blanks around it and a sign allowed; raises EConvertError
// for anything else, a value outside 32 bits included.
int StrToInt(const std::string& text);
std::string IntToStr(std::int64_t value);
// Reads a decimal number with a comma before its fraction (and an optional exponent);
// raises EConvertError for anything else, a point included, and for a number too
// large for the extended type.
long double StrToFloat(const std::string& text);
