#include "platform/gui/Form.h"

#include "platform/gui/Application.h"
#include "platform/gui/Backend.h"
#include "platform/gui/Menus.h"

TForm::TForm(TComponent* owner, std::string name, std::string caption, int clientWidth, int clientHeight)
    : TWinControl(owner), Caption(std::move(caption)), ClientWidth(clientWidth), ClientHeight(clientHeight) {
  Name = std::move(name);
  Visible = false;
}

void TForm::Show() {
  if (!Visible) {
    Visible = true;
    Application->Dispatch([this] { if (OnShow) OnShow(this); });
  }
  ++FShowRequests;
  Application->GetBackend().Sync();
}

void TForm::Hide() { Visible = false; }

void TForm::FocusOn(TWinControl* control) {
  FActiveControl = control;
  ++FFocusRequests;
}

void TForm::ForgetFocus(const TWinControl* control) {
  if (FActiveControl == control) FActiveControl = nullptr;
}

int TForm::ShowModal() {
  ModalResult = mrNone;
  FModal = true;
  Visible = true;
  Application->Dispatch([this] { if (OnShow) OnShow(this); });
  Application->GetBackend().RunModal(*this);
  FModal = false;
  Visible = false;
  return ModalResult;
}

void TForm::Close() {
  TCloseAction action = TCloseAction::caHide;
  if (OnClose) OnClose(this, action);
  if (action == TCloseAction::caNone) return;
  if (FModal && ModalResult == mrNone) ModalResult = mrCancel;
  Hide();
  if (Application->MainForm == this) Application->Terminate();
}

void TForm::CloseBox() {
  if (!Visible) return;
  Application->Dispatch([this] { Close(); });
}

void TForm::PressShortCut(const std::string& shortCut) {
  if (!Visible || !Enabled || !Menu) return;
  if (TMenuItem* item = Menu->FindShortCut(shortCut)) item->Click();
}
