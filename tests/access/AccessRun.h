#pragma once
// A fresh run of the program for the access tests: the password file in the
// program's folder, a new start of the program, and the user's steps in the
// three password windows.
#include <string>

#include "access/UAut.h"
#include "access/UNewPass.h"
#include "access/UPass.h"
#include "mainwin/ProgramStart.h"
#include "mainwin/UMain.h"
#include "support/ProgramRun.h"

// Every byte replaced by its complement: the password file's stored form.
inline std::string Complemented(std::string bytes) {
  for (char& c : bytes) c = static_cast<char>(~static_cast<unsigned char>(c));
  return bytes;
}

class AccessRun : public ProgramRun {
protected:
  std::string PasswordFilePath() const { return (folder / "Data.psw").string(); }
  std::string PasswordFileBytes() const { return ReadBytes(folder / "Data.psw"); }
  // A password file holding these lines (code page 1251 bytes) in stored form.
  void WritePasswords(const std::string& student, const std::string& teacher) const {
    WriteFile("Data.psw", Complemented(student) + "\r\n" + Complemented(teacher) + "\r\n");
  }
  // What the program says of a password file it cannot read, for this reason.
  std::string CannotRead(const std::string& reason) const {
    return "Файл паролей \"" + PasswordFilePath() + "\" не удаётся прочитать: " + reason + ".";
  }
  // Ends this run and starts the program again from the same folder.
  void Restart() {
    backend.Boxes.clear();
    StartRun(backend, (folder / "opbench").string());
  }

  // The start-up window as the message loop shows it, with a password typed and "Ок" pressed.
  void SignIn(const std::string& password) {
    FPassw->Show();
    FPassw->LabeledEdit1->TypeText(password);
    FPassw->Button1->Click();
  }
  // "Ок" in the start-up window already shown, with the field's text replaced.
  void PressOkWith(const std::string& password) {
    FPassw->LabeledEdit1->EditText(password);
    FPassw->Button1->Click();
  }
  // "Принять" in the authorisation window, shown from the main window's menu.
  void Authorise(const std::string& password, int answer) {
    FMain->N18->Click();
    FAut->LabeledEdit1->TypeText(password);
    backend.AnswerNextBox(answer);
    FAut->Button1->Click();
  }
  // "Применить" in the change-of-password window, shown as the main window's menu
  // does (a window already open keeps its texts).
  void ChangePassword(const std::string& old, const std::string& fresh, const std::string& confirmation) {
    FMain->N20Click(nullptr);
    FNewPass->LabeledEdit1->TypeText(old);
    FNewPass->LabeledEdit2->TypeText(fresh);
    FNewPass->LabeledEdit3->TypeText(confirmation);
    FNewPass->Button1->Click();
  }
};
