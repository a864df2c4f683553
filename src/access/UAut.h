#pragma once
// The window "Авторизация пользователя", through which a user signed in as student
// takes the teacher's role; it holds the password store of the run.
#include <string>

#include "access/PasswordStore.h"
#include "platform/gui/Forms.h"

class TFAut : public TForm {
public:
  explicit TFAut(TComponent* owner);

  TLabeledEdit* LabeledEdit1;
  TButton* Button1;
  TButton* Button2;

  // The passwords of both roles, created with the window at start-up.
  PasswordStore Passwords;

  void FormCreate(TObject* Sender);
  void FormShow(TObject* Sender);
  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
};

extern TFAut* FAut;

// The current password of the teacher's role (true) or the student's (false); raises
// while no password is in force (see PasswordStore::GetPassword).
const std::string& GetPassword(bool teacher);
// Makes `text` the role's password, in the password file and in force at once (see
// PasswordStore::SetPassword).
void SetPassword(const std::string& text, bool teacher);
