#pragma once
// The benchmark's tree: 20 top directories, each with 10 below it, three
// levels down, 22,220 directories of 9 files each, about 200,000 files. Three
// of the five components lie two levels down; lgxiebar.dll and velorin-4.exe
// are absent, and deep.dll lies in the last directory of the deepest level.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace velorin::bench {

inline constexpr const char* kPlanted[] = {"Windows/System32/COMDLG32.OCX", "Windows/System32/mscomctl.ocx",
                                           "Programme/Internet Explorer/iexplore.exe"};
inline constexpr const char* kAbsentComponents[] = {"dir0/dir0/LgxIEBar.dll", "dir0/dir0/Velorin-4.exe"};
inline constexpr const char* kDeep = "deep.dll";

inline void make_tree(const std::filesystem::path& root) {
  namespace fs = std::filesystem;
  std::vector<fs::path> level{root};
  for (int depth = 0; depth < 4; ++depth) {
    std::vector<fs::path> below;
    for (const fs::path& dir : level) {
      for (int i = 0; i < (depth == 0 ? 20 : 10); ++i) {
        const fs::path sub = dir / ("dir" + std::to_string(i));
        fs::create_directory(sub);
        for (int f = 0; f < 9; ++f) std::ofstream(sub / ("file" + std::to_string(f) + ".dat"));
        below.push_back(sub);
      }
    }
    level = std::move(below);
  }
  std::ofstream(level.back() / kDeep);
  for (const char* file : kPlanted) {
    fs::create_directories((root / file).parent_path());
    std::ofstream(root / file);
  }
}

}  // namespace velorin::bench
