#pragma once
// The window "Защита от несанкционированного доступа": the program's main window,
// shown first; it opens the main window.
#include "platform/gui/Forms.h"

class TFPassw : public TForm {
public:
  explicit TFPassw(TComponent* owner);
  TButton* Button1;
  void Button1Click(TObject* Sender);
};

extern TFPassw* FPassw;
