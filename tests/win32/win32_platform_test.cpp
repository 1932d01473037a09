// The Win32 platform on Wine's real implementations of the Windows calls.

#include <gtest/gtest.h>
#include <windows.h>
#include <imagehlp.h>

#include <cstring>
#include <span>
#include <string>
#include <vector>

#include "app/form1.h"
#include "platform/win32/later_functions.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_platform.h"

namespace velorin {
namespace {

// A folder of the test's own under the Windows temporary folder. Made with
// the ANSI calls, as the program's own are: Windows 95 and its C runtime
// have no wide-character file functions for std::filesystem to call.
void make_folders(const std::string& path) {
  for (std::size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
}
void make_file(const std::string& path) {
  make_folders(path.substr(0, path.rfind('\\')));
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  DWORD written = 0;
  WriteFile(file, "x", 1, &written, nullptr);
  CloseHandle(file);
}
void remove_tree(const std::string& path) {
  WIN32_FIND_DATAA entry;
  const HANDLE find = FindFirstFileA((path + "\\*").c_str(), &entry);
  for (BOOL more = find != INVALID_HANDLE_VALUE; more; more = FindNextFileA(find, &entry)) {
    // By its short name where the code page cannot spell the long one.
    const std::string name = std::strchr(entry.cFileName, '?') ? entry.cAlternateFileName : entry.cFileName;
    if (name == "." || name == "..") continue;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      remove_tree(path + "\\" + name);
    else
      DeleteFileA((path + "\\" + name).c_str());
  }
  if (find != INVALID_HANDLE_VALUE) FindClose(find);
  RemoveDirectoryA(path.c_str());
}
bool is_folder(const std::string& path) {
  const DWORD attributes = GetFileAttributesA(path.c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && attributes & FILE_ATTRIBUTE_DIRECTORY;
}

struct TempFolder {
  TempFolder() {
    char temp[MAX_PATH + 1] = {};
    GetTempPathA(MAX_PATH, temp);
    root = std::string(temp) + "velorin-" + std::to_string(GetCurrentProcessId());
    make_folders(root);
  }
  ~TempFolder() { remove_tree(root); }
  std::string file(const std::string& relative) const {
    make_file(root + "\\" + relative);
    return root + "\\" + relative;
  }
  std::string root;
};

TEST(Win32Platform, StartsWithTheSystemsNameAndItsProgramFilesFolder) {
  Win32Platform platform;
  Form1 form(platform);
  form.Form_Load();
  EXPECT_TRUE(form.LabelWin.Caption().starts_with(u"Aktuelles Betriebssystem: "));
  std::string root = platform.to_ansi(form.LabelPfad.Caption());
  EXPECT_FALSE(root.empty());
  EXPECT_TRUE(is_folder(root)) << root;
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
  const std::u16string found = form.FileFind(u"comdlg32.ocx", platform.from_ansi(temp.root));
  EXPECT_EQ(platform.lower_case(found), platform.lower_case(platform.from_ansi(file)));
  EXPECT_EQ(form.FileFind(u"mscomctl.ocx", platform.from_ansi(temp.root)), u"");
}

TEST(Win32Platform, APathLongerThanTheBufferCountsAsNotFound) {
  TempFolder temp;
  const std::string file = temp.file(std::string(150, 'd') + "\\lgxiebar.dll");
  ASSERT_GE(file.size(), 160u);
  Win32Platform platform;
  Form1 form(platform);
  EXPECT_EQ(form.FileFind(u"lgxiebar.dll", platform.from_ansi(temp.root)), u"");
}

// The buffer holds characters of the code page: ten "ä" take ten of its
// 159, where UTF-8 would take twenty.
TEST(Win32Platform, ThePathLimitCountsCharactersOfTheCodePage) {
  if (GetACP() != 1252) GTEST_SKIP() << "needs the Western code page";
  TempFolder temp;
  Win32Platform platform;
  Form1 form(platform);
  const std::u16string root = platform.from_ansi(temp.root);
  const std::u16string name = u"\\lgxiebar.dll";
  std::u16string folder = u"\\" + std::u16string(10, u'ä');
  folder += std::u16string(159 - root.size() - folder.size() - name.size(), u'd');
  const std::u16string path = root + folder + name;
  ASSERT_EQ(platform.to_ansi(path).size(), 159u);
  make_file(platform.to_ansi(path));
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
  const std::string root = temp.root;
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
  EXPECT_NE(GetFileAttributesA((folder + "\\win32_tests.exe").c_str()), INVALID_FILE_ATTRIBUTES) << folder;
  EXPECT_EQ(platform.start_program(folder + "\\no such Start.exe", 1), 0);
}

// Folders named in letters the Western code page lacks, Greek and Japanese,
// made with the wide calls, which Wine has: the system test finds the four
// files below them, and the Velorin-4 row's mark starts the copy found
// there. Both listings: the fast one without short names, and Windows 95's.
TEST(Win32Platform, FoldersTheCodePageCannotSpellAreSearchedByTheirShortNames) {
  TempFolder temp;
  Win32Platform platform;
  const std::u16string root = platform.from_ansi(temp.root);
  const auto wide = [](const std::u16string& path) { return reinterpret_cast<const wchar_t*>(path.c_str()); };
  const std::u16string greek = root + u"\\Ελληνικά", japanese = root + u"\\日本語";
  CreateDirectoryW(wide(greek), nullptr);
  CreateDirectoryW(wide(japanese), nullptr);
  for (const std::u16string& file : {greek + u"\\comdlg32.ocx", greek + u"\\mscomctl.ocx", japanese + u"\\lgxiebar.dll"})
    CloseHandle(CreateFileW(wide(file), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
  const std::u16string stand_in = platform.from_ansi(platform.application_folder() + "\\stand_in.exe");
  ASSERT_TRUE(CopyFileW(wide(stand_in), wide(japanese + u"\\velorin-4.exe"), FALSE));
  const std::u16string started = japanese + u"\\started";
  for (const bool oldest : {false, true}) {
    SCOPED_TRACE(oldest ? "FindFirstFileA" : "FindFirstFileExA");
    win32::pretend_oldest_windows(oldest);
    Form1 form(platform);
    form.LabelPfad.set_Caption(root);
    form.Command1_Click();
    for (const Control* mark : {&form.Label1, &form.Label2, &form.Label3, &form.Label4})
      EXPECT_TRUE(mark->Visible()) << mark->spec().name << ": " << platform.to_ansi(form.Text4.Text());
    DeleteFileW(wide(started));
    form.Label4_Click();  // the copy on drive C:, which holds the temporary folder
    for (int i = 0; i < 100 && GetFileAttributesW(wide(started)) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(100);
    EXPECT_NE(GetFileAttributesW(wide(started)), INVALID_FILE_ATTRIBUTES) << platform.to_ansi(form.Text6.Text());
  }
  win32::pretend_oldest_windows(false);
}

// Once the program's DLL search leaves out its own folder, the shell still
// opens a page and a folder, here through handlers that note what they got,
// and a program still starts.
TEST(Win32Platform, TheShellStillOpensWhatTheProgramAsksOnceItsDllSearchIsLimited) {
  win32::limit_dll_search();
  char system[MAX_PATH + 1] = {};
  GetSystemDirectoryA(system, MAX_PATH);
  const std::string reg = std::string(system) + "\\reg.exe";
  const std::string noted = "Software\\Velorin-4 test";
  for (const char* kind : {"http", "Folder"}) {
    RegDeleteTreeA(HKEY_CLASSES_ROOT, (std::string(kind) + "\\shell\\open\\ddeexec").c_str());  // the command alone
    const std::string handler = "\"" + reg + "\" add \"HKCU\\" + noted + "\\" + kind + "\" /ve /d \"%1\" /f";
    RegSetValueA(HKEY_CLASSES_ROOT, (std::string(kind) + "\\shell\\open\\command").c_str(), REG_SZ, handler.c_str(),
                 static_cast<DWORD>(handler.size()));
  }
  TempFolder temp;
  Win32Platform platform;
  const std::pair<const char*, std::string> opened[] = {{"http", "http://www.velorin-4.example/"}, {"Folder", temp.root}};
  for (const auto& [kind, target] : opened) {
    EXPECT_GT(platform.ShellExecuteA(0, "Open", target, SW_SHOWNORMAL), 32) << target;
    char got[MAX_PATH + 1] = {};
    for (int i = 0; i < 100 && !got[0]; ++i, Sleep(100)) {
      LONG size = sizeof got - 1;
      RegQueryValueA(HKEY_CURRENT_USER, (noted + "\\" + kind).c_str(), got, &size);
    }
    EXPECT_EQ(std::string(got), target);
  }
  EXPECT_NE(platform.start_program(reg, SW_HIDE), 0);
}

}  // namespace
}  // namespace velorin
