#pragma once
// The window "Анализ минимизации канонических уравнений УА".
#include "platform/gui/Forms.h"

class TFMinimize : public TForm {
public:
  explicit TFMinimize(TComponent* owner);
};

extern TFMinimize* FMinimize;
