#include "results/CyclesAhead.h"

#include <algorithm>
#include <climits>

namespace {

// The cycle whose clock rise is the row time `time`, if there is one. Rise times
// grow with the cycle, so the first cycle that rises no earlier is the only one
// that can. Far beyond any real simulation a 32-bit time holds the rise of several
// cycles; the row then counts for the first of them. The last int is left out, so
// that the cycle after any cycle found is still a number.
std::optional<int> CycleRisingAt(float time, float period) {
  int low = 0;
  int high = INT_MAX - 1;
  while (low < high) {
    const int middle = low + (high - low) / 2;
    if (CycleRiseTime(middle, period) < time) low = middle + 1;
    else high = middle;
  }
  if (CycleRiseTime(low, period) == time) return low;
  return std::nullopt;
}

}  // namespace

CyclesAhead::CyclesAhead(const RowSearch& search, int firstLine) {
  const int count = search.Lines.Count();
  for (int line = std::max(firstLine, 0); line < count; ++line) {
    const std::string& text = search.Lines[line];
    const std::size_t timeEnd = text.find('>');
    if (timeEnd == std::string::npos) continue;
    if (const std::optional<int> cycle = CycleRisingAt(RowTime(text, timeEnd, search.TimeUnit), search.Period))
      Rows.push_back({*cycle, line});
  }
  std::stable_sort(Rows.begin(), Rows.end(),
                   [](const RowOfCycle& a, const RowOfCycle& b) { return a.Cycle < b.Cycle; });
}

std::optional<int> CyclesAhead::NextAfter(int cycle, int currentLine) {
  // Both bounds only grow, so a row passed over here is never wanted again.
  while (Next < Rows.size() && (Rows[Next].Cycle <= cycle || Rows[Next].Line < currentLine)) ++Next;
  if (Next == Rows.size()) return std::nullopt;
  return Rows[Next].Cycle;
}
