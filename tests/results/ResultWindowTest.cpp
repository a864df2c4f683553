// The result window in step mode: its value fields, where they stand and what
// their labels say, their colours after a step, moving them and keeping the
// layout from one viewing to the next.
#include <gtest/gtest.h>

#include <limits>

#include "mainwin/ProgramStart.h"
#include "results/ResultRun.h"

namespace {

class ResultWindow : public ResultRun {
protected:
  void Open(const std::vector<ProjectPin>& pins, const std::vector<std::string>& rows) {
    PrepareProject(pins);
    SaveResultRows(rows);
    OpenResult();
  }
  void OpenPlain() { Open(PlainProject(), CycleRows({Cycle(), Cycle(std::string(15, '0') + "1"), Cycle()})); }
  static TLabeledEdit* Field(int column, int slot = 0) { return ValueEdits[column - 1][slot]; }
};

std::vector<ProjectPin> WithStatusBus(int width, const std::string& name = "p") {
  auto pins = PlainProject();
  pins[2] = {name, prStatus, width};
  return pins;
}

}  // namespace

TEST_F(ResultWindow, HasItsFourButtons) {
  EXPECT_EQ(FResult->Caption, "Результат");
  EXPECT_EQ(FResult->BitBtn1->Caption, "T-1");
  EXPECT_FALSE(FResult->BitBtn1->GlyphAfterCaption);
  EXPECT_EQ(FResult->BitBtn2->Caption, "T+1");
  EXPECT_TRUE(FResult->BitBtn2->GlyphAfterCaption);
  EXPECT_NE(FResult->BitBtn2->Glyph, nullptr);
  EXPECT_EQ(FResult->Button1->Caption, "Изменить операнды");
  EXPECT_EQ(FResult->Button2->Caption, "Выход");
  EXPECT_EQ(FResult->Controls().size(), 4u);
}

TEST_F(ResultWindow, ShowsTheStatusAndControlBusesBitByBit) {
  OpenPlain();
  ViewStepwise([] {
    ASSERT_NE(Field(3, 1), nullptr);
    EXPECT_EQ(Field(3, 0)->EditLabel.Caption, "P1");
    EXPECT_EQ(Field(3, 1)->EditLabel.Caption, "P0");
    EXPECT_EQ(Field(3, 0)->LabelPosition, TLabelPosition::lpLeft);
    EXPECT_EQ(Field(3, 0)->Text, "0");
    EXPECT_EQ(Field(3, 1)->Text, "1");
    EXPECT_EQ(Field(3, 0)->Width, 15);
    EXPECT_EQ(Field(3, 1)->Left, 20);
    EXPECT_EQ(Field(3, 1)->Top, 42);
    EXPECT_EQ(Field(4, 0)->EditLabel.Caption, "y2");
    EXPECT_EQ(Field(4, 2)->EditLabel.Caption, "y0");
    EXPECT_EQ(Field(4, 2)->LabelPosition, TLabelPosition::lpRight);
    EXPECT_EQ(Field(4, 2)->Left, 550);
    EXPECT_EQ(Field(4, 0)->Text, "1");
    EXPECT_TRUE(Field(4, 0)->ReadOnly);
    EXPECT_EQ(Field(4, 0)->Parent(), FResult);
  });
}

TEST_F(ResultWindow, AWideStatusBusRunsDownInColumnsOfElevenFields) {
  Open(WithStatusBus(16), {});
  ViewStepwise([] {
    EXPECT_EQ(Field(3, 0)->EditLabel.Caption, "P15");
    EXPECT_EQ(Field(3, 10)->EditLabel.Caption, "P5");
    EXPECT_EQ(Field(3, 10)->Left, 20);
    EXPECT_EQ(Field(3, 10)->Top, 240);
    EXPECT_EQ(Field(3, 11)->Left, 50);
    EXPECT_EQ(Field(3, 11)->Top, 20);
    EXPECT_EQ(Field(3, 15)->EditLabel.Caption, "P0");
    EXPECT_EQ(Field(3, 15)->Left, 50);
  });
}

TEST_F(ResultWindow, BitLabelsReachTheTopOfTheIntRange) {
  auto pins = WithStatusBus(2);
  pins[2].LowBit = std::numeric_limits<int>::max() - 1;
  Open(pins, {});
  ViewStepwise([] {
    EXPECT_EQ(Field(3, 0)->EditLabel.Caption, "P2147483647");
    EXPECT_EQ(Field(3, 1)->EditLabel.Caption, "P2147483646");
  });
}

TEST_F(ResultWindow, ABusWithAnotherNameOrTooWideForTheTableGetsOneMovableField) {
  Open(WithStatusBus(8, "s"), {});
  ViewStepwise([] {
    EXPECT_EQ(Field(3, 1), nullptr);
    EXPECT_EQ(Field(3)->Width, 62);
    EXPECT_EQ(Field(3)->EditLabel.Caption, "s");
    EXPECT_EQ(Field(3)->Left, 200);
    EXPECT_EQ(Field(3)->Top, 100);
    EXPECT_TRUE(static_cast<bool>(Field(3)->OnMouseDown));
  });
  Open(WithStatusBus(31), {});
  ViewStepwise([] {
    EXPECT_EQ(Field(3, 1), nullptr);
    EXPECT_EQ(Field(3)->Width, 211);
  });
}

TEST_F(ResultWindow, PlacesAndLabelsTheSingleValueFieldsByRole) {
  OpenPlain();
  ViewStepwise([] {
    EXPECT_FALSE(Field(1)->Visible);  // the clock
    EXPECT_EQ(Field(1)->EditLabel.Caption, "");
    EXPECT_EQ(Field(1)->Width, 16);
    EXPECT_EQ(Field(2)->EditLabel.Caption, "Входные данные");
    EXPECT_EQ(Field(2)->Width, 114);
    EXPECT_EQ(Field(2)->Left, 592 / 2 - 114 / 2);
    EXPECT_EQ(Field(2)->Top, 20);
    EXPECT_EQ(Field(5)->EditLabel.Caption, "Выходные данные");
    EXPECT_EQ(Field(5)->Top, 300);
    EXPECT_EQ(Field(5)->Text, std::string(16, '0'));
    EXPECT_EQ(Field(6)->EditLabel.Caption, "Z");
    EXPECT_EQ(Field(6)->Left, 10);
    EXPECT_EQ(Field(7)->EditLabel.Caption, "PRS");
    EXPECT_EQ(Field(7)->Left, 30);
    EXPECT_FALSE(static_cast<bool>(Field(7)->OnMouseDown));
    EXPECT_EQ(Field(6)->LabelPosition, TLabelPosition::lpAbove);
  });
}

TEST_F(ResultWindow, ColoursTheBitsOnlyFromTheFirstStepOn) {
  OpenPlain();
  ViewStepwise([] {
    EXPECT_NE(Field(3, 1)->Font.Color, clRed);
    FResult->BitBtn2->Click();
    EXPECT_EQ(Field(3, 1)->Font.Color, clRed);
    EXPECT_EQ(Field(3, 1)->EditLabel.Font.Color, clRed);
    EXPECT_EQ(Field(3, 0)->Font.Color, clBlack);
    EXPECT_EQ(Field(5)->Text, std::string(15, '0') + "1");
  });
}

TEST_F(ResultWindow, AValueShorterThanItsBusLeavesTheMissingBitsEmpty) {
  PrepareProject(PlainProject());
  SaveResultRows({"10.0> 1 0000000000000000 = 1"});
  OpenResult();
  ViewStepwise([] {
    EXPECT_EQ(Field(3, 0)->Text, "1");
    EXPECT_EQ(Field(3, 1)->Text, "");
    EXPECT_EQ(Field(4, 0)->Text, "");
  });
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{});
}

TEST_F(ResultWindow, ClosingTakesEveryFieldAwayAndAnAutomaticViewingBuildsNone) {
  OpenPlain();
  ViewStepwise([] { EXPECT_GT(FResult->Controls().size(), 4u); });
  EXPECT_EQ(FResult->Controls().size(), 4u);
  EXPECT_EQ(Field(3, 0), nullptr);
  ViewAutomatically();
  EXPECT_EQ(FResult->Controls().size(), 4u);
}

TEST_F(ResultWindow, ShiftAndTheLeftButtonMoveAMemoryOutputField) {
  auto pins = PlainProject();
  pins.insert(pins.begin() + 4, {"R", prMemoryOutput, 4});
  Open(pins, {});
  ViewStepwise([] {
    TLabeledEdit* memory = Field(5);
    EXPECT_EQ(memory->Left, 200);
    memory->MouseDown(TMouseButton::mbLeft, ssShift | ssLeft, 3, 4);
    memory->MouseMove(ssShift | ssLeft, 10, 5);
    EXPECT_EQ(memory->Left, 210);
    EXPECT_EQ(memory->Top, 105);
    FResult->MouseMove(ssLeft, 300, 150);
    EXPECT_EQ(memory->Left, 300);
    FResult->MouseUp(TMouseButton::mbLeft, 0, 300, 150);
    FResult->MouseMove(0, 5, 5);
    EXPECT_EQ(memory->Left, 300);
    memory->MouseDown(TMouseButton::mbLeft, ssLeft, 3, 4);  // no Shift: no move
    memory->MouseMove(ssLeft, 10, 5);
    EXPECT_EQ(memory->Left, 300);
    EXPECT_EQ(memory->Top, 150);
  });
  EXPECT_TRUE(LayoutCustomised);
}

TEST_F(ResultWindow, ACustomisedLayoutIsKeptForEveryFieldAtTheNextViewing) {
  auto pins = PlainProject();
  pins.insert(pins.begin() + 4, {"R", prMemoryOutput, 4});
  Open(pins, {});
  ViewStepwise([] {
    Field(4, 0)->Left = 400;  // where the bus stands when the window closes
    Field(5)->MouseDown(TMouseButton::mbLeft, ssShift | ssLeft, 0, 0);
    Field(5)->MouseMove(ssShift | ssLeft, 7, 9);
    Field(5)->MouseUp(TMouseButton::mbLeft, ssShift, 0, 0);
  });
  ViewStepwise([] {
    EXPECT_EQ(Field(4, 0)->Left, 400);
    EXPECT_EQ(Field(5)->Left, 207);
    EXPECT_EQ(Field(5)->Top, 109);
    EXPECT_EQ(Field(8)->Left, 30);
    Field(8)->Top = 10;
  });
  ViewStepwise([] { EXPECT_EQ(Field(8)->Top, 10); });
}

TEST_F(ResultWindow, AnUncustomisedLayoutStartsFromTheDefaultPlacesEachTime) {
  OpenPlain();
  ViewStepwise([] { Field(4, 0)->Left = 400; });
  ViewStepwise([] { EXPECT_EQ(Field(4, 0)->Left, 550); });
}

TEST_F(ResultWindow, AMoveCutShortByClosingTheWindowEndsWithIt) {
  OpenPlain();
  ViewStepwise([] {
    Field(1)->Visible = true;  // make the clock's field reachable to grab it
    Field(1)->MouseDown(TMouseButton::mbLeft, ssShift | ssLeft, 0, 0);
    FResult->Button2->Click();
  });
  EXPECT_FALSE(Dragging);
  EXPECT_EQ(DraggedEdit, nullptr);
  ViewStepwise([] {
    FResult->MouseMove(ssLeft, 1, 1);
    EXPECT_EQ(Field(1)->Left, 200);
  });
}

TEST_F(ResultWindow, AFreshRunOfTheProgramStartsTheViewerAnew) {
  OpenPlain();
  ViewStepwise([] {
    Field(1)->Visible = true;
    Field(1)->MouseDown(TMouseButton::mbLeft, ssShift | ssLeft, 0, 0);
    FResult->BitBtn2->Click();
  });
  ASSERT_TRUE(LayoutCustomised);
  StartRun(backend, (folder / "opbench").string());
  EXPECT_FALSE(LayoutCustomised);
  EXPECT_EQ(CurrentCycle, 0);
  EXPECT_EQ(SavedEditPos[0][0].Left, 0);
  EXPECT_EQ(ValueEdits[0][0], nullptr);
}
