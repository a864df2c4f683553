#include <gtest/gtest.h>

#include "platform/text/Conversions.h"
#include "platform/text/Exceptions.h"

TEST(StrToInt, ReadsSignedDecimalsWithBlanksAround) {
  EXPECT_EQ(StrToInt("15"), 15);
  EXPECT_EQ(StrToInt(" -8 "), -8);
  EXPECT_EQ(StrToInt("+0"), 0);
  EXPECT_EQ(StrToInt("2147483647"), 2147483647);
}

TEST(StrToInt, RefusesWhatIsNoIntegerWithAConversionError) {
  for (const char* text : {"", " ", "7a", "a7", "1.5", "--1", "2147483648", "1 2"})
    EXPECT_THROW(StrToInt(text), EConvertError) << text;
  try {
    StrToInt("x");
  } catch (const EConvertError& e) {
    EXPECT_EQ(e.Message, "\"x\" не является целым числом");
  }
}

TEST(StrToFloat, ReadsTheDecimalCommaOnly) {
  EXPECT_EQ(StrToFloat("100"), 100.0L);
  EXPECT_EQ(StrToFloat("12,5"), 12.5L);
  EXPECT_EQ(StrToFloat("-0,25"), -0.25L);
  EXPECT_EQ(StrToFloat("1,5E2"), 150.0L);
  for (const char* text : {"", "12.5", ",", "1,2,3", "abc", "1e"})
    EXPECT_THROW(StrToFloat(text), EConvertError) << text;
}
