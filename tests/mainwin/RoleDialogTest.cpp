// The pin-role dialog run by hand from the pin grid, and the automatic assignment.
#include "mainwin/PinGridRun.h"

namespace {

const std::vector<RoledPin> GuessablePins = {
    {"X[15..0]"}, {"Clk"}, {"y[7..0]"}, {"q_out", -1, false}, {"[3..0]"}, {"RESET"}};

class RoleDialog : public PinGridRun {};
class AutoAssignment : public PinGridRun {};

}  // namespace

TEST_F(RoleDialog, LayoutIsTheDesignedOne) {
  EXPECT_EQ(FAssign->Caption, "Нзначение вывода");
  EXPECT_EQ(FAssign->ClientWidth, 311);
  EXPECT_EQ(FAssign->ClientHeight, 84);
  EXPECT_EQ(FAssign->Position, TFormPosition::poScreenCenter);
  EXPECT_FALSE(FAssign->Visible);
  EXPECT_EQ(FAssign->Font.Height, -11);

  std::vector<std::string> tabOrder;
  for (TComponent* component : FAssign->Components()) tabOrder.push_back(component->Name);
  EXPECT_EQ(tabOrder, (std::vector<std::string>{"ComboBox1", "Label1", "Button1", "Label2", "Button2"}));

  const auto place = [](const TControl* c) { return std::vector<int>{c->Left, c->Top}; };
  EXPECT_EQ(place(FAssign->Label1), (std::vector<int>{32, 12}));
  EXPECT_EQ(FAssign->Label1->Font.Height, -21);
  EXPECT_EQ(place(FAssign->Label2), (std::vector<int>{144, 12}));
  EXPECT_EQ(FAssign->Label2->Caption, "-");
  EXPECT_EQ(FAssign->Label2->Font.Height, -21);
  EXPECT_EQ(place(FAssign->ComboBox1), (std::vector<int>{152, 16}));
  EXPECT_EQ(FAssign->ComboBox1->Width, 145);
  EXPECT_EQ(FAssign->ComboBox1->Text, "Назначение вывода");
  EXPECT_EQ(FAssign->ComboBox1->Items, std::vector<std::string>(RoleNames.begin(), RoleNames.end()));
  EXPECT_EQ(FAssign->Button1->Caption, "Применить");
  EXPECT_EQ((std::vector<int>{FAssign->Button1->Left, FAssign->Button1->Top, FAssign->Button1->Width,
                              FAssign->Button1->Height}),
            (std::vector<int>{72, 48, 75, 25}));
  EXPECT_EQ(FAssign->Button2->Caption, "Выход");
  EXPECT_EQ((std::vector<int>{FAssign->Button2->Left, FAssign->Button2->Top, FAssign->Button2->Width,
                              FAssign->Button2->Height}),
            (std::vector<int>{160, 48, 75, 25}));
}

TEST_F(RoleDialog, AnyCellOfARowWithoutRoleOpensTheDialogOnTheGuess) {
  ReadPins(GuessablePins);
  for (int col : {0, 1, 2}) {
    FMain->StringGrid1->Cells(2, 1).clear();
    std::string label, field;
    backend.InNextModal([&](TForm& form) {
      EXPECT_EQ(&form, FAssign);
      label = FAssign->Label1->Caption;
      field = FAssign->ComboBox1->Text;
      FAssign->Button1->Click();
    });
    FMain->StringGrid1->SelectCell(col, 1);
    EXPECT_EQ(label, "X");
    EXPECT_EQ(field, "Входные данные");
    EXPECT_EQ(RoleCell(1), "Входные данные") << "column " << col;
    EXPECT_EQ(FMain->AssignedRole, "");
  }
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(RoleDialog, PlaceholderIsRefusedUntilARoleIsChosen) {
  ReadPins(GuessablePins);
  backend.InNextModal([](TForm&) {
    EXPECT_EQ(FAssign->Label1->Caption, "Clk");
    EXPECT_EQ(FAssign->ComboBox1->Text, "Назначение вывода");
    FAssign->Button1->Click();
    EXPECT_TRUE(FAssign->Visible) << "the dialog stays open";
    FAssign->ComboBox1->ChooseItem(prClock);
    FAssign->Button1->Click();
  });
  FMain->StringGrid1->SelectCell(1, 2);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Выберите правильное назначение"});
  EXPECT_EQ(backend.Boxes[0].Buttons, static_cast<TMsgDlgButtons>(mbOK));
  EXPECT_EQ(RoleCell(2), "Сигнал синхронизации");
}

TEST_F(RoleDialog, ExitAndTheCloseBoxStoreNothing) {
  ReadPins(GuessablePins);
  backend.InNextModal([](TForm&) { FAssign->Button2->Click(); });
  FMain->StringGrid1->SelectCell(0, 1);
  EXPECT_EQ(RoleCell(1), "");
  backend.InNextModal([](TForm&) {
    FAssign->ComboBox1->ChooseItem(prStatus);
    FAssign->CloseBox();
  });
  FMain->StringGrid1->SelectCell(0, 1);
  EXPECT_EQ(RoleCell(1), "");
  EXPECT_EQ(FMain->AssignedRole, "");
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(RoleDialog, RoleListSwallowsEveryTypedKey) {
  ReadPins(GuessablePins);
  backend.InNextModal([](TForm&) {
    for (char32_t key : {U'a', U'1', U' ', VK_BACK, U'ж'}) FAssign->ComboBox1->TypeKey(key);
    EXPECT_EQ(FAssign->ComboBox1->Text, "Входные данные");
    FAssign->Button2->Click();
  });
  FMain->StringGrid1->SelectCell(0, 1);
}

TEST_F(RoleDialog, EditingARoleAsksFirstAndNoChangesNothing) {
  ReadPins({{"X[15..0]", prControl}, {"clk"}});
  backend.AnswerNextBox(mrNo);
  FMain->StringGrid1->SelectCell(2, 1);  // no dialog is scripted: none may open
  ASSERT_EQ(BoxTexts(), std::vector<std::string>{"Редактировать запись?"});
  EXPECT_EQ(backend.Boxes[0].Type, TMsgDlgType::mtConfirmation);
  EXPECT_EQ(backend.Boxes[0].Buttons, static_cast<TMsgDlgButtons>(mbYes | mbNo));
  EXPECT_EQ(RoleCell(1), "Управляющие сигналы");
}

TEST_F(RoleDialog, EditingWithYesReplacesTheRoleWithTheGuessOrTheChoice) {
  ReadPins({{"X[15..0]", prControl}, {"clk"}});
  backend.AnswerNextBox(mrYes);
  backend.InNextModal([](TForm&) {
    EXPECT_EQ(FAssign->ComboBox1->Text, "Входные данные") << "opens on the guess, not the row's role";
    FAssign->Button1->Click();
  });
  FMain->StringGrid1->SelectCell(0, 1);
  EXPECT_EQ(RoleCell(1), "Входные данные");

  backend.AnswerNextBox(mrYes);
  backend.InNextModal([](TForm&) {
    FAssign->ComboBox1->ChooseItem(prOutputData);
    FAssign->Button1->Click();
  });
  FMain->StringGrid1->SelectCell(1, 1);
  EXPECT_EQ(RoleCell(1), "Выходные данные");

  backend.AnswerNextBox(mrYes);
  backend.InNextModal([](TForm&) { FAssign->Button2->Click(); });
  FMain->StringGrid1->SelectCell(1, 1);
  EXPECT_EQ(RoleCell(1), "Выходные данные") << "Exit keeps the role";
  EXPECT_EQ(BoxTexts().size(), 3u);
}

TEST_F(RoleDialog, NoDialogWhileNoSchematicIsRead) {
  ReadPins(GuessablePins);
  backend.ChooseFile((folder / "missing.bdf").string());
  FMain->N10->Click();  // fails: the grid stays shown, cut back to one empty row
  ASSERT_TRUE(FMain->StringGrid1->Visible);
  FMain->StringGrid1->SelectCell(0, 1);  // no dialog is scripted: none may open
  FMain->Button2->Click();
  EXPECT_EQ(FAssign->Tag, 0);
  EXPECT_EQ(RoleCell(1), "");
  EXPECT_EQ(FMain->StringGrid1->Row, 1);
}

TEST_F(AutoAssignment, GivesEveryPinWithoutRoleItsGuessAndShowsNothing) {
  ReadPins(GuessablePins);
  ChooseRole(3, prStatus);  // y would be guessed as control
  FMain->Button2->Click();
  EXPECT_EQ(RoleCell(1), "Входные данные");
  EXPECT_EQ(RoleCell(2), "") << "Clk matches no spelling";
  EXPECT_EQ(RoleCell(3), "Осведомительные сигналы") << "a row with a role keeps it";
  EXPECT_EQ(RoleCell(4), "Выходы элементов памяти");
  EXPECT_EQ(RoleCell(5), "") << "a name that begins with [ has no base name";
  EXPECT_EQ(RoleCell(6), "Сигнал сброса") << "the last row is visited too";
  EXPECT_EQ(FMain->StringGrid1->RowCount(), 7);
  EXPECT_TRUE(BoxTexts().empty());
  EXPECT_EQ(FAssign->Tag, 0);
  EXPECT_FALSE(FAssign->Visible);
  EXPECT_EQ(FMain->AssignedRole, "");
}

TEST_F(AutoAssignment, ASecondRunAndADoubleClickChangeNothingMore) {
  ReadPins(GuessablePins);
  FMain->StringGrid1->DblClick();
  std::vector<std::string> first;
  for (int row = 1; row <= 6; ++row) first.push_back(RoleCell(row));
  EXPECT_EQ(first[0], "Входные данные") << "a double click on the grid assigns too";
  FMain->Button2->Click();
  for (int row = 1; row <= 6; ++row) EXPECT_EQ(RoleCell(row), first[static_cast<std::size_t>(row - 1)]);
  EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(AutoAssignment, TwoRowsWithOneBaseNameBothGetTheRole) {
  ReadPins({{"X[7..0]"}, {"X[15..8]"}});
  FMain->Button2->Click();
  EXPECT_EQ(RoleCell(1), "Входные данные");
  EXPECT_EQ(RoleCell(2), "Входные данные");
}

TEST_F(AutoAssignment, LeavesTheDialogInHandModeForTheNextRun) {
  ReadPins(GuessablePins);
  FMain->Button2->Click();
  backend.InNextModal([](TForm&) {
    EXPECT_EQ(FAssign->Label1->Caption, "Clk");
    FAssign->Button1->Click();  // placeholder: refused, as in hand mode
    FAssign->Button2->Click();
  });
  FMain->StringGrid1->SelectCell(0, 2);
  EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Выберите правильное назначение"});
}
