// The Win32 platform on Wine's real implementations of the Windows calls.

#include <gtest/gtest.h>
#include <windows.h>
#include <imagehlp.h>

#include <filesystem>
#include <fstream>
#include <span>
#include <string>
#include <vector>

#include "app/form1.h"
#include "platform/win32/later_functions.h"
#include "platform/win32/win32_platform.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;

// A folder of the test's own under the Windows temporary folder.
struct TempFolder {
  TempFolder() {
    wchar_t temp[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, temp);
    root = fs::path(temp) / ("velorin-" + std::to_string(GetCurrentProcessId()));
    fs::create_directories(root);
  }
  ~TempFolder() {
    std::error_code ignored;
    fs::remove_all(root, ignored);
  }
  std::string file(const std::string& relative) const {
    const fs::path p = root / relative;
    fs::create_directories(p.parent_path());
    std::ofstream(p) << "x";
    return p.string();
  }
  fs::path root;
};

TEST(Win32Platform, StartsWithTheSystemsNameAndItsProgramFilesFolder) {
  Win32Platform platform;
  Form1 form(platform);
  form.Form_Load();
  EXPECT_TRUE(form.LabelWin.Caption().starts_with(u"Aktuelles Betriebssystem: "));
  std::string root = platform.to_ansi(form.LabelPfad.Caption());
  EXPECT_FALSE(root.empty());
  EXPECT_TRUE(fs::is_directory(root)) << root;
}

TEST(Win32Platform, AFolderTheShellDoesNotKnowGivesTheEmptyPath) {
  Win32Platform platform;
  Form1 form(platform);
  std::int32_t unknown = 4711;
  EXPECT_EQ(form.GetSpecialFolderPath(unknown), u"");
}

TEST(Win32Platform, TheTreeSearchFindsAFileInAnyLetterCase) {
  TempFolder temp;
  const std::string file = temp.file("Windows\\System32\\COMDLG32.OCX");
  Win32Platform platform;
  Form1 form(platform);
  const std::u16string found = form.FileFind(u"comdlg32.ocx", platform.from_ansi(temp.root.string()));
  EXPECT_EQ(platform.lower_case(found), platform.lower_case(platform.from_ansi(file)));
  EXPECT_EQ(form.FileFind(u"mscomctl.ocx", platform.from_ansi(temp.root.string())), u"");
}

TEST(Win32Platform, APathLongerThanTheBufferCountsAsNotFound) {
  TempFolder temp;
  const std::string file = temp.file(std::string(150, 'd') + "\\lgxiebar.dll");
  ASSERT_GE(file.size(), 160u);
  Win32Platform platform;
  Form1 form(platform);
  EXPECT_EQ(form.FileFind(u"lgxiebar.dll", platform.from_ansi(temp.root.string())), u"");
}

// The buffer holds characters of the code page: ten "ä" take ten of its
// 159, where UTF-8 would take twenty.
TEST(Win32Platform, ThePathLimitCountsCharactersOfTheCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page";
  TempFolder temp;
  Win32Platform platform;
  Form1 form(platform);
  const std::u16string root = platform.from_ansi(temp.root.string());
  const std::u16string name = u"\\lgxiebar.dll";
  std::u16string folder = u"\\" + std::u16string(10, u'ä');
  folder += std::u16string(159 - root.size() - folder.size() - name.size(), u'd');
  const std::u16string path = root + folder + name;
  ASSERT_EQ(platform.to_ansi(path).size(), 159u);
  fs::create_directories(fs::path(root + folder));
  std::ofstream(fs::path(path)) << "x";
  EXPECT_EQ(form.FileFind(u"lgxiebar.dll", root), path);
}

// Windows' own tree search is the oracle: with one copy of each name, both
// report the same file, and both report nothing for absent names; so does
// the walk over FindFirstFileA, as on Windows 95.
TEST(Win32Platform, TheWalkAgreesWithSearchTreeForFile) {
  TempFolder temp;
  const char* planted[] = {"a\\B\\comdlg32.OCX", "a\\c\\d\\e\\MSCOMCTL.ocx", "Programme\\Logox\\lgxiebar.dll",
                           "x\\Velorin-4.exe", "y\\z\\iexplore.exe"};
  for (const char* p : planted) temp.file(p);
  for (int i = 0; i < 30; ++i) temp.file("filler\\dir" + std::to_string(i % 7) + "\\file" + std::to_string(i) + ".dat");
  const std::string root = temp.root.string();
  const std::vector<std::string> names = {"comdlg32.ocx", "mscomctl.ocx", "lgxiebar.dll", "velorin-4.exe",
                                          "iexplore.exe", "absent.dll"};
  for (const bool oldest : {false, true})
  for (const bool batch : {false, true}) {
    SCOPED_TRACE(std::string(oldest ? "FindFirstFileA" : "FindFirstFileExA") + (batch ? ", one walk" : ""));
    win32::pretend_oldest_windows(oldest);
    Win32Platform platform;
    const std::shared_ptr<SearchRun> run = batch ? platform.begin_searches(names, std::make_shared<SearchProgress>()) : nullptr;
    for (const std::string& name : names) {
      std::string root_copy = root, name_copy = name;
      char oracle[MAX_PATH + 1] = {};
      const bool expected = ::SearchTreeForFile(root_copy.data(), name_copy.data(), oracle);
      char buffer[kSearchPathBuffer] = {};
      const std::span<char, kSearchPathBuffer> span(buffer);
      const bool found = run ? run->SearchTreeForFile(root, name, span) : platform.SearchTreeForFile(root, name, span);
      EXPECT_EQ(found, expected) << name;
      if (found && expected) {
        EXPECT_EQ(platform.lower_case(platform.from_ansi(buffer)), platform.lower_case(platform.from_ansi(oracle)))
            << name;
      }
    }
  }
  win32::pretend_oldest_windows(false);
}

TEST(Win32Platform, LowerCaseAndTheAnsiCodePage) {
  Win32Platform platform;
  EXPECT_EQ(platform.lower_case(u"C:\\WINDOWS\\ÄPFEL.OCX"), u"c:\\windows\\äpfel.ocx");
  for (const std::u16string text : {u"", u"C:\\Programme", u"öffnen Ä ß"})
    EXPECT_EQ(platform.from_ansi(platform.to_ansi(text)), text);
  if (GetACP() == 1252) {
    EXPECT_EQ(platform.to_ansi(u"ü"), "\xFC");
  }
}

TEST(Win32Platform, TheApplicationFolderHoldsTheRunningProgram) {
  Win32Platform platform;
  const std::string folder = platform.application_folder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '\\');
  EXPECT_TRUE(fs::exists(fs::path(folder) / "win32_tests.exe")) << folder;
  EXPECT_EQ(platform.start_program(folder + "\\no such Start.exe", 1), 0);
}

}  // namespace
}  // namespace velorin
