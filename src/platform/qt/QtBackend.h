#pragma once
// The Qt 6 Widgets backend: shows the control model as real windows. It owns the
// QApplication. Every sync brings all widgets in line with the model, creating the
// widget of a control met for the first time and removing the widget of a control
// that is gone; widget events go back to the model's user-action methods, queued
// behind Qt's own event handling.
#include <QPointer>
#include <cstdint>
#include <memory>
#include <unordered_map>
#include <vector>

#include "platform/gui/Backend.h"
#include "platform/qt/QtPeer.h"

class QAction;
class QApplication;
class QEventLoop;
class QMenu;
class QTranslator;
class QtFormPeer;
class QtMenuPeer;
class TMenuItem;
class TWinControl;

class QtBackend : public Backend, private QtPeerContext {
public:
  QtBackend(int& argc, char** argv);
  ~QtBackend() override;

  int ShowMessageBox(const MessageBoxRequest& request) override;
  bool ExecuteOpenDialog(TOpenDialog& dialog) override;
  void RunModal(TForm& form) override;
  void RunMessageLoop() override;
  void Quit() override;
  void Sync() override;
  std::string ClipboardText() override;
  void SetClipboardText(const std::string& text) override;
  void OpenHelp(const HelpRequest& request) override;
  void ShellExecute(const ShellRequest& request) override;

  // What shows a component on screen, or none: a control's widget, a form's
  // window, a menu item's action.
  QWidget* WidgetOf(const TComponent& control) const;
  QWidget* WindowOf(const TForm& form) const;
  QAction* ActionOf(const TMenuItem& item) const;
  // The window a box belongs to: the modal window on top, else the window
  // activated last that is still shown.
  QWidget* BoxOwner() const;

  // Passes an event of a watched widget to the peer that watches it.
  bool RouteEvent(QObject* watched, QEvent* event);

private:
  struct ModalRun {
    TForm* Form;
    QEventLoop* Loop;
  };

  void Post(std::uint64_t id, std::function<void(TComponent&)> action) override;
  void Apply(std::uint64_t id, const std::function<void(TComponent&)>& action) override;
  QObject* EventFilter() override;
  void ShowPopup(TPopupMenu& menu, const QPoint& globalPos) override;
  void WindowActivated(QWidget* window) override;

  void SyncForm(TForm& form);
  void SyncChildren(const TWinControl& parent, QWidget* container);
  // The peer of a control, created when the control is met for the first time;
  // none for a kind of control that has no widget.
  QtPeer* PeerFor(TControl& control);
  QtPeer* FindPeer(std::uint64_t id) const;
  void RemovePeers(const std::function<bool(const QtPeer&)>& gone);
  void EndFinishedModalRuns();

  std::unique_ptr<QApplication> FApplication;
  std::unique_ptr<QTranslator> FTranslator;
  std::unique_ptr<QObject> FEventFilter;
  std::unordered_map<std::uint64_t, std::unique_ptr<QtPeer>> FPeers;
  std::unique_ptr<QtMenuPeer> FPopupItems;
  QPointer<QMenu> FPopup;
  std::vector<ModalRun> FModalRuns;
  // The forms' windows in the order they became active, the latest last. The
  // window manager confirms an activation the program asks for some time later:
  // until then Qt still names the window active before.
  std::vector<QPointer<QWidget>> FActivationOrder;
  unsigned FPass = 0;
  bool FSyncing = false;
};
