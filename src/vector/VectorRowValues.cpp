#include "vector/VectorRowValues.h"

#include <algorithm>
#include <string>

#include "mainwin/PinRole.h"
#include "mainwin/PinTable.h"
#include "mainwin/RoleNames.h"

namespace {

constexpr int ClockColumn = 1;
constexpr int InputDataColumn = 2;

struct TCycleInstants {
  float Start, Rise, Fall;
};

// The rise is a tenth of the period into the cycle; the tenth is kept in extended
// precision and only the sum is rounded, as the writer forms it.
TCycleInstants CycleInstantsOf(const TVectorSettings& settings, int cycle) {
  const float start = static_cast<float>(static_cast<long double>(cycle) * settings.Period);
  const long double tenth = static_cast<long double>(0.1) * settings.Period;
  return {start, static_cast<float>(tenth + start),
          static_cast<float>(static_cast<long double>(start) + settings.PeriodShift)};
}

bool IsReset(const PINStruct& pin) { return pin.Role == RoleNames[prReset]; }

std::string Repeated(char c, int count) { return std::string(static_cast<std::size_t>(std::max(count, 0)), c); }

// The pin's value by the first rule that applies; false when none does.
bool RuleValue(const PINStruct& pin, const TVectorSettings& settings, const TCycleInstants& at,
               float instant, int cycle, bool cycleStart, std::string& value) {
  const int column = pin.Column;
  if (column == ClockColumn && (instant == at.Start || instant == at.Fall)) value = "0";
  else if (column == ClockColumn && instant == at.Rise) value = "1";
  else if (cycle == 0 && cycleStart && IsReset(pin)) value = "1";
  else if (!cycleStart && IsReset(pin)) value = "0";
  else if (column == InputDataColumn && cycle == 0) value = settings.XCode;
  else if (column == InputDataColumn && cycle == 2) value = settings.YCode;
  else if (column == InputDataColumn) value = Repeated('0', pin.BitWidth);
  else if (column >= 3 && !IsReset(pin)) value = Repeated('X', pin.BitWidth);
  else return false;
  return true;
}

}  // namespace

void SetVectorRowValues(const TVectorSettings& settings, float instant, int cycle, bool cycleStart) {
  const TCycleInstants at = CycleInstantsOf(settings, cycle);
  const int pinCount = std::min(PinRowCount - 1, PinTableSize);
  // Every pin of a column from 1 to the pin count; a pin in another column is
  // not part of the rows and keeps its value.
  for (int k = 0; k < pinCount; ++k) {
    PINStruct& pin = Pins[k];
    if (pin.Column < 1 || pin.Column > pinCount) continue;
    std::string value;
    if (RuleValue(pin, settings, at, instant, cycle, cycleStart, value)) pin.Value = value;
  }
}
