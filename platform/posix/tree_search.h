#pragma once
// Directories as Linux lists them, for the shared tree walk: letter case does
// not matter in names (the components come from Windows file systems), links
// are never followed into directories, unreadable directories and pseudo file
// systems (proc, sysfs, devtmpfs, ...) are passed over. Entries are read
// with raw getdents64 calls, without a stat for each. One walk at a time:
// the root stays open from its listing on, and every directory below it is
// opened from there without passing through any link, so that a directory
// swapped for a link anywhere along the path leads nowhere.

#include <optional>
#include <set>
#include <string>
#include <string_view>

#include <sys/types.h>

#include "platform/tree_walk.h"

namespace velorin {

class PosixDirectories final : public DirectorySource {
 public:
  PosixDirectories();
  ~PosixDirectories() override;
  PosixDirectories(const PosixDirectories&) = delete;
  PosixDirectories& operator=(const PosixDirectories&) = delete;
  bool list(const std::string& path, Reached reached, const Entry& entry) override;
  std::string fold(std::string_view name) override;
  char separator() override { return '/'; }
  void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) override;

 private:
  int open_root(const std::string& path);
  int open_below(const std::string& path) const;

  std::set<dev_t> pseudo_;  // the devices of the mounted pseudo file systems
  int root_ = -1;
  std::size_t root_length_ = 0;  // of the root's path with its separator
};

// One name alone under one root: see walk_tree for which match is reported.
std::optional<std::string> search_tree(const std::string& root, std::string_view name, std::size_t longest,
                                       unsigned threads = search_threads());

}  // namespace velorin
