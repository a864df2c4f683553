// The Qt-backend tests share one backend, which owns the one QApplication a
// process may have. They run offscreen unless told otherwise.
#include <gtest/gtest.h>

#include <QByteArray>
#include <QtGlobal>

#include "qt/QtRun.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  ::testing::InitGoogleTest(&argc, argv);
  QtBackend backend(argc, argv);
  SetScreen(&backend);
  const int result = RUN_ALL_TESTS();
  SetScreen(nullptr);
  return result;
}
