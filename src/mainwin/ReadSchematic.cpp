// Reading the project schematic into the pin grid ("Файл проекта").
#include <algorithm>

#include "mainwin/ChosenFile.h"
#include "mainwin/PinTable.h"
#include "mainwin/ProjectSchematic.h"
#include "mainwin/UMain.h"

void TFMain::N10Click(TObject*) {
  ProjOpen->FilterIndex = 1;
  if (!ProjOpen->Execute()) return;  // a cancelled dialog changes nothing

  // The grid is given anew: a finished input no longer holds.
  GateInputReopened();
  // Cleared before the grid is cut back, so that a cell selected meanwhile opens
  // no role dialog.
  SettingsAccepted = false;
  PinsLoaded = false;
  const int remembered = PinRowCount;
  PinRowCount = 1;
  StringGrid1->SetRowCount(2);
  for (int col = 0; col < StringGrid1->ColCount(); ++col) StringGrid1->Cells(col, 1).clear();

  ProjectLines = std::make_unique<TStringList>();
  if (!LoadChosenFile(*ProjectLines, ProjOpen->FileName)) {
    PinRowCount = remembered;
    return;
  }
  StatusBar1->SimpleText = "Открыт файл: " + ProjOpen->FileName;

  const std::vector<SchematicPin> pins = ReadPinBlocks(*ProjectLines);
  StringGrid1->SetRowCount(std::max<int>(2, static_cast<int>(pins.size()) + 1));
  for (std::size_t k = 0; k < pins.size(); ++k) {
    const int row = static_cast<int>(k) + 1;
    StringGrid1->Cells(0, row) = pins[k].Name;
    StringGrid1->Cells(1, row) = pins[k].Direction;
  }
  PinRowCount = static_cast<int>(pins.size()) + 1;

  GateSchematicRead();
  ProjectLines->Clear();
}
