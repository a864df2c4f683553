// The window "Анализ минимизации канонических уравнений УА".
#include <gtest/gtest.h>

#include "mainwin/ProgramStart.h"
#include "mainwin/UMain.h"
#include "minimize/ControlUnitSchematic.h"
#include "minimize/SchemeElements.h"
#include "minimize/UMinimize.h"
#include "support/ProgramRun.h"

namespace {

class MinimizeWindow : public ProgramRun {
protected:
  MinimizeWindow() {
    EnterMainWindow();
    FMain->N16->Click();
  }
  void Open(const LineVector& lines, const std::string& name = "unit.bdf") {
    backend.ChooseFile(WriteFile(name, FileBytes(lines)));
    FMinimize->N1->Click();
  }
  // Every cell of the grid below its header is empty.
  static bool GridShowsOnlyItsHeader() {
    const TStringGrid* grid = FMinimize->StringGrid1;
    const bool header = grid->Cells(0, 0) == "№" && grid->Cells(1, 0) == "Тип" &&
                        grid->Cells(2, 0) == "Идентификатор" && grid->Cells(3, 0) == "Количество входов";
    for (int r = 1; r < grid->RowCount(); ++r)
      for (int c = 0; c < grid->ColCount(); ++c)
        if (!grid->Cells(c, r).empty()) return false;
    return header && grid->RowCount() == 5;
  }
};

}  // namespace

TEST_F(MinimizeWindow, ToolsMenuShowsTheWindowWithItsLayout) {
  EXPECT_TRUE(FMinimize->Visible);
  EXPECT_EQ(FMinimize->Caption, "Анализ минимизации канонических уравнений УА");
  EXPECT_EQ(FMinimize->ClientWidth, 523);
  EXPECT_EQ(FMinimize->ClientHeight, 299);
  EXPECT_EQ(FMinimize->Menu, FMinimize->MainMenu1);
  const TStringGrid* grid = FMinimize->StringGrid1;
  EXPECT_EQ(grid->Left, 8);
  EXPECT_EQ(grid->Top, 16);
  EXPECT_EQ(grid->Width, 353);
  EXPECT_EQ(grid->Height, 153);
  EXPECT_EQ(grid->ColWidths, (std::vector<int>{64, 54, 100, 115}));
  EXPECT_TRUE(GridShowsOnlyItsHeader());
  std::vector<std::string> captions;
  for (const TMenuItem* item : FMinimize->MainMenu1->Items->Items()) captions.push_back(item->Caption);
  EXPECT_EQ(captions,
            (std::vector<std::string>{"Открыть схему УА", "Проверка на минимальность", "Выход"}));
}

TEST_F(MinimizeWindow, OpeningRecordsTheGatesWithoutAMessage) {
  Open(Schematic({SymbolBlock("AND2", "368 152 432 200"), SymbolBlock("DFF"), SymbolBlock("XNOR", "1 2 3 4")}));
  ASSERT_EQ(backend.DialogsRun.size(), 1u);
  EXPECT_EQ(backend.DialogsRun[0].first, "Файлы схемы|*.bdf");
  EXPECT_EQ(backend.DialogsRun[0].second, 1);
  EXPECT_TRUE(backend.Boxes.empty());
  EXPECT_EQ(Record(SchemeElements[0]), "AND 2 at 368,152 width 64");
  EXPECT_EQ(Record(SchemeElements[1]), "OR 1 at 1,2 width 2");
  EXPECT_EQ(FMinimize->SchemeLines->Count(), 22 + 3 * 13);
  EXPECT_TRUE(GridShowsOnlyItsHeader());
}

TEST_F(MinimizeWindow, ACancelledDialogReadsNothingAndSaysNothing) {
  backend.CancelNextDialog();  // before any file was chosen
  FMinimize->N1->Click();
  const std::string path = WriteFile("unit.bdf", FileBytes(Schematic({SymbolBlock("AND2")})));
  backend.ChooseFile(path);
  FMinimize->N1->Click();
  WriteFile("unit.bdf", FileBytes(Schematic({SymbolBlock("OR3")})));
  backend.CancelNextDialog();
  FMinimize->N1->Click();
  EXPECT_TRUE(backend.Boxes.empty());
  EXPECT_EQ(SchemeElements[0].GateType, "AND");
  EXPECT_EQ(SchemeElements[0].InputCount, 2);
}

TEST_F(MinimizeWindow, FileThatCannotBeReadIsReportedAndChangesNothing) {
  backend.ChooseFile((folder / "gone.bdf").string());  // before any file was read
  FMinimize->N1->Click();
  Open(Schematic({SymbolBlock("NAND3")}));
  backend.ChooseFile((folder / "missing.bdf").string());
  FMinimize->N1->Click();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Файл не удаётся открыть", "Файл не удаётся открыть"}));
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtCustom);
  EXPECT_EQ(backend.Boxes[0].Buttons, static_cast<TMsgDlgButtons>(mbOK));
  EXPECT_EQ(SchemeElements[0].GateType, "AND");
  EXPECT_EQ(SchemeElements[0].InputCount, 3);
  EXPECT_TRUE(GridShowsOnlyItsHeader());
}

TEST_F(MinimizeWindow, ConversionErrorIsShownAndEarlierRecordsStay) {
  Open(Schematic({SymbolBlock("BAND2", "5 6 20 30"), SymbolBlock("AND2X"), SymbolBlock("OR2")}));
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(backend.Boxes[0].Text, ExceptionDisplayText("\"2X\" не является целым числом"));
  EXPECT_EQ(Record(SchemeElements[0]), "AND 2 at 5,6 width 15");
  EXPECT_EQ(Record(SchemeElements[1]), EmptyRecord);
  EXPECT_TRUE(FMinimize->Visible);
  EXPECT_TRUE(GridShowsOnlyItsHeader());
}

TEST_F(MinimizeWindow, LaterOpeningKeepsRecordsItDoesNotWrite) {
  Open(Schematic({SymbolBlock("AND2"), SymbolBlock("OR2"), SymbolBlock("NOR4")}), "first.bdf");
  Open(Schematic({SymbolBlock("XOR", "1 1 2 2")}), "second.bdf");
  EXPECT_EQ(Record(SchemeElements[0]), "OR 1 at 1,1 width 1");
  EXPECT_EQ(Record(SchemeElements[1]), "OR 2 at 368,152 width 64");
  EXPECT_EQ(Record(SchemeElements[2]), "OR 4 at 368,152 width 64");
  EXPECT_TRUE(GridShowsOnlyItsHeader());
}

TEST_F(MinimizeWindow, ExitHidesTheWindowAndItComesBackWithItsTable) {
  Open(Schematic({SymbolBlock("AND2")}));
  FMinimize->N3->Click();
  EXPECT_FALSE(FMinimize->Visible);
  FMain->PressShortCut("Ctrl+M");
  EXPECT_TRUE(FMinimize->Visible);
  EXPECT_EQ(SchemeElements[0].GateType, "AND");
}

TEST_F(MinimizeWindow, EveryRunStartsWithAnEmptyTable) {
  Open(Schematic({SymbolBlock("AND2")}));
  StartRun(backend, (folder / "opbench").string());
  EXPECT_EQ(Record(SchemeElements[0]), EmptyRecord);
}
