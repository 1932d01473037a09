#include <gtest/gtest.h>

#include <QAccessible>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolTip>
#include <memory>

#include "app/form1.h"
#include "drive_trees.h"
#include "fake_platform.h"
#include "platform/qt/main_window.h"
#include "started.h"

namespace velorin::qt {
namespace {

// Runs the event loop until the program ends, or gives up after a while.
bool ends_after(const std::function<void()>& action) {
  QTimer::singleShot(0, action);
  QTimer::singleShot(5000, [] { QCoreApplication::exit(99); });
  return QCoreApplication::exec() == 0;
}

TEST(MainWindow, IsAFixedWindowWithTitleAndCloseBoxOnly) {
  Started s;
  EXPECT_EQ(s.window->windowTitle(), QStringLiteral("System-Test Velorin-4 Online !"));
  EXPECT_EQ(s.window->size(), QSize(698, 358));
  EXPECT_EQ(s.window->minimumSize(), QSize(698, 358));
  EXPECT_EQ(s.window->maximumSize(), QSize(698, 358));
  const Qt::WindowFlags flags = s.window->windowFlags();
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(s.window->windowIcon().isNull());
}

TEST(MainWindow, EveryControlIsAWidgetInItsPlaceShowingTheLoadedState) {
  Started s;
  for (const Control& c : s.form.window().controls()) {
    QWidget* w = s.widget(c.name().c_str());
    ASSERT_NE(w, nullptr) << c.name();
    EXPECT_EQ(w->isVisibleTo(s.window.get()), c.Visible()) << c.name();
  }
  EXPECT_EQ(s.widget("Command1")->geometry(), QRect(16, 8, 673, 25));
  EXPECT_EQ(s.widget("Label1")->parentWidget()->objectName(), QStringLiteral("Frame1"));
  EXPECT_EQ(s.widget("Label1")->geometry(), QRect(16, 16, 49, 25));
  EXPECT_EQ(s.widget<QPushButton>("Command8")->text(), QStringLiteral("&Abbrechen"));
  EXPECT_EQ(s.widget<QLabel>("LabelWin")->text(), QStringLiteral("Aktuelles Betriebssystem: Windows XP"));
  EXPECT_EQ(s.widget("Picture3")->toolTip().size(), 108);
  EXPECT_GT(s.widget("Text1")->geometry().top(), 358 - 1) << "the result boxes start below the client area";
}

TEST(MainWindow, DrawsTheCatalogueColours) {
  Started s;
  s.form.Label1.set_Visible(true);
  const QImage image = s.window->grab().toImage();
  const auto at = [&](int x_twips, int y_twips) { return image.pixelColor(x_twips / 15, y_twips / 15); };
  EXPECT_EQ(at(60, 2000), QColor(0, 0, 192)) << "the bare window";
  EXPECT_EQ(at(5000, 3800), QColor(0, 0, 192)) << "inside Frame2";
  EXPECT_EQ(at(2000, 300), QColor(255, 255, 255)) << "Command1";
  EXPECT_EQ(at(1000, 850), QColor(0, 192, 0)) << "Label1, shown by the model";
  EXPECT_EQ(at(9200, 5000), QColor(255, 255, 255)) << "Command8";
}

// A graphical button is raised: light above and to the left, dark below and
// to the right, its own colour between.
TEST(MainWindow, GraphicalButtonsHaveARaisedEdge) {
  Started s;
  for (const char* name : {"Command2", "Command12"}) {
    s.form.window().control(name).set_Visible(true);
    const QRect r = s.widget(name)->geometry();
    const QImage image = s.widget(name)->grab().toImage();
    const int face = qGray(255, 128, 128);
    EXPECT_EQ(image.pixelColor(4, r.height() / 2), QColor(255, 128, 128)) << name;
    EXPECT_GT(qGray(image.pixel(0, 0)), face + 40) << name;
    EXPECT_GT(qGray(image.pixel(r.width() / 2, 0)), face + 40) << name;
    EXPECT_LT(qGray(image.pixel(r.width() - 1, r.height() - 1)), face - 40) << name;
    EXPECT_LT(qGray(image.pixel(r.width() / 2, r.height() - 1)), face - 40) << name;
    EXPECT_LT(qGray(image.pixel(r.width() - 1, r.height() / 2)), face - 40) << name;
  }
}

TEST(MainWindow, PictureBoxesShowTheirPictures) {
  Started s;
  EXPECT_EQ(s.widget<QLabel>("Picture1")->pixmap().size(), QSize(24, 14));
  EXPECT_EQ(s.widget<QLabel>("Picture3")->pixmap().size(), QSize(28, 36));
  EXPECT_EQ(s.window->windowIcon().pixmap(32, 32).size(), QSize(32, 32));
}

TEST(MainWindow, PointersAreTheHandAndTheResizeArrows) {
  Started s;
  const QCursor hand = s.widget("Command1")->cursor();
  EXPECT_EQ(hand.shape(), Qt::BitmapCursor);
  EXPECT_EQ(hand.hotSpot(), QPoint(5, 0));
  EXPECT_EQ(hand.bitmap().size(), QSize(32, 32));
  EXPECT_EQ(s.widget("Label27")->cursor().shape(), Qt::SizeVerCursor);
  EXPECT_EQ(s.widget("Command10")->cursor().shape(), Qt::ArrowCursor);
}

TEST(MainWindow, CaptionsTextsAndTooltipsReachTheAccessibilityLayer) {
  Started s;
  const auto text = [&](const char* name, QAccessible::Text kind) {
    return QAccessible::queryAccessibleInterface(s.widget(name))->text(kind);
  };
  EXPECT_EQ(text("Command8", QAccessible::Name), QStringLiteral("Abbrechen"));
  EXPECT_EQ(text("Frame2", QAccessible::Name), QStringLiteral(" Programm suche:"));
  EXPECT_EQ(text("Command2", QAccessible::Description), QStringLiteral("Logox4 WebSpeech Installieren"));
  EXPECT_EQ(text("Text1", QAccessible::Value), QStringLiteral("Suche  comdlg32.ocx  Datei !"));
  s.form.Label18.set_Caption(u" Velorin-4 Programm wurde gefunden !");
  EXPECT_EQ(text("Label18", QAccessible::Name), QStringLiteral(" Velorin-4 Programm wurde gefunden !"));
  EXPECT_TRUE(QAccessible::queryAccessibleInterface(s.widget("Label5"))->state().invisible);
}

TEST(MainWindow, PathLabelGrowsTheClientAreaToTheResultBoxesOnce) {
  Started s;
  QWidget* label = s.widget("Label27");
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(s.window->height(), 483);  // 7245 twips
  QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_EQ(s.window->height(), 483);
  EXPECT_EQ(s.window->width(), 698);
  EXPECT_LE(s.widget("Text5")->geometry().bottom(), 483);
  EXPECT_GT(s.widget("Command3")->geometry().top(), 483);
}

TEST(MainWindow, FirstFocusOnTheTestButtonStripsTheSearchRoot) {
  Started s;
  if (!s.active()) GTEST_SKIP() << "this platform does not activate windows";
  EXPECT_EQ(QApplication::focusWidget(), s.widget("Command1"));
  EXPECT_EQ(s.widget<QLabel>("LabelPfad")->text(), QStringLiteral("C:\\"));
}

TEST(MainWindow, OnWindows98TheFirstFocusIsTheDriveScanAndTheRootStays) {
  Started s(true);
  if (!s.active()) GTEST_SKIP() << "this platform does not activate windows";
  EXPECT_FALSE(s.widget("Command1")->isVisible());
  EXPECT_EQ(QApplication::focusWidget(), s.widget("Command10"));
  EXPECT_EQ(s.widget<QLabel>("LabelPfad")->text(), QStringLiteral("C:\\Programme"));
}

TEST(MainWindow, TabFollowsTheTabIndex) {
  Started s;
  if (!s.active()) GTEST_SKIP() << "this platform does not activate windows";
  const char* expected[] = {"Command10", "Command5", "Command8", "Text1", "Text2", "Text3",
                            "Text4",     "Text5",    "Text6",    "Option1(0)", "Command1"};
  for (const char* name : expected) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), s.widget(name)) << name;
  }
}

TEST(MainWindow, TypingReachesTheModelAndKeepsTheCaret) {
  Started s;
  auto* edit = s.widget<QLineEdit>("Text6");
  QTest::keyClicks(edit, "abc");
  edit->setCursorPosition(1);
  QTest::keyClicks(edit, "X");
  EXPECT_EQ(s.form.Text6.Text(), u"aXbc");
  EXPECT_EQ(edit->cursorPosition(), 2);
  EXPECT_EQ(s.form.Text6.SelStart(), 2);
  s.form.Text6.set_Text(u"\\windows\\system32\\");
  EXPECT_EQ(edit->text(), QStringLiteral("\\windows\\system32\\"));
}

TEST(MainWindow, TypingACapitalIntoAResultBoxShowsItSmallWithTheCaretAtTheEnd) {
  Started s;
  s.form.Label27_Click();
  auto* edit = s.widget<QLineEdit>("Text2");
  edit->setCursorPosition(0);
  QTest::keyClick(edit, Qt::Key_X, Qt::ShiftModifier);
  EXPECT_EQ(edit->text(), QStringLiteral("xsuche  mscomctl.ocx datei !"));
  EXPECT_EQ(edit->cursorPosition(), edit->text().size());
  EXPECT_EQ(s.form.Text2.Text(), u"xsuche  mscomctl.ocx datei !");
}

// Whatever the edit, the caret ends after the last character, also where the
// new text is exactly as long as the caret's old position.
TEST(MainWindow, EveryEditOfAResultBoxEndsWithTheCaretAtTheEnd) {
  Started s;
  s.form.Label27_Click();
  auto* edit = s.widget<QLineEdit>("Text5");
  s.form.Text5.set_Text(u"c:\\programme\\internet explorer\\iexplore.exe");
  edit->setCursorPosition(static_cast<int>(edit->text().size()) - 1);
  QTest::keyClick(edit, Qt::Key_Backspace);
  EXPECT_EQ(edit->cursorPosition(), edit->text().size());
  edit->setCursorPosition(static_cast<int>(edit->text().size()) - 1);
  QTest::keyClick(edit, Qt::Key_Q);
  EXPECT_EQ(edit->text(), QStringLiteral("c:\\programme\\internet explorer\\iexplore.eqe"));
  EXPECT_EQ(edit->cursorPosition(), edit->text().size());
}

// As in a Windows option group: Up and Left the previous button, Down and
// Right the next, round and round; the system folder follows.
TEST(MainWindow, ArrowKeysMoveTheOptionSelection) {
  Started s;
  if (!s.active()) GTEST_SKIP() << "keys need an active window";
  s.widget("Option1(0)")->setFocus(Qt::TabFocusReason);
  const struct {
    Qt::Key key;
    int selected;
    const char* folder;
  } steps[] = {{Qt::Key_Right, 1, "../windows/system"}, {Qt::Key_Down, 0, "\\windows\\system32\\"},
               {Qt::Key_Left, 1, "../windows/system"},  {Qt::Key_Up, 0, "\\windows\\system32\\"}};
  for (const auto& step : steps) {
    QTest::keyClick(QApplication::focusWidget(), step.key);
    EXPECT_TRUE(s.form.Option1[step.selected].Value()) << step.key;
    EXPECT_EQ(QApplication::focusWidget(), s.widget(step.selected ? "Option1(1)" : "Option1(0)"));
    s.form.SetSystemFolderPath();
    EXPECT_EQ(s.form.Text6.Text(), QString::fromLatin1(step.folder).toStdU16String()) << step.key;
  }
}

// Alt+S with the test button and the OCX download button both shown clicks
// the first in tab order, as the Windows program does.
TEST(MainWindow, AnAccessKeyTwoButtonsShareClicksTheFirstInTabOrder) {
  Started s;
  if (!s.active()) GTEST_SKIP() << "access keys need an active window";
  s.form.Command12.set_Visible(true);
  s.form.Label1.set_Visible(true);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::AltModifier);
  EXPECT_TRUE(s.platform.opened.empty()) << "Command12 opens a page; Command1 runs the test";
  EXPECT_FALSE(s.form.Label1.Visible()) << "the test hides the marks before it searches";
}

TEST(MainWindow, TooltipsUseTheWindowFont) {
  Started s;
  EXPECT_EQ(QToolTip::font().family(), s.window->font().family());
  EXPECT_EQ(QToolTip::font().pointSizeF(), s.window->font().pointSizeF());
}

TEST(MainWindow, ClickingTheTestButtonShowsTheVerdictOnScreen) {
  testing::DriveTrees drives;
  drives.c.file("WINDOWS/System32/COMDLG32.OCX");
  drives.c.file("Programme/Internet Explorer/IEXPLORE.EXE");
  Form1 form(drives.platform);
  MainWindow window(form);
  form.Form_Load();
  window.start();
  form.LabelPfad_Click();  // as the first focus does
  const auto shown = [&](const char* name) { return window.findChild<QWidget*>(QString::fromLatin1(name))->isVisible(); };
  QTest::mouseClick(window.findChild<QWidget*>(QStringLiteral("Command1")), Qt::LeftButton);
  EXPECT_TRUE(shown("Label1")) << "comdlg32.ocx found";
  EXPECT_TRUE(shown("Label6")) << "mscomctl.ocx missing";
  EXPECT_TRUE(shown("Label7"));
  EXPECT_TRUE(shown("Label8"));
  EXPECT_TRUE(shown("Label9"));
  EXPECT_TRUE(shown("Command12"));
  EXPECT_TRUE(shown("Picture3"));
  EXPECT_FALSE(shown("Command6"));
  EXPECT_FALSE(shown("Label20"));
  EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("Label16"))->text(),
            QStringLiteral(" ActiveX -Steuerelement [mscomctl.ocx] wurde nicht gefunden !"));
  const QImage image = window.grab().toImage();
  EXPECT_EQ(image.pixelColor(1000 / 15, 1000 / 15), QColor(0, 192, 0)) << "the green mark of row 1";
  EXPECT_EQ(image.pixelColor(1000 / 15, 1450 / 15), QColor(255, 0, 0)) << "the red mark of row 2";
}

// A left click where the user would put the pointer, a point of the window in twips.
void click_at(QWidget* window, int x, int y) {
  const QPoint at(x / 15, y / 15);
  QWidget* target = window->childAt(at);
  if (!target) target = window;
  QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(window, at));
}

TEST(MainWindow, EachVisibleControlOfAVerdictOpensItsTarget) {
  Started s;
  s.form.Label27_Click();
  s.form.Click(s.form.Command1);  // nothing is found: every missing mark and download is shown
  const std::string product(VELORIN_PRODUCT_SITE), speech(VELORIN_SPEECH_SITE);
  const std::pair<const char*, std::string> clicks[] = {
      {"Command12", product + "/ocx/systemtest.htm"},
      {"Command2", speech + "/download.php"},
      {"Picture3", product + "/ocx/Ocx.zip"},
      {"Label26", product + "/ocx/systemtest.htm"},
      {"Label5", "\\windows\\system32\\"},
      {"Label6", "\\windows\\system32\\"},
      {"Label7", "C:\\Programme\\Internet Explorer\\IEXPLORE.EXE"},
  };
  for (const auto& [name, target] : clicks) {
    s.platform.opened.clear();
    QWidget* w = s.widget(name);
    ASSERT_TRUE(w->isVisible()) << name;
    QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(s.platform.opened.size(), 1u) << name;
    EXPECT_EQ(s.platform.opened[0].file, target) << name;
  }
  s.platform.opened.clear();
  click_at(s.window.get(), 7000, 1800);  // a bare part of Frame1
  ASSERT_EQ(s.platform.opened.size(), 1u);
  EXPECT_EQ(s.platform.opened[0].file, "/Programme/Gemeinsame Dateien/WebSpeech.4.0/LgxIEBar.dll/help.htm");
  QTest::mouseClick(s.widget("Label8"), Qt::LeftButton, {}, QPoint(3, 3));
  EXPECT_EQ(s.platform.started.at(0).program, "C:\\Tools\\Start.exe");
}

TEST(MainWindow, ThePresentMarksOpenTheirTargets) {
  Started s;
  const char16_t* found[] = {u"c:\\comdlg32.ocx", u"c:\\mscomctl.ocx", u"c:\\lgxiebar.dll", u"c:\\velorin-4.exe",
                             u"c:\\iexplore.exe"};
  Control* boxes[] = {&s.form.Text1, &s.form.Text2, &s.form.Text3, &s.form.Text4, &s.form.Text5};
  for (int i = 0; i < 5; ++i) boxes[i]->set_Text(found[i]);
  s.form.Command3_Click();
  const std::pair<const char*, std::string> clicks[] = {
      {"Label1", "\\windows\\system32\\"},
      {"Label2", "\\windows\\system32\\"},
      {"Label3", "res://LgxIEBar.dll/help.htm"},
      {"Label4", ""},  // the fake finds no velorin-4.exe on C:
      {"Label9", "IEXPLORE.EXE"},
  };
  for (const auto& [name, target] : clicks) {
    s.platform.opened.clear();
    QTest::mouseClick(s.widget(name), Qt::LeftButton, {}, QPoint(3, 3));
    ASSERT_EQ(s.platform.opened.size(), 1u) << name;
    EXPECT_EQ(s.platform.opened[0].file, target) << name;
  }
}

TEST(MainWindow, TheSuccessButtonOpensThePageAndEndsTheProgram) {
  Started s;
  s.form.Command6.set_Visible(true);
  EXPECT_TRUE(ends_after([&] { QTest::mouseClick(s.widget("Command6"), Qt::LeftButton); }));
  ASSERT_EQ(s.platform.opened.size(), 1u);
  EXPECT_EQ(s.platform.opened[0].file, std::string(VELORIN_PRODUCT_SITE) + "/downloadZ.htm");
}

TEST(MainWindow, AltAEndsTheProgram) {
  Started s;
  if (!s.active()) GTEST_SKIP() << "access keys need an active window";
  EXPECT_TRUE(ends_after([&] { QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::AltModifier); }));
  EXPECT_TRUE(s.form.unloaded());
  EXPECT_FALSE(s.window->isVisible());
}

TEST(MainWindow, TheCancelButtonEndsTheProgram) {
  Started s;
  s.form.Label27_Click();
  EXPECT_TRUE(ends_after([&] { QTest::mouseClick(s.widget("Command8"), Qt::LeftButton); }));
  EXPECT_TRUE(s.form.unloaded());
}

TEST(MainWindow, TheCloseBoxEndsTheProgram) {
  Started s;
  EXPECT_TRUE(ends_after([&] { s.window->close(); }));
  EXPECT_TRUE(s.form.unloaded());
}

}  // namespace
}  // namespace velorin::qt
