// The report window at the end of an operation: X, Y and the result as codes and
// in decimal, decoded under the number format the settings window shows.
#include <gtest/gtest.h>

#include <algorithm>

#include "results/ResultRun.h"
#include "settings/SettingU.h"

namespace {

const std::string Rule(64, '-');

class OperationReport : public ResultRun {
protected:
  // Steps to the end of the operation in cycle 1 and returns the report shown.
  std::vector<std::string> ReportFor(const std::string& result, const std::vector<ProjectPin>& pins = PlainProject()) {
    PrepareProject(pins);
    SaveResultRows(CycleRows({Cycle(), Cycle(result, "1")}));
    OpenResult();
    std::vector<std::string> report;
    ViewStepwise([this, &report] {
      CaptureNextReport(report);
      FResult->BitBtn2->Click();
    });
    return report;
  }
};

}  // namespace

TEST_F(OperationReport, ShowsTheOperandsAndTheResultInBinaryAndDecimal) {
  const std::vector<std::string> expected = {
      "Операнд Х: 0100000000000000",   "Значение: 0,500000000000000000", Rule,
      "Операнд Y: 1110000000000000",   "Значение: -0,750000000000000000", Rule,
      "Результат операции: 1110000000000000", "Значение: -0,75", Rule};
  EXPECT_EQ(ReportFor("1110000000000000"), expected);
  EXPECT_EQ(FResConv->Caption, "Результат работы");
}

TEST_F(OperationReport, WritesEighteenDecimalsOfAnOperand) {
  FMain->XCode = "0111111111111111";
  const auto report = ReportFor(std::string(16, '0'));
  ASSERT_EQ(report.size(), 9u);
  EXPECT_EQ(report[1], "Значение: 0,999969482421875000");
  EXPECT_EQ(report[7], "Значение: 0");
}

TEST_F(OperationReport, DecodesUnderTheFormatShownEvenWhenNotAccepted) {
  FSetting->Show();
  FSetting->RadioGroup2->ChooseItem(1);  // two's complement, "Принять" not pressed
  FSetting->Close();
  const auto report = ReportFor("1100000000000000");
  ASSERT_EQ(report.size(), 9u);
  EXPECT_EQ(report[0], "Операнд Х: 0100000000000000");
  EXPECT_EQ(report[4], "Значение: -0,250000000000000000");
  EXPECT_EQ(report[7], "Значение: -0,5");
}

TEST_F(OperationReport, ANegativeZeroIsShownWithoutAWarning) {
  FMain->XCode = "1000000000000000";
  const auto report = ReportFor(std::string(16, '0'));
  ASSERT_EQ(report.size(), 9u);
  EXPECT_EQ(report[1], "Значение: 0,000000000000000000");
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Результат получен"});
}

TEST_F(OperationReport, AResultTooNarrowOrCutShortToDecodeShowsWhyAndLeavesNoHalfReport) {
  auto pins = PlainProject();
  pins[4].Width = 8;
  PrepareProject(pins);
  SaveResultRows({Row("10.0", {"1", std::string(16, '0'), "00", "000", "00000000", "0", "0"}),
                  Row("110.0", {"1", std::string(16, '0'), "00", "000", "00000001", "1", "0"})});
  OpenResult();
  ViewStepwise([] { FResult->BitBtn2->Click(); });
  ASSERT_EQ(backend.Boxes.size(), 2u);
  EXPECT_EQ(backend.Boxes[0].Text, "Результат получен");
  EXPECT_EQ(backend.Boxes[1].Type, TMsgDlgType::mtError);
  EXPECT_EQ(backend.Boxes[1].Text,
            "У вывода выходных данных Q меньше 16 бит, поэтому его значение нельзя расшифровать как код операнда.");
  EXPECT_EQ(FResConv->Memo1->Lines.Count(), 0);
  EXPECT_TRUE(backend.ScriptUsedUp());
  backend.Boxes.clear();

  // A row that ends inside the 16 bits of the output data (here the last column).
  pins = PlainProject();
  std::rotate(pins.begin() + 4, pins.begin() + 5, pins.end());
  PrepareProject(pins);
  SaveResultRows({Row("10.0", {"1", std::string(16, '0'), "00", "000", "0", "0", std::string(16, '0')}),
                  Row("110.0", {"1", std::string(16, '0'), "00", "000", "1", "0", "0110"})});
  OpenResult();
  ViewStepwise([] { FResult->BitBtn2->Click(); });
  ASSERT_EQ(backend.Boxes.size(), 2u);
  EXPECT_EQ(backend.Boxes[1].Text, "Значение вывода выходных данных Q в строке 23 файла результатов короче 16 бит, "
                                   "поэтому его нельзя расшифровать как код операнда.");
  EXPECT_EQ(FResConv->Memo1->Lines.Count(), 0);
}

TEST_F(OperationReport, TheCloseBoxEmptiesTheReportLikeExit) {
  PrepareProject(PlainProject());
  SaveResultRows(CycleRows({Cycle(), Cycle(std::string(16, '0'), "1")}));
  OpenResult();
  ViewStepwise([this] {
    backend.InNextModal([](TForm&) {
      EXPECT_EQ(FResConv->Memo1->Lines.Count(), 9);
      EXPECT_TRUE(FResConv->Memo1->ReadOnly);
      FResConv->CloseBox();
    });
    FResult->BitBtn2->Click();
  });
  EXPECT_EQ(FResConv->Memo1->Lines.Count(), 0);
}
