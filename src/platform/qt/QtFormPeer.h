#pragma once
// The peer of a form: a top-level window of fixed size whose client area has the
// form's client width and height, with the form's menu bar above it. The window's
// close box asks the model (CloseBox); Qt never closes the window itself.
#include "platform/qt/QtMenus.h"
#include "platform/qt/QtPeer.h"

class QMenuBar;
class TForm;

class QtFormPeer : public QtPeer {
public:
  QtFormPeer(QtPeerContext& context, std::uint64_t id);
  QWidget* Container() const override { return FClient; }
  // Brings everything but the visibility in line, so that a window is complete
  // before it is shown: the caller syncs the controls, then SyncVisible.
  void Sync(TControl& control, QWidget* container) override;
  // Shows or hides the window as the model has it; a window the program has shown
  // comes to the front and becomes the active one.
  void SyncVisible(const TForm& form);
  bool Filter(QObject* watched, QEvent* event) override;
  const QtMenuPeer& Menus() const { return FMenus; }
  // Moves the keyboard focus where the window's model last asked for it, once per
  // request; `widget` shows the control that asked.
  void SyncFocus(const TForm& form, QWidget* widget);

protected:
  void SyncContent(TControl&) override {}
  QWidget* MouseWidget() const override { return FClient; }

private:
  void PlaceOnScreen(const TForm& form);

  QWidget* FClient;
  QMenuBar* FMenuBar;
  QtMenuPeer FMenus;
  bool FPlaced = false;
  unsigned FShowRequestsShown = 0;
  unsigned FFocusRequestsShown = 0;
};
