#pragma once
// The base of every window and control: ownership (an owner frees what it owns),
// the parent that shows a control, and the place, size and state a control has on
// screen. The model is the truth: backends only show what these members hold.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/gui/Types.h"

class TObject {
public:
  virtual ~TObject() = default;
};

class TComponent : public TObject {
public:
  explicit TComponent(TComponent* owner);
  ~TComponent() override;
  TComponent(const TComponent&) = delete;
  TComponent& operator=(const TComponent&) = delete;

  TComponent* Owner() const { return FOwner; }
  const std::vector<TComponent*>& Components() const { return FComponents; }
  // Unique for the whole run, never reused: backends key their peers by it.
  std::uint64_t Id() const { return FId; }

  std::string Name;
  int Tag = 0;

private:
  TComponent* FOwner;
  std::vector<TComponent*> FComponents;
  std::uint64_t FId;
};

class TWinControl;
class TPopupMenu;

class TControl : public TComponent {
public:
  explicit TControl(TComponent* owner);
  ~TControl() override;

  TWinControl* Parent() const { return FParent; }
  void SetParent(TWinControl* parent);
  void SetBounds(int left, int top, int width, int height);

  int Left = 0, Top = 0, Width = 0, Height = 0;
  bool Visible = true;
  bool Enabled = true;
  std::string Hint;
  bool ShowHint = false;
  TFont Font;
  TPopupMenu* PopupMenu = nullptr;

  TNotifyEvent OnClick;
  TNotifyEvent OnDblClick;
  TMouseEvent OnMouseDown;
  TMouseMoveEvent OnMouseMove;
  TMouseEvent OnMouseUp;

  // What a person does to the control. Each runs its handler through the
  // application's dispatch, so an exception is shown and the program goes on;
  // a control the person cannot reach (hidden or disabled) takes no action.
  virtual void Click();
  void DblClick();
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
  void MouseMove(TShiftState shift, int x, int y);
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y);

  // Whether the user can reach the control: it and all its parents are visible
  // and enabled.
  bool IsReachable() const;

private:
  friend class TWinControl;
  TWinControl* FParent = nullptr;
};

// A control that holds other controls.
class TWinControl : public TControl {
public:
  using TControl::TControl;
  ~TWinControl() override;
  const std::vector<TControl*>& Controls() const { return FControls; }
  // Puts the keyboard focus into this control of its window.
  void SetFocus();

private:
  friend class TControl;
  std::vector<TControl*> FControls;
};
