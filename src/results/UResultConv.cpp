#include "results/UResultConv.h"

TFResConv* FResConv = nullptr;

TFResConv::TFResConv(TComponent* owner) : TForm(owner, "FResConv", "Результат работы", 260, 150) {

  Memo1 = PlaceControl<TMemo>(this, "Memo1", 0, 0, 257, 113);
  Memo1->ReadOnly = true;

  Button1 = PlaceControl<TButton>(this, "Button1", 88, 120, 83, 25);
  Button1->Caption = "Выход";
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };

  // Every way of hiding the window goes through closing it.
  OnClose = [this](TObject* s, TCloseAction&) { FormHide(s); };
}

void TFResConv::FormHide(TObject*) { Memo1->Lines.Clear(); }

void TFResConv::Button1Click(TObject*) { Close(); }
