#include "mainwin/UAssign.h"

TFAssign* FAssign = nullptr;

TFAssign::TFAssign(TComponent* owner) : TForm(owner) {
  Name = "FAssign";
  Caption = "Нзначение вывода";
  ClientWidth = 311;
  ClientHeight = 84;
}
