#pragma once
// The pin table: the model of the project whose schematic was read. One record per
// pin in the order of the main window's pin grid, the map from a signal's column
// back to its pin, the columns of the special signals and the pin count. Finishing
// the input fills it; the vector table writer and the result side read it.
#include <string>

struct PINStruct {
  std::string Role;      // one of RoleNames
  std::string BaseName;  // the name up to its first "["
  int BitWidth = 0;
  int Column = 0;        // 1-based place of the signal in a vector or result row
  bool IsOutput = false;
  int LowBit = 0;        // lo of the bus range
  std::string Value;     // the signal's current value as text
};

struct TSignalColumns {
  int EndOfOperationColumn = 0;
  int PmrColumn = 0;
  int PrsColumn = 0;
  int OutputDataColumn = 0;
  int DivByZeroColumn = 0;
  int ResetColumn = 0;
};

constexpr int PinTableSize = 30;  // so a project has at most 29 pins

extern PINStruct Pins[PinTableSize];
extern int PinByColumn[PinTableSize];
extern TSignalColumns SignalColumns;
extern int PinRowCount;  // pins found in the last schematic read, plus one
extern int ResetCount;
extern bool HasPRS, HasPMR, HasDivByZero, HasReset;

// How the result side reaches the table.
int GetPinRowCount();
TSignalColumns* GetSignalColumns();
PINStruct* GetPins();
int* GetPinByColumn();

// Puts the whole table back to its start values, as at the start of a run.
void ResetPinTable();
