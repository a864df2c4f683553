#include "access/UNewPass.h"

#include "access/UAut.h"
#include "mainwin/UMain.h"

TFNewPass* FNewPass = nullptr;

namespace {

TLabeledEdit* PlaceField(TForm* form, const char* name, int top, const char* label) {
  auto* field = PlaceControl<TLabeledEdit>(form, name, 160, top, 121, 21);
  field->EditLabel.Caption = label;
  field->LabelPosition = TLabelPosition::lpLeft;
  return field;
}

TButton* PlaceButton(TForm* form, const char* name, int left, const char* caption) {
  auto* button = PlaceControl<TButton>(form, name, left, 144, 75, 25);
  button->Caption = caption;
  return button;
}

}  // namespace

TFNewPass::TFNewPass(TComponent* owner) : TForm(owner, "FNewPass", "Новый пароль", 321, 186) {

  // Created in tab order: the confirmation comes after both buttons.
  LabeledEdit1 = PlaceField(this, "LabeledEdit1", 16, "Укажите старый пароль");
  LabeledEdit2 = PlaceField(this, "LabeledEdit2", 56, "Укажите новый пароль");
  Button1 = PlaceButton(this, "Button1", 80, "Применить");
  Button2 = PlaceButton(this, "Button2", 184, "Отмена");
  LabeledEdit3 = PlaceField(this, "LabeledEdit3", 96, "Подтвердите новый пароль");

  OnShow = [this](TObject* s) { FormShow(s); };
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };
  Button2->OnClick = [this](TObject* s) { Button2Click(s); };
}

void TFNewPass::FormShow(TObject*) {
  for (TLabeledEdit* field : {LabeledEdit1, LabeledEdit2, LabeledEdit3}) {
    field->PasswordChar = U'*';
    field->Text.clear();
  }
  StudentPassword = GetPassword(false);
  TeacherPassword = GetPassword(true);
}

void TFNewPass::Button1Click(TObject*) {
  const bool teacher = FMain->IsTeacher;
  if (LabeledEdit2->Text != LabeledEdit3->Text) {
    MessageDlg("Новый пароль и его подтверждение не совпадают!", TMsgDlgType::mtError, mbOK, 0);
    return;
  }
  if (LabeledEdit1->Text != (teacher ? TeacherPassword : StudentPassword)) {
    MessageDlg("Неверно указан старый пароль", TMsgDlgType::mtError, mbOK, 0);
    return;
  }
  SetPassword(LabeledEdit2->Text, teacher);
  Close();
}

void TFNewPass::Button2Click(TObject*) { Close(); }
