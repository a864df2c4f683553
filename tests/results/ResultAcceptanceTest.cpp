// Opening the simulation result table ("Результат симуляции"): it is read from
// the vector table's path and accepted only when its group lines are the vector
// table's; acceptance opens the viewing.
#include <gtest/gtest.h>

#include "results/ResultRun.h"
#include "results/UFreslook.h"

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

// The viewing, a result window left open and the text view belong to the table
// read last: one that is refused or cannot be read closes them, and step 4 stays
// open for the table saved next.
TEST_F(ResultAcceptance, ARefusedOrUnreadableTableClosesTheViewingOfTheOneBefore) {
  const auto acceptAndView = [this] {
    SaveResultRows(Rows());
    OpenResult();
    ViewAutomatically();  // no flag: the window stays open
    FMain->N19->Click();
    ASSERT_TRUE(ViewingOpen() && FResult->Visible && FResLook->Visible);
    backend.Boxes.clear();
  };
  const auto expectViewingClosed = [] {
    EXPECT_FALSE(FMain->Image4->Visible || FMain->Image5->Visible || FMain->RadioGroup1->Visible ||
                 FMain->BitBtn1->Visible || FMain->N19->Enabled);
    EXPECT_FALSE(FResult->Visible || FResLook->Visible);
    EXPECT_TRUE(FMain->Image3->Visible && FMain->N12->Enabled);
  };
  acceptAndView();
  SaveResultTable({"%"});
  OpenResult();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Неверный файл результатов"});
  EXPECT_EQ(FMain->ResultLines->Count(), 1);
  expectViewingClosed();

  acceptAndView();
  std::filesystem::remove(FMain->VectorFileName);
  OpenResult();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Файл не удаётся открыть"});
  expectViewingClosed();
}
