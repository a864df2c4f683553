#pragma once
// Finishing the input, without the windows: the pin rows of the grid become the
// pin table. Each pin gets its record and the column of its signal by its role;
// the input side fills from the left, the output side from the right.
#include <optional>
#include <string>
#include <vector>

#include "mainwin/PinTable.h"

// The three cells of one pin row of the main window's grid.
struct TPinRow {
  std::string Name;  // with its bus range, such as X[15..0]
  std::string Type;  // "Input" or "Output"
  std::string Role;  // one of RoleNames, or empty
};

// The bounds of a bus written as name[hi..lo].
struct TBusRange {
  int Hi = 0;
  int Lo = 0;
};

// The most pins a project may have: one entry of the table is left for no pin.
constexpr int MaxPins = PinTableSize - 1;

// The widest bus a project may have. Every row of the vector and result tables
// spells each bus out bit by bit, so a width beyond any real datapath would only
// make the program build lines of gigabytes.
constexpr int MaxBusWidth = 1024;

// The bus range of a pin name, or none for a name without "..". Raises
// EConvertError when a bound is no integer (or the "[" or "]" is missing).
std::optional<TBusRange> BusRangeOf(const std::string& name);

// Moves the output-side pins among entries 0 to count - 1 one column to the left:
// "Признак ПРС", "Выходные данные", "Признак окончания операции" and, in mode 0
// only, "Признак ПМР". Their SignalColumns fields follow.
void ShiftTailColumns(int mode, int count);

// Empties every entry (strings empty, numbers zero) and the map from a column to
// its pin, so that an attempt builds the table from the grid alone: nothing of an
// earlier table or attempt stays, above the project's pins or in them.
void ClearPinEntries();

// Empties Role, BaseName and Value of every entry, after a refused attempt.
void EmptyPinStrings();

// One attempt at the pin table from the rows (at most MaxPins, every role given):
// fills entries 0 to K - 1, the columns, PinByColumn, SignalColumns, ResetCount and
// the presence flags. Returns whether the roles are accepted: the seven obligatory
// roles present and no role but the memory outputs given to two pins.
bool FillPinTable(const std::vector<TPinRow>& rows);
