#pragma once
// The finished project's pins as the result side reads them: through the pin
// table's accessors, one pin per column of a table row.
#include <string>

#include "mainwin/PinTable.h"

struct ProjectPins {
  PINStruct* Pins = nullptr;
  const int* PinByColumn = nullptr;
  int RowCount = 1;  // the pin count plus one

  // The last column that a row holds a value for (the pin table has room for 29).
  int LastColumn() const;
  // The pin of column k, or none when no pin holds that column.
  PINStruct* PinOfColumn(int column) const;
  // Whether one of the pins is the reset signal, which always has column 3.
  bool HasResetPin() const;
  // The column whose value " = " follows in a row: the input data, or the
  // reset when the project has one.
  int SeparatorColumn() const;
  // Empties the value of every column's pin.
  void EmptyValues() const;
};

// The pin table as it stands now.
ProjectPins CurrentProjectPins();

// Character `index` (from 0) of a text, empty when the text is shorter.
std::string CharacterAt(const std::string& text, int index);
