#pragma once
// The pins of a project schematic (*.bdf) as the schematic editor writes them:
// after a header of 22 lines, each pin is a block that starts with a line "(pin",
// has its direction on the next line and its quoted name four lines after the start.
#include <string>
#include <vector>

#include "platform/text/StringList.h"

struct SchematicPin {
  std::string Name;       // with its bus range, such as X[15..0]
  std::string Direction;  // "Input" or "Output"
};

constexpr int SchematicHeaderLines = 22;

// The whole pins of the schematic in file order. A block the file ends inside
// gives no pin.
std::vector<SchematicPin> ReadPinBlocks(const TStringList& lines);

// The name on a pin's name line: the text between its first two double quotes.
// With one quote, what follows it; with none, the whole line.
std::string PinNameOfLine(const std::string& line);
