#include "mainwin/PinTable.h"

PINStruct Pins[PinTableSize];
int PinByColumn[PinTableSize];
TSignalColumns SignalColumns;
int PinRowCount = 1;
int ResetCount = 0;
bool HasPRS = false, HasPMR = false, HasDivByZero = false, HasReset = false;

int GetPinRowCount() { return PinRowCount; }
TSignalColumns* GetSignalColumns() { return &SignalColumns; }
PINStruct* GetPins() { return &Pins[0]; }
int* GetPinByColumn() { return &PinByColumn[0]; }

void ResetPinTable() {
  for (auto& pin : Pins) pin = PINStruct{};
  for (int& row : PinByColumn) row = 0;
  SignalColumns = TSignalColumns{};
  PinRowCount = 1;
  ResetCount = 0;
  HasPRS = HasPMR = HasDivByZero = HasReset = false;
}
