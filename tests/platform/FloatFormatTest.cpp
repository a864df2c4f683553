// Numbers as text: the fixed format of the operand values and the general format
// of results and times, with the decimal comma and rounding half away from zero.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "platform/text/FloatFormat.h"

namespace {
std::string Fixed(long double value) { return FloatToStrF(value, ffFixed, 23, 18); }
}  // namespace

TEST(FloatToStrFFixed, OperandValuesShowEighteenDecimals) {
  EXPECT_EQ(Fixed(0.5L), "0,500000000000000000");
  EXPECT_EQ(Fixed(-0.75L), "-0,750000000000000000");
  EXPECT_EQ(Fixed(0.000030517578125L), "0,000030517578125000");
  EXPECT_EQ(Fixed(0.999969482421875L), "0,999969482421875000");
  EXPECT_EQ(Fixed(-0.000030517578125L), "-0,000030517578125000");
  EXPECT_EQ(Fixed(1.0L), "1,000000000000000000");
  EXPECT_EQ(Fixed(0.0000152587890625L), "0,000015258789062500");
  EXPECT_EQ(Fixed(0.00000762939453125L), "0,000007629394531250");
  EXPECT_EQ(Fixed(16384.0L), "16384,000000000000000000");
  EXPECT_EQ(Fixed(-0.5009765625L), "-0,500976562500000000");
}

TEST(FloatToStrFFixed, LargestAndSmallestMagnitudesOfACode) {
  EXPECT_EQ(Fixed(32736.0L), "32736,000000000000000000");
  EXPECT_EQ(Fixed(-32736.0L), "-32736,000000000000000000");
  // 2^-26 = 0.00000001490116119384765625: the 19th decimal 8 rounds up.
  EXPECT_EQ(Fixed(std::ldexp(1.0L, -26)), "0,000000014901161194");
  EXPECT_EQ(Fixed(-std::ldexp(1.0L, -26)), "-0,000000014901161194");
}

TEST(FloatToStrFFixed, ExactHalfAtTheNineteenthDecimalRoundsAwayFromZero) {
  // 2^-19 = 0.0000019073486328125; half to even would keep the 2.
  EXPECT_EQ(Fixed(std::ldexp(1.0L, -19)), "0,000001907348632813");
  EXPECT_EQ(Fixed(-std::ldexp(1.0L, -19)), "-0,000001907348632813");
  // 1 - 2^-62 = 0.99999999999999999978...: the carry runs through every nine.
  EXPECT_EQ(Fixed(1.0L - std::ldexp(1.0L, -62)), "1,000000000000000000");
  EXPECT_EQ(Fixed(1.0L - std::ldexp(1.0L, -60)), "0,999999999999999999");
}

TEST(FloatToStrFFixed, ZeroHasNoMinusSign) {
  EXPECT_EQ(Fixed(0.0L), "0,000000000000000000");
  EXPECT_EQ(Fixed(-0.0L), "0,000000000000000000");
  // A negative value that rounds to zero is a zero too.
  EXPECT_EQ(Fixed(-1e-20L), "0,000000000000000000");
}

TEST(FloatToStrFFixed, PrecisionAboveEighteenCountsAsEighteenSignificantDigits) {
  // 1 + 2^-19 has 20 significant digits; the coarser rounding keeps 18 of them.
  EXPECT_EQ(Fixed(1.0L + std::ldexp(1.0L, -19)), "1,000001907348632810");
  EXPECT_EQ(FloatToStrF(2.5L, ffFixed, 23, 0), "3");
  EXPECT_EQ(FloatToStrF(-0.125L, ffFixed, 23, 2), "-0,13");
}

TEST(FloatToStr, GeneralFormatDropsTrailingZerosAndTheCommaOfWholeNumbers) {
  EXPECT_EQ(FloatToStr(0.5L), "0,5");
  EXPECT_EQ(FloatToStr(-0.75L), "-0,75");
  EXPECT_EQ(FloatToStr(0.0L), "0");
  EXPECT_EQ(FloatToStr(-0.0L), "0");
  EXPECT_EQ(FloatToStr(100.0L), "100");
  EXPECT_EQ(FloatToStr(1.5L), "1,5");
  EXPECT_EQ(FloatToStr(32736.0L), "32736");
  EXPECT_EQ(FloatToStr(static_cast<long double>(0.1f)), "0,100000001490116");
}

TEST(FloatToStr, FifteenSignificantDigitsRoundedHalfAwayFromZero) {
  EXPECT_EQ(FloatToStr(0.999969482421875L), "0,999969482421875");
  EXPECT_EQ(FloatToStr(1.0L + std::ldexp(1.0L, -19)), "1,00000190734863");
  EXPECT_EQ(FloatToStr(0.99999999999999999L), "1");
  // 1 + 2^-15 = 1.000030517578125: an exact half at the 16th digit.
  EXPECT_EQ(FloatToStr(1.0L + std::ldexp(1.0L, -15)), "1,00003051757813");
  EXPECT_EQ(FloatToStr(-1.0L - std::ldexp(1.0L, -15)), "-1,00003051757813");
  EXPECT_EQ(FloatToStr(999999999999999.0L), "999999999999999");
}

TEST(FloatToStr, ScientificBelowOneHundredThousandthAndAboveFifteenIntegerDigits) {
  EXPECT_EQ(FloatToStr(0.00001L), "0,00001");
  EXPECT_EQ(FloatToStr(-0.00001L), "-0,00001");
  EXPECT_EQ(FloatToStr(0.0000099999L), "9,9999E-6");
  EXPECT_EQ(FloatToStr(std::ldexp(1.0L, -26)), "1,49011611938477E-8");
  EXPECT_EQ(FloatToStr(-std::ldexp(1.0L, -26)), "-1,49011611938477E-8");
  EXPECT_EQ(FloatToStr(1e15L), "1E15");
  EXPECT_EQ(FloatToStr(123456789012345678.0L), "1,23456789012346E17");
  EXPECT_EQ(FloatToStr(9999999999999999.0L), "1E16");
}

TEST(FloatToStr, NonFiniteValuesAreNamed) {
  EXPECT_EQ(FloatToStr(std::numeric_limits<long double>::infinity()), "INF");
  EXPECT_EQ(FloatToStr(-std::numeric_limits<long double>::infinity()), "-INF");
  EXPECT_EQ(FloatToStrF(std::numeric_limits<long double>::quiet_NaN(), ffFixed, 23, 18), "NAN");
}
