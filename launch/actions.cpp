// The controls that lead from a verdict to what is missing: each hands one
// target to the system, the page, folder, help page or program, and looks at
// nothing that comes back.

#include "app/form1.h"
#include "app/skip_on_error.h"
#include "launch/sites.h"

namespace velorin {
namespace {

constexpr std::int32_t kShowNormal = 1;

}  // namespace

void Form1::open_target(const std::u16string& target) {
  step([&] { platform_.ShellExecuteA(hWnd, "Open", platform_.to_ansi(target), kShowNormal); });
}

void Form1::open_through_target_field(const std::u16string& target) {
  Text6.set_Text(target);
  open_target(Text6.Text());
}

void Form1::open_system_folder() {
  SetSystemFolderPath();
  open_target(Text6.Text());
}

void Form1::Command2_Click() { open_through_target_field(std::u16string(sites::kSpeech) + u"/download.php"); }
void Form1::Command4_Click() { open_through_target_field(std::u16string(sites::kProduct) + u"/downloadZ.htm"); }

// The page opens while the checker ends.
void Form1::Command6_Click() {
  open_through_target_field(std::u16string(sites::kProduct) + u"/downloadZ.htm");
  Unload();
}

void Form1::Command12_Click() { open_through_target_field(std::u16string(sites::kProduct) + u"/ocx/systemtest.htm"); }
void Form1::Label26_Click() { open_through_target_field(std::u16string(sites::kProduct) + u"/ocx/systemtest.htm"); }
void Form1::Picture3_Click() { open_through_target_field(std::u16string(sites::kProduct) + u"/ocx/Ocx.zip"); }

void Form1::Frame1_Click() {
  open_through_target_field(u"/Programme/Gemeinsame Dateien/WebSpeech.4.0/LgxIEBar.dll/help.htm");
}

void Form1::Label1_Click() { open_system_folder(); }
void Form1::Label2_Click() { open_system_folder(); }
void Form1::Label5_Click() { open_system_folder(); }
void Form1::Label6_Click() { open_system_folder(); }

void Form1::Label3_Click() { open_target(u"res://LgxIEBar.dll/help.htm"); }
void Form1::Label7_Click() { open_target(u"C:\\Programme\\Internet Explorer\\IEXPLORE.EXE"); }
void Form1::Label9_Click() { open_target(u"IEXPLORE.EXE"); }

void Form1::Label4_Click() { open_through_target_field(FileFind(u"velorin-4.exe", u"C:\\")); }

// Start.exe beside the checker. The separator goes in unless the folder
// already ends in one (the root of a drive), and the program is started by
// its whole path, so a folder with blanks in its name cannot start another.
void Form1::Label8_Click() {
  step([&] {
    std::string program = platform_.application_folder();
    if (program.empty()) return;  // nowhere to look for it
    const char separator = platform_.path_separator();
    if (program.back() != separator) program += separator;
    program += "Start.exe";
    platform_.start_program(program, kShowNormal);
  });
}

}  // namespace velorin
