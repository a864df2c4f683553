// Reading a control unit's schematic for its gate symbols.
#include <gtest/gtest.h>

#include "minimize/ControlUnitSchematic.h"
#include "minimize/SymbolScan.h"
#include "platform/text/Exceptions.h"

namespace {

struct Expected {
  const char* Name;
  const char* GateType;
  int InputCount;
};

class GateSymbolScan : public ::testing::Test {
protected:
  void Scan(const LineVector& lines) { ScanGateSymbols(ToLineList(lines), table); }
  ElementTable table{};
};

}  // namespace

TEST(RectLine, GivesPositionAndWidthFromTheFirstThreeNumbers) {
  const RectNumbers rect = ReadRectNumbers("\t(rect 368 152 432 200)");
  EXPECT_EQ(rect.PosX, 368);
  EXPECT_EQ(rect.PosY, 152);
  EXPECT_EQ(rect.Width, 64);
}

TEST(RectLine, ReadsEachNumberWholeWhenBlanksRunTogether) {
  const RectNumbers rect = ReadRectNumbers("(rect  368   152  432 200)");
  EXPECT_EQ(rect.PosX, 368);
  EXPECT_EQ(rect.PosY, 152);
  EXPECT_EQ(rect.Width, 64);
}

TEST(RectLine, NeverReadsTheNumberClosedByTheBracket) {
  EXPECT_NO_THROW(ReadRectNumbers("(rect 1 2 3 x)"));
  const RectNumbers three = ReadRectNumbers("(rect 10 20 35)");
  EXPECT_EQ(three.PosX, 10);
  EXPECT_EQ(three.PosY, 20);
  EXPECT_FALSE(three.Width);
  const RectNumbers none = ReadRectNumbers("(rect)");
  EXPECT_FALSE(none.PosX);
  EXPECT_FALSE(none.PosY);
}

TEST(RectLine, NumberThatIsNoIntegerRaisesConversionError) {
  EXPECT_THROW(ReadRectNumbers("(rect 36a 152 432 200)"), EConvertError);
  EXPECT_THROW(ReadRectNumbers("(rect 368 152 4.5 200)"), EConvertError);
}

TEST(RectLine, WidthThatNoIntegerHoldsRaisesRangeError) {
  EXPECT_THROW(ReadRectNumbers("(rect -2147483648 0 2147483647 10)"), ERangeError);
  EXPECT_THROW(ReadRectNumbers("(rect 2147483647 0 -2 10)"), ERangeError);
  EXPECT_EQ(ReadRectNumbers("(rect -2147483648 0 -1 10)").Width, 2147483647);
}

TEST(NameLine, ClassifiesGatesAndCountsTheirInputs) {
  const Expected gates[] = {{"AND2", "AND", 2}, {"NAND3", "AND", 3}, {"BAND2", "AND", 2},
                            {"OR2", "OR", 2},   {"NOR2", "OR", 2},   {"XOR", "OR", 1},
                            {"XNOR", "OR", 1},  {"AND12", "AND", 12}};
  for (const Expected& expected : gates) {
    SCOPED_TRACE(expected.Name);
    const auto gate = ClassifyGateName("\t(text \"" + std::string(expected.Name) + "\" (rect 5 0 27 12))");
    ASSERT_TRUE(gate);
    EXPECT_EQ(gate->GateType, expected.GateType);
    EXPECT_EQ(gate->InputCount, expected.InputCount);
  }
}

TEST(NameLine, OtherSymbolsAndLowerCaseNamesAreNoGates) {
  EXPECT_FALSE(ClassifyGateName("\t(text \"DFF\" (rect 5 0 27 12))"));
  EXPECT_FALSE(ClassifyGateName("\t(text \"and2\" (rect 5 0 27 12))"));
}

TEST(NameLine, TextBetweenGateWordAndQuoteThatIsNoIntegerRaisesConversionError) {
  EXPECT_THROW(ClassifyGateName("\t(text \"AND2X\" (rect 5 0 27 12))"), EConvertError);
}

TEST(NameLine, NameWithoutClosingQuoteLeavesTheInputCountOpen) {
  const auto unclosed = ClassifyGateName("\t(text \"AND2");
  ASSERT_TRUE(unclosed);
  EXPECT_EQ(unclosed->GateType, "AND");
  EXPECT_FALSE(unclosed->InputCount);
  // The line's last character is not searched for the quote.
  EXPECT_FALSE(ClassifyGateName("\"OR2\"")->InputCount);
}

TEST_F(GateSymbolScan, FirstGateFillsRecordZero) {
  Scan(Schematic({SymbolBlock("AND2", "368 152 432 200")}));
  EXPECT_EQ(Record(table[0]), "AND 2 at 368,152 width 64");
  EXPECT_EQ(Record(table[1]), EmptyRecord);
}

TEST_F(GateSymbolScan, GatesFillConsecutiveRecordsAndOtherSymbolsTakeNone) {
  Scan(Schematic({SymbolBlock("DFF", "1 1 9 9"), SymbolBlock("AND2", "10 20 40 50"),
                  SymbolBlock("and2", "2 2 8 8"), SymbolBlock("NOR3", "100 200 164 248"),
                  SymbolBlock("DFF", "3 3 7 7"), SymbolBlock("XOR", "7 8 30 40")}));
  EXPECT_EQ(Record(table[0]), "AND 2 at 10,20 width 30");
  EXPECT_EQ(Record(table[1]), "OR 3 at 100,200 width 64");
  EXPECT_EQ(Record(table[2]), "OR 1 at 7,8 width 23");
  EXPECT_EQ(Record(table[3]), EmptyRecord);
}

TEST_F(GateSymbolScan, HeaderAndShortFilesChangeNothing) {
  Scan(HeaderLines());  // 22 lines, one symbol block among them
  LineVector shorter = HeaderLines();
  shorter.resize(10);
  Scan(shorter);
  Scan({});
  EXPECT_EQ(Record(table[0]), EmptyRecord);
}

TEST_F(GateSymbolScan, OnlyAnExactSymbolLineOpensABlock) {
  for (const char* opening : {" (symbol", "(symbol ", "\t(symbol", "(symbol\t", "(SYMBOL"}) {
    LineVector block = SymbolBlock("AND2");
    block[0] = opening;
    Scan(Schematic({block}));
  }
  EXPECT_EQ(table[0].GateType, "");
}

TEST_F(GateSymbolScan, ConversionErrorStopsTheScanAndKeepsWhatWasWritten) {
  const LineVector lines =
      Schematic({SymbolBlock("OR2", "1 2 5 6"), SymbolBlock("AND2X", "10 20 30 40"), SymbolBlock("NAND4")});
  EXPECT_THROW(Scan(lines), EConvertError);
  EXPECT_EQ(Record(table[0]), "OR 2 at 1,2 width 4");
  EXPECT_EQ(Record(table[1]), EmptyRecord);
  EXPECT_EQ(Record(table[2]), EmptyRecord);
}

TEST_F(GateSymbolScan, BadRectNumberStopsTheScan) {
  EXPECT_THROW(Scan(Schematic({SymbolBlock("AND2", "1 x 3 4"), SymbolBlock("OR2")})), EConvertError);
  EXPECT_EQ(table[0].GateType, "");
  EXPECT_EQ(table[1].GateType, "");
}

TEST_F(GateSymbolScan, MoreGatesThanRecordsFillTheTableAndStop) {
  std::vector<LineVector> blocks;
  for (int i = 0; i < SchemeElementCount + 5; ++i)
    blocks.push_back(SymbolBlock("AND" + std::to_string(i + 1), std::to_string(i) + " 0 10 10"));
  blocks.push_back(SymbolBlock("AND2X"));  // past the table: not read
  EXPECT_NO_THROW(Scan(Schematic(blocks)));
  EXPECT_EQ(table[0].InputCount, 1);
  EXPECT_EQ(table[SchemeElementCount - 1].InputCount, SchemeElementCount);
  EXPECT_EQ(table[SchemeElementCount - 1].PosX, SchemeElementCount - 1);
}
