#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <chrono>
#include <thread>

#include "started.h"

namespace velorin::qt {
namespace {

// A search that reads directories of a millisecond each, on the binding's
// search thread, until it is told to stop.
void make_slow(testing::FakePlatform& platform) {
  platform.tree = [&platform](const std::string&, const std::string&) -> std::optional<std::string> {
    for (int d = 0; d < 100000 && !platform.progress->stop; ++d) {
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      ++platform.progress->directories;
    }
    return std::nullopt;
  };
}

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
  make_slow(s.platform);
  PaintWatch watch(s.widget("Label17"));
  watch.clock.start();
  qint64 requested = 0, painted = -1;
  bool waiting = false;
  QString progress;
  QTimer::singleShot(400, [&] {
    waiting = QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor;
    requested = watch.clock.elapsed();
    s.widget("Label17")->update();
    QTimer::singleShot(100, [&] { painted = watch.painted; });
    QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);  // runs nothing twice
    QTest::mouseClick(s.widget("Label27"), Qt::LeftButton);
    QTest::mouseMove(s.widget("Command1"), QPoint(30, 5));   // no hover colour
  });
  QTimer::singleShot(900, [&] {
    progress = s.widget<QLabel>("Label25")->text();
    QTest::keyClick(s.widget("Command1"), Qt::Key_Escape);
  });
  QTest::mouseClick(s.widget("Command1"), Qt::LeftButton);  // returns when the search has ended
  EXPECT_TRUE(waiting) << "the wait pointer over the window";
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
  make_slow(s.platform);
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

}  // namespace
}  // namespace velorin::qt
