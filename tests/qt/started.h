#pragma once
// One started window over a fake platform, as the program builds it.

#include <QTest>
#include <QWidget>
#include <memory>

#include "app/form1.h"
#include "fake_platform.h"
#include "platform/qt/main_window.h"

namespace velorin::qt {

struct Started {
  explicit Started(bool windows98 = false) {
    if (windows98) platform.set_version(1, 4, 10, 0, "");
    else platform.set_version(2, 5, 1, 2600, "");
    window = std::make_unique<MainWindow>(form);
    form.Form_Load();
    window->start();
  }
  template <class W = QWidget>
  W* widget(const char* name) const {
    return window->findChild<W*>(QString::fromLatin1(name));
  }
  bool active() { return QTest::qWaitForWindowActive(window.get()); }

  testing::FakePlatform platform;
  Form1 form{platform};
  std::unique_ptr<MainWindow> window;
};

}  // namespace velorin::qt
