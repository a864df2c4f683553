#pragma once
// The window "Нзначение вывода".
#include "platform/gui/Forms.h"

class TFAssign : public TForm {
public:
  explicit TFAssign(TComponent* owner);
};

extern TFAssign* FAssign;
