// The result table as a file format: the group-line check, the "PATTERN" line,
// row times, the row of a clock cycle and its split into the pins' values.
#include <gtest/gtest.h>

#include "platform/text/Exceptions.h"
#include "results/ResultRun.h"
#include "results/ResultTable.h"

namespace {

TStringList ListOf(const std::vector<std::string>& lines) {
  TStringList list;
  for (const std::string& line : lines) list.Add(line);
  return list;
}

// A pin table of its own, so that the format is tested without any window.
struct LocalProject {
  explicit LocalProject(const std::vector<ProjectPin>& pins) {
    for (std::size_t k = 0; k < pins.size(); ++k) {
      table[k].BaseName = pins[k].Name;
      table[k].Role = RoleNames[static_cast<std::size_t>(pins[k].Role)];
      table[k].BitWidth = pins[k].Width;
      table[k].Column = static_cast<int>(k) + 1;
      byColumn[k + 1] = static_cast<int>(k) + 1;
    }
    view = {table, byColumn, static_cast<int>(pins.size()) + 1};
  }
  const std::string& Value(int column) const { return table[column - 1].Value; }

  PINStruct table[PinTableSize];
  int byColumn[PinTableSize] = {};
  ProjectPins view;
};

std::vector<std::string> Head() { return TableHead(PlainProject()); }

// A result value that tells the rows apart.
std::string Result(char letter) { return std::string(16, letter); }

}  // namespace

TEST(ResultTableGroups, AcceptsTheVectorTablesGroupLinesInAnyOrderWithinTheirBlock) {
  const TStringList vector = ListOf(Head());
  std::vector<std::string> swapped = Head();
  std::swap(swapped[16], swapped[19]);
  EXPECT_TRUE(GroupLinesMatch(vector, ListOf(Head()), 4));
  EXPECT_TRUE(GroupLinesMatch(vector, ListOf(swapped), 4));
}

TEST(ResultTableGroups, RefusesAShiftedBlockAChangedLineAndATableWithoutBuses) {
  const TStringList vector = ListOf(Head());
  std::vector<std::string> shifted = Head();
  shifted.insert(shifted.begin() + 15, "");
  std::vector<std::string> changed = Head();
  changed[17] += " ";
  EXPECT_FALSE(GroupLinesMatch(vector, ListOf(shifted), 4));
  EXPECT_FALSE(GroupLinesMatch(vector, ListOf(changed), 4));
  EXPECT_FALSE(GroupLinesMatch(vector, ListOf(Head()), 0));
}

TEST(ResultTableGroups, RefusesATableTooShortToHoldTheGroupLines) {
  std::vector<std::string> cut = Head();
  cut.resize(18);
  EXPECT_FALSE(GroupLinesMatch(ListOf(Head()), ListOf(cut), 4));
  EXPECT_FALSE(GroupLinesMatch(ListOf(cut), ListOf(Head()), 4));
}

TEST(ResultTableGroups, CountsOneGroupLinePerBus) {
  LocalProject project(PlainProject());
  EXPECT_EQ(CountGroupLines(project.view), 4);
}

TEST(ResultTablePattern, FindsOnlyAnExactPatternLine) {
  EXPECT_EQ(FindPattern(ListOf({"%", "UNIT ns;", "PATTERN", "PATTERN"})), 2);
  EXPECT_EQ(FindPattern(ListOf({"%", "PATTERN ", "pattern"})), 0);
  EXPECT_EQ(FindPattern(ListOf({"PATTERN", "1> 0"})), 0);
}

TEST(ResultTableTimes, ReadsRowTimesInTheRunsTimeUnit) {
  const std::string row = "   110.0> 1";
  EXPECT_EQ(RowTime(row, row.find('>'), "ns"), 110.0f);
  EXPECT_EQ(RowTime("110.5> 1", 5, "ns"), 110.5f);
  EXPECT_EQ(RowTime("110000.0> 1", 8, "us"), 110.0f);
  EXPECT_EQ(RowTime("1 0> 1", 3, "ns"), 100.0f);  // a blank inside counts as a zero
  EXPECT_THROW(RowTime("GROUP> 1", 5, "ns"), EConvertError);
}

TEST(ResultTableTimes, TheRowOfACycleIsOneTenthOfAPeriodIntoIt) {
  EXPECT_EQ(CycleRiseTime(0, 100), 10.0f);
  EXPECT_EQ(CycleRiseTime(1, 100), 110.0f);
  EXPECT_EQ(CycleRiseTime(3, 30), 93.0f);
}

// The simulator writes every row time in nanoseconds; in "ms" and "s" those counts
// pass 2^24 from the first cycles on.
TEST(ResultTableTimes, EveryRiseRowMatchesItsCycleForEveryAllowedPeriodInEveryUnit) {
  const struct {
    const char* Unit;
    long long NanosecondsPerUnit;
  } units[] = {{"ns", 1}, {"us", 1000}, {"ms", 1000000}, {"s", 1000000000}};
  for (const auto& unit : units)
    for (int period = 30; period <= 200; period += 10)
      for (int cycle = 0; cycle < 100; ++cycle) {
        const long long rise = (static_cast<long long>(cycle) * period + period / 10) * unit.NanosecondsPerUnit;
        const std::string row = "   " + std::to_string(rise) + ".0> 1";
        ASSERT_EQ(RowTime(row, row.find('>'), unit.Unit), CycleRiseTime(cycle, static_cast<float>(period)))
            << row << " in " << unit.Unit << ", period " << period << ", cycle " << cycle;
      }
}

TEST(ResultTableSplit, ReadsEachColumnByItsWidthWithTheSeparatorAfterTheInputData) {
  LocalProject project({{"CLK", prClock}, {"X", prInputData, 4}, {"S", prStatus}, {"B", prControl, 4}});
  SplitRow("   110.0> 1 0101 = 1 0011", 10, project.view);
  EXPECT_EQ(project.Value(1), "1");
  EXPECT_EQ(project.Value(2), "0101");
  EXPECT_EQ(project.Value(3), "1");
  EXPECT_EQ(project.Value(4), "0011");
}

TEST(ResultTableSplit, WithAResetTheSeparatorFollowsTheReset) {
  LocalProject project(ProjectWithReset());
  const std::vector<std::string> values = {"1", std::string(16, '1'), "0", "10", "011",
                                           std::string(15, '0') + "1", "1", "0"};
  const std::string row = Row("110", values, true);
  SplitRow(row, 5, project.view);
  for (int column = 1; column <= 8; ++column) EXPECT_EQ(project.Value(column), values[column - 1]) << column;
}

TEST(ResultTableSplit, ARowThatEndsEarlyGivesShortAndEmptyValues) {
  LocalProject project(PlainProject());
  SplitRow("110> 1 0000000000000000 = 1", 5, project.view);
  EXPECT_EQ(project.Value(3), "1");
  EXPECT_EQ(project.Value(4), "");
  EXPECT_EQ(project.Value(7), "");
}

TEST(ResultTableSplit, TrustsThePinWidthsWhenAValueIsNarrower) {
  LocalProject project({{"CLK", prClock}, {"X", prInputData, 4}, {"S", prStatus}, {"B", prControl, 4}});
  SplitRow("10> 1 0 = 1 0011", 4, project.view);
  EXPECT_EQ(project.Value(2), "0 = ");
  EXPECT_EQ(project.Value(3), "0");
}

class ResultTableSearch : public ::testing::Test {
protected:
  ResultTableSearch()
      : project(PlainProject()),
        lines(ListOf({"PATTERN", Row("10", PlainValues("1", Result('A'), "0", "0")),
                      Row("60", PlainValues("0", Result('B'), "0", "0")), Row("110", PlainValues("1", Result('C'), "0", "0")),
                      Row("110", PlainValues("1", Result('D'), "0", "0")), Row("210", PlainValues("1", Result('E'), "0", "0")),
                      ";"})) {}
  RowSearch Search() {
    return {lines, project.view, 100, "ns", [this] { ++linesWithoutTime; }};
  }
  LocalProject project;
  TStringList lines;
  int linesWithoutTime = 0;
};

TEST_F(ResultTableSearch, ForwardTakesTheFirstRowOfTheCycleAtOrAfterTheCurrentLine) {
  int current = 1;
  ASSERT_TRUE(SeekRowForward(Search(), 1, current));
  EXPECT_EQ(current, 3);
  EXPECT_EQ(project.Value(5), Result('C'));
}

TEST_F(ResultTableSearch, BackwardTakesTheLastRowOfTheCycleAtOrBeforeTheCurrentLine) {
  int current = 5;
  ASSERT_TRUE(SeekRowBackward(Search(), 1, 0, current));
  EXPECT_EQ(current, 4);
  EXPECT_EQ(project.Value(5), Result('D'));
  ASSERT_TRUE(SeekRowBackward(Search(), 0, 0, current));
  EXPECT_EQ(current, 1);
  EXPECT_EQ(project.Value(5), Result('A'));
}

TEST_F(ResultTableSearch, NoRowForTheCycleChangesNothingAndReportsTheLineWithoutTime) {
  int current = 1;
  ASSERT_TRUE(SeekRowForward(Search(), 2, current));
  EXPECT_FALSE(SeekRowForward(Search(), 3, current));
  EXPECT_EQ(current, 5);
  EXPECT_EQ(project.Value(5), Result('E'));
  EXPECT_EQ(linesWithoutTime, 1);
}

TEST_F(ResultTableSearch, BackwardStopsBeforeThePatternLine) {
  int current = 5;
  EXPECT_FALSE(SeekRowBackward(Search(), 0, 1, current));
  EXPECT_EQ(current, 5);
  EXPECT_EQ(linesWithoutTime, 0);
}
