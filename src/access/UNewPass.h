#pragma once
// The window "Новый пароль": changes the password of the role the user is signed
// in with at the press of "Применить".
#include <optional>
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
  // The current passwords as they were when the window was shown; none while no
  // password has been in force (the password file could not be read), and no
  // entry matches none.
  std::optional<std::string> StudentPassword;
  std::optional<std::string> TeacherPassword;
};

extern TFNewPass* FNewPass;
