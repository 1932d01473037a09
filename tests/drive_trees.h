#pragma once
// Two temporary trees standing in for drives C: and D:, behind a fake
// platform whose tree search is the real one: "C:\..." roots map onto the
// trees, and found paths come back in Windows form.

#include <string>

#include "fake_platform.h"
#include "platform/posix/tree_search.h"
#include "temp_tree.h"

namespace velorin::testing {

struct DriveTrees {
  DriveTrees() {
    platform.tree = [this](const std::string& root, const std::string& name) -> std::optional<std::string> {
      const TempTree* drive = root.starts_with("C:\\") ? &c : root.starts_with("D:\\") ? &d : nullptr;
      if (!drive) return std::nullopt;
      std::string local = drive->root().string() + "/" + root.substr(3);
      for (char& ch : local) ch = ch == '\\' ? '/' : ch;
      std::optional<std::string> found = search_tree(local, name, 159);
      if (!found) return std::nullopt;
      std::string windows = root.substr(0, 3) + found->substr(drive->root().string().size() + 1);
      for (char& ch : windows) ch = ch == '/' ? '\\' : ch;
      return windows;
    };
  }

  // Plants the five components on drive C:, in mixed letter case.
  void plant_all_on_c() const {
    c.file("WINDOWS/System32/COMDLG32.OCX");
    c.file("WINDOWS/System32/MsComCtl.ocx");
    c.file("Programme/Gemeinsame Dateien/WebSpeech.4.0/LgxIEBar.dll");
    c.file("Tools/Velorin-4/Velorin-4.exe");
    c.file("Programme/Internet Explorer/IEXPLORE.EXE");
  }

  TempTree c, d;
  FakePlatform platform;
};

}  // namespace velorin::testing
