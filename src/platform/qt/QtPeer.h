#pragma once
// A peer: the Qt widget that shows one model control. The model is the truth:
// Sync brings the widget in line with it and changes only what differs, and the
// widget's user events go back to the model's user-action methods, queued, so no
// handler runs inside Qt's own event handling.
#include <QPointer>
#include <QWidget>
#include <cstdint>
#include <functional>

#include "platform/gui/Component.h"

class QEvent;
class QMouseEvent;
class TPopupMenu;

// What a peer needs from the backend that holds it.
class QtPeerContext {
public:
  virtual ~QtPeerContext() = default;
  // Runs `action` on the component with this id once Qt's event handling has
  // returned, if the component still exists, and then brings the screen in line.
  virtual void Post(std::uint64_t id, std::function<void(TComponent&)> action) = 0;
  // Runs `action` on the component with this id now, if it still exists: only for
  // what runs no handler, such as the cursor of an edit the user moved.
  virtual void Apply(std::uint64_t id, const std::function<void(TComponent&)>& action) = 0;
  // The event filter that passes a watched widget's events to its peer.
  virtual QObject* EventFilter() = 0;
  // Shows a pop-up menu at a point of the screen.
  virtual void ShowPopup(TPopupMenu& menu, const QPoint& globalPos) = 0;
  // A form's window has become the active one: the program has just shown it, or
  // the user has gone over to it.
  virtual void WindowActivated(QWidget* window) = 0;
};

class QtPeer {
public:
  QtPeer(QtPeerContext& context, std::uint64_t id);
  virtual ~QtPeer();
  QtPeer(const QtPeer&) = delete;
  QtPeer& operator=(const QtPeer&) = delete;

  std::uint64_t Id() const { return FId; }
  // The widget placed in the parent's container.
  QWidget* Widget() const { return FWidget; }
  // Where the widgets of child controls go.
  virtual QWidget* Container() const { return FWidget; }
  // Brings the widget in line with the control: place, state, font, then the
  // control's own content.
  virtual void Sync(TControl& control, QWidget* container);
  // An event of a watched widget; true when it is consumed.
  virtual bool Filter(QObject* watched, QEvent* event);

  // The sync pass that last saw the control.
  unsigned LastSeen = 0;

protected:
  // Takes the widget that shows the control; the peer deletes it.
  void SetWidget(QWidget* widget);
  // Passes the widget's events to this peer.
  void Watch(QWidget* widget);
  virtual void SyncContent(TControl& control) = 0;
  // The place of the widget in its container.
  virtual QRect PlaceOf(const TControl& control) const;
  // A plain click on release of the left button (labels, pictures, grids).
  virtual bool ClicksOnRelease() const { return true; }
  // The Qt font that shows the control's model font.
  virtual QFont ShownFont(const TFont& font) const;
  // The widget whose mouse events are reported, relative to Widget().
  virtual QWidget* MouseWidget() const { return FWidget; }
  // A graphic control (a label, a picture, a speed button) is painted on its
  // parent, beneath every windowed control there.
  virtual bool IsGraphicControl() const { return false; }

  // Posts an action on this peer's control, typed as the control it shows.
  template <typename Control>
  void Post(std::function<void(Control&)> action) {
    FContext.Post(FId, [action = std::move(action)](TComponent& c) {
      if (auto* control = dynamic_cast<Control*>(&c)) action(*control);
    });
  }
  QtPeerContext& FContext;

private:
  bool FilterMouse(QMouseEvent* event);
  void SyncFont(const TFont& font);

  std::uint64_t FId;
  QPointer<QWidget> FWidget;
  TFont FFont;
  bool FFontSet = false;
};

// Shows a font colour on a widget while it is enabled; a disabled widget keeps the
// grey its style draws disabled text in, as every disabled control does.
void SetFontColour(QWidget& widget, TColor color);

// Puts a widget into the container that shows its control's parent. A graphic
// control goes beneath every windowed control there, whatever their order of
// creation, and above the graphic controls put there before it; a windowed one
// hides all of its rectangle. A label never covers a field, and the part of it
// under one is hidden.
void PutInContainer(QWidget& widget, QWidget* container, bool graphicControl);

// The id of the control whose peer watches this widget, 0 for none.
std::uint64_t PeerIdOf(const QObject* object);

