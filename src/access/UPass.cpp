#include "access/UPass.h"

#include <string>

#include "access/UAut.h"
#include "mainwin/UMain.h"

TFPassw* FPassw = nullptr;

TFPassw::TFPassw(TComponent* owner) : TForm(owner) {
  Name = "FPassw";
  Caption = "Защита от несанкционированного доступа";
  ClientWidth = 349;
  ClientHeight = 109;

  LabeledEdit1 = new TLabeledEdit(this);
  LabeledEdit1->Name = "LabeledEdit1";
  LabeledEdit1->SetParent(this);
  LabeledEdit1->SetBounds(144, 32, 121, 21);
  LabeledEdit1->EditLabel.Caption = "Введите пароль";
  LabeledEdit1->LabelPosition = TLabelPosition::lpLeft;
  LabeledEdit1->PasswordChar = U'*';

  Button1 = new TButton(this);
  Button1->Name = "Button1";
  Button1->SetParent(this);
  Button1->SetBounds(88, 72, 75, 25);
  Button1->Caption = "Ок";

  Button2 = new TButton(this);
  Button2->Name = "Button2";
  Button2->SetParent(this);
  Button2->SetBounds(184, 72, 75, 25);
  Button2->Caption = "Закрыть";

  Button1->OnClick = [this](TObject* s) { Button1Click(s); };
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };
}

void TFPassw::Button1Click(TObject*) {
  const std::string entered = LabeledEdit1->Text;
  const std::string student = GetPassword(false);
  const std::string teacher = GetPassword(true);
  if (entered != student && entered != teacher) {
    // The text stays in the field for another try.
    MessageDlg("Неверный пароль", TMsgDlgType::mtError, mbOK, 0);
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
