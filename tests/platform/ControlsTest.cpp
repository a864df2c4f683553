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

namespace {

void PassBits(TObject*, char32_t& key) {
  if (key != U'0' && key != U'1' && key != VK_BACK) key = 0;
}

struct Cursor {
  int Start, Length;
  bool operator==(const Cursor&) const = default;
};
Cursor CursorOf(const TCustomEdit& edit) { return {edit.SelStart(), edit.SelLength()}; }

}  // namespace

TEST_F(Controls, EditTypesAndDeletesAtTheCursorOrOverTheSelection) {
  auto* edit = Add<TEdit>();
  int changes = 0;
  edit->OnChange = [&](TObject*) { ++changes; };
  edit->Text = "пар";
  EXPECT_EQ(CursorOf(*edit), (Cursor{3, 0})) << "a text set by program: the cursor at its end";

  edit->SetSelStart(0);
  edit->TypeKey(VK_BACK);  // nothing before the cursor
  edit->TypeKey(U'с');
  EXPECT_EQ(edit->Text, "спар");
  edit->PressDelete();
  EXPECT_EQ(edit->Text, "сар");
  EXPECT_EQ(CursorOf(*edit), (Cursor{1, 0}));
  edit->SetSelStart(2);
  edit->TypeKey(U'ы');
  edit->TypeKey(VK_BACK);
  edit->TypeKey(VK_BACK);
  EXPECT_EQ(edit->Text, "ср");
  EXPECT_EQ(CursorOf(*edit), (Cursor{1, 0}));
  edit->SetSelStart(2);
  edit->PressDelete();  // nothing after the cursor
  edit->TypeKey(U'ы');
  EXPECT_EQ(edit->Text, "сры");
  EXPECT_EQ(changes, 6);

  edit->SetSelStart(1);
  edit->SetSelLength(5);
  EXPECT_EQ(CursorOf(*edit), (Cursor{1, 2}));
  EXPECT_EQ(edit->SelText(), "ры");
  edit->TypeKey(U'о');
  EXPECT_EQ(edit->Text, "со");
  EXPECT_EQ(CursorOf(*edit), (Cursor{2, 0}));
  edit->SetSelStart(0);
  edit->SetSelLength(1);
  edit->TypeKey(VK_BACK);
  EXPECT_EQ(edit->Text, "о");
  edit->SelectAll();
  edit->PressDelete();
  EXPECT_EQ(edit->Text, "");
}

TEST_F(Controls, FullOrReadOnlyEditAndSwallowedKeysChangeNothing) {
  auto* edit = Add<TLabeledEdit>();
  edit->MaxLength = 3;
  edit->OnKeyPress = PassBits;
  edit->Text = "000";
  edit->SetSelStart(1);
  edit->TypeKey(U'1');
  EXPECT_EQ(edit->Text, "000") << "no room at MaxLength";
  edit->SetSelLength(1);
  edit->TypeKey(U'1');
  EXPECT_EQ(edit->Text, "010") << "a selected character makes room";
  edit->SetSelStart(0);
  edit->SetSelLength(2);
  edit->TypeKey(U'x');
  EXPECT_EQ(edit->Text, "010");
  EXPECT_EQ(CursorOf(*edit), (Cursor{0, 2})) << "a swallowed key keeps the selection";

  edit->ReadOnly = true;
  backend.Clipboard = "1";
  edit->TypeKey(U'1');
  edit->TypeKey(VK_BACK);
  edit->PressDelete();
  edit->PasteFromClipboard();
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text, "010");
  edit->CopyToClipboard();
  EXPECT_EQ(backend.Clipboard, "01") << "a read-only text may be copied";
}

TEST_F(Controls, ClipboardEditsKeepToTheKeyFilterMaxLengthAndPasswords) {
  auto* edit = Add<TLabeledEdit>();
  edit->MaxLength = 5;
  edit->OnKeyPress = PassBits;
  edit->Text = "00000";
  backend.Clipboard = "1a1\r\n1";
  edit->SetSelStart(1);
  edit->SetSelLength(2);
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text, "01100") << "bits only, and only as many as the selection made room for";
  EXPECT_EQ(CursorOf(*edit), (Cursor{3, 0}));
  backend.Clipboard = "xyz";
  edit->SelectAll();
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text, "01100") << "nothing the filter lets through: nothing changes";

  edit->SetSelStart(1);
  edit->SetSelLength(2);
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text, "000");
  EXPECT_EQ(backend.Clipboard, "11");
  edit->SetSelStart(3);
  edit->PasteFromClipboard();
  EXPECT_EQ(edit->Text, "00011");
  edit->EditText("1x0");
  EXPECT_EQ(edit->Text, "10");

  edit->PasswordChar = U'*';
  edit->SelectAll();
  edit->CopyToClipboard();
  edit->CutToClipboard();
  EXPECT_EQ(backend.Clipboard, "11") << "a password never reaches the clipboard";
  EXPECT_EQ(edit->Text, "10");
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
