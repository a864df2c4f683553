#include "results/UFreslook.h"

TFResLook* FResLook = nullptr;

TFResLook::TFResLook(TComponent* owner) : TForm(owner) {
  Name = "FResLook";
  Caption = "Просмотр файла результатов";
  ClientWidth = 623;
  ClientHeight = 300;
}
