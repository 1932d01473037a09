#pragma once
// Directories as Linux lists them, for the shared tree walk: letter case does
// not matter in names (the components come from Windows file systems), links
// are never followed into directories, unreadable directories and pseudo file
// systems (proc, sysfs, devtmpfs, ...) are passed over. Entries are read
// with raw getdents64 calls, without a stat for each.

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
  bool list(const std::string& path, Reached reached, const Entry& entry) override;
  bool link_is_file(const std::string& path) override;
  std::string fold(std::string_view name) override;
  char separator() override { return '/'; }
  void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) override;

 private:
  std::set<dev_t> pseudo_;  // the devices of the mounted pseudo file systems
};

// One name alone under one root: see walk_tree for which match is reported.
std::optional<std::string> search_tree(const std::string& root, std::string_view name, std::size_t longest,
                                       unsigned threads = search_threads());

}  // namespace velorin
