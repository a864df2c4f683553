#include "platform/gui/Component.h"

#include <algorithm>

#include "platform/gui/Application.h"
#include "platform/gui/Form.h"

namespace {
std::uint64_t NextComponentId = 1;

template <typename T>
void Erase(std::vector<T*>& list, T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

TComponent::TComponent(TComponent* owner) : FOwner(owner), FId(NextComponentId++) {
  if (FOwner) FOwner->FComponents.push_back(this);
}

TComponent::~TComponent() {
  // Free the owned components last first; each removes itself from this list.
  while (!FComponents.empty()) delete FComponents.back();
  if (FOwner) Erase(FOwner->FComponents, this);
}

TControl::TControl(TComponent* owner) : TComponent(owner) {}

TControl::~TControl() { SetParent(nullptr); }

TWinControl::~TWinControl() {
  for (TWinControl* window = Parent(); window; window = window->Parent())
    if (auto* form = dynamic_cast<TForm*>(window)) form->ForgetFocus(this);
  for (TControl* child : FControls) child->FParent = nullptr;
}

void TWinControl::SetFocus() {
  TWinControl* window = this;
  while (window->Parent()) window = window->Parent();
  if (auto* form = dynamic_cast<TForm*>(window)) form->FocusOn(this);
}

void TControl::SetParent(TWinControl* parent) {
  if (parent == FParent) return;
  if (FParent) Erase(FParent->FControls, this);
  FParent = parent;
  if (FParent) FParent->FControls.push_back(this);
}

void TControl::SetBounds(int left, int top, int width, int height) {
  Left = left;
  Top = top;
  Width = width;
  Height = height;
}

bool TControl::IsReachable() const {
  for (const TControl* c = this; c; c = c->Parent())
    if (!c->Visible || !c->Enabled) return false;
  return true;
}

void TControl::Click() {
  if (!IsReachable()) return;
  Application->Dispatch([this] { if (OnClick) OnClick(this); });
}

void TControl::DblClick() {
  if (!IsReachable()) return;
  Application->Dispatch([this] { if (OnDblClick) OnDblClick(this); });
}

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!IsReachable()) return;
  Application->Dispatch([=, this] { if (OnMouseDown) OnMouseDown(this, button, shift, x, y); });
}

void TControl::MouseMove(TShiftState shift, int x, int y) {
  if (!IsReachable()) return;
  Application->Dispatch([=, this] { if (OnMouseMove) OnMouseMove(this, shift, x, y); });
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (!IsReachable()) return;
  Application->Dispatch([=, this] { if (OnMouseUp) OnMouseUp(this, button, shift, x, y); });
}
