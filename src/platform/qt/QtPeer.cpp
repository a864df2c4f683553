#include "platform/qt/QtPeer.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QVariant>

#include "platform/qt/QtText.h"

namespace {

const char* const PeerIdProperty = "opbenchPeerId";
const char* const GraphicControlProperty = "opbenchGraphicControl";

TMouseButton ToMouseButton(Qt::MouseButton button) {
  if (button == Qt::RightButton) return TMouseButton::mbRight;
  if (button == Qt::MiddleButton) return TMouseButton::mbMiddle;
  return TMouseButton::mbLeft;
}

}  // namespace

QtPeer::QtPeer(QtPeerContext& context, std::uint64_t id) : FContext(context), FId(id) {}

QtPeer::~QtPeer() {
  // Later, not now: the widget may be the one whose event led to this sync.
  if (FWidget) {
    FWidget->hide();
    FWidget->deleteLater();
  }
}

void QtPeer::SetWidget(QWidget* widget) {
  FWidget = widget;
  // A control handles its own mouse events: the window under it never sees them.
  widget->setAttribute(Qt::WA_NoMousePropagation);
  Watch(widget);
}

void QtPeer::Watch(QWidget* widget) {
  widget->setProperty(PeerIdProperty, QVariant::fromValue<qulonglong>(FId));
  widget->installEventFilter(FContext.EventFilter());
}

std::uint64_t PeerIdOf(const QObject* object) {
  return object->property(PeerIdProperty).toULongLong();
}

void PutInContainer(QWidget& widget, QWidget* container, bool graphicControl) {
  widget.setProperty(GraphicControlProperty, graphicControl);
  // Qt stacks a widget given a parent above its siblings.
  widget.setParent(container);
  // A windowed control owns its whole rectangle: nothing beneath it shows through,
  // not even at the rounded corners of its frame.
  widget.setAutoFillBackground(!graphicControl);
  if (!graphicControl || !container) return;
  // Siblings are listed from the bottom up, the graphic controls first.
  for (QObject* child : container->children()) {
    auto* sibling = qobject_cast<QWidget*>(child);
    const bool windowed = sibling && sibling != &widget && !sibling->isWindow() &&
                          !sibling->property(GraphicControlProperty).toBool();
    if (windowed) {
      widget.stackUnder(sibling);
      return;
    }
  }
}

QRect QtPeer::PlaceOf(const TControl& control) const {
  return QRect(control.Left, control.Top, control.Width, control.Height);
}

void QtPeer::Sync(TControl& control, QWidget* container) {
  QWidget* widget = FWidget;
  if (widget->parentWidget() != container) PutInContainer(*widget, container, IsGraphicControl());
  const QRect place = PlaceOf(control);
  if (widget->geometry() != place) widget->setGeometry(place);
  if (widget->testAttribute(Qt::WA_ForceDisabled) == control.Enabled) widget->setEnabled(control.Enabled);
  SyncFont(control.Font);
  const QString tip = control.ShowHint ? ToQt(control.Hint) : QString();
  if (widget->toolTip() != tip) widget->setToolTip(tip);
  const bool track = static_cast<bool>(control.OnMouseMove);
  if (MouseWidget()->hasMouseTracking() != track) MouseWidget()->setMouseTracking(track);
  SyncContent(control);
  if (widget->isHidden() == control.Visible) widget->setVisible(control.Visible);
}

void QtPeer::SyncFont(const TFont& font) {
  if (FFontSet && SameFont(FFont, font)) return;
  FFont = font;
  FFontSet = true;
  FWidget->setFont(ShownFont(font));
  SetFontColour(*FWidget, font.Color);
}

QFont QtPeer::ShownFont(const TFont& font) const { return ModelFont(font); }

void SetFontColour(QWidget& widget, TColor color) {
  QPalette palette = widget.palette();
  const QColor shown = ToQColor(color);
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
      palette.setColor(group, role, shown);
  widget.setPalette(palette);
}

bool QtPeer::Filter(QObject* watched, QEvent* event) {
  if (watched != MouseWidget()) return false;
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseMove:
      return FilterMouse(static_cast<QMouseEvent*>(event));
    case QEvent::ContextMenu: {
      // Only the model's pop-up menu is offered, never Qt's own edit menu.
      const QPoint at = static_cast<QContextMenuEvent*>(event)->globalPos();
      Post<TControl>([this, at](TControl& c) {
        if (c.PopupMenu) FContext.ShowPopup(*c.PopupMenu, at);
      });
      return true;
    }
    default:
      return false;
  }
}

bool QtPeer::FilterMouse(QMouseEvent* event) {
  const QPoint at = MouseWidget()->mapTo(FWidget, event->position().toPoint());
  const int x = at.x(), y = at.y();
  const TShiftState shift = ToShiftState(event->modifiers(), event->buttons());
  const TMouseButton button = ToMouseButton(event->button());
  switch (event->type()) {
    case QEvent::MouseButtonPress:
      Post<TControl>([=](TControl& c) { c.MouseDown(button, shift, x, y); });
      break;
    case QEvent::MouseButtonDblClick:
      Post<TControl>([=](TControl& c) {
        if (button == TMouseButton::mbLeft) c.DblClick();
        c.MouseDown(button, shift, x, y);
      });
      break;
    case QEvent::MouseMove:
      Post<TControl>([=](TControl& c) { c.MouseMove(shift, x, y); });
      break;
    case QEvent::MouseButtonRelease: {
      const bool click = ClicksOnRelease() && button == TMouseButton::mbLeft && FWidget->rect().contains(at);
      Post<TControl>([=](TControl& c) {
        if (click) c.Click();
        c.MouseUp(button, shift, x, y);
      });
      break;
    }
    default:
      break;
  }
  return false;
}
