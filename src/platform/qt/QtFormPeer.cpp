#include "platform/qt/QtFormPeer.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <QVBoxLayout>
#include <utility>

#include "platform/gui/Form.h"
#include "platform/gui/Menus.h"
#include "platform/qt/QtText.h"

QtFormPeer::QtFormPeer(QtPeerContext& context, std::uint64_t id)
    : QtPeer(context, id), FClient(new QWidget), FMenuBar(new QMenuBar), FMenus(context) {
  auto* window = new QWidget(nullptr, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                          Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                                          Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  auto* layout = new QVBoxLayout(window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  // The window takes exactly the size of its menu bar and client area.
  layout->setSizeConstraint(QLayout::SetFixedSize);
  layout->setMenuBar(FMenuBar);
  layout->addWidget(FClient);
  SetWidget(window);
  Watch(FClient);
}

void QtFormPeer::Sync(TControl& control, QWidget*) {
  auto& form = static_cast<TForm&>(control);
  QWidget* window = Widget();
  const QString caption = ToQt(form.Caption);
  if (window->windowTitle() != caption) window->setWindowTitle(caption);
  const QSize client(form.ClientWidth, form.ClientHeight);
  if (FClient->size() != client || FClient->minimumSize() != client) FClient->setFixedSize(client);
  if (window->testAttribute(Qt::WA_ForceDisabled) == form.Enabled) window->setEnabled(form.Enabled);
  const bool track = static_cast<bool>(form.OnMouseMove);
  if (FClient->hasMouseTracking() != track) FClient->setMouseTracking(track);
  if (form.Menu) FMenus.Sync(*form.Menu->Items, FMenuBar);
  if (FMenuBar->isHidden() == (form.Menu != nullptr)) FMenuBar->setVisible(form.Menu != nullptr);
  const Qt::WindowModality modality = form.Modal() ? Qt::ApplicationModal : Qt::NonModal;
  if (window->windowModality() != modality) {
    // Qt takes a new modality only while the window is hidden; SyncVisible shows
    // it again.
    window->hide();
    window->setWindowModality(modality);
  }
}

void QtFormPeer::SyncVisible(const TForm& form) {
  QWidget* window = Widget();
  const bool showAsked = std::exchange(FShowRequestsShown, form.ShowRequests()) != form.ShowRequests();
  if (!form.Visible) {
    if (window->isVisible()) window->hide();
    return;
  }
  if (window->isVisible() && !showAsked) return;
  if (!FPlaced) PlaceOnScreen(form);
  window->show();
  window->raise();
  window->activateWindow();
  FContext.WindowActivated(window);
}

void QtFormPeer::PlaceOnScreen(const TForm& form) {
  FPlaced = true;
  QWidget* window = Widget();
  window->adjustSize();
  if (form.Position == TFormPosition::poDesigned) {
    window->move(form.Left, form.Top);
    return;
  }
  const QScreen* screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  QRect place(QPoint(), window->size());
  place.moveCenter(screen->availableGeometry().center());
  window->move(place.topLeft());
}

bool QtFormPeer::Filter(QObject* watched, QEvent* event) {
  if (watched == Widget() && event->type() == QEvent::Close) {
    event->ignore();
    Post<TForm>([](TForm& form) { form.CloseBox(); });
    return true;
  }
  if (watched == Widget() && event->type() == QEvent::WindowActivate) FContext.WindowActivated(Widget());
  return QtPeer::Filter(watched, event);
}

void QtFormPeer::SyncFocus(const TForm& form, QWidget* widget) {
  if (form.FocusRequests() == FFocusRequestsShown) return;
  FFocusRequestsShown = form.FocusRequests();
  if (widget && widget->isVisible()) widget->setFocus(Qt::OtherFocusReason);
}
