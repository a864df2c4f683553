// The settings window: its fields at start, the format switch, the conversion
// with its warnings, the key filters and up-down controls, and accepting into the
// main window's BenchState.
#include <gtest/gtest.h>

#include <functional>

#include "mainwin/ProgramStart.h"
#include "mainwin/UMain.h"
#include "results/UResult.h"
#include "settings/SettingU.h"
#include "support/ProgramRun.h"
#include "support/Schematic.h"

namespace {

const std::string Zero18 = "0,000000000000000000";

class SettingsWindow : public ProgramRun {
protected:
  SettingsWindow() {
    EnterMainWindow();
    FSetting->Show();
  }
  // Replaces a field's text the way a user does: backspaces, then typed bits.
  static void Retype(TLabeledEdit* field, const std::string& bits) {
    ASSERT_TRUE(field->IsReachable()) << field->Name;
    for (std::size_t n = field->Text.size(); n > 0; --n) field->TypeKey(VK_BACK);
    field->TypeText(bits);
  }
  static void EnterX(const std::string& sign, const std::string& mantissa, const std::string& exponent = "") {
    Retype(FSetting->LabeledEdit1, sign);
    Retype(FSetting->LabeledEdit2, mantissa);
    if (!exponent.empty()) Retype(FSetting->LabeledEdit3, exponent);
  }
  static void EnterY(const std::string& sign, const std::string& mantissa, const std::string& exponent = "") {
    Retype(FSetting->LabeledEdit4, sign);
    Retype(FSetting->LabeledEdit5, mantissa);
    if (!exponent.empty()) Retype(FSetting->LabeledEdit6, exponent);
  }
};

}  // namespace

TEST_F(SettingsWindow, OpensWithZeroCodesInFixedPoint) {
  EXPECT_EQ(FSetting->Caption, "Настройки автомата");
  EXPECT_EQ(FSetting->ClientWidth, 372);
  EXPECT_EQ(FSetting->ClientHeight, 396);
  for (TControl* control : FSetting->Controls()) {
    EXPECT_GE(control->Left, 0) << control->Name;
    EXPECT_LE(control->Left + control->Width, FSetting->ClientWidth) << control->Name;
    EXPECT_LE(control->Top + control->Height, FSetting->ClientHeight) << control->Name;
  }
  EXPECT_EQ(FSetting->LabeledEdit1->Text, "0");
  EXPECT_EQ(FSetting->LabeledEdit2->Text, std::string(15, '0'));
  EXPECT_EQ(FSetting->LabeledEdit3->Text, "00000");
  EXPECT_EQ(FSetting->LabeledEdit2->MaxLength, 15);
  EXPECT_EQ(FSetting->LabeledEdit2->Width, 97);
  EXPECT_FALSE(FSetting->LabeledEdit3->Visible || FSetting->LabeledEdit6->Visible || FSetting->RadioGroup3->Visible);
  EXPECT_FALSE(FSetting->LabeledEdit7->Enabled || FSetting->LabeledEdit8->Enabled);
  EXPECT_EQ(FSetting->LabeledEdit9->Text, "100");
  EXPECT_EQ(FSetting->LabeledEdit12->Text, "10");
  EXPECT_EQ(FSetting->ComboBox1->Text, "Нано (10^-9)");
  EXPECT_EQ(FSetting->ComboBox1->ItemIndex, -1);

  FSetting->BitBtn2->Click();
  EXPECT_EQ(FSetting->LabeledEdit7->Text, Zero18);
  EXPECT_EQ(FSetting->LabeledEdit8->Text, Zero18);
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(SettingsWindow, ConversionShowsDecimalValuesInEveryFormat) {
  EnterX("1", "110000000000000");
  FSetting->RadioGroup2->ChooseItem(1);
  FSetting->BitBtn2->Click();
  EXPECT_EQ(FSetting->LabeledEdit7->Text, "-0,250000000000000000");

  FSetting->RadioGroup2->ChooseItem(0);
  FSetting->RadioGroup1->ChooseItem(1);
  EnterX("0", "1111111111", "11110");
  EnterY("0", "1000000000", "10000");
  FSetting->RadioGroup3->ChooseItem(1);
  FSetting->BitBtn2->Click();
  EXPECT_EQ(FSetting->LabeledEdit7->Text, "16368,000000000000000000");
  EXPECT_EQ(FSetting->LabeledEdit8->Text, "0,500000000000000000");
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(SettingsWindow, NegativeZerosWarnForXThenY) {
  EnterX("1", "000000000000000");
  EnterY("1", "000000000000000");
  FSetting->RadioGroup2->ChooseItem(1);
  FSetting->BitBtn2->Click();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Внимание! Первый операнд является отрицательным нулем!",
                                                  "Внимание! Второй операнд является отрицательным нулем!"}));
  EXPECT_EQ(FSetting->LabeledEdit7->Text, Zero18);  // shown like a zero
  EXPECT_EQ(FSetting->LabeledEdit8->Text, Zero18);
}

TEST_F(SettingsWindow, UnnormalisedOperandsWarnInFloatingPoint) {
  FSetting->RadioGroup1->ChooseItem(1);
  EnterX("0", "0100000000");
  EnterY("1", "0000000000");
  FSetting->BitBtn2->Click();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Внимание! Первый операнд не нормализован!",
                                                  "Внимание! Второй операнд является отрицательным нулем!"}));
  backend.Boxes.clear();
  EnterX("0", "1000000000");
  EnterY("0", "0000000001");
  FSetting->BitBtn2->Click();
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Внимание! Второй операнд не нормализован!"}));
}

TEST_F(SettingsWindow, FormatSwitchLosesTheLastFiveFractionBits) {
  EnterX("0", "101010101010101");
  EnterY("1", "1111");
  FSetting->RadioGroup1->ChooseItem(1);
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "1010101010");
  EXPECT_EQ(FSetting->LabeledEdit2->MaxLength, 10);
  EXPECT_EQ(FSetting->LabeledEdit2->Width, 70);
  EXPECT_EQ(FSetting->LabeledEdit5->Text, "1111");
  EXPECT_TRUE(FSetting->LabeledEdit3->Visible && FSetting->LabeledEdit6->Visible && FSetting->RadioGroup3->Visible);

  FSetting->RadioGroup1->ChooseItem(0);
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "101010101000000");
  EXPECT_EQ(FSetting->LabeledEdit5->Text, "111100000");
  EXPECT_EQ(FSetting->LabeledEdit5->MaxLength, 15);
  EXPECT_EQ(FSetting->LabeledEdit5->Width, 97);
  EXPECT_FALSE(FSetting->LabeledEdit3->Visible || FSetting->RadioGroup3->Visible);

  FSetting->BitBtn2->Click();
  EXPECT_EQ(FSetting->LabeledEdit5->Text, "111100000000000");
}

TEST_F(SettingsWindow, ConversionFillsEveryFieldAndAnEmptySignBecomesZero) {
  FSetting->RadioGroup1->ChooseItem(1);
  Retype(FSetting->LabeledEdit6, "1");
  FSetting->RadioGroup1->ChooseItem(0);
  Retype(FSetting->LabeledEdit1, "");
  Retype(FSetting->LabeledEdit2, "11");
  FSetting->BitBtn2->Click();
  EXPECT_EQ(FSetting->LabeledEdit1->Text, "0");
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "110000000000000");
  EXPECT_EQ(FSetting->LabeledEdit6->Text, "10000");  // hidden in fixed point, filled all the same
  EXPECT_EQ(FSetting->LabeledEdit7->Text, "0,750000000000000000");
}

TEST_F(SettingsWindow, CodeFieldsTakeOnlyBitsAndBackspace) {
  Retype(FSetting->LabeledEdit2, "1a0 Я1.");
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "101");
  FSetting->LabeledEdit2->TypeKey(VK_BACK);
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "10");
  Retype(FSetting->LabeledEdit1, "x1");
  EXPECT_EQ(FSetting->LabeledEdit1->Text, "1");
  FSetting->RadioGroup1->ChooseItem(1);
  for (TLabeledEdit* field : {FSetting->LabeledEdit3, FSetting->LabeledEdit5, FSetting->LabeledEdit6}) {
    Retype(field, "2b1-0");
    EXPECT_EQ(field->Text, "10") << field->Name;
  }
  Retype(FSetting->LabeledEdit4, "y0");
  EXPECT_EQ(FSetting->LabeledEdit4->Text, "0");
}

TEST_F(SettingsWindow, ACodeCorrectedInItsMiddleIsTheCodeAccepted) {
  TLabeledEdit* mantissa = FSetting->LabeledEdit2;
  mantissa->SetSelStart(2);
  mantissa->TypeKey(VK_BACK);
  mantissa->TypeKey(U'1');
  EXPECT_EQ(mantissa->Text, "010000000000000");
  mantissa->SetSelStart(14);
  mantissa->TypeKey(U'1');  // the field is full
  mantissa->SetSelLength(1);
  mantissa->TypeKey(U'1');
  EXPECT_EQ(mantissa->Text, "010000000000001");
  FSetting->BitBtn1->Click();
  EXPECT_EQ(FMain->XCode, "0010000000000001");
}

TEST_F(SettingsWindow, PeriodMovesOnlyByItsArrowsWithinItsBounds) {
  FSetting->LabeledEdit9->TypeKey(U'5');
  FSetting->LabeledEdit9->TypeKey(VK_BACK);
  FSetting->LabeledEdit9->EditText("70");
  EXPECT_EQ(FSetting->LabeledEdit9->Text, "100");
  for (int i = 0; i < 12; ++i) FSetting->UpDown3->ClickUp();
  EXPECT_EQ(FSetting->LabeledEdit9->Text, "200");
  for (int i = 0; i < 20; ++i) FSetting->UpDown3->ClickDown();
  EXPECT_EQ(FSetting->LabeledEdit9->Text, "30");
}

TEST_F(SettingsWindow, PeriodShiftIsSixTenthsOfEveryAllowedPeriod) {
  for (int i = 0; i < 7; ++i) FSetting->UpDown3->ClickDown();
  for (int period = 30; period <= 200; period += 10) {
    FSetting->Show();
    FSetting->BitBtn1->Click();
    EXPECT_EQ(FMain->Period, static_cast<float>(period));
    EXPECT_EQ(FMain->PeriodShift, static_cast<float>(period / 10 * 6)) << period;
    FSetting->Show();
    FSetting->UpDown3->ClickUp();
  }
}

TEST_F(SettingsWindow, MaxCyclesStaysBetweenZeroAndOneHundred) {
  FSetting->LabeledEdit12->TypeKey(U'7');
  EXPECT_EQ(FSetting->LabeledEdit12->Text, "10");
  for (int i = 0; i < 15; ++i) FSetting->UpDown2->ClickDown();
  FSetting->BitBtn1->Click();
  EXPECT_EQ(FMain->MaxCycles, 0);
  FSetting->Show();
  for (int i = 0; i < 120; ++i) FSetting->UpDown2->ClickUp();
  EXPECT_EQ(FSetting->LabeledEdit12->Text, "100");
  FSetting->BitBtn1->Click();
  EXPECT_EQ(FMain->MaxCycles, 100);
}

TEST_F(SettingsWindow, TimeUnitComesFromTheListOnly) {
  FSetting->ComboBox1->TypeKey(U'x');
  FSetting->ComboBox1->TypeKey(VK_BACK);
  EXPECT_EQ(FSetting->ComboBox1->Text, "Нано (10^-9)");
  FSetting->BitBtn1->Click();
  EXPECT_EQ(FMain->TimeUnit, "ns");
  const char* units[] = {"ns", "us", "ms", "s"};
  for (int item = 0; item < 4; ++item) {
    FSetting->Show();
    FSetting->ComboBox1->ChooseItem(item);
    FSetting->BitBtn1->Click();
    EXPECT_EQ(FMain->TimeUnit, units[item]);
  }
}

TEST_F(SettingsWindow, AcceptWritesTheCodesWithTheExponentBetweenSignAndMantissa) {
  FSetting->RadioGroup1->ChooseItem(1);
  EnterX("1", "1000000000", "00001");
  EnterY("0", "11", "1");
  FSetting->BitBtn1->Click();
  EXPECT_EQ(FMain->XCode, "1000011000000000");
  EXPECT_EQ(FMain->YCode, "0100001100000000");
  EXPECT_EQ(FMain->Period, 100.0f);
  EXPECT_EQ(FMain->PeriodShift, 60.0f);
  EXPECT_EQ(FMain->MaxCycles, 10);
  EXPECT_TRUE(FMain->SettingsAccepted);
  EXPECT_FALSE(FSetting->Visible);
  EXPECT_EQ(FSetting->LabeledEdit8->Text, "0,750000000000000000");

  // In fixed point the hidden exponent fields are no part of the codes.
  FSetting->Show();
  FSetting->RadioGroup1->ChooseItem(0);
  FSetting->BitBtn1->Click();
  EXPECT_EQ(FMain->XCode, "1100000000000000");
  EXPECT_EQ(FMain->YCode, "0110000000000000");
}

TEST_F(SettingsWindow, AcceptBeforeFinishingTheInputLeavesStepThreeClosed) {
  FSetting->BitBtn1->Click();
  EXPECT_TRUE(FMain->SettingsAccepted);
  EXPECT_FALSE(FMain->Image2->Visible);
  EXPECT_FALSE(FMain->N7->Enabled);
  // Finishing the input runs the same check and now opens step 3.
  FMain->GateInputFinished();
  FMain->StepThreeCheck();
  EXPECT_TRUE(FMain->Image2->Visible);
  EXPECT_TRUE(FMain->N7->Enabled);
}

TEST_F(SettingsWindow, AcceptAfterFinishingTheInputOpensStepThree) {
  FMain->GateInputFinished();
  FSetting->BitBtn1->Click();
  EXPECT_TRUE(FMain->Image2->Visible);
  EXPECT_TRUE(FMain->N7->Enabled);
}

// The vector table, the result read back for it and its viewing are made from the
// accepted settings: other settings close them and the table is to be written
// again, while the same settings, or another number format alone, change no step.
TEST_F(SettingsWindow, AcceptingOtherSettingsClosesTheTableAndItsResult) {
  FMain->GateInputFinished();
  FSetting->BitBtn1->Click();
  const auto reachTheViewing = [] {
    FMain->GateVectorWritten();
    FMain->GateResultAccepted();
    FMain->GateViewingStarted();
    FResult->Tag = 1;
    FResult->Show();  // an automatic viewing leaves it open
    FSetting->Show();
  };
  const auto marks = [] {
    return std::vector<bool>{FMain->Image2->Visible, FMain->Image3->Visible, FMain->Image4->Visible,
                             FMain->Image5->Visible};
  };
  reachTheViewing();
  FSetting->BitBtn1->Click();
  FSetting->Show();
  FSetting->RadioGroup1->ChooseItem(1);  // the zero codes stay the same codes
  FSetting->BitBtn1->Click();
  EXPECT_EQ(marks(), std::vector<bool>(4, true));
  EXPECT_TRUE(FMain->N12->Enabled && FMain->BitBtn1->Visible && FResult->Visible);

  const std::vector<std::function<void()>> changes = {
      [] { EnterX("0", "1"); },
      [] { EnterY("1", "0"); },
      [] { FSetting->UpDown3->ClickUp(); },
      [] { FSetting->UpDown2->ClickDown(); },
      [] { FSetting->ComboBox1->ChooseItem(2); },
  };
  for (std::size_t n = 0; n < changes.size(); ++n) {
    reachTheViewing();
    changes[n]();
    FSetting->BitBtn1->Click();
    EXPECT_EQ(marks(), (std::vector<bool>{true, false, false, false})) << "change " << n;
    EXPECT_TRUE(FMain->N7->Enabled) << "change " << n;
    EXPECT_FALSE(FMain->N12->Enabled || FMain->BitBtn1->Visible || FMain->RadioGroup1->Visible) << "change " << n;
    EXPECT_FALSE(FResult->Visible) << "change " << n;
    EXPECT_TRUE(FMain->N19->Enabled) << "change " << n;
  }
}

TEST_F(SettingsWindow, CancelAndCloseBoxKeepBenchStateAndTheFields) {
  EnterX("1", "1");
  FSetting->BitBtn2->Click();
  FSetting->UpDown3->ClickUp();
  FSetting->BitBtn3->Click();
  EXPECT_FALSE(FSetting->Visible);
  EXPECT_FALSE(FMain->SettingsAccepted);
  EXPECT_EQ(FMain->XCode, "");

  FSetting->Show();
  EXPECT_EQ(FSetting->LabeledEdit1->Text, "1");
  EXPECT_EQ(FSetting->LabeledEdit2->Text, "100000000000000");
  EXPECT_EQ(FSetting->LabeledEdit7->Text, "-0,500000000000000000");
  EXPECT_EQ(FSetting->LabeledEdit9->Text, "110");
  FSetting->CloseBox();
  EXPECT_FALSE(FSetting->Visible);
  EXPECT_FALSE(FMain->SettingsAccepted);
}

TEST_F(SettingsWindow, MainMenuShowsTheWindowOnceASchematicIsRead) {
  FSetting->Hide();
  backend.ChooseFile(WriteFile("project.bdf", SchematicText({{"clk"}})));
  FMain->N10->Click();
  FMain->N14->Click();
  EXPECT_TRUE(FSetting->Visible);
  EXPECT_FALSE(FSetting->Modal());
}

namespace {

// Records the decimal value of Y each time a box is shown.
class ProbeBackend : public HeadlessBackend {
public:
  int ShowMessageBox(const MessageBoxRequest& request) override {
    YShownAtBox.push_back(FSetting->LabeledEdit8->Text);
    return HeadlessBackend::ShowMessageBox(request);
  }
  std::vector<std::string> YShownAtBox;
};

class SettingsWindowProbed : public ProgramRun {
protected:
  SettingsWindowProbed() {
    StartRun(probe, (folder / "opbench").string());
    EnterMainWindow();
    FSetting->Show();
  }
  ~SettingsWindowProbed() override { EndRun(); }
  ProbeBackend probe;
};

}  // namespace

TEST_F(SettingsWindowProbed, XWarningIsClosedBeforeYIsDecoded) {
  FSetting->LabeledEdit1->TypeKey(VK_BACK);
  FSetting->LabeledEdit1->TypeKey(U'1');
  FSetting->LabeledEdit4->TypeKey(VK_BACK);
  FSetting->LabeledEdit4->TypeKey(U'1');
  FSetting->LabeledEdit8->Text = "before";
  FSetting->BitBtn2->Click();
  ASSERT_EQ(probe.Boxes.size(), 2u);
  EXPECT_EQ(probe.YShownAtBox, (std::vector<std::string>{"before", Zero18}));
}
