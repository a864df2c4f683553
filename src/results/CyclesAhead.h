#pragma once
// The clock cycles that the rows of a result table still hold from some line on.
// Once the automatic run has met a cycle without a row, it asks here which cycle
// it can find a row for next, rather than searching the rest of the table again
// for every cycle in between.
#include <optional>
#include <vector>

#include "results/ResultTable.h"

class CyclesAhead {
public:
  // Reads the time of every row from `firstLine` to the end of the table once.
  // Raises EConvertError for a time that is no number, as the row search does.
  CyclesAhead(const RowSearch& search, int firstLine);

  // The first cycle after `cycle` whose row stands at or after `currentLine`, the
  // line a forward search starts from; none when no such row is left. Neither
  // argument may be smaller than at the call before.
  std::optional<int> NextAfter(int cycle, int currentLine);

private:
  struct RowOfCycle {
    int Cycle;
    int Line;
  };
  std::vector<RowOfCycle> Rows;  // by cycle, then by line
  std::size_t Next = 0;          // the rows before it can no longer be found
};
