#include "qt/QtRun.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>
#include <random>

#include "mainwin/ProgramStart.h"
#include "platform/gui/Forms.h"

namespace {
QtBackend* TheScreen = nullptr;
}  // namespace

QtBackend& Screen() { return *TheScreen; }
void SetScreen(QtBackend* backend) { TheScreen = backend; }

QtRun::QtRun() {
  std::random_device random;
  folder = std::filesystem::temp_directory_path() /
           ("opbench-qt-test-" + std::to_string(random()) + std::to_string(random()));
  std::filesystem::create_directories(folder);
  StartRun(Screen(), (folder / "opbench").string());
}

QtRun::~QtRun() {
  EndRun();
  Screen().Sync();
  ProcessEvents();
  // The windows of this run go now, not in some later test's event loop.
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  std::error_code ec;
  std::filesystem::remove_all(folder, ec);
}

TForm* QtRun::NewForm(int clientWidth, int clientHeight) {
  auto* form = new TForm(Application);
  form->Caption = "Test";
  form->ClientWidth = clientWidth;
  form->ClientHeight = clientHeight;
  return form;
}

void ProcessEvents() {
  for (int i = 0; i < 5; ++i) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }
}

void ClickWidget(QWidget* widget, QPoint at) {
  if (at == QPoint(-1, -1)) at = widget->rect().center();
  const QPointF local(at), global(widget->mapToGlobal(at));
  QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &press);
  QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &release);
}

void PressKey(QWidget* widget, int key, const QString& text, Qt::KeyboardModifiers modifiers) {
  QKeyEvent press(QEvent::KeyPress, key, modifiers, text);
  QApplication::sendEvent(widget, &press);
  QKeyEvent release(QEvent::KeyRelease, key, modifiers, text);
  QApplication::sendEvent(widget, &release);
}
