// The three password windows: signing in at start-up, taking the teacher's role
// later, and changing the password of the signed-in role.
#include <gtest/gtest.h>

#include "access/AccessRun.h"

namespace {

using PasswordWindows = AccessRun;

void ExpectBox(const MessageBoxRequest& box, TMsgDlgType type, TMsgDlgButtons buttons, const std::string& text) {
  EXPECT_EQ(box.Type, type) << text;
  EXPECT_EQ(box.Buttons, buttons) << text;
  EXPECT_EQ(box.Text, text);
}

}  // namespace

TEST_F(PasswordWindows, AWrongPasswordKeepsTheStartUpWindowWithItsText) {
  SignIn("12345");
  ASSERT_EQ(backend.Boxes.size(), 1u);
  ExpectBox(backend.Boxes[0], TMsgDlgType::mtError, mbOK, "Неверный пароль");
  EXPECT_TRUE(FPassw->Visible);
  EXPECT_FALSE(FMain->Visible);
  EXPECT_EQ(FPassw->LabeledEdit1->Text, "12345");
  EXPECT_EQ(FPassw->LabeledEdit1->PasswordChar, U'*');
  EXPECT_EQ(FPassw->ActiveControl(), FPassw->LabeledEdit1) << "the focus is back in the field";
}

TEST_F(PasswordWindows, TheStudentsPasswordOpensTheMainWindowAsStudent) {
  SignIn("60718");
  ASSERT_EQ(backend.Boxes.size(), 1u);
  ExpectBox(backend.Boxes[0], TMsgDlgType::mtInformation, mbOK, "Пользователь - студент");
  EXPECT_TRUE(FMain->Visible);
  EXPECT_FALSE(FPassw->Visible);
  EXPECT_FALSE(FMain->IsTeacher);
  EXPECT_FALSE(Application->Terminated());
}

TEST_F(PasswordWindows, TheTeachersPasswordWinsWhenBothAreTheSame) {
  WritePasswords("same", "same");
  Restart();
  SignIn("same");
  ASSERT_EQ(backend.Boxes.size(), 1u);
  ExpectBox(backend.Boxes[0], TMsgDlgType::mtInformation, mbOK, "Пользователь - преподаватель");
  EXPECT_TRUE(FMain->IsTeacher);
}

TEST_F(PasswordWindows, ClosingTheStartUpWindowOrLaterTheMainWindowEndsTheProgram) {
  FPassw->Show();
  FPassw->Button2->Click();
  EXPECT_TRUE(backend.QuitCalled);
  EXPECT_FALSE(FPassw->Visible);

  Restart();
  backend.QuitCalled = false;
  SignIn("60718");
  EXPECT_FALSE(backend.QuitCalled);
  FMain->CloseBox();
  EXPECT_TRUE(backend.QuitCalled);
}

TEST_F(PasswordWindows, AuthorisationWithTheTeachersPasswordAndOkGivesTheTeachersRole) {
  SignIn("60718");
  Authorise("39264", mrOk);
  ASSERT_EQ(backend.Boxes.size(), 2u);
  ExpectBox(backend.Boxes[1], TMsgDlgType::mtInformation, mbOK | mbCancel,
            "Пароль верный, пользователь - преподаватель");
  EXPECT_TRUE(FMain->IsTeacher);
  EXPECT_FALSE(FAut->Visible);

  FMain->N18->Click();
  EXPECT_FALSE(FAut->Visible);
}

TEST_F(PasswordWindows, CancelAfterTheTeachersPasswordKeepsTheWindowAndTheRole) {
  SignIn("60718");
  Authorise("39264", mrCancel);
  EXPECT_FALSE(FMain->IsTeacher);
  EXPECT_TRUE(FAut->Visible);
  EXPECT_EQ(FAut->LabeledEdit1->Text, "39264");
}

TEST_F(PasswordWindows, AuthorisationWithAnyOtherEntryAnswersStudent) {
  SignIn("60718");
  Authorise("60718", mrCancel);
  ExpectBox(backend.Boxes.back(), TMsgDlgType::mtInformation, mbOK | mbCancel,
            "Пароль не верный, пользователь - студент");
  EXPECT_TRUE(FAut->Visible);
  EXPECT_EQ(FAut->LabeledEdit1->Text, "60718");
  EXPECT_EQ(FAut->ActiveControl(), FAut->LabeledEdit1) << "the focus is back in the field";

  backend.AnswerNextBox(mrOk);
  FAut->Button1->Click();
  EXPECT_FALSE(FAut->Visible);
  EXPECT_FALSE(FMain->IsTeacher);
}

TEST_F(PasswordWindows, EveryShowingStartsWithEmptyHiddenFields) {
  SignIn("60718");
  FMain->N18->Click();
  FAut->LabeledEdit1->TypeText("abc");
  FAut->Button2->Click();
  EXPECT_FALSE(FAut->Visible);
  FMain->N18->Click();
  EXPECT_EQ(FAut->LabeledEdit1->Text, "");
  EXPECT_EQ(FAut->LabeledEdit1->PasswordChar, U'*');

  FMain->N20Click(nullptr);
  for (TLabeledEdit* field : {FNewPass->LabeledEdit1, FNewPass->LabeledEdit2, FNewPass->LabeledEdit3})
    field->TypeText("abc");
  FNewPass->Button2->Click();
  EXPECT_FALSE(FNewPass->Visible);
  FMain->N20Click(nullptr);
  for (TLabeledEdit* field : {FNewPass->LabeledEdit1, FNewPass->LabeledEdit2, FNewPass->LabeledEdit3}) {
    EXPECT_EQ(field->Text, "") << field->Name;
    EXPECT_EQ(field->PasswordChar, U'*') << field->Name;
  }
}

TEST_F(PasswordWindows, AMismatchedConfirmationOrAWrongOldPasswordSavesNothing) {
  SignIn("60718");
  const std::string before = PasswordFileBytes();
  ChangePassword("60718", "new1", "new2");
  ExpectBox(backend.Boxes.back(), TMsgDlgType::mtError, mbOK, "Новый пароль и его подтверждение не совпадают!");
  EXPECT_TRUE(FNewPass->Visible);
  EXPECT_EQ(FNewPass->LabeledEdit3->Text, "new2");

  FNewPass->Button2->Click();
  ChangePassword("39264", "new", "new");
  ExpectBox(backend.Boxes.back(), TMsgDlgType::mtError, mbOK, "Неверно указан старый пароль");
  EXPECT_TRUE(FNewPass->Visible);
  EXPECT_EQ(PasswordFileBytes(), before);
  EXPECT_EQ(GetPassword(false), "60718");
}

TEST_F(PasswordWindows, TwoChangesInARowNeedThePasswordSetByTheFirst) {
  SignIn("60718");
  ChangePassword("60718", "first", "first");
  EXPECT_FALSE(FNewPass->Visible);
  ChangePassword("60718", "second", "second");
  ExpectBox(backend.Boxes.back(), TMsgDlgType::mtError, mbOK, "Неверно указан старый пароль");
  FNewPass->Button2->Click();
  ChangePassword("first", "second", "second");
  EXPECT_FALSE(FNewPass->Visible);
  EXPECT_EQ(GetPassword(false), "second");
  EXPECT_EQ(GetPassword(true), "39264");
}

TEST_F(PasswordWindows, AnEmptyNewPasswordIsAccepted) {
  SignIn("39264");
  ChangePassword("39264", "", "");
  EXPECT_FALSE(FNewPass->Visible);
  Restart();
  SignIn("");
  EXPECT_TRUE(FMain->IsTeacher);
}

TEST_F(PasswordWindows, TheRoleAtThePressPicksThePasswordToChange) {
  SignIn("60718");
  FMain->N20Click(nullptr);
  Authorise("39264", mrOk);
  ASSERT_TRUE(FMain->IsTeacher);
  FNewPass->LabeledEdit1->TypeText("39264");
  FNewPass->LabeledEdit2->TypeText("t");
  FNewPass->LabeledEdit3->TypeText("t");
  FNewPass->Button1->Click();
  EXPECT_FALSE(FNewPass->Visible);
  EXPECT_EQ(GetPassword(true), "t");
  EXPECT_EQ(GetPassword(false), "60718");
}

TEST_F(PasswordWindows, PasswordsNeverReadOpenNeitherTheTeachersRoleNorAChange) {
  std::filesystem::remove(PasswordFilePath());
  std::filesystem::create_directory(PasswordFilePath());
  Restart();
  const std::string told = CannotRead("на месте файла находится папка");
  // However the main window came to be shown, the two windows let nobody through.
  EnterMainWindow();
  FMain->N18->Click();
  FAut->LabeledEdit1->TypeText("39264");
  FAut->Button1->Click();
  EXPECT_EQ(BoxTexts(), std::vector<std::string>(2, told));
  EXPECT_FALSE(FMain->IsTeacher);
  FAut->Button2->Click();

  // The file comes back while the change-of-password window is open: the window
  // took no password when shown, so no old password opens a change.
  FMain->N20Click(nullptr);
  EXPECT_EQ(BoxTexts().back(), told);
  std::filesystem::remove(PasswordFilePath());
  WritePasswords("60718", "39264");
  const std::string before = PasswordFileBytes();
  FNewPass->LabeledEdit1->TypeText("60718");
  FNewPass->LabeledEdit2->TypeText("x");
  FNewPass->LabeledEdit3->TypeText("x");
  FNewPass->Button1->Click();
  ExpectBox(backend.Boxes.back(), TMsgDlgType::mtError, mbOK, "Неверно указан старый пароль");
  EXPECT_EQ(PasswordFileBytes(), before);
}
