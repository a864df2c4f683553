#include "results/ResultTable.h"

#include <algorithm>
#include <vector>

#include "platform/text/Conversions.h"
#include "platform/text/Utf8.h"

int CountGroupLines(const ProjectPins& pins) {
  int count = 0;
  for (int column = 1; column <= pins.LastColumn(); ++column)
    if (const PINStruct* pin = pins.PinOfColumn(column); pin && pin->BitWidth > 1) ++count;
  return count;
}

bool GroupLinesMatch(const TStringList& vectorLines, const TStringList& resultLines, int groupCount) {
  if (groupCount < 1) return false;
  const int blockEnd = FirstGroupLine + groupCount;
  if (vectorLines.Count() < blockEnd || resultLines.Count() < blockEnd) return false;
  for (int l = FirstGroupLine; l < blockEnd; ++l) {
    bool found = false;
    for (int m = FirstGroupLine; m < blockEnd && !found; ++m) found = resultLines[m] == vectorLines[l];
    if (!found) return false;
  }
  return true;
}

int FindPattern(const TStringList& lines) {
  const int count = lines.Count();
  for (int i = 0; i < count; ++i)
    if (lines[i] == "PATTERN") return i;
  return 0;
}

float CycleRiseTime(int cycle, float period) {
  return static_cast<float>(static_cast<double>(cycle) * period + static_cast<double>(period) * 0.1);
}

namespace {

double TimeUnitFactor(const std::string& timeUnit) {
  if (timeUnit == "us") return 0.001;
  if (timeUnit == "ms") return 0.000001;
  if (timeUnit == "s") return 0.000000001;
  return 1.0;
}

// Byte offsets at which the characters of a text start.
std::vector<std::size_t> CharacterStarts(const std::string& text) {
  std::vector<std::size_t> starts;
  for (std::size_t pos = 0; pos < text.size();) {
    starts.push_back(pos);
    utf8::Next(text, pos);
  }
  return starts;
}

// The `count` characters from character `first`, as many as there are.
std::string Characters(const std::string& text, const std::vector<std::size_t>& starts, std::size_t first,
                       std::size_t count) {
  if (first >= starts.size()) return {};
  const std::size_t last = first + count;
  const std::size_t end = last < starts.size() ? starts[last] : text.size();
  return text.substr(starts[first], end - starts[first]);
}

// Whether line `index` is the row of the wanted instant; when it is, its values
// go into the pins. The first line without a time that one search meets is
// reported; the closing ";" and whatever follows it are one end of the table, not
// one end per line.
bool VisitLine(const RowSearch& search, int index, float target, bool& endReported) {
  const std::string& line = search.Lines[index];
  const std::size_t timeEnd = line.find('>');
  if (timeEnd == std::string::npos) {
    if (!endReported && search.OnLineWithoutTime) search.OnLineWithoutTime();
    endReported = true;
    return false;
  }
  if (RowTime(line, timeEnd, search.TimeUnit) != target) return false;
  SplitRow(line, utf8::Length(std::string_view(line).substr(0, timeEnd)) + 2, search.Pins);
  return true;
}

}  // namespace

float RowTime(const std::string& row, std::size_t timeEnd, const std::string& timeUnit) {
  std::string time = row.substr(0, timeEnd);
  std::replace(time.begin(), time.end(), ' ', '0');
  std::replace(time.begin(), time.end(), '.', ',');
  // Read and scaled in double precision, rounded to a 32-bit float only once: a
  // count of nanoseconds past 2^24 no longer fits a float exactly, and rounding it
  // before the scaling would lose the rows of the later cycles in "ms" and "s".
  const double nanoseconds = static_cast<double>(StrToFloat(time));
  return static_cast<float>(nanoseconds * TimeUnitFactor(timeUnit));
}

void SplitRow(const std::string& row, std::size_t valuesStart, const ProjectPins& pins) {
  const std::vector<std::size_t> starts = CharacterStarts(row);
  const int separatorColumn = pins.SeparatorColumn();
  std::size_t position = valuesStart;
  for (int column = 1; column <= pins.LastColumn(); ++column) {
    PINStruct* pin = pins.PinOfColumn(column);
    if (!pin) continue;
    const std::size_t width = static_cast<std::size_t>(std::max(pin->BitWidth, 0));
    pin->Value = Characters(row, starts, position, width);
    position += width + (column == separatorColumn ? 3 : 1);
  }
}

bool SeekRowForward(const RowSearch& search, int cycle, int& currentLine) {
  const float target = CycleRiseTime(cycle, search.Period);
  const int count = search.Lines.Count();
  bool endReported = false;
  for (int index = std::max(currentLine, 0); index < count; ++index) {
    if (VisitLine(search, index, target, endReported)) {
      currentLine = index;
      return true;
    }
  }
  return false;
}

bool SeekRowBackward(const RowSearch& search, int cycle, int patternLine, int& currentLine) {
  const float target = CycleRiseTime(cycle, search.Period);
  bool endReported = false;
  for (int index = std::min(currentLine, search.Lines.Count() - 1); index > patternLine && index >= 0; --index) {
    if (VisitLine(search, index, target, endReported)) {
      currentLine = index;
      return true;
    }
  }
  return false;
}
