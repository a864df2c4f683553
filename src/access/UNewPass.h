#pragma once
// The window "Новый пароль".
#include "platform/gui/Forms.h"

class TFNewPass : public TForm {
public:
  explicit TFNewPass(TComponent* owner);
};

extern TFNewPass* FNewPass;
