// The lines of the vector table built from pin tables filled by hand, for layouts
// and settings that the example project does not reach.
#include <limits>

#include "vector/VectorRun.h"
#include "vector/VectorFileName.h"
#include "vector/VectorTable.h"

namespace {

class VectorTable : public HandPinTable {
protected:
  std::vector<std::string> Build() { return LinesOf(*BuildVectorTable(settings)); }

  // The first line that begins with the prefix.
  std::string LineStarting(const std::string& prefix) {
    for (const std::string& line : Build())
      if (line.starts_with(prefix)) return line;
    return "";
  }

  // The pattern rows and the final row: the lines between "PATTERN" and ";".
  std::vector<std::string> Rows() {
    const std::vector<std::string> lines = Build();
    const auto pattern = std::find(lines.begin(), lines.end(), "PATTERN");
    return {pattern + 1, lines.end() - 1};
  }

  std::vector<PINStruct> WithoutReset() {
    std::vector<PINStruct> pins = ExamplePins();
    pins.erase(pins.begin() + 2);
    for (std::size_t k = 2; k < pins.size(); ++k) --pins[k].Column;
    return pins;
  }
};

}  // namespace

TEST_F(VectorTable, NoCyclesGivesOnlyTheFinalRowAtTimeZero) {
  UsePins(ExamplePins());
  settings.MaxCycles = 0;
  const std::vector<std::string> lines = Build();
  ASSERT_GE(lines.size(), 3u);
  EXPECT_EQ(std::vector<std::string>(lines.end() - 3, lines.end()),
            (std::vector<std::string>{"PATTERN", "0> X X X = X X X X X ", ";"}));
  EXPECT_EQ(Pins[0].Value, "");  // no instant computed: the values stay as they were
  EXPECT_EQ(Pins[1].Value, "0");
}

TEST_F(VectorTable, CycleStartIsWrittenForTheFirstFourCyclesOnly) {
  const struct {
    bool reset;
    int cycles;
    std::size_t rows;
  } cases[] = {{false, 4, 12}, {true, 4, 13}, {false, 5, 14}, {true, 5, 15}, {false, 6, 16}};
  for (const auto& c : cases) {
    ResetPinTable();
    UsePins(c.reset ? ExamplePins() : WithoutReset());
    settings.MaxCycles = c.cycles;
    EXPECT_EQ(Rows().size(), c.rows + 1) << c.cycles << " cycles, reset " << c.reset;
  }
}

TEST_F(VectorTable, AResetNamedOtherwiseIsFoundByItsRoleInEveryRow) {
  std::vector<PINStruct> pins = ExamplePins();
  pins[2].BaseName = "RST";
  UsePins(pins);
  settings.MaxCycles = 1;
  EXPECT_EQ(Rows(), (std::vector<std::string>{"0> 0 0100000000000000 1 = XX XXX XXXXXXXX X X ",
                                              "5> 0 0100000000000000  0 = XX XXX XXXXXXXX X X ",
                                              "10> 1 0100000000000000 0 = XX XXX XXXXXXXX X X ",
                                              "60> 0 0100000000000000 0 = XX XXX XXXXXXXX X X ",
                                              "100> X X X = X X X X X "}));
}

// The simulator reads the final row against the INPUTS and OUTPUTS lines: as many
// "X" before "= " as inputs are named, as many after it as outputs.
TEST_F(VectorTable, TheFinalRowHasOneXPerNamedSignalOnEachSideOfTheSeparator) {
  const auto names = [](const std::string& line) {
    return static_cast<int>(std::count(line.begin(), line.end(), ' '));
  };
  const auto xs = [](const std::string& text) { return static_cast<int>(std::count(text.begin(), text.end(), 'X')); };
  // The reset pin renamed, or, in the project without a reset, the ПРС flag named "reset".
  const struct {
    const char* name;
    bool withReset;
    int inputs;
  } cases[] = {{"RST", true, 3}, {"RESET_N", true, 3}, {"RESET", true, 3}, {"reset", false, 2}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    std::vector<PINStruct> pins = c.withReset ? ExamplePins() : WithoutReset();
    (c.withReset ? pins[2] : pins.back()).BaseName = c.name;
    ResetPinTable();
    UsePins(pins);
    const std::string inputs = LineStarting("INPUTS");
    const std::string outputs = LineStarting("OUTPUTS");
    const std::string final = Rows().back();
    const std::size_t separator = final.find("= ");
    ASSERT_NE(separator, std::string::npos);
    EXPECT_EQ(names(inputs), c.inputs);
    EXPECT_EQ(xs(final.substr(0, separator)), names(inputs));
    EXPECT_EQ(xs(final.substr(separator)), names(outputs));
  }
}

TEST_F(VectorTable, ResetNamedAnywhereInTheTableGivesThreeXBeforeTheSeparator) {
  for (const char* name : {"RESET", "reset"}) {
    std::vector<PINStruct> pins = ExamplePins();
    pins[2].BaseName = name;
    std::rotate(pins.begin(), pins.begin() + 2, pins.begin() + 3);  // the reset first
    ResetPinTable();
    UsePins(pins);
    EXPECT_EQ(Rows().back(), "500> X X X = X X X X X ") << name;
    // The pattern rows still find the reset in column 3.
    EXPECT_EQ(Rows().front(), "0> 0 0100000000000000 1 = XX XXX XXXXXXXX X X ") << name;
  }
}

TEST_F(VectorTable, TimesKeepThreeDecimalsCutOff) {
  UsePins(WithoutReset());
  settings.Period = 31.23f;
  settings.PeriodShift = 18.5f;
  settings.MaxCycles = 1;
  const std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 4u);
  // The rise, 3.12299990653992, is cut to 3.122, not rounded; its clock is "1".
  EXPECT_EQ(rows[1], "3.122> 1 0100000000000000 = XX XXX XXXXXXXX X X ");
  EXPECT_EQ(rows[2], "18.5> 0 0100000000000000 = XX XXX XXXXXXXX X X ");
  EXPECT_EQ(rows[3].substr(0, 8), "31.229> ");
  EXPECT_EQ(VectorTimeText(2.5L), "2.5> ");
  EXPECT_EQ(VectorTimeText(1.23456L), "1.234> ");
  EXPECT_EQ(VectorTimeText(460.0L), "460> ");
}

TEST_F(VectorTable, GroupLinesOnePerBusInTableOrderFromTheHighBit) {
  std::vector<PINStruct> pins = ExamplePins();
  pins[5] = HandPin("Q", prOutputData, 6, true, 8, 8);
  UsePins(pins);
  const std::vector<std::string> lines = Build();
  EXPECT_EQ(std::vector<std::string>(lines.begin() + 16, lines.begin() + 20),
            (std::vector<std::string>{
                "GROUP CREATE X = X[15] X[14] X[13] X[12] X[11] X[10] X[9] X[8] X[7] X[6] X[5] X[4] X[3] "
                "X[2] X[1] X[0] ;",
                "GROUP CREATE P = P[1] P[0] ;", "GROUP CREATE Y = Y[2] Y[1] Y[0] ;",
                "GROUP CREATE Q = Q[15] Q[14] Q[13] Q[12] Q[11] Q[10] Q[9] Q[8] ;"}));
  EXPECT_EQ(lines[20], "INPUTS CLK X\\BIN RESET;");
}

TEST_F(VectorTable, GroupLinesOfBusesAtTheEndsOfTheIntRangeEndWithTheirLowBit) {
  constexpr int Lowest = std::numeric_limits<int>::min();
  constexpr int Highest = std::numeric_limits<int>::max();
  std::vector<PINStruct> pins = ExamplePins();
  pins[3] = HandPin("P", prStatus, 4, true, 2, Lowest);
  pins[4] = HandPin("Y", prControl, 5, true, 2, Highest - 1);
  UsePins(pins);
  settings.MaxCycles = 0;
  const std::vector<std::string> lines = Build();
  EXPECT_EQ(lines[17], "GROUP CREATE P = P[-2147483647] P[-2147483648] ;");
  EXPECT_EQ(lines[18], "GROUP CREATE Y = Y[2147483647] Y[2147483646] ;");
}

TEST_F(VectorTable, PinsSharingAColumnAreAllWrittenButOnlyTheFirstIsNamed) {
  std::vector<PINStruct> pins = WithoutReset();
  pins.push_back(HandPin("M", prMemoryOutput, 3, true, 2));  // shares the status column
  pins.push_back(HandPin("K", prClock, 1, false));           // shares the clock column
  UsePins(pins);
  settings.MaxCycles = 1;
  EXPECT_EQ(LineStarting("INPUTS"), "INPUTS CLK X\\BIN;");
  EXPECT_EQ(LineStarting("OUTPUTS"), "OUTPUTS P\\BIN Y\\BIN Q\\BIN Z PRS;");
  EXPECT_EQ(LineStarting("0>"), "0> 0 0 0100000000000000 = XX = XX XXX XXXXXXXX X X ");
}

TEST_F(VectorTable, PinOutsideTheRowColumnsIsNamedButNotWritten) {
  std::vector<PINStruct> pins = WithoutReset();
  pins.push_back(HandPin("FAR", prMemoryOutput, 20, true, 4));
  pins.push_back(HandPin("NONE", prMemoryOutput, 0, true));
  UsePins(pins);
  settings.MaxCycles = 1;
  EXPECT_EQ(LineStarting("OUTPUTS"), "OUTPUTS P\\BIN Y\\BIN Q\\BIN Z PRS FAR\\BIN;");
  EXPECT_EQ(LineStarting("0>"), "0> 0 0100000000000000 = XX XXX XXXXXXXX X X ");
  EXPECT_EQ(Pins[7].Value, "0");  // never given a value
}

TEST_F(VectorTable, NarrowOperandBusCarriesTheWholeCodes) {
  std::vector<PINStruct> pins = WithoutReset();
  pins[1].BitWidth = 8;
  UsePins(pins);
  settings.MaxCycles = 3;
  const std::vector<std::string> rows = Rows();
  ASSERT_EQ(rows.size(), 10u);
  EXPECT_EQ(rows[0], "0> 0 0100000000000000 = XX XXX XXXXXXXX X X ");
  EXPECT_EQ(rows[3], "100> 0 00000000 = XX XXX XXXXXXXX X X ");
  EXPECT_EQ(rows[8], "260> 0 0010000000000000 = XX XXX XXXXXXXX X X ");
}

TEST(VectorFileName, LastFourCharactersBecomeTheTableExtension) {
  EXPECT_EQ(VectorFileNameFor("/lab/alu.bdf"), "/lab/alu.tbl");
  EXPECT_EQ(VectorFileNameFor("/lab/ALU.BDF"), "/lab/ALU.tbl");
  EXPECT_EQ(VectorFileNameFor("/lab/alu_bdf"), "/lab/alu.tbl");
  EXPECT_EQ(VectorFileNameFor("/lab/схема.бдф"), "/lab/схема.tbl");
  EXPECT_EQ(VectorFileNameFor("/lab/abcd"), "/lab/.tbl");
  EXPECT_THROW(VectorFileNameFor("/lab/abc"), EFCreateError);
  EXPECT_THROW(VectorFileNameFor("D:\\lab\\ab"), EFCreateError);
  EXPECT_THROW(VectorFileNameFor(""), EFCreateError);
}
