#pragma once
// Directories as Windows lists them, for the shared tree walk:
// FindFirstFileExW with basic information and large fetches where the system
// has them. Junctions and other reparse points are not followed; names
// compare as the system folds letter case. Texts are UTF-8.

#include "platform/tree_walk.h"

namespace velorin {

class Win32Directories final : public DirectorySource {
 public:
  bool list(const std::string& path, const Entry& entry) override;
  bool link_is_file(const std::string& path) override;
  std::string fold(std::string_view name) override;
  char separator() override { return '\\'; }
};

std::wstring wide_from_utf8(std::string_view text);
std::string utf8_from_wide(std::wstring_view text);

}  // namespace velorin
