// Stepping through the clock cycles: "T+1" and "T-1" in step mode, the flag
// messages, "Изменить операнды" and "Выход", and the automatic run to the first
// flag.
#include <gtest/gtest.h>

#include <algorithm>

#include "results/ResultRun.h"
#include "settings/SettingU.h"

namespace {

const std::string Half = "0100000000000000";
const std::string Ones = std::string(15, '0') + "1";
const std::string Zero(16, '0');

class ResultStepping : public ResultRun {
protected:
  void Open(const std::vector<Cycle>& cycles, const std::vector<ProjectPin>& pins = PlainProject()) {
    PrepareProject(pins);
    SaveResultRows(CycleRows(cycles));
    OpenResult();
  }
  static void Forward() { FResult->BitBtn2->Click(); }
  static void Back() { FResult->BitBtn1->Click(); }
  static std::string Result() { return Pins[4].Value; }
};

}  // namespace

TEST_F(ResultStepping, OpeningLoadsCycleZeroAndTheButtonsStepBothWays) {
  Open({Cycle(Half), Cycle(Ones), Cycle()});
  ViewStepwise([this] {
    EXPECT_EQ(CurrentCycle, 0);
    EXPECT_EQ(Result(), Half);
    Forward();
    EXPECT_EQ(CurrentCycle, 1);
    EXPECT_EQ(ValueEdits[4][0]->Text, Ones);
    Back();
    EXPECT_EQ(CurrentCycle, 0);
    EXPECT_EQ(ValueEdits[4][0]->Text, Half);
  });
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_TRUE(FMain->Image5->Visible);
}

TEST_F(ResultStepping, NoCycleBeforeTheFirst) {
  Open({Cycle()});
  ViewStepwise([] { Back(); });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Нет возможности просмотреть предыдущий такт"});
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtInformation);
}

TEST_F(ResultStepping, PastTheLastRowTheValuesStayAndTheEndOfTheTableIsReported) {
  Open({Cycle(Half)});
  ViewStepwise([this] {
    Forward();
    EXPECT_EQ(CurrentCycle, 1);
    EXPECT_EQ(Result(), Half);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Просмотр завершен"});
}

// Lines without a row between and after the rows, as a table saved with comments
// or padding brings them: each search reports the end of the rows once, however
// many of those lines it passes.
TEST_F(ResultStepping, EachPressReportsTheEndOfTheRowsAtMostOnce) {
  PrepareProject(PlainProject());
  const std::vector<std::string> rows = CycleRows({Cycle(), Cycle(), Cycle(Ones)});
  std::vector<std::string> lines = TableHead(project);
  lines.emplace_back("PATTERN");
  lines.insert(lines.end(), rows.begin(), rows.begin() + 4);
  lines.insert(lines.end(), 10'000, "");
  lines.insert(lines.end(), rows.begin() + 4, rows.end());
  lines.emplace_back(";");
  lines.insert(lines.end(), 10'000, "");
  SaveResultTable(lines);
  OpenResult();
  ViewStepwise([this] {
    Forward();
    EXPECT_TRUE(BoxTexts().empty());
    Forward();  // cycle 2 lies beyond the blank lines
    EXPECT_EQ(Result(), Ones);
    Back();
    Forward();
    Forward();  // past the last row
    Forward();
    EXPECT_EQ(CurrentCycle, 4);
    EXPECT_EQ(Result(), Ones);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(5, "Просмотр завершен"));
}

TEST_F(ResultStepping, ATableWithoutAPatternLineReportsItsHeaderOnce) {
  PrepareProject(PlainProject());
  std::vector<std::string> lines = TableHead(project);
  for (const std::string& row : CycleRows({Cycle(Half), Cycle(Ones)})) lines.push_back(row);
  SaveResultTable(lines);
  OpenResult();
  ViewStepwise([this] {
    EXPECT_EQ(Result(), Half);
    Forward();
    EXPECT_EQ(Result(), Ones);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Просмотр завершен"});
}

TEST_F(ResultStepping, TheOverflowFlagStopsTheSteppingUntilAStepBack) {
  Open({Cycle(), Cycle(), Cycle(Zero, "0", "1"), Cycle()});
  ViewStepwise([] {
    Forward();
    Forward();
    for (int press = 0; press < 5; ++press) Forward();
    EXPECT_EQ(CurrentCycle, 2);
    EXPECT_TRUE(OverflowSeen);
    Back();
    EXPECT_FALSE(OverflowSeen);
    Forward();
    EXPECT_EQ(CurrentCycle, 2);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(7, "Обнаружен признак ПРС"));
}

TEST_F(ResultStepping, FlagsOfCycleZeroAreNeverReported) {
  Open({Cycle(Zero, "1", "1"), Cycle()});
  ViewStepwise([] { Forward(); });
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ResultStepping, TheEndOfTheOperationBringsItsMessageAndTheReport) {
  Open({Cycle(), Cycle(Ones, "1")});
  ViewStepwise([this] {
    std::vector<std::string> report;
    CaptureNextReport(report);
    Forward();
    EXPECT_EQ(report.size(), 9u);
    EXPECT_TRUE(ResultObtained);
    Back();
    CaptureNextReport(report);
    Forward();
    EXPECT_EQ(report.size(), 18u);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, "Результат получен"));
  EXPECT_EQ(FResConv->Memo1->Lines.Count(), 0);
}

TEST_F(ResultStepping, OnePressReportsEveryRaisedFlagInOrder) {
  Open({Cycle(), Cycle(Ones, "1", "1", "1")}, ProjectWithDivision());
  ViewStepwise([this] {
    std::vector<std::string> report;
    CaptureNextReport(report);
    Forward();
    EXPECT_FALSE(report.empty());
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Обнаружен признак ПРС", "Деление на ноль", "Результат получен"}));
}

TEST_F(ResultStepping, ThePmrFlagNeitherStopsNorSpeaks) {
  auto pins = PlainProject();
  pins.push_back({"PMR", prPmr});
  Open({Cycle(), Cycle(Zero, "0", "0", "1"), Cycle()}, pins);
  ViewStepwise([] {
    Forward();
    Forward();
    EXPECT_EQ(CurrentCycle, 2);
  });
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(ResultStepping, ChangingTheOperandsGoesBackToTheSettings) {
  Open({Cycle()});
  ViewStepwise([] { FResult->Button1->Click(); });
  EXPECT_FALSE(FResult->Visible);
  EXPECT_TRUE(FSetting->Visible);
  for (TImage* mark : {FMain->Image2, FMain->Image3, FMain->Image4, FMain->Image5}) EXPECT_FALSE(mark->Visible);
  EXPECT_FALSE(FMain->BitBtn1->Visible || FMain->RadioGroup1->Visible);
  EXPECT_FALSE(FMain->N7->Enabled || FMain->N12->Enabled);
  EXPECT_TRUE(FMain->N19->Enabled);
}

TEST_F(ResultStepping, ANewViewingStartsAgainAtCycleZero) {
  Open({Cycle(), Cycle(), Cycle(Zero, "0", "1")});
  ViewStepwise([] {
    Forward();
    Forward();
  });
  ViewStepwise([] {
    EXPECT_EQ(CurrentCycle, 0);
    EXPECT_FALSE(OverflowSeen);
    Forward();
    EXPECT_EQ(CurrentCycle, 1);
  });
}

// With the period 190 ms the rows of cycle 6 on stand past 2^30 ns; both viewings
// reach the end flag of cycle 7 and its report.
TEST_F(ResultStepping, AWholeRunInMillisecondsReachesTheEndOfTheOperation) {
  FMain->Period = 190;
  FMain->TimeUnit = "ms";
  PrepareProject(PlainProject());
  std::vector<std::string> rows;
  for (long long cycle = 0; cycle < 8; ++cycle) {
    const std::string result = cycle == 7 ? Ones : Zero;
    const std::string end = cycle == 7 ? "1" : "0";
    for (const long long offset : {19, 114})
      rows.push_back(Row(std::to_string((cycle * 190 + offset) * 1000000) + ".0",
                         PlainValues(offset == 19 ? "1" : "0", result, end, "0")));
  }
  SaveResultRows(rows);
  OpenResult();
  std::vector<std::string> report;
  ViewStepwise([this, &report] {
    for (int cycle = 1; cycle < 7; ++cycle) Forward();
    CaptureNextReport(report);
    Forward();
    EXPECT_EQ(CurrentCycle, 7);
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Результат получен"});
  ASSERT_EQ(report.size(), 9u);
  EXPECT_EQ(report[6], "Результат операции: " + Ones);

  CaptureNextReport(report);
  ViewAutomatically();
  ASSERT_EQ(report.size(), 18u);
  EXPECT_EQ(report[15], "Результат операции: " + Ones);
  EXPECT_EQ(CurrentCycle, 7);
}

class AutomaticRun : public ResultStepping {};

TEST_F(AutomaticRun, StopsAtTheOverflowFlagAndClosesTheWindow) {
  Open({Cycle(), Cycle(), Cycle(Ones, "1", "1"), Cycle()});
  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Обнаружен признак ПРС"});
  EXPECT_FALSE(FResult->Visible);
  EXPECT_EQ(FResult->Tag, 0);
  EXPECT_EQ(CurrentCycle, 2);
  EXPECT_TRUE(FMain->Image5->Visible);
}

TEST_F(AutomaticRun, StopsAtTheDivisionFlag) {
  Open({Cycle(Zero, "0", "0", "0"), Cycle(Zero, "0", "0", "1")}, ProjectWithDivision());
  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Деление на ноль"});
  EXPECT_FALSE(FResult->Visible);
}

TEST_F(AutomaticRun, ShowsTheReportAtTheEndOfTheOperationAndStaysOpen) {
  Open({Cycle(), Cycle(), Cycle(Ones, "1"), Cycle()});
  std::vector<std::string> report;
  CaptureNextReport(report);
  ViewAutomatically();
  EXPECT_TRUE(BoxTexts().empty());
  ASSERT_EQ(report.size(), 9u);
  EXPECT_EQ(report[6], "Результат операции: " + Ones);
  EXPECT_TRUE(FResult->Visible);
  EXPECT_EQ(FResult->Tag, 1);
  EXPECT_EQ(CurrentCycle, 2);

  CaptureNextReport(report);
  FResult->BitBtn2->Click();  // the run again: the same cycle, the report again
  EXPECT_EQ(report.size(), 18u);
  EXPECT_EQ(CurrentCycle, 2);
}

TEST_F(AutomaticRun, AllThreeFlagsInCycleZeroEndTheRunAtOnce) {
  Open({Cycle(Zero, "1", "1", "1"), Cycle()}, ProjectWithDivision());
  ViewAutomatically();
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(CurrentCycle, 0);
  EXPECT_TRUE(FResult->Visible);
}

TEST_F(AutomaticRun, WithoutAnyFlagTheRunEndsWithTheTableAndOnePressSaysSoOnce) {
  Open({Cycle(), Cycle(), Cycle()});
  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Просмотр завершен"});
  EXPECT_EQ(CurrentCycle, 3);

  // No row at all: the opening's search and the run's end are one press, one notice;
  // so is "T+1" in the window left open, and so is the opening in step mode after it.
  backend.Boxes.clear();
  SaveResultRows({});
  OpenResult();
  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Просмотр завершен"});
  FResult->BitBtn2->Click();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, "Просмотр завершен"));
  ViewStepwise([] {});
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(3, "Просмотр завершен"));
}

// The rows of these cycles with the rise rows of some of them left out.
std::vector<std::string> RowsWithoutRises(const std::vector<Cycle>& cycles, const std::vector<int>& missing) {
  std::vector<std::string> rows = CycleRows(cycles);
  for (auto cycle = missing.rbegin(); cycle != missing.rend(); ++cycle)
    rows.erase(rows.begin() + 2 * *cycle);
  return rows;
}

TEST_F(AutomaticRun, GoesOnPastACycleWithoutARowAsTheStepsDo) {
  PrepareProject(PlainProject());
  SaveResultRows(RowsWithoutRises({Cycle(), Cycle(), Cycle(Zero, "0", "1"), Cycle()}, {1}));
  OpenResult();
  ViewStepwise([] {
    Forward();
    Forward();
  });
  EXPECT_EQ(BoxTexts(), (std::vector<std::string>{"Просмотр завершен", "Обнаружен признак ПРС"}));
  backend.Boxes.clear();

  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Обнаружен признак ПРС"});
  EXPECT_EQ(CurrentCycle, 2);
  EXPECT_FALSE(FResult->Visible);
}

TEST_F(AutomaticRun, TestsTheHeldValuesOfACycleWithoutARow) {
  PrepareProject(PlainProject());
  SaveResultRows(RowsWithoutRises({Cycle(Zero, "0", "1"), Cycle(), Cycle()}, {1}));
  OpenResult();
  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Обнаружен признак ПРС"});
  EXPECT_EQ(CurrentCycle, 1);
}

TEST_F(AutomaticRun, WithoutAnyFlagEndsOnceWhereTheRowsEnd) {
  PrepareProject(PlainProject());
  std::vector<std::string> rows =
      RowsWithoutRises({Cycle(), Cycle(), Cycle(), Cycle(), Cycle(), Cycle(Ones), Cycle()}, {1, 3, 4, 6});
  rows.emplace_back(";");
  rows.insert(rows.end(), 10'000, "");
  SaveResultRows(rows);
  OpenResult();
  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Просмотр завершен"});
  // As the steps leave it: one cycle past the last row, with that row's values.
  EXPECT_EQ(CurrentCycle, 6);
  EXPECT_EQ(Result(), Ones);
  EXPECT_TRUE(FResult->Visible);
  EXPECT_EQ(FResult->Tag, 1);
}

TEST_F(AutomaticRun, ChangingTheOperandsAfterTheReportClosesTheWindow) {
  Open({Cycle(), Cycle(Ones, "1")});
  std::vector<std::string> report;
  CaptureNextReport(report);
  ViewAutomatically();
  FResult->Button1->Click();
  EXPECT_FALSE(FResult->Visible);
  EXPECT_EQ(FResult->Tag, 0);
  EXPECT_TRUE(FSetting->Visible);
}

TEST_F(AutomaticRun, StepsBackWithoutFieldsToShow) {
  Open({Cycle(), Cycle(Ones, "1")});
  std::vector<std::string> report;
  CaptureNextReport(report);
  ViewAutomatically();
  FResult->BitBtn1->Click();
  EXPECT_EQ(CurrentCycle, 0);
  EXPECT_EQ(Result(), Zero);
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(FResult->Controls().size(), 4u);
}

TEST_F(AutomaticRun, AStepViewingAfterAnAutomaticOneStartsInStepModeAtCycleZero) {
  Open({Cycle(), Cycle(), Cycle(Ones, "1"), Cycle()});
  std::vector<std::string> report;
  CaptureNextReport(report);
  ViewAutomatically();
  ASSERT_TRUE(FResult->Visible);
  ViewStepwise([this] {
    EXPECT_EQ(FResult->Tag, 0);
    EXPECT_EQ(CurrentCycle, 0);
    EXPECT_NE(ValueEdits[4][0], nullptr) << "step mode shows its value fields";
    Forward();
    EXPECT_EQ(CurrentCycle, 1);
  });
  EXPECT_FALSE(FResult->Visible);
}

// A window left open after its report belongs to the table it showed: a table
// accepted later closes it, and the next viewing reads the new one.
TEST_F(AutomaticRun, AWindowLeftOpenClosesWhenAnotherTableIsAccepted) {
  Open({Cycle(), Cycle(Ones, "1")});
  std::vector<std::string> report;
  CaptureNextReport(report);
  ViewAutomatically();
  ASSERT_TRUE(FResult->Visible);
  SaveResultRows(CycleRows({Cycle(), Cycle(), Cycle(Half, "1")}));
  OpenResult();
  EXPECT_FALSE(FResult->Visible);
  EXPECT_EQ(FResult->Tag, 0);
  CaptureNextReport(report);
  ViewAutomatically();
  ASSERT_EQ(report.size(), 18u);
  EXPECT_EQ(report[15], "Результат операции: " + Half);
  EXPECT_EQ(CurrentCycle, 2);
}

// Each opening starts from no values: a table without a row at any clock rise shows
// and reports nothing of the table viewed before it.
TEST_F(AutomaticRun, AnOpeningShowsNothingOfATableViewedBefore) {
  Open({Cycle(), Cycle(Ones, "1")});
  std::vector<std::string> report;
  CaptureNextReport(report);
  ViewAutomatically();
  backend.Boxes.clear();
  SaveResultRows(RowsWithoutRises({Cycle(), Cycle(Ones, "1")}, {0, 1}));
  OpenResult();
  ViewAutomatically();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Просмотр завершен"});
  EXPECT_EQ(report.size(), 9u) << "no second report";
  ViewStepwise([] {
    EXPECT_EQ(ValueEdits[4][0]->Text, "");
    EXPECT_EQ(ValueEdits[5][0]->Text, "");
    Forward();
  });
  const std::vector<std::string> texts = BoxTexts();
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Результат получен"), 0);
}
