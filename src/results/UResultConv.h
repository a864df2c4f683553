#pragma once
// The window "Результат работы": the report of an operation, X, Y and the
// result as codes and in decimal, filled by the result window before it shows
// this one modally.
#include "platform/gui/Forms.h"

class TFResConv : public TForm {
public:
  explicit TFResConv(TComponent* owner);

  // Layout.
  TMemo* Memo1;
  TButton* Button1;

  // Handlers.
  // The window is hidden (by "Выход" or its close box): the report goes.
  void FormHide(TObject* Sender);
  // "Выход".
  void Button1Click(TObject* Sender);
};

extern TFResConv* FResConv;
