#pragma once
// The window "Просмотр файла результатов".
#include "platform/gui/Forms.h"

class TFResLook : public TForm {
public:
  explicit TFResLook(TComponent* owner);
};

extern TFResLook* FResLook;
