// Reading the project schematic ("Файл проекта") into the pin grid.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "mainwin/PinTable.h"
#include "mainwin/ProjectSchematic.h"
#include "mainwin/UMain.h"
#include "support/ProgramRun.h"
#include "support/Schematic.h"

namespace {

class ReadSchematic : public ProgramRun {
protected:
  ReadSchematic() { EnterMainWindow(); }
  void Read(const std::string& text, const std::string& name = "project.bdf") {
    backend.ChooseFile(WriteFile(name, text));
    FMain->N10->Click();
  }
  // The grid's rows below the header as "name|type|role".
  static std::vector<std::string> GridRows() {
    std::vector<std::string> rows;
    const TStringGrid* grid = FMain->StringGrid1;
    for (int r = 1; r < grid->RowCount(); ++r)
      rows.push_back(grid->Cells(0, r) + "|" + grid->Cells(1, r) + "|" + grid->Cells(2, r));
    return rows;
  }
};

}  // namespace

TEST_F(ReadSchematic, ListsEveryPinWithNameAndDirectionInFileOrder) {
  Read(SchematicText({{"clk"}, {"X[15..0]"}, {"Z[15..0]", false}}));
  EXPECT_EQ(GridRows(), (std::vector<std::string>{"clk|Input|", "X[15..0]|Input|", "Z[15..0]|Output|"}));
  EXPECT_EQ(PinRowCount, 4);
  EXPECT_EQ(FMain->StatusBar1->SimpleText, "Открыт файл: " + (folder / "project.bdf").string());
  ASSERT_EQ(backend.DialogsRun.size(), 1u);
  EXPECT_EQ(backend.DialogsRun[0].first, "Файл проекта|*.bdf|Вектор|*.tbl|Результат|*.sim.tbl");
  EXPECT_EQ(backend.DialogsRun[0].second, 1);
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(ReadSchematic, NeverScansTheFirst22Lines) {
  std::string header;
  for (int i = 0; i < 4; ++i) header += PinBlock({"hidden"});  // 28 lines
  std::string text;
  int lineCount = 0;
  for (std::size_t pos = 0; lineCount < 22; ++lineCount) {
    const auto end = header.find("\r\n", pos);
    text += header.substr(pos, end + 2 - pos);
    pos = end + 2;
  }
  Read(text + PinBlock({"seen"}));
  EXPECT_EQ(GridRows(), std::vector<std::string>{"seen|Input|"});
}

TEST_F(ReadSchematic, OnlyAnExactPinLineStartsABlock) {
  std::string text = SchematicHeader();
  for (const char* start : {"(pin ", "\t(pin", "(PIN", " (pin"}) {
    std::string block = PinBlock({"wrong"});
    block.replace(0, 4, start);
    text += block;
  }
  text += PinBlock({"right"});
  Read(text);
  EXPECT_EQ(GridRows(), std::vector<std::string>{"right|Input|"});
}

TEST_F(ReadSchematic, DirectionIsInputOnlyForTheLowerCaseWord) {
  std::string text = SchematicHeader();
  for (const char* direction : {"\t(input)", "\t(bidir)", "\t(INPUT)", "xinputx", "\t(output)"}) {
    std::string block = PinBlock({direction});
    block.replace(block.find("\t(input)"), 8, direction);
    text += block;
  }
  Read(text);
  const auto rows = GridRows();
  ASSERT_EQ(rows.size(), 5u);
  for (std::size_t i = 0; i < rows.size(); ++i)
    EXPECT_EQ(rows[i].substr(rows[i].find('|')), i == 0 || i == 3 ? "|Input|" : "|Output|") << rows[i];
}

TEST_F(ReadSchematic, NameIsTheFirstQuotedTextOfTheNameLine) {
  std::string text = SchematicHeader();
  text += "(pin\r\n\t(input)\r\nx\r\nx\r\n\t(text \"A[3..0]\" \"B\")\r\n";
  text += "(pin\r\n\t(input)\r\nx\r\nx\r\n\t(text \"half\r\n";
  text += "(pin\r\n\t(input)\r\nx\r\nx\r\nno quotes\r\n";
  Read(text);
  EXPECT_EQ(GridRows(), (std::vector<std::string>{"A[3..0]|Input|", "half|Input|", "no quotes|Input|"}));
}

TEST_F(ReadSchematic, BlockCutOffByTheEndOfTheFileListsNoPin) {
  Read(SchematicText({{"clk"}}) + "(pin\r\n\t(output)\r\n");
  EXPECT_EQ(GridRows(), std::vector<std::string>{"clk|Input|"});
  EXPECT_EQ(PinRowCount, 2);
  Read(SchematicHeader() + "(pin\r\n\t(output)\r\n");
  EXPECT_EQ(GridRows(), std::vector<std::string>{"||"});
}

TEST_F(ReadSchematic, SchematicWithoutPinsOpensStepTwoWithOneEmptyRow) {
  Read(SchematicHeader() + "(block\r\n)\r\n");
  EXPECT_EQ(GridRows(), std::vector<std::string>{"||"});
  EXPECT_EQ(PinRowCount, 1);
  EXPECT_TRUE(FMain->PinsLoaded);
  EXPECT_TRUE(FMain->StringGrid1->Visible && FMain->Image1->Visible && FMain->N2->Enabled);
  Read("short\r\nfile\r\n(pin\r\n");
  EXPECT_EQ(GridRows(), std::vector<std::string>{"||"});
}

TEST_F(ReadSchematic, ACancelledDialogChangesNothingAndSaysNothing) {
  backend.CancelNextDialog();  // before any file was chosen
  FMain->N10->Click();
  EXPECT_FALSE(FMain->StringGrid1->Visible);
  EXPECT_FALSE(FMain->PinsLoaded);
  EXPECT_FALSE(FMain->N2->Enabled);
  EXPECT_FALSE(FMain->Image1->Visible);

  Read(SchematicText({{"clk"}, {"X[7..0]"}}));
  FMain->StringGrid1->Cells(2, 1) = "Сигнал синхронизации";
  FMain->SettingsAccepted = true;
  backend.CancelNextDialog();
  FMain->N10->Click();
  EXPECT_EQ(GridRows(), (std::vector<std::string>{"clk|Input|Сигнал синхронизации", "X[7..0]|Input|"}));
  EXPECT_TRUE(FMain->SettingsAccepted && FMain->PinsLoaded);
  EXPECT_EQ(PinRowCount, 3);
  EXPECT_TRUE(backend.Boxes.empty());
}

TEST_F(ReadSchematic, MissingFileOrPipeKeepsTheCountAndTheStepControls) {
  Read(SchematicText({{"clk"}, {"X[7..0]"}, {"Y"}}));
  backend.ChooseFile((folder / "gone.bdf").string());
  FMain->N10->Click();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Файл не удаётся открыть"});
  // A pipe that nobody writes into is refused the same way, without waiting for it.
  const auto pipe = folder / "pipe.bdf";
  ASSERT_EQ(mkfifo(pipe.c_str(), 0644), 0);
  backend.ChooseFile(pipe.string());
  FMain->N10->Click();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, "Файл не удаётся открыть"));
  EXPECT_EQ(PinRowCount, 4);
  EXPECT_EQ(GridRows(), std::vector<std::string>{"||"});
  EXPECT_FALSE(FMain->PinsLoaded);
  EXPECT_TRUE(FMain->StringGrid1->Visible && FMain->Image1->Visible && FMain->N2->Enabled);
  EXPECT_EQ(FMain->StatusBar1->SimpleText, "Открыт файл: " + (folder / "project.bdf").string());
}

TEST_F(ReadSchematic, CyrillicNamesComeThroughTheCodePage) {
  Read("\xC7\xE0\xE3\xEE\xEB\xEE\xE2\xEE\xEA\r\n" + SchematicText({{"\xC2\xF5\xEE\xE4"}}).substr(0) );
  EXPECT_EQ(GridRows(), std::vector<std::string>{"Вход|Input|"});
}

TEST(PinBlocks, ReadsAFileOfTenThousandPinsInOrder) {
  TStringList lines;
  for (int i = 0; i < SchematicHeaderLines; ++i) lines.Add("");
  for (int p = 0; p < 10000; ++p) {
    lines.Add("(pin");
    lines.Add(p % 2 ? "\t(output)" : "\t(input)");
    lines.Add("");
    lines.Add("");
    lines.Add("\t(text \"s" + std::to_string(p) + "\" (rect))");
  }
  const auto pins = ReadPinBlocks(lines);
  ASSERT_EQ(pins.size(), 10000u);
  EXPECT_EQ(pins[9999].Name, "s9999");
  EXPECT_EQ(pins[9999].Direction, "Output");
}
