#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "app/routing.h"
#include "fake_platform.h"

namespace velorin {
namespace {

std::string at(Form1& form, int x, int y) {
  const Control* c = control_at(form.window(), x, y);
  return c ? c->name() : "Form1";
}

std::vector<std::string> names(const std::vector<Control*>& controls) {
  std::vector<std::string> out;
  for (const Control* c : controls) out.push_back(c->name());
  return out;
}

TEST(Stacking, TheTestButtonCoversTheDriveScansUntilItIsHidden) {
  testing::FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  EXPECT_EQ(at(form, 300, 200), "Command1");
  EXPECT_EQ(at(form, 6000, 200), "Command1");
  form.Command1.set_Visible(false);
  EXPECT_EQ(at(form, 300, 200), "Command10");
  EXPECT_EQ(at(form, 5294, 200), "Command10");
  EXPECT_EQ(at(form, 5295, 200), "Form1") << "the gap between the two scan buttons";
  EXPECT_EQ(at(form, 6000, 200), "Command5");
}

TEST(Stacking, ThePictureLiesOnTheTestButtonWhileShown) {
  testing::FakePlatform platform;
  Form1 form(platform);
  EXPECT_EQ(at(form, 7500, 300), "Picture1");
  form.Picture1.set_Visible(false);
  EXPECT_EQ(at(form, 7500, 300), "Command1");
}

TEST(Stacking, OfTwoMarksInOneRectangleTheVisibleOneIsHit) {
  testing::FakePlatform platform;
  Form1 form(platform);
  // Row 1 of Frame1: Label1 and Label5 at (240, 240) in the frame, which lies at (120, 600).
  EXPECT_EQ(at(form, 500, 900), "Label1");
  form.Label1.set_Visible(false);
  EXPECT_EQ(at(form, 500, 900), "Label5");
  form.Label5.set_Visible(false);
  EXPECT_EQ(at(form, 500, 900), "Frame1");
  form.Label1.set_Visible(true);
  EXPECT_EQ(at(form, 500, 900), "Label1");
}

TEST(Stacking, FramesAndLabelsAtTellingPoints) {
  testing::FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  const std::pair<std::pair<int, int>, std::string> cases[] = {
      {{5000, 2700}, "Label25"},    // the help line above Frame2
      {{5000, 3050}, "Frame2"},     // the help line's lower part, covered by Frame2
      {{5000, 650}, "Frame1"},      // Label14 on the frame's edge is hidden after start
      {{2000, 1750}, "LabelWin"},
      {{700, 2000}, "LabelPfad"},   // Command12 above it is hidden
      {{5000, 4850}, "Form1"},      // between Frame2 and the bottom row
      {{200, 5100}, "Label27"},
      {{9000, 5000}, "Command8"},
      {{5000, 5000}, "Form1"},      // where the hidden success button would be
      {{7000, 3500}, "Frame2"},     // where the hidden download button would be
  };
  for (const auto& [point, name] : cases) EXPECT_EQ(at(form, point.first, point.second), name);

  form.Label14.set_Visible(true);
  form.Command12.set_Visible(true);
  form.Command2.set_Visible(true);
  EXPECT_EQ(at(form, 5000, 650), "Label14");
  EXPECT_EQ(at(form, 1300, 2000), "Command12") << "a label lies beneath a button";
  EXPECT_EQ(at(form, 7000, 3500), "Command2");
}

TEST(TabOrder, AfterStartOnXp) {
  testing::FakePlatform platform;
  platform.set_version(2, 5, 1, 2600, "");
  Form1 form(platform);
  form.Form_Load();
  const std::vector<std::string> expected = {"Command1", "Command10", "Command5", "Command8", "Text1",     "Text2",
                                             "Text3",    "Text4",     "Text5",    "Text6",    "Option1(0)"};
  EXPECT_EQ(names(tab_order(form.window())), expected);
  EXPECT_EQ(first_focus(form.window()), &form.Command1);
}

TEST(TabOrder, AfterStartOnWindows98) {
  testing::FakePlatform platform;
  platform.set_version(1, 4, 10, 0, "");
  Form1 form(platform);
  form.Form_Load();
  const std::vector<std::string> expected = {"Command10", "Command5", "Command8", "Text1",     "Text2",
                                             "Text3",     "Text4",    "Text5",    "Text6",     "Option1(1)"};
  EXPECT_EQ(names(tab_order(form.window())), expected);
  EXPECT_EQ(first_focus(form.window()), &form.Command10);
}

TEST(TabOrder, ShownControlsJoinAtTheirPlacesAndParkedButtonsNever) {
  testing::FakePlatform platform;
  Form1 form(platform);
  const std::vector<std::string> expected = {
      "Command1", "Command10", "Command5", "Command8", "Command6",   "Command2", "Command4", "Text1",
      "Text2",    "Text3",     "Text4",    "Text5",    "Text6",      "Picture1", "Option1(0)",
      "Picture3", "Command12"};
  EXPECT_EQ(names(tab_order(form.window())), expected);
}

TEST(TabOrder, TabAndShiftTabWrapAround) {
  testing::FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  Window& w = form.window();
  EXPECT_EQ(next_focus(w, &form.Command1, Direction::Forward), &form.Command10);
  EXPECT_EQ(next_focus(w, &form.Command8, Direction::Forward), &form.Text1);
  EXPECT_EQ(next_focus(w, &form.Option1[0], Direction::Forward), &form.Command1);
  EXPECT_EQ(next_focus(w, &form.Command1, Direction::Backward), &form.Option1[0]);
  EXPECT_EQ(next_focus(w, &form.Label27, Direction::Forward), &form.Command1) << "from outside the order";
}

TEST(OptionButtons, ArrowsStepThroughTheArrayAndWrapAround) {
  testing::FakePlatform platform;
  Form1 form(platform);
  Window& w = form.window();
  EXPECT_EQ(next_option(w, form.Option1[0], Direction::Forward), &form.Option1[1]);
  EXPECT_EQ(next_option(w, form.Option1[1], Direction::Forward), &form.Option1[0]);
  EXPECT_EQ(next_option(w, form.Option1[0], Direction::Backward), &form.Option1[1]);
  EXPECT_EQ(next_option(w, form.Option1[1], Direction::Backward), &form.Option1[0]);
}

TEST(Clicks, APressAndAReleaseOverTheSameControlClickIt) {
  testing::FakePlatform platform;
  Form1 form(platform);
  Control& label = form.Label22;
  Control& other = form.Label23;
  struct Case {
    const char* what;
    std::vector<std::pair<bool, Control*>> steps;  // pressed (true) or released over a control
    Control* clicked;                                // by the last release
  };
  const Case cases[] = {
      {"press and release over one control", {{true, &label}, {false, &label}}, &label},
      {"released over another control", {{true, &label}, {false, &other}}, nullptr},
      {"over the bare window", {{true, nullptr}, {false, nullptr}}, nullptr},
      {"a release with no press", {{false, &label}}, nullptr},
      {"a release after a press elsewhere ended it", {{true, &label}, {false, &other}, {false, &label}}, nullptr},
      {"a second release after a click", {{true, &label}, {false, &label}, {false, &label}}, nullptr},
      {"the latest press counts", {{true, &other}, {true, &label}, {false, &label}}, &label},
  };
  for (const Case& c : cases) {
    ClickPairing clicks;
    Control* clicked = nullptr;
    for (const auto& [pressed, target] : c.steps) {
      if (pressed) clicks.press(target);
      else clicked = clicks.release(target);
    }
    EXPECT_EQ(clicked, c.clicked) << c.what;
  }
}

TEST(AccessKeys, FindTheShownButtonThatCarriesTheLetter) {
  testing::FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  Window& w = form.window();
  EXPECT_EQ(access_key_target(w, u'a'), &form.Command8);
  EXPECT_EQ(access_key_target(w, u'A'), &form.Command8);
  EXPECT_EQ(access_key_target(w, u's'), &form.Command1) << "Command12 is hidden";
  EXPECT_EQ(access_key_target(w, u'w'), nullptr) << "Command6 is hidden";
  EXPECT_EQ(access_key_target(w, u'x'), nullptr);
  form.Command6.set_Visible(true);
  EXPECT_EQ(access_key_target(w, u'W'), &form.Command6);
  form.Command12.set_Visible(true);
  EXPECT_EQ(access_key_target(w, u'S'), &form.Command1) << "both shown: the first in tab order";
  form.Command1.set_Visible(false);
  EXPECT_EQ(access_key_target(w, u'S'), &form.Command12);
  EXPECT_EQ(access_key_target(w, u'C'), nullptr) << "the parked buttons have none";
}

}  // namespace
}  // namespace velorin
