// The Win32 platform on Wine's real implementations of the Windows calls.

#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "app/form1.h"
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
