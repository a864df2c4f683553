#include "results/UResultConv.h"

TFResConv* FResConv = nullptr;

TFResConv::TFResConv(TComponent* owner) : TForm(owner) {
  Name = "FResConv";
  Caption = "Результат работы";
  ClientWidth = 260;
  ClientHeight = 150;
}
