#pragma once
// The simulation result table: the simulator's vector table output, saved over
// the vector table file. Its group lines must be those of the vector table; after
// its "PATTERN" line each row reads "time> v1 v2 = v3 ...", the time in
// nanoseconds with a point before its fraction, one value per column in column
// order, each as wide as its pin.
#include <functional>
#include <string>

#include "platform/text/StringList.h"
#include "results/ProjectPins.h"

// The vector table's header takes lines 0 to 15; its group lines start here.
constexpr int FirstGroupLine = 16;

// Number of bus pins: each has one group line.
int CountGroupLines(const ProjectPins& pins);

// Whether each of the vector table's `groupCount` group lines stands somewhere
// among the result table's lines in the same block. A table without group lines,
// or too short to hold them, is not the vector table's.
bool GroupLinesMatch(const TStringList& vectorLines, const TStringList& resultLines, int groupCount);

// Index of the first line that is exactly "PATTERN"; 0 when none is.
int FindPattern(const TStringList& lines);

// The instant one tenth of a period into the cycle, at which the clock rises.
float CycleRiseTime(int cycle, float period);

// The time of a row ("   110.5> ..." gives 110.5 ns) in the run's time unit;
// blanks in the time count as zeros. Raises EConvertError for a time that is no
// number.
float RowTime(const std::string& row, std::size_t timeEnd, const std::string& timeUnit);

// Puts the values of a row, which start at character `valuesStart` (from 0),
// into the pins of columns 1 onward. A row that ends early gives short or
// empty values.
void SplitRow(const std::string& row, std::size_t valuesStart, const ProjectPins& pins);

// A search for the row of one clock cycle.
struct RowSearch {
  const TStringList& Lines;
  const ProjectPins& Pins;
  float Period;
  std::string TimeUnit;
  // Called at the first line visited that holds no row (no ">"), once a search.
  std::function<void()> OnLineWithoutTime;
};

// Both start at `currentLine` itself: the forward search visits the lines from
// there to the end, the backward search from there back to the line after
// `patternLine`. On the first row of the cycle its values go into the pins,
// `currentLine` becomes its index and true is returned; otherwise nothing changes.
bool SeekRowForward(const RowSearch& search, int cycle, int& currentLine);
bool SeekRowBackward(const RowSearch& search, int cycle, int patternLine, int& currentLine);
