#pragma once
// The window "Результат работы".
#include "platform/gui/Forms.h"

class TFResConv : public TForm {
public:
  explicit TFResConv(TComponent* owner);
};

extern TFResConv* FResConv;
