#include "settings/SettingU.h"

TFSetting* FSetting = nullptr;

TFSetting::TFSetting(TComponent* owner) : TForm(owner) {
  Name = "FSetting";
  Caption = "Настройки автомата";
  ClientWidth = 372;
  ClientHeight = 396;
}
