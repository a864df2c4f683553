#pragma once
// The window "Настройки автомата".
#include "platform/gui/Forms.h"

class TFSetting : public TForm {
public:
  explicit TFSetting(TComponent* owner);
};

extern TFSetting* FSetting;
