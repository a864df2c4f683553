// Decoding operand codes: every layout, code and exponent format, the statuses,
// characters other than '0' and '1', and codes of the wrong length.
#include <gtest/gtest.h>

#include <cmath>

#include "platform/gui/Forms.h"
#include "settings/OperandCode.h"
#include "support/ProgramRun.h"

namespace {

enum Layout { Fixed, Floating };
enum Code { Direct, TwosComplement };
enum Exponent { Order, Characteristic };

struct Example {
  Layout layout;
  Code code;
  Exponent exponent;
  const char* bits;
  long double value;
  bool negativeZero;
  int status;
};

constexpr long double NegZero = 0.0L;

const Example WorkedExamples[] = {
    {Fixed, Direct, Order, "0100000000000000", 0.5L, false, 0},
    {Fixed, Direct, Order, "1110000000000000", -0.75L, false, 0},
    {Fixed, Direct, Order, "0000000000000001", 0.000030517578125L, false, 0},
    {Fixed, Direct, Order, "0111111111111111", 0.999969482421875L, false, 0},
    {Fixed, Direct, Order, "0000000000000000", 0.0L, false, 0},
    {Fixed, Direct, Order, "1000000000000000", NegZero, true, 1},
    {Fixed, TwosComplement, Order, "0100000000000000", 0.5L, false, 0},
    {Fixed, TwosComplement, Order, "1110000000000000", -0.25L, false, 0},
    {Fixed, TwosComplement, Order, "1100000000000000", -0.5L, false, 0},
    {Fixed, TwosComplement, Order, "1111111111111111", -0.000030517578125L, false, 0},
    {Fixed, TwosComplement, Order, "1000000000000000", NegZero, true, 1},
    {Floating, Direct, Order, "0000011000000000", 1.0L, false, 0},
    {Floating, Direct, Order, "0100011000000000", 0.25L, false, 0},
    {Floating, Direct, Order, "1000001100000000", -0.75L, false, 0},
    {Floating, Direct, Order, "0000000100000000", 0.25L, false, 2},
    {Floating, Direct, Order, "0100000000000000", 0.0L, false, 0},
    {Floating, Direct, Order, "1000000000000000", NegZero, true, 1},
    {Floating, Direct, Order, "0011111111111111", 32736.0L, false, 0},
    {Floating, Direct, Order, "0111111000000000", 0.0000152587890625L, false, 0},
    {Floating, Direct, Characteristic, "0100001000000000", 0.5L, false, 0},
    {Floating, Direct, Characteristic, "0000001000000000", 0.00000762939453125L, false, 0},
    {Floating, Direct, Characteristic, "0111111000000000", 16384.0L, false, 0},
    {Floating, Direct, Characteristic, "0000000000000001", 0.00000001490116119384765625L, false, 2},
    {Floating, TwosComplement, Order, "1000001000000000", -0.5L, false, 0},
    {Floating, TwosComplement, Order, "1000001100000000", -0.25L, false, 2},
    {Floating, TwosComplement, Order, "1000000100000000", -0.75L, false, 0},
    {Floating, TwosComplement, Order, "1000000111111111", -0.5009765625L, false, 0},
    {Floating, TwosComplement, Order, "1000000000000000", NegZero, true, 1},
    {Floating, TwosComplement, Characteristic, "1100001000000000", -0.5L, false, 0},
};

struct Decoded {
  long double value;
  int status;
};

Decoded Decode(Layout layout, Code code, Exponent exponent, const std::string& bits) {
  Decoded d{-1.0L, -1};
  DecodeOperand(layout == Floating, code == TwosComplement, exponent == Characteristic, bits, d.value, d.status);
  return d;
}

}  // namespace

TEST(DecodeOperand, WorkedExamplesGiveTheirValuesAndStatuses) {
  for (const Example& e : WorkedExamples) {
    const Decoded d = Decode(e.layout, e.code, e.exponent, e.bits);
    EXPECT_EQ(d.value, e.value) << e.bits;
    EXPECT_EQ(std::signbit(d.value), e.negativeZero || e.value < 0) << e.bits;
    EXPECT_EQ(d.status, e.status) << e.bits;
    EXPECT_EQ(static_cast<long double>(static_cast<float>(d.value)), d.value) << e.bits;
  }
}

TEST(DecodeOperand, ExponentFieldsAtTheirEdges) {
  // Order: a negative sign with magnitude 0 is e = 0; characteristic: '1' then four '0' is e = 0.
  EXPECT_EQ(Decode(Floating, Direct, Order, "0100001000000000").value, 0.5L);
  EXPECT_EQ(Decode(Floating, Direct, Order, "0000001000000000").value, 0.5L);
  EXPECT_EQ(Decode(Floating, Direct, Characteristic, "0000001000000000").value, std::ldexp(0.5L, -16));
  // A zero mantissa with sign '0' is a plain zero whatever the exponent.
  EXPECT_EQ(Decode(Floating, Direct, Characteristic, "0101010000000000").status, 0);
  // Two's complement never touches the exponent field.
  EXPECT_EQ(Decode(Floating, TwosComplement, Order, "1000111000000000").value, -4.0L);
}

TEST(DecodeOperand, FixedPointReadsPositionsTwoToSixteenAsFractionAndIgnoresCharacteristic) {
  EXPECT_EQ(Decode(Fixed, Direct, Characteristic, "0000011000000000").value, 0.046875L);
  EXPECT_EQ(Decode(Fixed, Direct, Order, "0000000100000000").status, 0);
}

TEST(DecodeOperand, OnlyAOneCountsAsOne) {
  // Other characters are zeros in sums, exponent and sign.
  EXPECT_EQ(Decode(Fixed, Direct, Order, "x1a0000000000002").value, 0.5L);
  EXPECT_EQ(Decode(Fixed, Direct, Order, "21000000000000000").status, 0);
  EXPECT_EQ(Decode(Floating, Direct, Order, "02222211000000000").value, 0.75L);
  // Two's complement: inverting turns anything but '0' into '0', so a trailing 'a'
  // decodes like a trailing '1'.
  EXPECT_EQ(Decode(Fixed, TwosComplement, Order, "100000000000000a").value, -0.999969482421875L);
  // A Cyrillic letter is one character and one position.
  EXPECT_EQ(Decode(Fixed, Direct, Order, "0Я10000000000000").value, 0.25L);
}

TEST(DecodeOperand, CharactersPastSixteenAreIgnored) {
  EXPECT_EQ(Decode(Fixed, Direct, Order, "01000000000000001111").value, 0.5L);
}

TEST(DecodeOperand, ShortCodeRaisesRangeErrorWithStatusZeroAndValueUntouched) {
  for (const char* bits : {"", "1", "010000000000000", "1111111111"}) {
    long double value = 7.0L;
    int status = 2;
    EXPECT_THROW(DecodeOperand(true, true, false, bits, value, status), ERangeError) << bits;
    EXPECT_EQ(value, 7.0L);
    EXPECT_EQ(status, 0);
  }
}

class DecodeOperandInRun : public ProgramRun {};

TEST_F(DecodeOperandInRun, ShortCodeReachesTheExceptionDisplay) {
  Application->Dispatch([] {
    long double value = 0;
    int status = 0;
    DecodeOperand(false, false, false, "0101", value, status);
  });
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_NE(backend.Boxes[0].Text.find("вне диапазона"), std::string::npos);
}
