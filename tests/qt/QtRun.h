#pragma once
// A fresh run of the program on the Qt backend (offscreen), for one test: the ten
// windows created in their order, the program's own folder a new temporary folder.
// One backend, and with it one QApplication, serves the whole test run.
#include <gtest/gtest.h>

#include <QPoint>
#include <filesystem>

#include "platform/qt/QtBackend.h"

class QWidget;

// The backend of the test run, made by the test program's main.
QtBackend& Screen();
void SetScreen(QtBackend* backend);

class QtRun : public ::testing::Test {
protected:
  QtRun();
  ~QtRun() override;

  // A window of the test's own, owned by the application, with the given client size.
  TForm* NewForm(int clientWidth = 200, int clientHeight = 100);

  std::filesystem::path folder;
};

// Lets Qt run what is queued: the user actions posted to the model among them.
void ProcessEvents();
// The user presses and releases the left mouse button over a widget.
void ClickWidget(QWidget* widget, QPoint at = QPoint(-1, -1));
// The user types a key into a widget; `text` is what the key writes.
void PressKey(QWidget* widget, int key, const QString& text = {}, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
