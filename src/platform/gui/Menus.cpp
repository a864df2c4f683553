#include "platform/gui/Menus.h"

#include <algorithm>

#include "platform/gui/Application.h"

TMenuItem::~TMenuItem() {
  if (FParent) {
    auto& siblings = FParent->FItems;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  for (TMenuItem* item : FItems) item->FParent = nullptr;
}

TMenuItem* TMenuItem::AddItem(const std::string& caption, const std::string& shortCut) {
  auto* item = new TMenuItem(Owner());
  item->Caption = caption;
  item->ShortCut = shortCut;
  item->FParent = this;
  FItems.push_back(item);
  return item;
}

bool TMenuItem::IsReachable() const {
  for (const TMenuItem* item = this; item; item = item->FParent)
    if (!item->Enabled || !item->Visible) return false;
  return true;
}

void TMenuItem::Click() {
  if (!IsReachable()) return;
  Application->Dispatch([this] { if (OnClick) OnClick(this); });
}

TMenu::TMenu(TComponent* owner) : TComponent(owner), Items(new TMenuItem(owner)) {}

namespace {
TMenuItem* FindIn(const TMenuItem* item, const std::string& shortCut) {
  for (TMenuItem* child : item->Items()) {
    if (!child->Enabled || !child->Visible) continue;
    if (child->ShortCut == shortCut) return child;
    if (TMenuItem* found = FindIn(child, shortCut)) return found;
  }
  return nullptr;
}
}  // namespace

TMenuItem* TMenu::FindShortCut(const std::string& shortCut) const {
  if (shortCut.empty()) return nullptr;
  return FindIn(Items, shortCut);
}
