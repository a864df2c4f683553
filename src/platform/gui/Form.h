#pragma once
// A window. It is created hidden, shown without blocking (Show) or modally
// (ShowModal, which returns when the window closes), and closed by the program
// (Close) or by the user's close box (CloseBox).
#include <string>

#include "platform/gui/Component.h"

class TMainMenu;

class TForm : public TWinControl {
public:
  // A window with its name, caption and client area, centred on the screen.
  explicit TForm(TComponent* owner, std::string name = {}, std::string caption = {}, int clientWidth = 0,
                 int clientHeight = 0);

  std::string Caption;
  int ClientWidth = 0, ClientHeight = 0;
  TFormPosition Position = TFormPosition::poScreenCenter;
  TMainMenu* Menu = nullptr;
  int ModalResult = mrNone;

  TNotifyEvent OnCreate;
  TNotifyEvent OnShow;
  TCloseEvent OnClose;

  bool Modal() const { return FModal; }

  // The control that last asked for the keyboard focus, and how many times any
  // control of the window has asked: each request is shown, also a repeated one.
  TWinControl* ActiveControl() const { return FActiveControl; }
  unsigned FocusRequests() const { return FFocusRequests; }
  void FocusOn(TWinControl* control);
  // A control being freed gives the focus up.
  void ForgetFocus(const TWinControl* control);

  // Shows the window without blocking; the show handler runs first. An
  // exception in it is shown and the window is shown all the same. A window
  // already shown comes to the front.
  void Show();
  // How many times the program has asked to show the window without blocking:
  // a window closed and shown again in one action still comes to the front.
  unsigned ShowRequests() const { return FShowRequests; }
  void Hide();
  // Shows the window and waits until it closes; returns its modal result.
  int ShowModal();
  // Closes the window: the close handler runs, the window is hidden, and a modal
  // run ends. Closing the application's main window ends the program.
  void Close();
  // The user presses the window's close box.
  void CloseBox();
  // The user presses a short-cut key while the window is active: the window's
  // menu item with that short-cut runs when it is reachable.
  void PressShortCut(const std::string& shortCut);

private:
  bool FModal = false;
  TWinControl* FActiveControl = nullptr;
  unsigned FFocusRequests = 0;
  unsigned FShowRequests = 0;
};

// Creates a control of the window, named and placed in its client area.
template <typename Control>
Control* PlaceControl(TForm* form, const char* name, int left, int top, int width, int height) {
  auto* control = new Control(form);
  control->Name = name;
  control->SetParent(form);
  control->SetBounds(left, top, width, height);
  return control;
}
