#pragma once
// Runs for the vector table writer: a pin table filled by hand, without windows,
// and a fresh run of the program taken through its steps up to writing the table.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "mainwin/PinRole.h"
#include "mainwin/PinTable.h"
#include "mainwin/RoleNames.h"
#include "mainwin/UAssign.h"
#include "mainwin/UMain.h"
#include "platform/text/StringList.h"
#include "settings/SettingU.h"
#include "support/ProgramRun.h"
#include "support/Schematic.h"
#include "vector/VectorSettings.h"

// One entry of a pin table filled by hand.
inline PINStruct HandPin(const std::string& name, int role, int column, bool isOutput, int width = 1,
                         int lowBit = 0) {
  PINStruct pin;
  pin.Role = RoleNames[static_cast<std::size_t>(role)];
  pin.BaseName = name;
  pin.BitWidth = width;
  pin.Column = column;
  pin.IsOutput = isOutput;
  pin.LowBit = lowBit;
  if (width > 1) pin.Value = "0";
  return pin;
}

// The lines of a list, for comparing whole.
inline std::vector<std::string> LinesOf(const TStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
  return lines;
}

// The lines of a list from `first` on.
inline std::vector<std::string> LinesFrom(const TStringList& list, int first) {
  std::vector<std::string> lines = LinesOf(list);
  return {lines.begin() + first, lines.end()};
}

// A pin table filled by hand; the table is put back to its start values around
// every test.
class HandPinTable : public ::testing::Test {
protected:
  HandPinTable() { ResetPinTable(); }
  ~HandPinTable() override { ResetPinTable(); }

  void UsePins(const std::vector<PINStruct>& pins) {
    for (std::size_t k = 0; k < pins.size(); ++k) {
      Pins[k] = pins[k];
      HasReset = HasReset || pins[k].Role == RoleNames[prReset];
    }
    PinRowCount = static_cast<int>(pins.size()) + 1;
  }

  TVectorSettings settings{100.0f, 60.0f, 5, "ns", "0100000000000000", "0010000000000000"};
};

// The eight pins of the example project, in their table order.
inline std::vector<PINStruct> ExamplePins() {
  return {HandPin("CLK", prClock, 1, false),         HandPin("X", prInputData, 2, false, 16),
          HandPin("RESET", prReset, 3, false),       HandPin("P", prStatus, 4, true, 2),
          HandPin("Y", prControl, 5, true, 3),       HandPin("Q", prOutputData, 6, true, 8),
          HandPin("Z", prEndOfOperation, 7, true),   HandPin("PRS", prPrs, 8, true)};
}

// A fresh run of the program taken through reading a schematic, the roles,
// finishing the input and accepting the settings.
class VectorCommandRun : public ProgramRun {
protected:
  // The example project's schematic; without the reset pin when asked.
  static std::vector<TestPin> ExampleSchematic(bool withReset) {
    std::vector<TestPin> pins = {{"CLK"}, {"X[15..0]"}};
    if (withReset) pins.push_back({"RESET"});
    for (const char* output : {"P[1..0]", "Y[2..0]", "Q[7..0]", "Z", "PRS"}) pins.push_back({output, false});
    return pins;
  }

  // Reads the schematic, gives every pin its role from its name, the pins without a
  // guess ("Q") the role "Выходные данные" by hand, and finishes the input.
  void FinishProject(const std::string& fileName, const std::vector<TestPin>& pins) {
    EnterMainWindow();
    backend.ChooseFile(WriteFile(fileName, SchematicText(pins)));
    FMain->N10->Click();
    FMain->Button2->Click();
    for (int row = 1; row < FMain->StringGrid1->RowCount(); ++row)
      if (FMain->StringGrid1->Cells(2, row).empty()) {
        backend.InNextModal([](TForm&) {
          FAssign->ComboBox1->ChooseItem(prOutputData);
          FAssign->Button1->Click();
        });
        FMain->StringGrid1->SelectCell(0, row);
      }
    FMain->Button1->Click();
  }

  // Sets the clock and the operands in the settings window and accepts them. The
  // mantissas are the 15 bits after the sign '0'; a unit item of -1 leaves the list
  // untouched.
  void AcceptSettings(int period, int maxCycles, int unitItem, const std::string& xBits,
                      const std::string& yBits) {
    FMain->N14->Click();
    while (FSetting->UpDown3->Position > period) FSetting->UpDown3->ClickDown();
    while (FSetting->UpDown3->Position < period) FSetting->UpDown3->ClickUp();
    while (FSetting->UpDown2->Position > maxCycles) FSetting->UpDown2->ClickDown();
    while (FSetting->UpDown2->Position < maxCycles) FSetting->UpDown2->ClickUp();
    if (unitItem >= 0) FSetting->ComboBox1->ChooseItem(unitItem);
    FSetting->LabeledEdit2->Text = xBits;
    FSetting->LabeledEdit5->Text = yBits;
    FSetting->BitBtn1->Click();
  }

  // The example project and settings, ready for writing the table.
  void PrepareExample(const std::string& fileName = "alu.bdf") {
    FinishProject(fileName, ExampleSchematic(true));
    AcceptSettings(100, 5, -1, "100000000000000", "010000000000000");
    backend.Boxes.clear();
  }
};
