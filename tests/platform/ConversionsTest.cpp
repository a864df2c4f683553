#include <gtest/gtest.h>

#include <clocale>
#include <string>

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

TEST(StrToFloat, RefusesANumberTooLargeForTheExtendedType) {
  EXPECT_THROW(StrToFloat("1E5000"), EConvertError);
  EXPECT_THROW(StrToFloat("-1,5E99999"), EConvertError);
  EXPECT_EQ(StrToFloat("1,5E300"), 1.5E300L);
}

// The toolkit takes the C library's locale from the user's environment, which for
// the program's users writes a comma in numbers.
TEST(StrToFloat, ReadsTheCommaWhateverTheCLibraryLocale) {
  const std::string before = std::setlocale(LC_NUMERIC, nullptr);
  const char* commaLocale = nullptr;
  for (const char* name : {"ru_RU.UTF-8", "ru_RU.utf8", "de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"})
    if (std::setlocale(LC_NUMERIC, name)) {
      commaLocale = name;
      break;
    }
  if (!commaLocale) GTEST_SKIP() << "no locale with a decimal comma is installed";
  const long double value = StrToFloat("12,5");
  const long double scaled = StrToFloat("2,5E1");
  std::setlocale(LC_NUMERIC, before.c_str());
  EXPECT_EQ(value, 12.5L) << commaLocale;
  EXPECT_EQ(scaled, 25.0L) << commaLocale;
}
