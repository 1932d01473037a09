#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QTest>

#include "started.h"

namespace velorin::qt {
namespace {

QColor rendered(QWidget* w) { return w->grab().toImage().pixelColor(w->width() / 2, 3); }

// Moves the pointer to a point of the window, in twips, as the mouse would.
void move_to(Started& s, int x, int y) { QTest::mouseMove(s.window.get(), QPoint(x / 15, y / 15)); }

TEST(HoverQt, AButtonChangesColourUnderThePointerAndBackOverTheBareWindow) {
  Started s;
  s.form.Command2.set_Visible(true);
  QWidget* button = s.widget("Command2");
  EXPECT_EQ(rendered(button), QColor(255, 128, 128));
  move_to(s, 7000, 3500);
  EXPECT_EQ(s.form.Command2.BackColor(), colours::Red);
  EXPECT_EQ(rendered(button), QColor(255, 0, 0));
  move_to(s, 5000, 4880);
  EXPECT_EQ(rendered(button), QColor(255, 128, 128));
}

TEST(HoverQt, TheHelpLineAndTheStatusTooltipsFollowThePointer) {
  Started s;
  s.form.Command6.set_Visible(true);
  move_to(s, 4000, 5100);
  EXPECT_EQ(s.widget<QLabel>("Label25")->text(),
            QStringLiteral("OK Velorin-4 Systemtest erfolgreich abgeschlossen! Weiter zur Download-Seite!"));
  move_to(s, 2000, 4050);
  EXPECT_EQ(s.widget("Label18")->toolTip(), QStringLiteral("Suche  Velorin-4.exe Datei !"));
  s.form.Text4.set_Text(u"Velorin-4 wurde gefunden in:   C:\\X\\VELORIN-4.EXE");
  move_to(s, 2100, 4050);
  EXPECT_EQ(s.widget("Label18")->toolTip(), QStringLiteral("velorin-4 wurde gefunden in:   c:\\x\\velorin-4.exe"));
}

// A system colour is the application's, whatever colour the widget held.
TEST(HoverQt, ThePictureTakesTheWindowColourAgainOverTheFrame) {
  Started s;
  for (Control* c : {&s.form.Command12, &s.form.Picture3}) c->set_Visible(true);
  QWidget* picture = s.widget("Picture3");
  const auto ground = [&] { return picture->grab().toImage().pixelColor(picture->width() - 2, picture->height() - 2); };
  move_to(s, 5000, 600 + 1500);  // Command12
  EXPECT_EQ(ground(), QColor(255, 0, 0));
  move_to(s, 5000, 600 + 1000);  // the bare frame
  EXPECT_EQ(s.form.Command12.BackColor(), colours::LightRed);
  EXPECT_EQ(ground(), QApplication::palette().color(QPalette::Base));
}

// The focus, moved by Tab, is the thin focus rectangle: the button keeps
// its own colour inside it.
TEST(HoverQt, AFocusedButtonKeepsItsColour) {
  Started s;
  if (!s.active()) GTEST_SKIP() << "focus needs an active window";
  const auto inside = [](QWidget* w) { return w->grab().toImage().pixelColor(8, w->height() / 2); };
  for (int i = 0; i < 3; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
  ASSERT_EQ(QApplication::focusWidget(), s.widget("Command8"));
  EXPECT_EQ(inside(s.widget("Command8")), QColor(255, 255, 255));
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  for (int i = 0; i < 2; ++i) QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab, Qt::ShiftModifier);
  ASSERT_EQ(QApplication::focusWidget(), s.widget("Command1"));
  move_to(s, 300, 200);
  EXPECT_EQ(inside(s.widget("Command1")), QColor(0, 255, 0));
}

TEST(HoverQt, AMovementOverTheCoveredScanButtonGoesToTheTestButton) {
  Started s;
  move_to(s, 300, 200);
  EXPECT_EQ(s.form.Command1.BackColor(), colours::Green);
  EXPECT_EQ(s.form.Command10.BackColor(), colours::White);
}

}  // namespace
}  // namespace velorin::qt
