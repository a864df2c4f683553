#include "access/UNewPass.h"

TFNewPass* FNewPass = nullptr;

TFNewPass::TFNewPass(TComponent* owner) : TForm(owner) {
  Name = "FNewPass";
  Caption = "Новый пароль";
  ClientWidth = 321;
  ClientHeight = 186;
}
