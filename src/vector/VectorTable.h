#pragma once
// The input vector table that drives the simulation of the student's schematic:
// a comment header, one group line per bus, the INPUTS and OUTPUTS lines, the time
// unit, and the pattern rows of every clock cycle. The header always takes 16
// lines, so the group lines, which the simulator's result table saved later over
// the same file is checked against, always start at line 16.
#include <memory>
#include <string>

#include "platform/text/StringList.h"
#include "vector/VectorSettings.h"

// Builds the table's lines from the finished pin table and the settings. Sets the
// pins' Value fields instant by instant, so afterwards they hold the values of the
// last instant computed.
std::unique_ptr<TStringList> BuildVectorTable(const TVectorSettings& settings);

// The time of a row as the table writes it, "> " included: the decimal point in
// place of the comma and at most three decimals, cut off.
std::string VectorTimeText(long double instant);
