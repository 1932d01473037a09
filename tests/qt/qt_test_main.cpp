// GoogleTest with a QApplication around it, on the offscreen platform unless
// the environment chooses another.

#include <gtest/gtest.h>

#include <QApplication>

#include "platform/qt/main_window.h"

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  velorin::qt::install_look();
  return RUN_ALL_TESTS();
}
