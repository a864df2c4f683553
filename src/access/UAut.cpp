#include "access/UAut.h"

TFAut* FAut = nullptr;

TFAut::TFAut(TComponent* owner) : TForm(owner) {
  Name = "FAut";
  Caption = "Авторизация пользователя";
  ClientWidth = 302;
  ClientHeight = 110;
}
