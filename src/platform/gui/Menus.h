#pragma once
// Menus: a main menu bar of a window, a pop-up menu of a control, and their items.
// A disabled item is grey and its short-cut does nothing; so are all the items of
// a disabled menu.
#include <string>
#include <vector>

#include "platform/gui/Component.h"

class TMenuItem : public TComponent {
public:
  using TComponent::TComponent;
  ~TMenuItem() override;

  std::string Caption;
  std::string ShortCut;  // "Ctrl+O", "F5", or empty
  bool Enabled = true;
  bool Visible = true;
  TNotifyEvent OnClick;

  TMenuItem* Parent() const { return FParent; }
  const std::vector<TMenuItem*>& Items() const { return FItems; }
  // Creates a sub-item owned by the same owner as this item.
  TMenuItem* AddItem(const std::string& caption, const std::string& shortCut = {});

  // Whether the user can choose the item: it and every menu above it is enabled.
  bool IsReachable() const;
  // The user chooses the item from its menu or by its short-cut.
  void Click();

private:
  TMenuItem* FParent = nullptr;
  std::vector<TMenuItem*> FItems;
};

// A menu's root: its items are the menus of a menu bar or the entries of a
// pop-up menu.
class TMenu : public TComponent {
public:
  explicit TMenu(TComponent* owner);
  TMenuItem* Items;
  // The reachable item whose short-cut this is, or none.
  TMenuItem* FindShortCut(const std::string& shortCut) const;
};

class TMainMenu : public TMenu {
public:
  using TMenu::TMenu;
};

class TPopupMenu : public TMenu {
public:
  using TMenu::TMenu;
};
