#include "results/UResult.h"

TFResult* FResult = nullptr;

TFResult::TFResult(TComponent* owner) : TForm(owner) {
  Name = "FResult";
  Caption = "Результат";
  ClientWidth = 592;
  ClientHeight = 386;
}

void TFResult::BitBtn2Click(TObject*) {}
