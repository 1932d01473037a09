#pragma once
// A directory tree of the test's own under /tmp, removed with the object.

#include <filesystem>
#include <fstream>
#include <string>

namespace velorin::testing {

class TempTree final {
 public:
  TempTree() {
    std::string pattern = (std::filesystem::temp_directory_path() / "velorin-tree-XXXXXX").string();
    root_ = mkdtemp(pattern.data());
  }
  ~TempTree() {
    std::error_code ignored;
    std::filesystem::remove_all(root_, ignored);
  }
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  const std::filesystem::path& root() const { return root_; }
  std::string path(const std::string& relative) const { return (root_ / relative).string(); }

  // A file, with the directories on its way.
  std::string file(const std::string& relative) const {
    const std::filesystem::path p = root_ / relative;
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p) << "x";
    return p.string();
  }
  void directory(const std::string& relative) const { std::filesystem::create_directories(root_ / relative); }
  void link(const std::string& relative, const std::string& target) const {
    std::filesystem::create_directories((root_ / relative).parent_path());
    std::filesystem::create_symlink(target, root_ / relative);
  }

 private:
  std::filesystem::path root_;
};

}  // namespace velorin::testing
