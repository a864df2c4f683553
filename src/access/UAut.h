#pragma once
// The window "Авторизация пользователя".
#include "platform/gui/Forms.h"

class TFAut : public TForm {
public:
  explicit TFAut(TComponent* owner);
};

extern TFAut* FAut;
