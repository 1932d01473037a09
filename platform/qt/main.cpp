// The Linux program: the model on the POSIX platform, rendered with Qt.

#include <QApplication>

#include "app/form1.h"
#include "platform/posix/posix_platform.h"
#include "platform/qt/main_window.h"

int main(int, char** argv) {
  // The program takes no command line, so Qt is given none to read either.
  int qt_argc = 1;
  char* qt_argv[] = {argv[0], nullptr};
  QApplication app(qt_argc, qt_argv);
  velorin::qt::install_look();

  velorin::PosixPlatform platform;
  velorin::Form1 form(platform);
  velorin::qt::MainWindow window(form);
  form.Form_Load();
  window.start();
  return QApplication::exec();
}
