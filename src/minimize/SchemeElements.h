#pragma once
// The table of elements: the gate symbols collected from a control unit's
// schematic. It is zero and empty at the start of every run and keeps what the
// openings of that run wrote.
#include <array>
#include <cstdint>
#include <string>

// One pin position of a symbol.
struct iocoord {
  std::int32_t PinX = 0;
  std::int32_t PinY = 0;
  std::string PinName;
};

// One gate symbol of the schematic.
struct Elements {
  std::string GateType;        // "AND" or "OR"
  std::int32_t InputCount = 0; // the number after the gate word in the name; 1 when none
  std::int32_t PosX = 0;       // first number of the symbol's rect line
  std::int32_t PosY = 0;       // second number of the rect line
  std::array<iocoord, 12> Inputs;
  iocoord Output;
  std::int32_t Width = 0;      // third number of the rect line minus PosX
};

constexpr int SchemeElementCount = 200;
using ElementTable = std::array<Elements, SchemeElementCount>;

extern ElementTable SchemeElements;

// Puts every record back to zero and empty, as at the start of a run.
void ResetSchemeElements();
