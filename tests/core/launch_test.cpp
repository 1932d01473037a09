#include <gtest/gtest.h>

#include <string>

#include "app/form1.h"
#include "fake_platform.h"
#include "launch/sites.h"

namespace velorin {
namespace {

using testing::FakePlatform;
using testing::Outcome;
using ShellCall = FakePlatform::ShellCall;
using Start = FakePlatform::Start;

std::string product(const char* path) { return std::string(VELORIN_PRODUCT_SITE) + path; }
std::string speech(const char* path) { return std::string(VELORIN_SPEECH_SITE) + path; }

struct LaunchCase {
  const char* control;
  std::string target;
  bool through_text6;  // the target is written into Text6 first
};

// Each click opens exactly its target with "Open" and show command 1, owned by the window.
TEST(Launch, EveryControlOpensItsTarget) {
  const LaunchCase cases[] = {
      {"Command2", speech("/download.php"), true},
      {"Command4", product("/downloadZ.htm"), true},
      {"Command12", product("/ocx/systemtest.htm"), true},
      {"Label26", product("/ocx/systemtest.htm"), true},
      {"Picture3", product("/ocx/Ocx.zip"), true},
      {"Frame1", "/Programme/Gemeinsame Dateien/WebSpeech.4.0/LgxIEBar.dll/help.htm", true},
      {"Label1", "\\windows\\system32\\", true},
      {"Label2", "\\windows\\system32\\", true},
      {"Label5", "\\windows\\system32\\", true},
      {"Label6", "\\windows\\system32\\", true},
      {"Label3", "res://LgxIEBar.dll/help.htm", false},
      {"Label7", "C:\\Programme\\Internet Explorer\\IEXPLORE.EXE", false},
      {"Label9", "IEXPLORE.EXE", false},
  };
  for (const LaunchCase& c : cases) {
    SCOPED_TRACE(c.control);
    FakePlatform platform;
    Form1 form(platform);
    form.hWnd = 0x77;
    form.Text6.set_Text(u"before");
    form.Click(form.window().control(c.control));
    EXPECT_EQ(platform.opened, (std::vector<ShellCall>{{0x77, "Open", c.target, 1}}));
    EXPECT_EQ(platform.to_ansi(form.Text6.Text()), c.through_text6 ? c.target : "before");
    EXPECT_TRUE(platform.started.empty());
    EXPECT_FALSE(form.unloaded());
  }
}

TEST(Launch, TheSystemFolderMarksFollowTheOperatingSystemOption) {
  for (const char* mark : {"Label1", "Label2", "Label5", "Label6"}) {
    FakePlatform platform;
    Form1 form(platform);
    form.Option1[1].set_Value(true);
    form.Click(form.window().control(mark));
    EXPECT_EQ(form.Text6.Text(), u"../windows/system") << mark;
    EXPECT_EQ(platform.opened.at(0).file, "../windows/system") << mark;
  }
}

TEST(Launch, SelectedOptionIndexIsZeroWhenNothingIsSelected) {
  FakePlatform platform;
  Form1 form(platform);
  EXPECT_EQ(form.SelectedOptionIndex(form.Option1), 0);
  form.Option1[1].set_Value(true);
  EXPECT_EQ(form.SelectedOptionIndex(form.Option1), 1);
  form.Option1[1].set_Value(false);
  ASSERT_FALSE(form.Option1[0].Value());
  EXPECT_EQ(form.SelectedOptionIndex(form.Option1), 0);
  form.Text6.set_Text(u"anything");
  form.SetSystemFolderPath();
  form.SetSystemFolderPath();
  EXPECT_EQ(form.Text6.Text(), u"\\windows\\system32\\");
}

TEST(Launch, TheProgramMarkOpensTheVelorinFoundOnDriveC) {
  FakePlatform platform;
  platform.tree = [](const std::string& root, const std::string& name) -> std::optional<std::string> {
    if (root == "C:\\" && name == "velorin-4.exe") return "C:\\Tools\\Velorin-4.EXE";
    return std::nullopt;
  };
  Form1 form(platform);
  form.Click(form.Label4);
  EXPECT_EQ(form.Text6.Text(), u"C:\\Tools\\Velorin-4.EXE");
  EXPECT_EQ(platform.opened.at(0).file, "C:\\Tools\\Velorin-4.EXE");
}

TEST(Launch, TheProgramMarkHandsOnTheEmptyTargetWhenNothingIsFound) {
  FakePlatform platform;
  Form1 form(platform);
  form.Text6.set_Text(u"before");
  form.Click(form.Label4);
  EXPECT_EQ(form.Text6.Text(), u"");
  EXPECT_EQ(platform.opened, (std::vector<ShellCall>{{0, "Open", "", 1}}));
}

struct UnloadSpy final : WindowObserver {
  FakePlatform* platform = nullptr;
  std::size_t opened_at_unload = 99;
  void unloaded() override { opened_at_unload = platform->opened.size(); }
};

TEST(Launch, TheSuccessButtonOpensTheDownloadPageAndThenEndsTheProgram) {
  for (Outcome outcome : {Outcome::Succeed, Outcome::Fail, Outcome::Throw}) {
    FakePlatform platform;
    platform.shell_outcome = outcome;
    Form1 form(platform);
    UnloadSpy spy;
    spy.platform = &platform;
    form.window().set_observer(&spy);
    form.Click(form.Command6);
    EXPECT_EQ(spy.opened_at_unload, 1u) << "the page was opened before the window went";
    EXPECT_EQ(platform.opened.at(0).file, product("/downloadZ.htm"));
    EXPECT_TRUE(form.unloaded());
  }
}

struct StartCase {
  std::string folder;
  char separator;
  std::string program;
};

// Mended: a separator between folder and file, and the whole path as one program.
TEST(Launch, TheMissingProgramMarkStartsStartExeBesideTheChecker) {
  const StartCase cases[] = {
      {"D:\\", '\\', "D:\\Start.exe"},
      {"C:\\Tools", '\\', "C:\\Tools\\Start.exe"},
      {"C:\\Program Files\\Velorin Check", '\\', "C:\\Program Files\\Velorin Check\\Start.exe"},
      {"/opt/velorin", '/', "/opt/velorin/Start.exe"},
      {"/", '/', "/Start.exe"},
  };
  for (const StartCase& c : cases) {
    FakePlatform platform;
    platform.program_folder = c.folder;
    platform.separator = c.separator;
    Form1 form(platform);
    form.Text6.set_Text(u"before");
    form.Click(form.Label8);
    EXPECT_EQ(platform.started, (std::vector<Start>{{c.program, 1}}));
    EXPECT_EQ(form.Text6.Text(), u"before");
    EXPECT_TRUE(platform.opened.empty());
  }
}

TEST(Launch, FailuresToOpenOrStartChangeNothingButTheTargetField) {
  for (Outcome outcome : {Outcome::Fail, Outcome::Throw}) {
    FakePlatform platform;
    platform.shell_outcome = platform.start_outcome = outcome;
    Form1 form(platform);
    form.Click(form.Command2);
    form.Click(form.Label8);
    EXPECT_EQ(platform.to_ansi(form.Text6.Text()), speech("/download.php"));
    EXPECT_FALSE(form.unloaded());
  }
  FakePlatform platform;
  platform.program_folder = "";
  Form1 form(platform);
  form.Click(form.Label8);
  EXPECT_TRUE(platform.started.empty()) << "no folder, nothing to start";
}

TEST(Launch, TheMissingMarkOfTheBrowserDoesNothing) {
  FakePlatform platform;
  Form1 form(platform);
  form.Click(form.Label10);
  EXPECT_TRUE(platform.opened.empty());
  EXPECT_TRUE(platform.started.empty());
}

}  // namespace
}  // namespace velorin
