#pragma once
// The operand code: the bit string in which an operand X or Y is written, and in
// which the automaton's output data comes back. Fixed point: a sign and 15
// fraction bits. Floating point: the mantissa's sign, 5 exponent bits and 10
// mantissa bits. Positions count characters from 1 at the left.
#include <string>

using OperandCode = std::string;

// The number of characters of a code.
constexpr int OperandCodeLength = 16;

// What decoding says of an operand besides its value.
constexpr int OperandValid = 0;
constexpr int OperandNegativeZero = 1;   // sign '1' with a zero magnitude
constexpr int OperandNotNormalised = 2;  // floating point: 0 < |mantissa| < 0.5

// Decodes positions 1 to 16 of `code` into `value` (always a number a 32-bit float
// holds exactly) and `status`. A character counts as a one only when it is '1'.
// The three choices are those of the settings window: fixed or floating point,
// direct or two's-complement code (of the fraction or mantissa only), exponent
// as a signed order or as a characteristic (the exponent plus 16). A code shorter
// than 16 characters raises ERangeError, after `status` is set to 0 and before
// `value` is written.
void DecodeOperand(bool floatingPoint, bool twosComplement, bool characteristic, const OperandCode& code,
                   long double& value, int& status);
