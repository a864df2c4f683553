#include "access/UPass.h"

#include "mainwin/UMain.h"

TFPassw* FPassw = nullptr;

TFPassw::TFPassw(TComponent* owner) : TForm(owner) {
  Name = "FPassw";
  Caption = "Защита от несанкционированного доступа";
  ClientWidth = 349;
  ClientHeight = 109;
  Button1 = new TButton(this);
  Button1->SetParent(this);
  Button1->SetBounds(137, 42, 75, 25);
  Button1->Caption = "Войти";
  Button1->OnClick = [this](TObject* s) { Button1Click(s); };
}

void TFPassw::Button1Click(TObject*) {
  FMain->Show();
  Hide();
}
