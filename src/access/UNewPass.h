#pragma once
// The window "Новый пароль": changes the password of the role the user is signed
// in with at the press of "Применить".
#include <string>

#include "platform/gui/Forms.h"

class TFNewPass : public TForm {
public:
  explicit TFNewPass(TComponent* owner);

  TLabeledEdit* LabeledEdit1;  // the old password
  TLabeledEdit* LabeledEdit2;  // the new password
  TButton* Button1;
  TButton* Button2;
  TLabeledEdit* LabeledEdit3;  // the new password again

  void FormShow(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);

private:
  // The current passwords as they were when the window was shown.
  std::string StudentPassword;
  std::string TeacherPassword;
};

extern TFNewPass* FNewPass;
