// Opening the simulation result table ("Результат симуляции"): it is read from
// the vector table's path and accepted only when its group lines are the vector
// table's; acceptance opens the viewing.
#include <gtest/gtest.h>

#include "results/ResultRun.h"

namespace {

class ResultAcceptance : public ResultRun {
protected:
  ResultAcceptance() { PrepareProject(PlainProject()); }
  bool ViewingOpen() const {
    return FMain->Image4->Visible && FMain->RadioGroup1->Visible && FMain->BitBtn1->Visible && FMain->N19->Enabled;
  }
  std::vector<std::string> Rows() const { return {Row("10", PlainValues("1", std::string(16, '0'), "0", "0"))}; }
};

}  // namespace

TEST_F(ResultAcceptance, AcceptsTheTableSavedOverTheVectorTable) {
  SaveResultRows(Rows());
  FMain->PressShortCut("Ctrl+R");
  EXPECT_TRUE(ViewingOpen());
  EXPECT_TRUE(backend.Boxes.empty());
  EXPECT_EQ(FMain->ResultFileName, FMain->VectorFileName);
  EXPECT_EQ(FMain->ResultLines->Count(), 16 + 4 + 1 + 1 + 1);
}

TEST_F(ResultAcceptance, RefusesOtherGroupLines) {
  std::vector<std::string> lines = TableHead(project);
  lines[18] = "GROUP CREATE y = y[1] y[0] ;";
  SaveResultTable(lines);
  OpenResult();
  EXPECT_FALSE(ViewingOpen());
  ASSERT_EQ(backend.Boxes.size(), 1u);
  EXPECT_EQ(backend.Boxes[0].Text, "Неверный файл результатов");
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtError);
  EXPECT_EQ(FMain->ResultLines->Count(), 20);  // the refused table is kept
}

TEST_F(ResultAcceptance, RefusesATableTooShortForItsGroupLinesWithTheSameMessage) {
  std::vector<std::string> lines = TableHead(project);
  lines.resize(17);
  SaveResultTable(lines);
  OpenResult();
  EXPECT_FALSE(ViewingOpen());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Неверный файл результатов"});
}

TEST_F(ResultAcceptance, AProjectWithoutBusesIsNeverAccepted) {
  PrepareProject({{"CLK", prClock}, {"X", prInputData}, {"Q", prOutputData}, {"Z", prEndOfOperation},
                  {"PRS", prPrs}});
  SaveResultRows({});
  OpenResult();
  EXPECT_FALSE(ViewingOpen());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Неверный файл результатов"});
}

TEST_F(ResultAcceptance, AMissingFileCannotBeOpenedAndLeavesAnEmptyTable) {
  std::filesystem::remove(FMain->VectorFileName);
  OpenResult();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Файл не удаётся открыть"});
  EXPECT_FALSE(ViewingOpen());
  EXPECT_EQ(FMain->ResultLines->Count(), 0);
}

TEST_F(ResultAcceptance, ARefusalAfterAnAcceptanceLeavesTheViewingOpen) {
  SaveResultRows(Rows());
  OpenResult();
  SaveResultTable({"%"});
  OpenResult();
  EXPECT_TRUE(ViewingOpen());
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Неверный файл результатов"});
  EXPECT_EQ(FMain->ResultLines->Count(), 1);
}
