// Placing the pins into their columns: the column layout by role, whatever the
// grid order, and the records of the pin table.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "mainwin/PinPlacement.h"
#include "mainwin/PinRole.h"
#include "mainwin/RoleNames.h"
#include "platform/text/Exceptions.h"

namespace {

TPinRow Row(const std::string& name, int role, const std::string& type = "Input") {
  return {name, type, RoleNames[static_cast<std::size_t>(role)]};
}

std::vector<int> Columns(std::size_t count) {
  std::vector<int> columns;
  for (std::size_t k = 0; k < count; ++k) columns.push_back(Pins[k].Column);
  return columns;
}

std::vector<int> OneTo(int count) {
  std::vector<int> columns(static_cast<std::size_t>(count));
  for (int k = 0; k < count; ++k) columns[static_cast<std::size_t>(k)] = k + 1;
  return columns;
}

class PinColumns : public ::testing::Test {
protected:
  void SetUp() override { ResetPinTable(); }
  void TearDown() override { ResetPinTable(); }

  // Fills the table and checks what its readers rely on.
  void ExpectAccepted(const std::vector<TPinRow>& rows) {
    ASSERT_TRUE(FillPinTable(rows));
    const int pinCount = static_cast<int>(rows.size());
    std::vector<int> sorted = Columns(rows.size());
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, OneTo(pinCount)) << "each column held by exactly one pin";
    for (int column = 1; column <= pinCount; ++column)
      EXPECT_EQ(Pins[PinByColumn[column] - 1].Column, column);
    EXPECT_EQ(PinByColumn[0], 0);
  }
};

// The rows of the first worked example: clock, input data, [reset], status,
// control, two memory outputs, output data, end of operation, ПРС, [ПМР], [division by 0].
std::vector<TPinRow> ExampleOneRows(bool reset, bool pmr, bool divByZero) {
  std::vector<TPinRow> rows = {Row("clk", prClock), Row("X[15..0]", prInputData)};
  if (reset) rows.push_back(Row("reset", prReset));
  for (const TPinRow& row : {Row("p[3..0]", prStatus), Row("y[7..0]", prControl),
                             Row("Q1[7..0]", prMemoryOutput, "Output"), Row("Q2[7..0]", prMemoryOutput, "Output"),
                             Row("Z[15..0]", prOutputData, "Output"), Row("end", prEndOfOperation, "Output"),
                             Row("prs", prPrs, "Output")})
    rows.push_back(row);
  if (pmr) rows.push_back(Row("pmr", prPmr, "Output"));
  if (divByZero) rows.push_back(Row("dz", prDivByZero, "Output"));
  return rows;
}

}  // namespace

TEST_F(PinColumns, EveryCombinationOfOptionalPinsGivesTheFirstExamplesColumns) {
  struct Combination {
    bool Reset, Pmr, DivByZero;
    int PinCount;
    TSignalColumns Expected;  // end of operation, ПМР, ПРС, output data, division by 0, reset
  };
  const Combination combinations[] = {
      {false, false, false, 9, {8, 0, 9, 7, 0, 0}},     {false, true, false, 10, {8, 10, 9, 7, 0, 0}},
      {false, false, true, 10, {8, 0, 9, 7, 10, 0}},    {false, true, true, 11, {8, 10, 9, 7, 11, 0}},
      {true, false, false, 10, {9, 0, 10, 8, 0, 3}},    {true, true, false, 11, {9, 11, 10, 8, 0, 3}},
      {true, false, true, 11, {9, 0, 10, 8, 11, 3}},    {true, true, true, 12, {9, 11, 10, 8, 12, 3}},
  };
  for (const Combination& c : combinations) {
    SCOPED_TRACE(::testing::Message() << "reset " << c.Reset << ", ПМР " << c.Pmr << ", деление " << c.DivByZero);
    ResetPinTable();
    const std::vector<TPinRow> rows = ExampleOneRows(c.Reset, c.Pmr, c.DivByZero);
    ASSERT_EQ(static_cast<int>(rows.size()), c.PinCount);
    ExpectAccepted(rows);
    // In this grid order the row reads off the columns 1 to K.
    EXPECT_EQ(Columns(rows.size()), OneTo(c.PinCount));
    EXPECT_EQ(SignalColumns.EndOfOperationColumn, c.Expected.EndOfOperationColumn);
    EXPECT_EQ(SignalColumns.PmrColumn, c.Expected.PmrColumn);
    EXPECT_EQ(SignalColumns.PrsColumn, c.Expected.PrsColumn);
    EXPECT_EQ(SignalColumns.OutputDataColumn, c.Expected.OutputDataColumn);
    EXPECT_EQ(SignalColumns.DivByZeroColumn, c.Expected.DivByZeroColumn);
    EXPECT_EQ(SignalColumns.ResetColumn, c.Expected.ResetColumn);
    EXPECT_EQ(HasReset, c.Reset);
    EXPECT_EQ(HasPMR, c.Pmr);
    EXPECT_EQ(HasDivByZero, c.DivByZero);
    EXPECT_TRUE(HasPRS);
    EXPECT_EQ(ResetCount, c.Reset ? 1 : 0);
  }
}

TEST_F(PinColumns, OutputSideEndsInItsLayoutInEveryGridOrder) {
  std::array<TPinRow, 5> tail = {Row("Z", prOutputData, "Output"), Row("end", prEndOfOperation, "Output"),
                                 Row("prs", prPrs, "Output"), Row("pmr", prPmr, "Output"),
                                 Row("dz", prDivByZero, "Output")};
  std::array<int, 5> order = {0, 1, 2, 3, 4};
  do {
    ResetPinTable();
    std::vector<TPinRow> rows = {Row("clk", prClock), Row("X", prInputData), Row("p", prStatus),
                                 Row("y", prControl)};
    std::string trace;
    for (int i : order) {
      rows.push_back(tail[static_cast<std::size_t>(i)]);
      trace += tail[static_cast<std::size_t>(i)].Name + " ";
    }
    SCOPED_TRACE(trace);
    ExpectAccepted(rows);
    const auto columnOf = [&rows](const std::string& name) {
      for (std::size_t k = 0; k < rows.size(); ++k)
        if (rows[k].Name == name) return Pins[k].Column;
      return 0;
    };
    EXPECT_EQ(columnOf("Z"), 5);
    EXPECT_EQ(columnOf("end"), 6);
    EXPECT_EQ(columnOf("prs"), 7);
    EXPECT_EQ(columnOf("pmr"), 8);
    EXPECT_EQ(columnOf("dz"), 9);
  } while (std::next_permutation(order.begin(), order.end()));
}

TEST_F(PinColumns, DuplicatesAreCountedByRoleWhateverTheNames) {
  std::vector<TPinRow> rows = ExampleOneRows(false, false, false);
  rows.push_back(Row("CLK", prClock));
  EXPECT_FALSE(FillPinTable(rows)) << "two clocks";

  rows = ExampleOneRows(false, false, false);
  rows[1] = Row("X[7..0]", prInputData);
  rows.push_back(Row("X[15..8]", prInputData));
  EXPECT_FALSE(FillPinTable(rows)) << "one input split into two pins of one name would share a column";

  rows = ExampleOneRows(true, true, true);
  rows.push_back(Row("reset2", prReset));
  EXPECT_FALSE(FillPinTable(rows)) << "optional roles may not be given twice either";

  rows = ExampleOneRows(false, false, false);
  rows[4] = Row("Q[7..0]", prMemoryOutput);
  rows[5] = Row("Q[15..8]", prMemoryOutput);
  rows.push_back(Row("Q3", prMemoryOutput));
  EXPECT_TRUE(FillPinTable(rows)) << "memory outputs may share a name and come in any number";
}

TEST_F(PinColumns, EveryObligatoryRoleMustBePresent) {
  for (int missing : {prInputData, prClock, prStatus, prControl, prOutputData, prEndOfOperation, prPrs}) {
    std::vector<TPinRow> rows = ExampleOneRows(true, true, true);
    std::erase_if(rows, [missing](const TPinRow& row) { return RoleIndexOf(row.Role) == missing; });
    EXPECT_FALSE(FillPinTable(rows)) << RoleNames[static_cast<std::size_t>(missing)];
  }
}

TEST(PinBusRange, ReadsBothBoundsOrNone) {
  EXPECT_FALSE(BusRangeOf("clk"));
  EXPECT_FALSE(BusRangeOf("b[3]"));
  const auto range = BusRangeOf("Q[15..8]");
  ASSERT_TRUE(range);
  EXPECT_EQ(range->Hi, 15);
  EXPECT_EQ(range->Lo, 8);
  EXPECT_EQ(BusRangeOf("X[0..7]")->Hi, 0);
  EXPECT_THROW(BusRangeOf("X[a..0]"), EConvertError);
  EXPECT_THROW(BusRangeOf("X[7..0"), EConvertError);
  EXPECT_THROW(BusRangeOf("X[7.."), EConvertError);
}

TEST_F(PinColumns, ShiftMovesOnlyTheOutputSidePinsOfItsMode) {
  const int roles[] = {prOutputData, prPmr, prPrs, prEndOfOperation, prDivByZero, prStatus, prPrs};
  for (int i = 0; i < 7; ++i) {
    Pins[i].Role = RoleNames[static_cast<std::size_t>(roles[i])];
    Pins[i].Column = 20 + i;
  }
  ShiftTailColumns(1, 6);  // the last ПРС entry lies beyond the count
  EXPECT_EQ(Columns(7), (std::vector<int>{19, 21, 21, 22, 24, 25, 26}));
  EXPECT_EQ(SignalColumns.OutputDataColumn, 19);
  EXPECT_EQ(SignalColumns.PrsColumn, 21);
  EXPECT_EQ(SignalColumns.EndOfOperationColumn, 22);
  EXPECT_EQ(SignalColumns.PmrColumn, 0);

  ShiftTailColumns(0, 2);
  EXPECT_EQ(Columns(7), (std::vector<int>{18, 20, 21, 22, 24, 25, 26}));
  EXPECT_EQ(SignalColumns.PmrColumn, 20);
  EXPECT_EQ(SignalColumns.DivByZeroColumn, 0);

  ShiftTailColumns(0, 0);
  ShiftTailColumns(1, -3);
  EXPECT_EQ(Columns(7), (std::vector<int>{18, 20, 21, 22, 24, 25, 26}));
}
