#pragma once
// The value of every pin at one instant of the input vector table: the clock's
// level, the operand on the input data bus, the reset's level, and "X" for every
// other signal. The values go into the pins' Value fields of the pin table.
#include "vector/VectorSettings.h"

// Sets Value of the pins 1 .. PinRowCount-1 for the given instant of the given
// cycle. The clock is recognised by comparing the instant exactly with the start,
// rise and fall of the cycle as formed here, so the caller passes those very
// instants. A pin whose value no rule gives keeps its Value.
void SetVectorRowValues(const TVectorSettings& settings, float instant, int cycle, bool cycleStart);
