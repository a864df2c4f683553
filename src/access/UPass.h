#pragma once
// The window "Защита от несанкционированного доступа": the program's main window,
// shown first. The student's or the teacher's password opens the main window with
// that role; closing this window before that ends the program.
#include "platform/gui/Forms.h"

class TFPassw : public TForm {
public:
  explicit TFPassw(TComponent* owner);

  TLabeledEdit* LabeledEdit1;
  TButton* Button1;
  TButton* Button2;

  void Button1Click(TObject* Sender);
  void Button2Click(TObject* Sender);
};

extern TFPassw* FPassw;
