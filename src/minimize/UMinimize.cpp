#include "minimize/UMinimize.h"

TFMinimize* FMinimize = nullptr;

TFMinimize::TFMinimize(TComponent* owner) : TForm(owner) {
  Name = "FMinimize";
  Caption = "Анализ минимизации канонических уравнений УА";
  ClientWidth = 523;
  ClientHeight = 299;
}
