#pragma once
// A fresh run of the program with a project schematic read into the main window's
// pin grid, and the checks that the pin table must pass after a finished input.
#include <string>
#include <vector>

#include "mainwin/PinRole.h"
#include "mainwin/PinTable.h"
#include "mainwin/RoleNames.h"
#include "mainwin/UAssign.h"
#include "mainwin/UMain.h"
#include "settings/SettingU.h"
#include "support/ProgramRun.h"
#include "support/Schematic.h"

// A pin of the schematic and the role the user gives it in the grid.
struct RoledPin {
  std::string Name;  // as on the schematic, with its bus range
  int Role = -1;     // index into RoleNames, or -1 to leave the pin without a role
  bool Input = true;
};

inline const std::string& RoleText(int role) { return RoleNames[static_cast<std::size_t>(role)]; }

class PinGridRun : public ProgramRun {
protected:
  // Reads a schematic with these pins into the grid and gives each pin its role
  // by hand, through the role dialog.
  void ReadPins(const std::vector<RoledPin>& pins) {
    std::vector<TestPin> schematicPins;
    for (const RoledPin& pin : pins) schematicPins.push_back({pin.Name, pin.Input});
    EnterMainWindow();
    ui->ChooseFile(WriteFile("project.bdf", SchematicText(schematicPins)));
    FMain->N10->Click();
    for (std::size_t k = 0; k < pins.size(); ++k)
      if (pins[k].Role >= 0) ChooseRole(static_cast<int>(k) + 1, pins[k].Role);
  }

  // The user selects a pin row without a role and chooses the role in the dialog.
  void ChooseRole(int row, int role) {
    ui->InNextModal([role](TForm&) {
      FAssign->ComboBox1->ChooseItem(role);
      FAssign->Button1->Click();
    });
    FMain->StringGrid1->SelectCell(0, row);
  }

  std::string RoleCell(int row) const { return FMain->StringGrid1->Cells(2, row); }

  void Finish() { FMain->Button1->Click(); }

  // Accepts the settings window as it stands ("Настройки" → "Общие", "Принять").
  void AcceptSettings() {
    FMain->N14->Click();
    FSetting->BitBtn1->Click();
  }

  // The backend the helpers script; a test that runs on a backend of its own
  // points it there.
  HeadlessBackend* ui = &backend;
};

// Columns of the pins 1 to K in grid order.
inline std::vector<int> PinColumns(int pinCount) {
  std::vector<int> columns;
  for (int k = 0; k < pinCount; ++k) columns.push_back(Pins[k].Column);
  return columns;
}

// What the readers of a finished pin table rely on.
inline void ExpectPinTableInvariants(int pinCount) {
  std::vector<int> holders(static_cast<std::size_t>(pinCount) + 1, 0);
  for (int k = 0; k < pinCount; ++k) {
    const int column = Pins[k].Column;
    ASSERT_GE(column, 1) << Pins[k].BaseName;
    ASSERT_LE(column, pinCount) << Pins[k].BaseName;
    ++holders[static_cast<std::size_t>(column)];
  }
  for (int column = 1; column <= pinCount; ++column) {
    EXPECT_EQ(holders[static_cast<std::size_t>(column)], 1) << "column " << column;
    EXPECT_EQ(Pins[PinByColumn[column] - 1].Column, column) << "column " << column;
  }
  EXPECT_EQ(PinByColumn[0], 0);
  EXPECT_EQ(Pins[PinByColumn[1] - 1].Role, RoleText(prClock));
  EXPECT_EQ(Pins[PinByColumn[2] - 1].Role, RoleText(prInputData));
  if (HasReset) {
    EXPECT_EQ(Pins[PinByColumn[3] - 1].Role, RoleText(prReset));
  }

  const auto columnOfRole = [pinCount](int role) {
    for (int k = 0; k < pinCount; ++k)
      if (Pins[k].Role == RoleText(role)) return Pins[k].Column;
    return 0;
  };
  EXPECT_EQ(SignalColumns.EndOfOperationColumn, columnOfRole(prEndOfOperation));
  EXPECT_EQ(SignalColumns.PmrColumn, columnOfRole(prPmr));
  EXPECT_EQ(SignalColumns.PrsColumn, columnOfRole(prPrs));
  EXPECT_EQ(SignalColumns.OutputDataColumn, columnOfRole(prOutputData));
  EXPECT_EQ(SignalColumns.DivByZeroColumn, columnOfRole(prDivByZero));
  EXPECT_EQ(SignalColumns.ResetColumn, columnOfRole(prReset));
}
