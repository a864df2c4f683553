// What a person's typing, choosing and clicking does to the controls.
#include <gtest/gtest.h>

#include "platform/gui/Forms.h"
#include "platform/gui/HeadlessBackend.h"

namespace {

class Controls : public ::testing::Test {
protected:
  Controls() {
    Application = new TApplication(backend, "/opt/opbench/opbench");
    Application->CreateForm(form);
    form->Show();
  }
  ~Controls() override { delete Application; }
  template <typename T>
  T* Add() {
    auto* control = new T(form);
    control->SetParent(form);
    return control;
  }
  HeadlessBackend backend;
  TForm* form = nullptr;
};

}  // namespace

TEST_F(Controls, SwallowedKeysNeverReachTheEdit) {
  auto* edit = Add<TLabeledEdit>();
  edit->OnKeyPress = [](TObject*, char32_t& key) {
    if (key != U'0' && key != U'1' && key != VK_BACK) key = 0;
  };
  edit->TypeText("10a2я1");
  EXPECT_EQ(edit->Text, "101");
  edit->TypeKey(VK_BACK);
  EXPECT_EQ(edit->Text, "10");
}

TEST_F(Controls, EditKeepsWithinMaxLengthAndReadOnly) {
  auto* edit = Add<TEdit>();
  edit->MaxLength = 3;
  edit->TypeText("пароль");
  EXPECT_EQ(edit->Text, "пар");
  edit->ReadOnly = true;
  edit->TypeKey(VK_BACK);
  EXPECT_EQ(edit->Text, "пар");
}

TEST_F(Controls, UpDownMovesWithinItsBoundsAndShowsInItsEdit) {
  auto* edit = Add<TLabeledEdit>();
  auto* upDown = Add<TUpDown>();
  upDown->Associate = edit;
  upDown->Min = 30;
  upDown->Max = 200;
  upDown->Increment = 10;
  upDown->SetPosition(190);
  upDown->ClickUp();
  upDown->ClickUp();
  EXPECT_EQ(upDown->Position, 200);
  EXPECT_EQ(edit->Text, "200");
  upDown->SetPosition(10);
  EXPECT_EQ(upDown->Position, 30);
}

TEST_F(Controls, GridSelectionRunsTheHandlerBeforeMovingAndMayBeRefused) {
  auto* grid = Add<TStringGrid>();
  grid->SetColCount(3);
  grid->SetRowCount(4);
  std::vector<int> seenRows;
  bool allow = false;
  grid->OnSelectCell = [&](TObject*, int, int row, bool& canSelect) {
    seenRows.push_back(grid->Row);
    canSelect = allow;
    (void)row;
  };
  grid->SelectCell(2, 3);
  EXPECT_EQ(grid->Row, 1);
  allow = true;
  grid->SelectCell(2, 3);
  EXPECT_EQ(grid->Row, 3);
  EXPECT_EQ(seenRows, (std::vector<int>{1, 1}));
  grid->SelectCell(0, 0);  // the header row is not selectable
  EXPECT_EQ(seenRows.size(), 2u);
  grid->SetRowCount(2);
  EXPECT_EQ(grid->Row, 1);
  EXPECT_THROW(grid->Cells(0, 2), EStringListError);
}

TEST_F(Controls, DisabledMenuDisablesItsItemsAndShortCuts) {
  auto* menu = new TMainMenu(form);
  form->Menu = menu;
  TMenuItem* settings = menu->Items->AddItem("Настройки");
  TMenuItem* general = settings->AddItem("Общие", "F5");
  int clicks = 0;
  general->OnClick = [&](TObject*) { ++clicks; };
  settings->Enabled = false;
  form->PressShortCut("F5");
  general->Click();
  EXPECT_EQ(clicks, 0);
  settings->Enabled = true;
  form->PressShortCut("F5");
  EXPECT_EQ(clicks, 1);
}

TEST_F(Controls, RunTimeControlsAreFreedWithTheirOwnerOrAlone) {
  auto* edit = Add<TLabeledEdit>();
  EXPECT_EQ(form->Controls().size(), 1u);
  delete edit;
  EXPECT_TRUE(form->Controls().empty());
  EXPECT_TRUE(form->Components().empty());
}
