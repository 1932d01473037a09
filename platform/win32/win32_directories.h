#pragma once
// Directories as Windows lists them, for the shared tree walk, in the ANSI
// code page as the system's own tree search reports them: FindFirstFileExA
// with basic information and large fetches where the system has them,
// FindFirstFileA where it has nothing better. Junctions and other reparse
// points are not followed; names compare as the system folds letter case.
// Readers run on the system's own threads, below normal priority.

#include "platform/tree_walk.h"

#include <windows.h>

namespace velorin {

class Win32Directories final : public DirectorySource {
 public:
  Win32Directories();
  bool list(const std::string& path, Reached reached, const Entry& entry) override;
  std::string fold(std::string_view name) override;
  char separator() override { return '\\'; }
  void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) override;

 private:
  // The fast listing (Windows 7 on) leaves the short names out.
  enum class Level { Fast, WithShortNames };
  HANDLE find_first(const std::string& pattern, Level level, WIN32_FIND_DATAA& found, bool& short_names) const;
  // each(found, short_names) for every entry but "." and ".."; false where
  // the folder cannot be listed. A template, so that no listing allocates.
  template <class Each>
  bool each_entry(const std::string& pattern, Level level, const Each& each) const;
  decltype(&FindFirstFileExA) find_first_ex_;  // Windows NT 4.0 on
};

}  // namespace velorin
