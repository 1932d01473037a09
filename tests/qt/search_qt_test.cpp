#include <dlfcn.h>
#include <gtest/gtest.h>
#include <pthread.h>

#include <QApplication>
#include <QContextMenuEvent>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <thread>

#include "started.h"

namespace velorin::qt {
namespace {

using namespace std::chrono_literals;

// While set, the system gives no thread (see pthread_create below).
std::atomic<bool> threads_refused{false};

// The fake's searches, on the binding's threads: each reads directories of
// a millisecond until it is told to stop; the next may first hang, as a
// read of a dead share does, whatever stop says, until it is released.
// Every run, and so every search, has ended before the platform goes.
struct Searches final {
  explicit Searches(testing::FakePlatform& platform) : platform(platform) {
    platform.tree = [this](const std::string&, const std::string&) -> std::optional<std::string> {
      SearchProgress& progress = *this->platform.progress;
      if (hang_next.exchange(false)) {
        for (hanging = true; !released;) std::this_thread::sleep_for(1ms);
        hanging = false;
      }
      for (int d = 0; d < directories && !progress.stop; ++d) {
        std::this_thread::sleep_for(1ms);
        ++progress.directories;
      }
      return std::nullopt;
    };
  }
  ~Searches() {
    released = true;
    while (platform.live_runs > 0) std::this_thread::sleep_for(1ms);
  }
  testing::FakePlatform& platform;
  std::atomic<int> directories{100000};
  std::atomic<bool> hang_next{false}, hanging{false}, released{false};
};

// When the widget was last painted, on the test's clock.
struct PaintWatch final : QObject {
  explicit PaintWatch(QWidget* w) { w->installEventFilter(this); }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) painted = clock.elapsed();
    return false;
  }
  QElapsedTimer clock;
  qint64 painted = -1;
};

TEST(SearchWindow, DuringASearchTheWindowPaintsWaitsAndIgnoresClicksAndEscCancels) {
  Started s;
  s.form.Label27_Click();
  const Window::Snapshot before = s.form.window().snapshot();
  Searches searches(s.platform);
  PaintWatch watch(s.widget("Label17"));
  watch.clock.start();
  qint64 requested = 0, painted = -1;
  bool waiting = false, menu = false;
  QString progress;
  QTimer::singleShot(400, [&] {
    waiting = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    requested = watch.clock.elapsed();
    s.widget("Label17")->update();
    QTimer::singleShot(100, [&] { painted = watch.painted; });
    QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);  // runs nothing twice
    QTest::mouseClick(s.widget("Label27"), Qt::LeftButton);
    QTest::mouseMove(s.widget("Command1"), QPoint(30, 5));   // no hover colour
    QContextMenuEvent right(QContextMenuEvent::Mouse, QPoint(5, 5), s.widget("Text1")->mapToGlobal(QPoint(5, 5)));
    QCoreApplication::sendEvent(s.widget("Text1"), &right);  // no menu of the result box
    if (QWidget* popup = QApplication::activePopupWidget()) menu = popup->close();
  });
  QTimer::singleShot(900, [&] {
    progress = s.widget<QLabel>("Label25")->text();
    QTest::keyClick(s.widget("Command1"), Qt::Key_Escape);
  });
  QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);  // returns when the search has ended
  EXPECT_TRUE(waiting) << "the wait pointer over the window";
  EXPECT_FALSE(menu) << "a context menu opened";
  EXPECT_GE(painted, requested) << "painted within 100 ms of the request";
  EXPECT_TRUE(progress.startsWith(QStringLiteral("Suche läuft ... "))) << progress.toStdString();
  EXPECT_EQ(s.widget<QLabel>("Label25")->text(), QStringLiteral("Suche abgebrochen."));
  EXPECT_EQ(QApplication::overrideCursor(), nullptr) << "the window's own pointers again";
  EXPECT_EQ(s.platform.searches.size(), 1u);
  s.form.Label25.set_Caption(u"");
  EXPECT_EQ(s.form.window().snapshot(), before);
}

TEST(SearchWindow, AbbrechenCancelsTheSearchAndTheCloseBoxThenEndsTheProgram) {
  Started s;
  s.form.Label27_Click();
  Searches searches(s.platform);
  QTimer::singleShot(400, [&] { QTest::mouseClick(s.widget("Command8"), Qt::LeftButton); });
  QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);
  EXPECT_FALSE(s.form.unloaded());
  EXPECT_EQ(s.widget<QLabel>("Label25")->text(), QStringLiteral("Suche abgebrochen."));
  bool closed_while_searching = false;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(400, [&] {
      s.window->close();
      closed_while_searching = s.form.searching();
    });
    QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);
  });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(closed_while_searching);
  EXPECT_TRUE(s.form.unloaded());
  EXPECT_FALSE(s.window->isVisible());
}

// A read that hangs (a dead share, a scratched CD): Esc puts the window
// back at once, a new search runs to its end meanwhile, and the close box
// ends the program, all while the read still hangs.
TEST(SearchWindow, NeitherACancelNorTheCloseBoxWaitsForAReadThatHangs) {
  Started s;
  s.form.Label27_Click();
  const Window::Snapshot before = s.form.window().snapshot();
  Searches searches(s.platform);
  searches.hang_next = true;
  QTimer::singleShot(300, [&] { QTest::keyClick(s.widget("Command1"), Qt::Key_Escape); });
  QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);
  EXPECT_TRUE(searches.hanging);
  EXPECT_EQ(s.widget<QLabel>("Label25")->text(), QStringLiteral("Suche abgebrochen."));
  s.form.Label25.set_Caption(u"");
  EXPECT_EQ(s.form.window().snapshot(), before);

  searches.directories = 0;
  QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);
  EXPECT_TRUE(searches.hanging);
  EXPECT_TRUE(s.widget("Label10")->isVisible()) << "the new run's verdict: comdlg32.ocx missing";

  searches.directories = 100000;
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(300, [&] { s.window->close(); });
    QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);
  });
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  EXPECT_EQ(QCoreApplication::exec(), 0);
  EXPECT_TRUE(s.form.unloaded());
  EXPECT_TRUE(searches.hanging);
}

// Where the system gives no thread, the search holds the window; what the
// user typed and clicked meanwhile is dropped once it ends, as during any
// search.
TEST(SearchWindow, WithoutAThreadTheInputMadeDuringTheSearchIsDropped) {
  const Window::Snapshot searched = [] {
    Started plain;
    QTest::mouseClick(plain.widget("Command1"), Qt::LeftButton);
    return plain.form.window().snapshot();
  }();
  Started s;
  s.platform.tree = [&](const std::string&, const std::string&) -> std::optional<std::string> {
    QWidget* text1 = s.widget("Text1");
    QCoreApplication::postEvent(text1, new QKeyEvent(QEvent::KeyPress, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    QCoreApplication::postEvent(text1, new QKeyEvent(QEvent::KeyRelease, Qt::Key_X, Qt::NoModifier, QStringLiteral("x")));
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
      const QPointF at(5, 5);
      QCoreApplication::postEvent(s.widget("Label27"), new QMouseEvent(type, at, s.widget("Label27")->mapToGlobal(at),
                                                                        Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
    }
    return std::nullopt;
  };
  threads_refused = true;
  QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);
  threads_refused = false;
  QCoreApplication::processEvents();
  EXPECT_EQ(s.platform.searches.size(), 5u);
  EXPECT_EQ(s.form.window().snapshot(), searched);
}

}  // namespace
}  // namespace velorin::qt

// The system's thread creation, as the program reaches it through the C++
// library, refused while a test says so.
extern "C" int pthread_create(pthread_t* thread, const pthread_attr_t* attributes, void* (*start)(void*),
                              void* argument) {
  using Create = int (*)(pthread_t*, const pthread_attr_t*, void* (*)(void*), void*);
  static const auto real = reinterpret_cast<Create>(dlsym(RTLD_NEXT, "pthread_create"));
  if (velorin::qt::threads_refused) return EAGAIN;
  return real(thread, attributes, start, argument);
}
