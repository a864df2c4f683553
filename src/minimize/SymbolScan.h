#pragma once
// Reading a control unit's schematic (a Quartus block design file) for its gate
// symbols. The first 22 lines are the file's header. A symbol block begins with a
// line that is exactly "(symbol"; the lines after it are the block's rect line,
// its name line and its instance identifier, and the line after those closes the
// block. Each gate symbol (a name holding AND or OR) fills the next record of the
// table; other symbols take no record.
#include <optional>
#include <string>

#include "minimize/SchemeElements.h"
#include "platform/text/StringList.h"

// The numbers a rect line gives; a number the line does not give stays empty.
struct RectNumbers {
  std::optional<int> PosX, PosY, Width;
};

// The numbers of "(rect x1 y1 x2 y2)": x1, y1 and x2 - x1. Only numbers followed
// by a space are taken, so the closing one is never read. Raises EConvertError
// for a taken number that is no integer, and ERangeError for a width that no
// integer holds.
RectNumbers ReadRectNumbers(const std::string& line);

struct GateName {
  std::string GateType;               // "AND" or "OR"
  std::optional<int> InputCount;      // empty when no quote closes the name
};

// The gate a name line names, or none when it holds neither "AND" nor "OR".
// Raises EConvertError when the text between the gate word and the closing quote
// is no integer.
std::optional<GateName> ClassifyGateName(const std::string& line);

// Scans the lines from index 22 and writes each gate symbol into the next record
// of `table`, from record 0; records not reached keep what they held. Once the
// table is full the rest of the file is not read. A conversion error stops the
// scan at its line and leaves the records written before it.
void ScanGateSymbols(const TStringList& lines, ElementTable& table);
