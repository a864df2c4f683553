#include "access/UPass.h"

#include <string>

#include "access/PasswordStore.h"
#include "access/UAut.h"
#include "mainwin/UMain.h"

TFPassw* FPassw = nullptr;

TFPassw::TFPassw(TComponent* owner) : TForm(owner, "FPassw", "Защита от несанкционированного доступа", 349, 109) {

  LabeledEdit1 = PlaceControl<TLabeledEdit>(this, "LabeledEdit1", 144, 32, 121, 21);
  LabeledEdit1->EditLabel.Caption = "Введите пароль";
  LabeledEdit1->LabelPosition = TLabelPosition::lpLeft;
  LabeledEdit1->PasswordChar = U'*';

  Button1 = PlaceControl<TButton>(this, "Button1", 88, 72, 75, 25);
  Button1->Caption = "Ок";

  Button2 = PlaceControl<TButton>(this, "Button2", 184, 72, 75, 25);
  Button2->Caption = "Закрыть";

  Button1->OnClick = [this](TObject* s) { Button1Click(s); };
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };
}

void TFPassw::Button1Click(TObject*) {
  const std::string entered = LabeledEdit1->Text;
  std::string student, teacher;
  try {
    student = GetPassword(false);
    teacher = GetPassword(true);
  } catch (const EPasswordError& error) {
    // A password file that cannot be read lets nobody in; the user is told why and
    // may try again, with the text kept, once it can be read.
    MessageDlg(error.Message, TMsgDlgType::mtError, mbOK, 0);
    LabeledEdit1->SetFocus();
    return;
  }
  if (entered != student && entered != teacher) {
    // The text stays in the field, and the focus in it, for another try.
    MessageDlg("Неверный пароль", TMsgDlgType::mtError, mbOK, 0);
    LabeledEdit1->SetFocus();
    return;
  }
  // When both roles have the same password, the entry is the teacher's.
  if (entered == teacher) {
    FMain->IsTeacher = true;
    MessageDlg("Пользователь - преподаватель", TMsgDlgType::mtInformation, mbOK, 0);
  } else {
    MessageDlg("Пользователь - студент", TMsgDlgType::mtInformation, mbOK, 0);
  }
  FMain->Show();
  Hide();
}

void TFPassw::Button2Click(TObject*) { Close(); }
