// The main window: its start state, the step gating and the small commands.
#include <gtest/gtest.h>

#include "access/UAut.h"
#include "access/UNewPass.h"
#include "access/UPass.h"
#include "mainwin/PinTable.h"
#include "mainwin/UMain.h"
#include "settings/SettingU.h"
#include "support/ProgramRun.h"
#include "support/Schematic.h"

namespace {

class MainWindow : public ProgramRun {
protected:
  MainWindow() { EnterMainWindow(); }
  void ReadSchematic(const std::vector<TestPin>& pins) {
    backend.ChooseFile(WriteFile("project.bdf", SchematicText(pins)));
    FMain->N10->Click();
  }
  static std::vector<bool> Marks() {
    return {FMain->Image1->Visible, FMain->Image2->Visible, FMain->Image3->Visible,
            FMain->Image4->Visible, FMain->Image5->Visible};
  }
};

}  // namespace

TEST_F(MainWindow, StartsInTheFirstRowOfTheStepGating) {
  EXPECT_EQ(FMain->Caption, "Операционная часть автомата");
  EXPECT_EQ(FMain->ClientWidth, 529);
  EXPECT_EQ(FMain->ClientHeight, 319);
  EXPECT_EQ(Marks(), std::vector<bool>(5, false));
  for (TControl* hidden : std::initializer_list<TControl*>{FMain->StringGrid1, FMain->Button1, FMain->Button2,
                                                          FMain->RadioGroup1, FMain->BitBtn1, FMain->StatusBar1})
    EXPECT_FALSE(hidden->Visible) << hidden->Name;
  EXPECT_TRUE(FMain->Button1->Enabled);
  EXPECT_TRUE(FMain->SpeedButton1->Visible);
  EXPECT_FALSE(FMain->N2->Enabled);
  EXPECT_FALSE(FMain->N7->Enabled);
  EXPECT_FALSE(FMain->N12->Enabled);
  EXPECT_FALSE(FMain->N19->Enabled);
  for (TMenuItem* open : {FMain->N10, FMain->N5, FMain->N18, FMain->N16, FMain->N22, FMain->N3, FMain->N21, FMain->N17})
    EXPECT_TRUE(open->IsReachable()) << open->Name;
  EXPECT_FALSE(FMain->PinsLoaded || FMain->SettingsAccepted || FMain->InputFinished || FMain->IsTeacher);
  EXPECT_EQ(FMain->RadioGroup1->ItemIndex, 0);
  EXPECT_EQ(FMain->StringGrid1->Cells(0, 0), "Имя вывода");
  EXPECT_EQ(FMain->StringGrid1->Cells(1, 0), "Тип вывода");
  EXPECT_EQ(FMain->StringGrid1->Cells(2, 0), "Назначение");
  EXPECT_EQ(FMain->StringGrid1->RowCount(), 2);
  EXPECT_EQ(Application->HelpFile, folder.string() + "/OA_Manual.hlp");
}

TEST_F(MainWindow, SettingsAndPasswordShortCutsDoNothingBeforeASchematicIsRead) {
  FMain->PressShortCut("F5");
  FMain->PressShortCut("Ctrl+P");
  EXPECT_FALSE(FSetting->Visible);
  EXPECT_FALSE(FNewPass->Visible);
  ReadSchematic({{"clk"}});
  FMain->PressShortCut("F5");
  EXPECT_TRUE(FSetting->Visible);
}

TEST_F(MainWindow, ReadingOpensStepTwoAndClosesEveryStepBuiltFromAFinishedInput) {
  ReadSchematic({{"clk"}});
  FMain->GateInputFinished();
  FMain->SettingsAccepted = true;
  FMain->StepThreeCheck();
  FMain->GateVectorWritten();
  FMain->GateResultAccepted();
  FMain->GateViewingStarted();
  ReadSchematic({{"X[15..0]"}});
  EXPECT_EQ(Marks(), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_TRUE(FMain->N2->Enabled);
  EXPECT_TRUE(FMain->Button1->Visible && FMain->Button2->Visible && FMain->StringGrid1->Visible);
  EXPECT_TRUE(FMain->Button1->Enabled);
  EXPECT_FALSE(FMain->N7->Enabled || FMain->N12->Enabled || FMain->N19->Enabled || FMain->BitBtn1->Visible);
  EXPECT_TRUE(FMain->PinsLoaded);
  EXPECT_FALSE(FMain->SettingsAccepted || FMain->InputFinished);
}

TEST_F(MainWindow, StepThreeOpensOnlyWhenInputFinishedAndSettingsAccepted) {
  FMain->SettingsAccepted = true;
  FMain->StepThreeCheck();
  EXPECT_FALSE(FMain->Image2->Visible || FMain->N7->Enabled);
  FMain->GateInputFinished();
  EXPECT_FALSE(FMain->Button1->Enabled);
  FMain->StepThreeCheck();
  EXPECT_TRUE(FMain->Image2->Visible && FMain->N7->Enabled);
}

TEST_F(MainWindow, ChangingOperandsGoesBackToTheSettings) {
  ReadSchematic({{"clk"}});
  FMain->GateInputFinished();
  FMain->SettingsAccepted = true;
  FMain->StepThreeCheck();
  FMain->GateVectorWritten();
  FMain->GateResultAccepted();
  FMain->GateViewingStarted();
  FMain->GateChangeOperands();
  EXPECT_EQ(Marks(), (std::vector<bool>{true, false, false, false, false}));
  EXPECT_FALSE(FMain->RadioGroup1->Visible || FMain->BitBtn1->Visible);
  EXPECT_FALSE(FMain->N7->Enabled || FMain->N12->Enabled);
  EXPECT_TRUE(FMain->N19->Enabled && FMain->StringGrid1->Visible && FMain->Button2->Visible);
  // Only "Принять" opens step 3 again, not a second "Завершить ввод".
  FMain->N17->Click();
  EXPECT_FALSE(FMain->N7->Enabled || FMain->Image2->Visible);
}

TEST_F(MainWindow, ExitAndCloseBoxBothEndTheProgramWithoutAQuestion) {
  FMain->N5->Click();
  EXPECT_FALSE(FMain->Visible);
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(MainWindow, CloseBoxEndsTheProgram) {
  FMain->CloseBox();
  EXPECT_TRUE(Application->Terminated());
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(MainWindow, AuthorisationOpensTheWindowOnlyForAStudent) {
  FMain->N18->Click();
  EXPECT_TRUE(FAut->Visible);
  FAut->Hide();
  FMain->IsTeacher = true;
  FMain->PressShortCut("Ctrl+A");
  EXPECT_FALSE(FAut->Visible);
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Text, "Привилегированный ползователь уже авторизован");
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtInformation);
}

TEST_F(MainWindow, AboutHelpAndCompanionProgram) {
  FMain->PressShortCut("F1");
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(backend.Boxes[0].Buttons, static_cast<TMsgDlgButtons>(mbOK));

  Application->HelpFile = "elsewhere.hlp";
  FMain->PressShortCut("F2");
  ASSERT_EQ(backend.HelpRequests.size(), 1u);
  EXPECT_EQ(backend.HelpRequests[0].HelpFile, folder.string() + "/OA_Manual.hlp");
  EXPECT_EQ(backend.HelpRequests[0].Command, 11);
  EXPECT_EQ(backend.HelpRequests[0].Data, 0);

  FMain->PressShortCut("Ctrl+U");
  ASSERT_EQ(backend.ShellRequests.size(), 1u);
  EXPECT_EQ(backend.ShellRequests[0].Verb, "open");
  EXPECT_EQ(backend.ShellRequests[0].File, "UA/Ctrlbench.exe");
  EXPECT_EQ(backend.ShellRequests[0].ShowCommand, 1);
}

TEST_F(MainWindow, PinColumnListShowsThePinTable) {
  FMain->SpeedButton1->Click();
  ReadSchematic({{"clk"}, {"X[7..0]"}});
  FMain->SpeedButton1->Click();
  Pins[0].BaseName = "clk";
  Pins[0].Column = 1;
  Pins[1].BaseName = "X";
  Pins[1].Column = 2;
  FMain->SpeedButton1->Click();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"", "  =0\n  =0\n", "clk  =1\nX  =2\n"}));
}

TEST_F(MainWindow, PinColumnListOfAGridLargerThanThePinTableStopsAtTheTable) {
  std::vector<TestPin> many(40, TestPin{"a"});
  ReadSchematic(many);
  FMain->SpeedButton1->Click();
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(std::count(backend.Boxes[0].Text.begin(), backend.Boxes[0].Text.end(), '\n'), 30);
}

TEST_F(MainWindow, AccessorsReachTheSameTableEveryTime) {
  EXPECT_EQ(GetPinRowCount(), 1);
  EXPECT_EQ(GetPins(), &Pins[0]);
  EXPECT_EQ(GetPins(), GetPins());
  EXPECT_EQ(GetPinByColumn(), &PinByColumn[0]);
  EXPECT_EQ(GetSignalColumns(), &SignalColumns);
  EXPECT_EQ(GetPinByColumn()[0], 0);
}
