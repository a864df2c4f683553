#pragma once
// The accepted settings that the vector table is built from: the clock, the number
// of cycles, the time unit and the two operand codes.
#include <string>

struct TVectorSettings {
  float Period = 0.0f;       // clock period, in TimeUnit
  float PeriodShift = 0.0f;  // clock fall, from the start of a cycle
  int MaxCycles = 0;
  std::string TimeUnit;      // "ns", "us", "ms" or "s"
  std::string XCode;         // put on the operand bus in cycle 0
  std::string YCode;         // put on the operand bus in cycle 2

  bool operator==(const TVectorSettings&) const = default;
};
