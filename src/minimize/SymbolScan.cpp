#include "minimize/SymbolScan.h"

#include <climits>
#include <cstdint>
#include <string_view>
#include <vector>

#include "platform/text/Conversions.h"
#include "platform/text/Exceptions.h"
#include "platform/text/Utf8.h"

namespace {

constexpr int HeaderLineCount = 22;

// The text of a rect line between "(rect " and the first ")".
std::string_view RectBody(std::string_view line) {
  const std::size_t open = line.find('(');
  if (open == std::string_view::npos) return {};
  std::size_t from = open;
  for (int skipped = 0; skipped < 6 && from < line.size(); ++skipped) utf8::Next(line, from);
  const std::size_t close = line.find(')');
  if (close == std::string_view::npos || close < from) return {};
  return line.substr(from, close - from);
}

// The numbers of the body that a space ends, in order; blanks between numbers
// are passed over.
std::vector<int> NumbersEndedBySpace(std::string_view body) {
  std::vector<int> numbers;
  std::size_t start = 0;
  for (std::size_t i = 0; i < body.size(); ++i) {
    if (body[i] != ' ') continue;
    if (i > start) numbers.push_back(StrToInt(std::string(body.substr(start, i - start))));
    start = i + 1;
  }
  return numbers;
}

void WriteGate(Elements& record, const RectNumbers& rect, const GateName& gate) {
  if (rect.PosX) record.PosX = *rect.PosX;
  if (rect.PosY) record.PosY = *rect.PosY;
  if (rect.Width) record.Width = *rect.Width;
  record.GateType = gate.GateType;
  if (gate.InputCount) record.InputCount = *gate.InputCount;
}

}  // namespace

RectNumbers ReadRectNumbers(const std::string& line) {
  const std::vector<int> numbers = NumbersEndedBySpace(RectBody(line));
  RectNumbers rect;
  if (numbers.size() > 0) rect.PosX = numbers[0];
  if (numbers.size() > 1) rect.PosY = numbers[1];
  if (numbers.size() > 2) {
    const std::int64_t width = std::int64_t{numbers[2]} - numbers[0];
    if (width < INT_MIN || width > INT_MAX)
      throw ERangeError("Ширина символа " + IntToStr(width) + " вне диапазона целых чисел");
    rect.Width = static_cast<int>(width);
  }
  return rect;
}

std::optional<GateName> ClassifyGateName(const std::string& line) {
  GateName gate;
  if (line.find("AND") != std::string::npos) gate.GateType = "AND";
  else if (line.find("OR") != std::string::npos) gate.GateType = "OR";
  else return std::nullopt;

  // The name's closing quote is looked for before the line's last character.
  const std::size_t countFrom = line.find(gate.GateType) + gate.GateType.size();
  const std::size_t searchEnd = line.size() - 1;
  const std::size_t quote = line.find('"', countFrom);
  if (quote == std::string::npos || quote >= searchEnd) return gate;
  gate.InputCount = quote == countFrom ? 1 : StrToInt(line.substr(countFrom, quote - countFrom));
  return gate;
}

void ScanGateSymbols(const TStringList& lines, ElementTable& table) {
  // The line of the open block being read: 1 rect, 2 name, 3 identifier, 4 close.
  int blockLine = 0;
  int record = 0;
  RectNumbers rect;
  for (int i = HeaderLineCount; i < lines.Count() && record < SchemeElementCount; ++i) {
    const std::string& line = lines[i];
    switch (blockLine) {
      case 0:
        if (line == "(symbol") blockLine = 1;
        break;
      case 1:
        rect = ReadRectNumbers(line);
        blockLine = 2;
        break;
      case 2:
        if (const std::optional<GateName> gate = ClassifyGateName(line)) {
          WriteGate(table[static_cast<std::size_t>(record)], rect, *gate);
          blockLine = 3;
        } else {
          blockLine = 0;  // not a gate: the block takes no record
        }
        break;
      case 3:
        blockLine = 4;
        break;
      default:
        blockLine = 0;
        ++record;
        break;
    }
  }
}
