#pragma once
// Finds a file by name in a directory tree, the way the checker needs it on
// Linux: letter case does not matter (the components come from Windows file
// systems), links to directories are never followed, unreadable directories
// and pseudo file systems (proc, sysfs, devtmpfs, ...) are passed over. A
// match is a regular file, or a link that leads to one.
//
// Which match is reported: the one closest to the root, and of those at the
// same depth the one whose path sorts first. The walk is breadth-first, so it
// stops at the first depth that holds a match, and the answer does not depend
// on the order in which the system lists a directory.

#include <optional>
#include <string>
#include <string_view>

namespace velorin {

// The full path of the match, as it is on disk, at most `longest` bytes long;
// a match with a longer path cannot be reported and is passed over.
std::optional<std::string> search_tree(const std::string& root, std::string_view name, std::size_t longest);

}  // namespace velorin
