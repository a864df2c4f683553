// "Входной вектор": the table is written beside the schematic, the user is told how
// to simulate, and step 4 opens.
#include <algorithm>
#include <filesystem>
#include <fstream>

#include "platform/text/Utf8.h"
#include "results/UFreslook.h"
#include "vector/VectorRun.h"

namespace {

namespace fs = std::filesystem;

// The example project's lines from the first group line on, at Period 100,
// MaxCycles 5 and the unit "ns".
const std::vector<std::string> ExampleTail = {
    "GROUP CREATE X = X[15] X[14] X[13] X[12] X[11] X[10] X[9] X[8] X[7] X[6] X[5] X[4] X[3] X[2] X[1] X[0] ;",
    "GROUP CREATE P = P[1] P[0] ;",
    "GROUP CREATE Y = Y[2] Y[1] Y[0] ;",
    "GROUP CREATE Q = Q[7] Q[6] Q[5] Q[4] Q[3] Q[2] Q[1] Q[0] ;",
    "INPUTS CLK X\\BIN RESET;",
    "OUTPUTS P\\BIN Y\\BIN Q\\BIN Z PRS;",
    "UNIT ns;",
    "RADIX BIN;",
    "PATTERN",
    "0> 0 0100000000000000 1 = XX XXX XXXXXXXX X X ",
    "5> 0 0100000000000000  0 = XX XXX XXXXXXXX X X ",
    "10> 1 0100000000000000 0 = XX XXX XXXXXXXX X X ",
    "60> 0 0100000000000000 0 = XX XXX XXXXXXXX X X ",
    "100> 0 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "110> 1 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "160> 0 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "200> 0 0010000000000000 0 = XX XXX XXXXXXXX X X ",
    "210> 1 0010000000000000 0 = XX XXX XXXXXXXX X X ",
    "260> 0 0010000000000000 0 = XX XXX XXXXXXXX X X ",
    "300> 0 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "310> 1 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "360> 0 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "410> 1 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "460> 0 0000000000000000 0 = XX XXX XXXXXXXX X X ",
    "500> X X X = X X X X X ",
    ";",
};

std::string WithCrLf(const std::vector<std::string>& lines) {
  std::string bytes;
  for (const auto& line : lines) bytes += line + "\r\n";
  return bytes;
}

std::vector<std::string> SplitAt(const std::string& text, const std::string& separator) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (std::size_t at; (at = text.find(separator, start)) != std::string::npos; start = at + separator.size())
    parts.push_back(text.substr(start, at - start));
  parts.push_back(text.substr(start));
  return parts;
}

class VectorCommand : public VectorCommandRun {
protected:
  fs::path TablePath() const { return folder / "alu.tbl"; }
  void ExpectStepFourClosed() {
    EXPECT_FALSE(FMain->Image3->Visible);
    EXPECT_FALSE(FMain->N12->Enabled);
  }
};

// Makes the next saves fail after the new content is written, as a full disk does.
struct FailingSaves {
  FailingSaves() {
    TStringList::BeforeReplaceForTesting = [](const std::string&) { throw EFCreateError("Ошибка записи"); };
  }
  ~FailingSaves() { TStringList::BeforeReplaceForTesting = nullptr; }
};

}  // namespace

TEST_F(VectorCommand, ExampleProjectWritesItsTableBesideTheSchematic) {
  PrepareExample();
  ASSERT_TRUE(FMain->N7->Enabled);
  FMain->N7->Click();

  EXPECT_EQ(FMain->VectorFileName, TablePath().string());
  const std::string bytes = ReadBytes(TablePath());
  const std::vector<std::string> lines = SplitAt(bytes, "\r\n");
  // Every line ends in CR LF, the last one too, so the split ends with an empty part.
  ASSERT_EQ(lines.size(), 16 + ExampleTail.size() + 1);
  EXPECT_EQ(lines.back(), "");
  EXPECT_EQ(lines[0], "%");
  for (int notice = 1; notice <= 13; ++notice) {
    EXPECT_FALSE(lines[notice].empty()) << notice;
    EXPECT_EQ(lines[notice].find_first_of("\r\n%"), std::string::npos) << notice;
  }
  EXPECT_EQ(lines[14], "%");
  EXPECT_EQ(lines[15], "");
  EXPECT_TRUE(bytes.ends_with("\r\n\r\n" + WithCrLf(ExampleTail)));

  ASSERT_TRUE(FMain->VectorLines);
  EXPECT_EQ(LinesFrom(*FMain->VectorLines, 16), ExampleTail);
  EXPECT_EQ(FMain->VectorLines->Count(), 16 + static_cast<int>(ExampleTail.size()));
  // The pins keep the values of the last instant: the fall of cycle 4.
  EXPECT_EQ(Pins[0].Value, "0");
  EXPECT_EQ(Pins[1].Value, std::string(16, '0'));
  EXPECT_EQ(Pins[2].Value, "0");
}

TEST_F(VectorCommand, ProjectWithoutResetInMicrosecondsAtPeriodThirty) {
  FinishProject("alu.bdf", ExampleSchematic(false));
  AcceptSettings(30, 2, 1, "100000000000000", "010000000000000");
  FMain->N7->Click();
  ASSERT_TRUE(FMain->VectorLines);
  const std::vector<std::string> expected = {
      "INPUTS CLK X\\BIN;",
      "OUTPUTS P\\BIN Y\\BIN Q\\BIN Z PRS;",
      "UNIT us;",
      "RADIX BIN;",
      "PATTERN",
      "0> 0 0100000000000000 = XX XXX XXXXXXXX X X ",
      "3> 1 0100000000000000 = XX XXX XXXXXXXX X X ",
      "18> 0 0100000000000000 = XX XXX XXXXXXXX X X ",
      "30> 0 0000000000000000 = XX XXX XXXXXXXX X X ",
      "33> 1 0000000000000000 = XX XXX XXXXXXXX X X ",
      "48> 0 0000000000000000 = XX XXX XXXXXXXX X X ",
      "60> X X = X X X X X ",
      ";"};
  EXPECT_EQ(LinesFrom(*FMain->VectorLines, 20), expected);
}

TEST_F(VectorCommand, ResetReleaseAtPeriodThirtyIsWrittenWithDecimalPoint) {
  FinishProject("alu.bdf", ExampleSchematic(true));
  AcceptSettings(30, 1, -1, "100000000000000", "010000000000000");
  FMain->N7->Click();
  ASSERT_TRUE(FMain->VectorLines);
  EXPECT_EQ(LinesFrom(*FMain->VectorLines, 25),
            (std::vector<std::string>{"0> 0 0100000000000000 1 = XX XXX XXXXXXXX X X ",
                                      "1.5> 0 0100000000000000  0 = XX XXX XXXXXXXX X X ",
                                      "3> 1 0100000000000000 0 = XX XXX XXXXXXXX X X ",
                                      "18> 0 0100000000000000 0 = XX XXX XXXXXXXX X X ",
                                      "30> X X X = X X X X X ", ";"}));
}

TEST_F(VectorCommand, TheNoticeSaysWhatTheFileIsAndNeitherItNorASimulatorsOwnHeaderGetsInTheWay) {
  PrepareExample();
  FMain->N7->Click();
  const std::vector<std::string> lines = LinesOf(*FMain->VectorLines);
  ASSERT_EQ(lines[14], "%");
  std::string notice;
  for (int i = 1; i <= 13; ++i) notice += lines[static_cast<std::size_t>(i)] + "\n";
  EXPECT_TRUE(std::all_of(notice.begin(), notice.end(), [](char c) { return c > 0 && c != '%'; }));
  EXPECT_NE(notice.find("Input vector table"), std::string::npos);
  EXPECT_NE(notice.find("written by Opbench"), std::string::npos);
  EXPECT_NE(notice.find("Vector Table Output over this file"), std::string::npos);
  for (const char* word : {"Altera", "Intel", "Copyright", "rights", "License", "warranty", "PATTERN"})
    EXPECT_EQ(notice.find(word), std::string::npos) << word;

  // A simulator that keeps the table's head: the text view starts at the first row,
  // not inside the notice.
  FMain->N12->Click();
  FMain->N19->Click();
  const std::vector<std::string> shown = LinesOf(FResLook->Memo1->Lines);
  ASSERT_GE(shown.size(), 2u);
  EXPECT_EQ(shown[1], "0> 0 0100000000000000 1 = XX XXX XXXXXXXX X X ");  // after the memo's own empty line
  FResLook->Button1->Click();

  // The simulator heads its output with a notice of its own; the result is
  // accepted by its group lines all the same.
  std::vector<std::string> result = lines;
  for (int i = 1; i <= 13; ++i) result[static_cast<std::size_t>(i)] = "simulator notice " + std::to_string(i);
  std::ofstream(TablePath(), std::ios::binary) << WithCrLf(result);
  FMain->N12->Click();
  EXPECT_TRUE(FMain->Image4->Visible);
}

TEST_F(VectorCommand, InstructionBoxTellsHowToSimulateAndSave) {
  PrepareExample();
  FMain->N7->Click();
  ASSERT_EQ(backend.Boxes.size(), 1u);
  const MessageBoxRequest& box = backend.Boxes[0];
  EXPECT_EQ(box.Type, TMsgDlgType::mtInformation);
  EXPECT_EQ(box.Buttons, static_cast<TMsgDlgButtons>(mbOK));
  EXPECT_EQ(utf8::Length(box.Text), 604u);
  EXPECT_EQ(box.Text.find('\r'), std::string::npos);
  const std::vector<std::string> lines = SplitAt(box.Text, "\n");
  ASSERT_EQ(lines.size(), 13u);
  EXPECT_EQ(lines[0], "1. Откройте свой проект в Quartus 9.1 ");
  EXPECT_EQ(lines[4], "   образом: ");
  // "справa" ends in the Latin letter a; "ОК" is written in Cyrillic letters.
  EXPECT_EQ(lines[5], "\t Выделите все выводы в поле Name (справ" "a" " от диаграммы симуляции) ");
  EXPECT_EQ(lines[9], "\t Нажмите \xD0\x9E\xD0\x9A ");
  EXPECT_EQ(lines[12], "\t В меню: File->Save Current Report Section As...");
  for (std::size_t i = 0; i + 1 < lines.size(); ++i) EXPECT_TRUE(lines[i].ends_with(" ")) << i;
}

TEST_F(VectorCommand, WritingOpensStepFourAndCanBeRepeated) {
  PrepareExample();
  ExpectStepFourClosed();
  FMain->PressShortCut("Ctrl+S");
  EXPECT_TRUE(FMain->Image3->Visible);
  EXPECT_TRUE(FMain->N12->Enabled);
  EXPECT_TRUE(FMain->N7->Enabled);
  EXPECT_FALSE(FMain->Image4->Visible);

  // Written again after other settings: the table follows them.
  AcceptSettings(100, 0, 3, "100000000000000", "010000000000000");
  FMain->N7->Click();
  EXPECT_EQ(LinesFrom(*FMain->VectorLines, 22),
            (std::vector<std::string>{"UNIT s;", "RADIX BIN;", "PATTERN", "0> X X X = X X X X X ", ";"}));
  EXPECT_EQ(ReadBytes(TablePath()), WithCrLf(LinesOf(*FMain->VectorLines)));
}

TEST_F(VectorCommand, TableReplacesAnEarlierFileOfTheSameName) {
  PrepareExample();
  const std::string simulatorOutput = "% result of the simulation %\r\nGROUP CREATE X = ;\r\n";
  WriteFile("alu.tbl", simulatorOutput);
  FMain->N7->Click();
  EXPECT_EQ(backend.Boxes.size(), 1u);
  EXPECT_TRUE(ReadBytes(TablePath()).ends_with("500> X X X = X X X X X \r\n;\r\n"));
}

TEST_F(VectorCommand, ARewrittenTableKeepsItsPermissions) {
  PrepareExample();
  WriteFile("alu.tbl", "old table\r\n");
  fs::permissions(TablePath(), fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
  FMain->N7->Click();
  EXPECT_TRUE(ReadBytes(TablePath()).ends_with("500> X X X = X X X X X \r\n;\r\n"));
  EXPECT_EQ(fs::status(TablePath()).permissions(),
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(VectorCommand, FileNameTakesThePlaceOfTheLastFourCharacters) {
  PrepareExample("ALU.BDF");
  FMain->N7->Click();
  EXPECT_EQ(FMain->VectorFileName, (folder / "ALU.tbl").string());
  EXPECT_TRUE(fs::exists(folder / "ALU.tbl"));

  // The table follows the schematic chosen last, here with a Cyrillic name.
  FinishProject("схема.bdf", ExampleSchematic(true));
  AcceptSettings(100, 5, -1, "100000000000000", "010000000000000");
  FMain->N7->Click();
  EXPECT_EQ(FMain->VectorFileName, (folder / "схема.tbl").string());
  EXPECT_TRUE(fs::exists(folder / "схема.tbl"));
}

TEST_F(VectorCommand, FailedSaveKeepsTheOldFileAndLeavesStepFourClosed) {
  PrepareExample();
  const std::string old = "old table\r\n";
  WriteFile("alu.tbl", old);
  fs::permissions(TablePath(), fs::perms::owner_read);
  FMain->N7->Click();

  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_NE(backend.Boxes[0].Text.find(TablePath().string()), std::string::npos);
  EXPECT_EQ(ReadBytes(TablePath()), old);
  ExpectStepFourClosed();
  EXPECT_FALSE(FMain->VectorLines);
  EXPECT_EQ(FMain->VectorFileName, "");
}

TEST_F(VectorCommand, FailedRewriteKeepsTheTableThatStepFourReads) {
  PrepareExample();
  FMain->N7->Click();
  const std::string written = ReadBytes(TablePath());
  const std::vector<std::string> writtenLines = LinesOf(*FMain->VectorLines);

  // A later schematic of the same pins and a save that fails half-way.
  FinishProject("other.bdf", ExampleSchematic(true));
  AcceptSettings(30, 2, -1, "100000000000000", "010000000000000");
  backend.Boxes.clear();
  {
    FailingSaves failing;
    FMain->N7->Click();
  }
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Ошибка записи."});
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_FALSE(fs::exists(folder / "other.tbl"));
  for (const auto& entry : fs::directory_iterator(folder))
    EXPECT_FALSE(entry.path().string().ends_with(".saving")) << entry.path();
  EXPECT_EQ(ReadBytes(TablePath()), written);
  EXPECT_EQ(FMain->VectorFileName, TablePath().string());
  EXPECT_EQ(LinesOf(*FMain->VectorLines), writtenLines);
}

TEST_F(VectorCommand, SchematicNameTooShortForTheExtensionWritesNothing) {
  PrepareExample();
  FMain->ProjOpen->FileName = (folder / "ab").string();
  FMain->N7->Click();
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(backend.Boxes[0].Text, "Не удаётся создать файл входного вектора: имя файла проекта \"" +
                                       FMain->ProjOpen->FileName + "\" короче четырёх символов.");
  // Cutting four characters off "…/ab" would have reached into the folder's name.
  const std::string schematic = FMain->ProjOpen->FileName;
  EXPECT_FALSE(fs::exists(schematic.substr(0, schematic.size() - 4) + ".tbl"));
  ExpectStepFourClosed();
}
