#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "app/form1.h"
#include "app/routing.h"
#include "fake_platform.h"

namespace velorin {
namespace {

using namespace colours;

struct Point {
  int x, y;  // twips in the client area
};

// Points of the window over the controls, for Form_Load's state with the
// download buttons and the archive picture shown.
constexpr Point kCommand1{2000, 300};
constexpr Point kCommand2{7000, 3500};
constexpr Point kCommand6{4000, 5100};
constexpr Point kCommand12{5000, 2100};
constexpr Point kPicture3{700, 2300};
constexpr Point kFrame1Bare{7000, 1800};
constexpr Point kFrame2Bare{5000, 4760};
constexpr Point kText1{5000, 5500};
constexpr Point kLabel18{2000, 4050};
constexpr Point kBare{5000, 4880};

struct Hovered {
  Hovered() : form(platform) {
    form.Form_Load();
    for (Control* c : {&form.Command2, &form.Command4, &form.Command6, &form.Command12, &form.Picture3})
      c->set_Visible(true);
    form.Label27_Click();
  }
  void move(Point p) { form.MouseMove(control_at(form.window(), p.x, p.y)); }
  testing::FakePlatform platform;
  Form1 form;
};

struct Expectation {
  Colour command2 = LightRed, command6 = Green, command12 = LightRed, picture3 = DarkBlue;
  std::u16string help = {};
};

struct Sequence {
  const char* label;
  std::vector<Point> moves;
  Expectation expected;
};

TEST(Hover, SequencesOfMovementsEndInTheirColoursAndHelpLine) {
  const std::u16string winzip =
      u"In WinZip gepackt [COMDLG32.OCX]+[mscomctl.ocx] in den Ordner ( ?:\\WINDOWS\\SYSTEM32 ) Kopieren "
      u"[Extrahieren]!";
  const std::u16string success = u"OK Velorin-4 Systemtest erfolgreich abgeschlossen! Weiter zur Download-Seite!";
  const Sequence sequences[] = {
      {"over Command2", {kCommand2}, {.command2 = Red}},
      {"Command2, then the bare window", {kCommand2, kBare}, {}},
      {"Command2, then a control without a handler", {kCommand2, kFrame2Bare, kText1}, {.command2 = Red}},
      {"Command12, then the bare window",
       {kCommand12, kBare},
       {.command12 = Red, .picture3 = Red, .help = u"Systemtest Download Seite öffnen!"}},
      {"Command12, the bare window, then Frame1", {kCommand12, kBare, kFrame1Bare}, {.picture3 = colours::Window}},
      {"Picture3, then the bare window", {kPicture3, kBare}, {.help = winzip}},
      {"Command6", {kCommand6}, {.command6 = LightGreen, .help = success}},
      {"Command6, then the bare window", {kCommand6, kBare}, {.help = success}},
      {"Command6 again and again", {kCommand6, kCommand6, kCommand6}, {.command6 = LightGreen, .help = success}},
  };
  for (const Sequence& s : sequences) {
    SCOPED_TRACE(s.label);
    Hovered h;
    for (Point p : s.moves) h.move(p);
    EXPECT_EQ(h.form.Command2.BackColor(), s.expected.command2);
    EXPECT_EQ(h.form.Command6.BackColor(), s.expected.command6);
    EXPECT_EQ(h.form.Command12.BackColor(), s.expected.command12);
    EXPECT_EQ(h.form.Picture3.BackColor(), s.expected.picture3);
    EXPECT_EQ(h.form.Label25.Caption(), s.expected.help);
  }
}

TEST(Hover, TheBareWindowResetsEveryButtonAndHidesTheRunningPicture) {
  Hovered h;
  Form1& f = h.form;
  f.Picture1.set_Visible(true);
  for (Control* c : {&f.Command1, &f.Command2, &f.Command4, &f.Command5, &f.Command6, &f.Command8, &f.Command10})
    c->set_BackColor(Red);
  h.move(kBare);
  EXPECT_EQ(f.Command1.BackColor(), White);
  EXPECT_EQ(f.Command2.BackColor(), LightRed);
  EXPECT_EQ(f.Command4.BackColor(), LightRed);
  EXPECT_EQ(f.Command5.BackColor(), White);
  EXPECT_EQ(f.Command6.BackColor(), Green);
  EXPECT_EQ(f.Command8.BackColor(), White);
  EXPECT_EQ(f.Command10.BackColor(), White);
  EXPECT_FALSE(f.Picture1.Visible());
}

TEST(Hover, TheTestButtonRefreshesTheSearchRoot) {
  Hovered h;
  ASSERT_EQ(h.form.LabelPfad.Caption(), u"C:\\Programme");
  h.move(kCommand1);
  EXPECT_EQ(h.form.LabelPfad.Caption(), u"C:\\");
  EXPECT_EQ(h.form.Command1.BackColor(), Green);
}

TEST(Hover, TheCoveredDriveScansTurnGreenOnlyWhenUncovered) {
  Hovered h;
  h.move({300, 200});
  EXPECT_EQ(h.form.Command10.BackColor(), White);
  EXPECT_EQ(h.form.Command1.BackColor(), Green);
  h.form.Command1.set_Visible(false);
  h.move({300, 200});
  EXPECT_EQ(h.form.Command10.BackColor(), Green);
  h.move({6000, 200});
  EXPECT_EQ(h.form.Command5.BackColor(), Green);
}

TEST(Hover, StatusLabelsShowTheirRowsResultAsTooltip) {
  Hovered h;
  EXPECT_EQ(h.form.Label18.ToolTipText(), u"");
  h.move(kLabel18);
  EXPECT_EQ(h.form.Label18.ToolTipText(), u"Suche  Velorin-4.exe Datei !");
  h.form.Command1_Click();
  h.move(kLabel18);
  EXPECT_EQ(h.form.Label18.ToolTipText(), u"velorin-4 wurde gefunden in:   ");
  h.form.Label15_MouseMove();
  EXPECT_EQ(h.form.Label15.ToolTipText(), u"activex -steuerelement [comdlg32.ocx] !");
}

TEST(Hover, HelpTextsOfTheMarksAndTheirReset) {
  Hovered h;
  Form1& f = h.form;
  const std::pair<std::function<void()>, std::u16string> steps[] = {
      {[&] { f.Label1_MouseMove(); }, u"windows\\system32\\ öffnen !"},
      {[&] { f.LabelWin_MouseMove(); }, u""},
      {[&] { f.Label2_MouseMove(); }, u"windows\\system32\\ öffnen !"},
      {[&] { f.Label14_MouseMove(); }, u""},
      {[&] { f.Label5_MouseMove(); }, u"windows\\system32\\ öffnen [comdlg32.ocx]-Einfügen !"},
      {[&] { f.Label6_MouseMove(); }, u"windows\\system32\\ öffnen [mscomctl.ocx]-Einfügen"},
  };
  for (const auto& [move, help] : steps) {
    move();
    EXPECT_EQ(f.Label25.Caption(), help);
  }
}

TEST(Hover, MarksAreReachedThroughTheStacking) {
  Hovered h;
  h.form.Label5.set_Visible(true);
  h.move({500, 1000});  // row 1 of Frame1
  EXPECT_EQ(h.form.Label25.Caption(), u"windows\\system32\\ öffnen [comdlg32.ocx]-Einfügen !");
  h.form.Label1.set_Visible(true);
  h.move({500, 1000});
  EXPECT_EQ(h.form.Label25.Caption(), u"windows\\system32\\ öffnen !") << "Label1 lies above Label5";
}

TEST(Hover, NothingAnswersOnceTheWindowIsGone) {
  Hovered h;
  h.form.Command8_Click();
  h.move(kCommand2);
  h.form.Picture1.set_Visible(true);
  h.move(kBare);
  EXPECT_EQ(h.form.Command2.BackColor(), LightRed);
  EXPECT_TRUE(h.form.Picture1.Visible());
}

}  // namespace
}  // namespace velorin
