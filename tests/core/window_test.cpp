#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

struct Recorder final : WindowObserver {
  std::vector<std::pair<std::string, Property>> changes;
  void property_changed(const Control* control, Property property) override {
    changes.emplace_back(control ? control->name() : "Form1", property);
  }
};

TEST(TextBox, ADifferentTextRunsTheChangeHandlerBeforeTheWriteReturns) {
  testing::FakePlatform platform;
  Form1 form(platform);
  std::vector<std::u16string> seen;
  form.Text1.Change = [&] { seen.push_back(form.Text1.Text()); };
  form.Text1.set_Text(u"Datei wurde gefunden in:    C:\\X");
  ASSERT_EQ(seen.size(), 1u);
  EXPECT_EQ(seen[0], u"Datei wurde gefunden in:    C:\\X");
  form.Text1.set_Text(u"Datei wurde gefunden in:    C:\\X");
  EXPECT_EQ(seen.size(), 1u) << "an equal text raises no change";
}

TEST(TextBox, AChangeHandlerThatWritesItsBoxRunsNestedAndSettles) {
  testing::FakePlatform platform;
  Form1 form(platform);
  int runs = 0;
  form.Text2.Change = [&] {
    ++runs;
    form.Text2.set_Text(platform.lower_case(form.Text2.Text()));
  };
  form.Text2.set_Text(u"C:\\WINDOWS");
  EXPECT_EQ(form.Text2.Text(), u"c:\\windows");
  EXPECT_EQ(runs, 2);
}

TEST(Observer, IsToldOfEveryChangeAndOfNothingElse) {
  testing::FakePlatform platform;
  Form1 form(platform);
  Recorder recorder;
  form.window().set_observer(&recorder);
  form.Command2.set_BackColor(colours::Red);
  form.Command2.set_BackColor(colours::Red);
  form.Label25.set_Caption(u"Systemtest Download Seite öffnen!");
  form.Label15.set_ToolTipText(u"x");
  form.Picture1.set_Visible(false);
  form.Text3.set_SelStart(4);
  form.Text3.set_SelStart(4);  // the user may have moved the caret since
  form.window().set_Height(7620);
  form.window().set_Height(7620);
  const std::vector<std::pair<std::string, Property>> expected = {
      {"Command2", Property::BackColor}, {"Label25", Property::Caption}, {"Label15", Property::ToolTipText},
      {"Picture1", Property::Visible},   {"Text3", Property::SelStart}, {"Text3", Property::SelStart},
      {"Form1", Property::Height},
  };
  EXPECT_EQ(recorder.changes, expected);
}

TEST(OptionButtons, SelectingOneClearsTheOther) {
  testing::FakePlatform platform;
  Form1 form(platform);
  Recorder recorder;
  form.window().set_observer(&recorder);
  EXPECT_TRUE(form.Option1[0].Value());
  EXPECT_FALSE(form.Option1[1].Value());
  form.Option1[1].set_Value(true);
  EXPECT_FALSE(form.Option1[0].Value());
  EXPECT_TRUE(form.Option1[1].Value());
  const std::vector<std::pair<std::string, Property>> expected = {{"Option1(0)", Property::Value},
                                                                   {"Option1(1)", Property::Value}};
  EXPECT_EQ(recorder.changes, expected);
  EXPECT_EQ(form.Option1.LBound(), 0);
  EXPECT_EQ(form.Option1.UBound(), 1);
}

}  // namespace
}  // namespace velorin
