#include <gtest/gtest.h>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

using testing::FakePlatform;
using testing::Outcome;

std::u16string program_files(FakePlatform& platform) {
  Form1 form(platform);
  std::int32_t folder = 38;
  std::u16string path = form.GetSpecialFolderPath(folder);
  EXPECT_EQ(folder, 38) << "the folder number is not changed";
  return path;
}

TEST(SpecialFolder, ReturnsThePathBeforeTheFirstNul) {
  FakePlatform platform;
  platform.folder_bytes = std::string("C:\\Programme\0junk", 17);
  EXPECT_EQ(program_files(platform), u"C:\\Programme");
  EXPECT_EQ(platform.path_buffer_size, 512u);
  EXPECT_EQ(platform.path_buffer_before, std::string(512, ' '));
  EXPECT_EQ(platform.lists_freed, 1);
}

TEST(SpecialFolder, ConvertsThePathFromTheAnsiCodePage) {
  FakePlatform platform;
  platform.folder_bytes = std::string("D:\\Anwendungspr\xFC""fung") + '\0';
  EXPECT_EQ(program_files(platform), u"D:\\Anwendungsprüfung");
}

TEST(SpecialFolder, PassesTheWindowAsOwner) {
  FakePlatform platform;
  Form1 form(platform);
  form.hWnd = 0x1234;
  std::int32_t folder = 38;
  form.GetSpecialFolderPath(folder);
  EXPECT_EQ(platform.last_owner, 0x1234u);
}

TEST(SpecialFolder, EveryFailureGivesTheEmptyPath) {
  struct Case {
    const char* label;
    void (*arrange)(FakePlatform&);
    int lists_freed;
  };
  const Case cases[] = {
      {"location fails", [](FakePlatform& p) { p.location_outcome = Outcome::Fail; }, 0},
      {"location throws", [](FakePlatform& p) { p.location_outcome = Outcome::Throw; }, 0},
      {"path fails", [](FakePlatform& p) { p.path_outcome = Outcome::Fail; }, 1},
      {"path throws", [](FakePlatform& p) { p.path_outcome = Outcome::Throw; }, 1},
      {"buffer without NUL", [](FakePlatform& p) { p.folder_bytes = std::string(512, 'x'); }, 1},
      {"empty path", [](FakePlatform& p) { p.folder_bytes = std::string(1, '\0'); }, 1},
      {"conversions throw", [](FakePlatform& p) { p.conversion_outcome = Outcome::Throw; }, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.label);
    FakePlatform platform;
    c.arrange(platform);
    EXPECT_EQ(program_files(platform), u"");
    EXPECT_EQ(platform.lists_freed, c.lists_freed);
  }
}

TEST(SpecialFolder, AFolderTheShellDoesNotKnowGivesTheEmptyPath) {
  FakePlatform platform;
  Form1 form(platform);
  std::int32_t folder = 4711;
  EXPECT_EQ(form.GetSpecialFolderPath(folder), u"");
  EXPECT_EQ(platform.lists_handed_out, 0);
}

TEST(SearchRoot, LosesEveryProgrammeAndStaysSoOnTheNextClick) {
  const std::pair<std::u16string, std::u16string> cases[] = {
      {u"C:\\Programme", u"C:\\"},
      {u"D:\\Programme", u"D:\\"},
      {u"C:\\Programme\\Programme", u"C:\\\\"},
      {u"C:\\Program Files", u"C:\\Program Files"},
      {u"C:\\programme", u"C:\\programme"},
      {u"C:\\PROGRAMME", u"C:\\PROGRAMME"},
      {u"", u""},
  };
  for (const auto& [before, after] : cases) {
    FakePlatform platform;
    Form1 form(platform);
    form.LabelPfad.set_Caption(before);
    form.LabelPfad_Click();
    EXPECT_EQ(form.LabelPfad.Caption(), after);
    form.LabelPfad_Click();
    EXPECT_EQ(form.LabelPfad.Caption(), after);
  }
}

TEST(SearchRoot, FocusOnTheTestButtonStripsTheRoot) {
  FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  ASSERT_EQ(form.LabelPfad.Caption(), u"C:\\Programme");
  form.GotFocus(form.Command1);
  EXPECT_EQ(form.LabelPfad.Caption(), u"C:\\");
}

TEST(SearchRoot, FocusOnOtherControlsLeavesItAlone) {
  FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  form.GotFocus(form.Command10);
  form.GotFocus(form.Command8);
  EXPECT_EQ(form.LabelPfad.Caption(), u"C:\\Programme");
}

TEST(PathLabel, GrowsTheWindowOnceToTheResultBoxes) {
  FakePlatform platform;
  Form1 form(platform);
  EXPECT_EQ(form.window().client_height(), 5370);
  form.Click(form.Label27);
  EXPECT_EQ(form.window().Height(), 7620);
  EXPECT_EQ(form.window().client_height(), 7245);
  form.Click(form.Label27);
  EXPECT_EQ(form.window().client_height(), 7245);
}

}  // namespace
}  // namespace velorin
