// The Qt-backend tests share one backend, which owns the one QApplication a
// process may have. They run offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QTemporaryDir>
#include <QtGlobal>

#include "qt/QtRun.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  // The windows speak Russian on a machine set up for another language too: the
  // tests run under the C locale, whatever the machine's.
  qputenv("LC_ALL", "C.UTF-8");
  // Qt's file dialog keeps its folder and its columns in the user's settings; the
  // tests start from none and leave the user's alone.
  const QTemporaryDir settings;
  qputenv("XDG_CONFIG_HOME", settings.path().toUtf8());
  ::testing::InitGoogleTest(&argc, argv);
  QtBackend backend(argc, argv);
  SetScreen(&backend);
  const int result = RUN_ALL_TESTS();
  SetScreen(nullptr);
  return result;
}
