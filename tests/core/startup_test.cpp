#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

using testing::FakePlatform;
using testing::Outcome;

std::set<std::string> hidden(const Form1& form) {
  std::set<std::string> names;
  for (const Control& c : form.window().controls())
    if (!c.Visible()) names.insert(c.name());
  return names;
}

const std::set<std::string> kHiddenByLoad = {
    "Label1",  "Label2",  "Label3",   "Label4",   "Label5",   "Label6",    "Label7",
    "Label8",  "Label9",  "Label10",  "Label14",  "Label20",  "Label26",   "Command2",
    "Command4", "Command6", "Command12", "Picture1", "Picture3",
};

TEST(FormLoad, HidesExactlyTheNineteenResultDownloadAndPictureControls) {
  FakePlatform platform;
  platform.set_version(2, 5, 1, 2600, "Service Pack 2");
  Form1 form(platform);
  for (const Control& c : form.window().controls()) EXPECT_TRUE(c.Visible()) << c.name();
  form.Form_Load();
  EXPECT_EQ(kHiddenByLoad.size(), 19u);
  EXPECT_EQ(hidden(form), kHiddenByLoad);
  EXPECT_EQ(form.LabelPfad.Caption(), u"C:\\Programme") << "stripped only by the first focus";
  EXPECT_EQ(form.LabelWin.Caption(), u"Aktuelles Betriebssystem: Windows XP");
}

TEST(FormLoad, OnWindows98AlsoHidesTheTestButton) {
  FakePlatform platform;
  platform.set_version(1, 4, 10, 2222, "A");
  Form1 form(platform);
  form.Form_Load();
  std::set<std::string> expected = kHiddenByLoad;
  expected.insert("Command1");
  EXPECT_EQ(hidden(form), expected);
}

TEST(FormLoad, ChangesNothingButVisibilityAndTheTwoCaptions) {
  FakePlatform platform;
  Form1 before(platform);
  Form1 after(platform);
  after.Form_Load();
  for (std::size_t i = 0; i < before.window().controls().size(); ++i) {
    const Control& b = before.window().controls()[i];
    const Control& a = after.window().controls()[i];
    if (&b.spec() == &before.LabelWin.spec() || &b.spec() == &before.LabelPfad.spec()) continue;
    EXPECT_EQ(a.Caption(), b.Caption()) << a.name();
    EXPECT_EQ(a.BackColor(), b.BackColor()) << a.name();
    EXPECT_EQ(a.ToolTipText(), b.ToolTipText()) << a.name();
    EXPECT_EQ(a.Value(), b.Value()) << a.name();
  }
  EXPECT_EQ(after.window().client_height(), 5370);
}

TEST(FormLoad, FinishesWhenEveryPlatformCallFailsOrThrows) {
  for (Outcome outcome : {Outcome::Fail, Outcome::Throw}) {
    FakePlatform platform;
    platform.break_everything(outcome);
    Form1 form(platform);
    form.Form_Load();
    EXPECT_EQ(form.LabelWin.Caption(), u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem");
    EXPECT_EQ(form.LabelPfad.Caption(), u"");
    EXPECT_EQ(hidden(form), kHiddenByLoad);
  }
}

struct LifecycleSpy final : WindowObserver {
  int unloads = 0;
  void unloaded() override { ++unloads; }
};

TEST(Cancel, UnloadsOnceAndNoHandlerRunsAfterwards) {
  FakePlatform platform;
  Form1 form(platform);
  LifecycleSpy spy;
  form.window().set_observer(&spy);
  form.Form_Load();
  form.Label27_Click();
  form.Click(form.Command8);
  EXPECT_TRUE(form.unloaded());
  EXPECT_EQ(spy.unloads, 1);

  form.LabelPfad.set_Caption(u"C:\\Programme");
  form.Click(form.LabelPfad);
  form.GotFocus(form.Command1);
  form.Click(form.Command8);
  EXPECT_EQ(form.LabelPfad.Caption(), u"C:\\Programme");
  EXPECT_EQ(spy.unloads, 1);
}

TEST(Cancel, TheCloseBoxUnloadsTheSameWay) {
  FakePlatform platform;
  Form1 form(platform);
  LifecycleSpy spy;
  form.window().set_observer(&spy);
  form.Unload();
  form.Unload();
  EXPECT_EQ(spy.unloads, 1);
}

}  // namespace
}  // namespace velorin
