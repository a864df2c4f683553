// The text view of the result table ("Просмотр выходного файла в текстовом
// режиме"): the rows after "PATTERN" under the order of the signals.
#include <gtest/gtest.h>

#include "results/ResultRun.h"
#include "results/UFreslook.h"

namespace {

class ResultTextView : public ResultRun {
protected:
  void Open(const std::vector<ProjectPin>& pins, const std::vector<std::string>& rows) {
    PrepareProject(pins);
    SaveResultRows(rows);
    OpenResult();
  }
  std::vector<std::string> Shown() const {
    std::vector<std::string> lines;
    for (int i = 0; i < FResLook->Memo1->Lines.Count(); ++i) lines.push_back(FResLook->Memo1->Lines[i]);
    return lines;
  }
  const std::vector<std::string> rows = {"10> a", "60> b", "110> c"};
};

}  // namespace

TEST_F(ResultTextView, NamesTheSignalsInTheOrderOfTheirValues) {
  Open(PlainProject(), rows);
  FMain->PressShortCut("Ctrl+E");
  EXPECT_EQ(FResLook->Label1->Caption, "Порядок расположения: Время изменения > CLK X = p y Q Z PRS");
  FResLook->Button1->Click();
  Open(ProjectWithReset(), rows);
  FMain->N19->Click();
  EXPECT_EQ(FResLook->Label1->Caption, "Порядок расположения: Время изменения > CLK X RESET = p y Q Z PRS");
}

TEST_F(ResultTextView, ShowsTheRowsButNotTheLastTwoLines) {
  Open(PlainProject(), rows);
  FMain->N19->Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"", "10> a", "60> b"}));  // after the memo's first empty line
  FResLook->Button1->Click();
  EXPECT_TRUE(Shown().empty());
  FMain->N19->Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"10> a", "60> b"}));
}

TEST_F(ResultTextView, StartsAfterTheFirstLineThatHoldsPattern) {
  PrepareProject(PlainProject());
  std::vector<std::string> table = TableHead(project);
  table[14] = "% no PATTERN here %";
  table.insert(table.end(), {"PATTERN", "10> a", "500> X", ";"});
  SaveResultTable(table);
  OpenResult();
  FMain->N19->Click();
  const std::vector<std::string> shown = Shown();
  ASSERT_EQ(shown.size(), 1u + 5u + 2u);  // the empty line, lines 15 to 19, "PATTERN" and the row
  EXPECT_EQ(shown[1], "");
  EXPECT_EQ(shown[2], table[16]);
  EXPECT_EQ(shown.back(), "10> a");
}

TEST_F(ResultTextView, AViewLeftOpenShowsATableAcceptedLater) {
  Open(PlainProject(), rows);
  FMain->N19->Click();
  SaveResultRows({"10> d", "60> e", "110> f"});
  OpenResult();
  EXPECT_TRUE(FResLook->Visible);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"10> d", "60> e"}));
}

TEST_F(ResultTextView, TypedTextIsLostWhenTheWindowCloses) {
  Open(PlainProject(), rows);
  FMain->N19->Click();
  FResLook->Memo1->Lines.Add("typed");
  FResLook->CloseBox();
  FMain->N19->Click();
  EXPECT_EQ(Shown(), (std::vector<std::string>{"10> a", "60> b"}));
}
