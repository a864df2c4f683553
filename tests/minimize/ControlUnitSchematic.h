#pragma once
// Control unit schematics for tests, in the shape the schematic editor writes them:
// 22 header lines, then symbol blocks.
#include <string>
#include <vector>

#include "minimize/SchemeElements.h"
#include "platform/text/StringList.h"

using LineVector = std::vector<std::string>;

// The 22 header lines; one of them is a "(symbol" line, which must not count.
LineVector HeaderLines();
// One symbol block: its "(symbol" line, rect line, name line, identifier and ports.
LineVector SymbolBlock(const std::string& name, const std::string& rect = "368 152 432 200");
// The header followed by the blocks.
LineVector Schematic(const std::vector<LineVector>& blocks);

TStringList ToLineList(const LineVector& lines);
// The file's bytes: every line followed by CR LF.
std::string FileBytes(const LineVector& lines);

// A record of the table of elements as one text: "AND 2 at 368,152 width 64".
std::string Record(const Elements& element);
// What a record no gate has written reads as.
inline const std::string EmptyRecord = " 0 at 0,0 width 0";
