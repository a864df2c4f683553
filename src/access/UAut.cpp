#include "access/UAut.h"

#include "mainwin/UMain.h"

TFAut* FAut = nullptr;

TFAut::TFAut(TComponent* owner) : TForm(owner, "FAut", "Авторизация пользователя", 302, 110) {
  Position = TFormPosition::poDesktopCenter;

  LabeledEdit1 = PlaceControl<TLabeledEdit>(this, "LabeledEdit1", 64, 32, 169, 21);
  LabeledEdit1->EditLabel.Caption = "Введите пароль:";
  LabeledEdit1->LabelPosition = TLabelPosition::lpAbove;

  Button1 = PlaceControl<TButton>(this, "Button1", 64, 72, 75, 25);
  Button1->Caption = "Принять";

  Button2 = PlaceControl<TButton>(this, "Button2", 160, 72, 75, 25);
  Button2->Caption = "Отмена";

  OnCreate = [this](TObject* s) { FormCreate(s); };
  OnShow = [this](TObject* s) { FormShow(s); };
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };
}

void TFAut::FormCreate(TObject*) { Passwords.Create(Application->ExeDir() + "Data.psw"); }

void TFAut::FormShow(TObject*) {
  // The field is reset first, so that it starts empty even when the file
  // cannot be read.
  LabeledEdit1->PasswordChar = U'*';
  LabeledEdit1->Text.clear();
  Passwords.Refresh();
}

void TFAut::Button1Click(TObject*) {
  if (LabeledEdit1->Text == Passwords.GetPassword(true)) {
    if (MessageDlg("Пароль верный, пользователь - преподаватель", TMsgDlgType::mtInformation,
                   mbOK | mbCancel, 0) == mrOk) {
      FMain->IsTeacher = true;
      Close();
    }
    return;
  }
  if (MessageDlg("Пароль не верный, пользователь - студент", TMsgDlgType::mtInformation,
                 mbOK | mbCancel, 0) == mrOk) {
    FMain->IsTeacher = false;
    Close();
    return;
  }
  // Otherwise the text stays in the field, and the focus in it, for another try.
  LabeledEdit1->SetFocus();
}

void TFAut::Button2Click(TObject*) { Close(); }

const std::string& GetPassword(bool teacher) { return FAut->Passwords.GetPassword(teacher); }

void SetPassword(const std::string& text, bool teacher) { FAut->Passwords.SetPassword(text, teacher); }
