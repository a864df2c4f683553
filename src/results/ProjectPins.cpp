#include "results/ProjectPins.h"

#include <algorithm>

#include "mainwin/PinRole.h"
#include "mainwin/RoleNames.h"
#include "platform/text/Utf8.h"

int ProjectPins::LastColumn() const { return std::clamp(RowCount - 1, 0, PinTableSize - 1); }

PINStruct* ProjectPins::PinOfColumn(int column) const {
  if (!Pins || !PinByColumn || column < 1 || column > LastColumn()) return nullptr;
  const int row = PinByColumn[column];
  if (row < 1 || row > PinTableSize) return nullptr;
  return &Pins[row - 1];
}

bool ProjectPins::HasResetPin() const {
  for (int column = 1; column <= LastColumn(); ++column)
    if (const PINStruct* pin = PinOfColumn(column); pin && pin->Role == RoleNames[prReset]) return true;
  return false;
}

int ProjectPins::SeparatorColumn() const { return HasResetPin() ? 3 : 2; }

void ProjectPins::EmptyValues() const {
  for (int column = 1; column <= LastColumn(); ++column)
    if (PINStruct* pin = PinOfColumn(column)) pin->Value.clear();
}

ProjectPins CurrentProjectPins() { return {GetPins(), GetPinByColumn(), GetPinRowCount()}; }

std::string CharacterAt(const std::string& text, int index) {
  std::size_t pos = 0;
  for (int n = 0; n < index && pos < text.size(); ++n) utf8::Next(text, pos);
  if (index < 0 || pos >= text.size()) return {};
  const std::size_t start = pos;
  utf8::Next(text, pos);
  return text.substr(start, pos - start);
}
