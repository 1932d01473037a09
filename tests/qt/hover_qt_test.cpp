#include <gtest/gtest.h>

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

TEST(HoverQt, AMovementOverTheCoveredScanButtonGoesToTheTestButton) {
  Started s;
  move_to(s, 300, 200);
  EXPECT_EQ(s.form.Command1.BackColor(), colours::Green);
  EXPECT_EQ(s.form.Command10.BackColor(), colours::White);
}

}  // namespace
}  // namespace velorin::qt
