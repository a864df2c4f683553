#include "settings/OperandCode.h"

#include <array>
#include <cmath>

#include "platform/text/Exceptions.h"
#include "platform/text/Utf8.h"

namespace {

constexpr int CodeLength = OperandCodeLength;
constexpr int SignPosition = 1;
constexpr int FirstExponentPosition = 2;
constexpr int FixedFieldStart = 2;
constexpr int FloatingFieldStart = 7;

// The characters at positions 1 to 16; index 0 is not used.
using Positions = std::array<char32_t, CodeLength + 1>;

Positions ReadPositions(const OperandCode& code) {
  Positions at{};
  std::size_t offset = 0;
  for (int p = 1; p <= CodeLength; ++p) {
    if (offset >= code.size()) throw ERangeError("Индекс строки вне диапазона (" + std::to_string(p) + ")");
    at[p] = utf8::Next(code, offset);
  }
  return at;
}

bool IsOne(char32_t c) { return c == U'1'; }

// The magnitude bits of a negative two's-complement field: every bit inverted,
// then one added at the last position; a carry out of the field is dropped.
void NegateTwosComplement(Positions& bits, int fieldStart) {
  for (int p = fieldStart; p <= CodeLength; ++p) bits[p] = bits[p] == U'0' ? U'1' : U'0';
  for (int p = CodeLength; p >= fieldStart; --p) {
    if (!IsOne(bits[p])) {
      bits[p] = U'1';
      return;
    }
    bits[p] = U'0';
  }
}

// The field as a fraction: its first position weighs 1/2, each next one half of that.
float FractionOf(const Positions& bits, int fieldStart) {
  float sum = 0.0f, weight = 0.5f;
  for (int p = fieldStart; p <= CodeLength; ++p) {
    if (IsOne(bits[p])) sum += weight;
    weight *= 0.5f;
  }
  return sum;
}

int ExponentOf(const Positions& code, bool characteristic) {
  int field = 0;
  for (int p = FirstExponentPosition; p < FloatingFieldStart; ++p) field = 2 * field + (IsOne(code[p]) ? 1 : 0);
  if (characteristic) return field - 16;
  const int magnitude = field & 0xF;
  return IsOne(code[FirstExponentPosition]) ? -magnitude : magnitude;
}

}  // namespace

void DecodeOperand(bool floatingPoint, bool twosComplement, bool characteristic, const OperandCode& code,
                   long double& value, int& status) {
  status = OperandValid;
  const Positions at = ReadPositions(code);
  const int fieldStart = floatingPoint ? FloatingFieldStart : FixedFieldStart;
  const bool negative = IsOne(at[SignPosition]);

  Positions magnitudeBits = at;
  if (twosComplement && negative) NegateTwosComplement(magnitudeBits, fieldStart);
  float signedField = FractionOf(magnitudeBits, fieldStart);
  if (negative) signedField = -signedField;  // a zero magnitude gives a negative zero

  if (negative && signedField == 0.0f) status = OperandNegativeZero;
  if (floatingPoint && signedField < 0.5f && signedField > -0.5f && signedField != 0.0f)
    status += OperandNotNormalised;

  if (!floatingPoint) {
    value = signedField;
    return;
  }
  // The mantissa has at most 11 significant bits and the exponent lies in -16..15,
  // so scaling by a power of two is exact in a 32-bit float.
  value = std::ldexp(signedField, ExponentOf(at, characteristic));
}
