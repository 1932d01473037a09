#pragma once
// The platform operations on Windows, by the system's own calls: the version
// record, the shell's special folders, the shell's "Open", the ANSI code page
// and the system's case mapping. The tree search is the walk the Linux
// platform uses too, over the ANSI directory listing, so both give the same
// answers and a path's length counts what the caller's buffer holds.

#include "platform/platform.h"
#include "platform/win32/win32_directories.h"

namespace velorin {

class Win32Platform final : public Platform {
 public:
  Win32Platform();
  std::int32_t GetVersionExA(VersionRecord& record) override;
  std::int32_t SHGetSpecialFolderLocation(WindowHandle owner, std::int32_t folder, ItemIdList& list) override;
  std::int32_t SHGetPathFromIDListA(ItemIdList list, std::span<char, kFolderPathBuffer> buffer) override;
  void free_item_list(ItemIdList list) override;
  std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                 std::span<char, kSearchPathBuffer> buffer) override;
  std::shared_ptr<SearchRun> begin_searches(const std::vector<std::string>& names,
                                            std::shared_ptr<SearchProgress> progress) override {
    return search_.begin(names, std::move(progress));
  }
  std::intptr_t ShellExecuteA(WindowHandle owner, std::string_view operation, std::string_view file,
                              std::int32_t show) override;
  std::int32_t start_program(std::string_view program, std::int32_t window_style) override;
  std::string application_folder() override;
  char path_separator() override { return '\\'; }
  std::string to_ansi(std::u16string_view text) override;
  std::u16string from_ansi(std::string_view text) override;
  std::u16string lower_case(std::u16string_view text) override;

 private:
  Win32Directories directories_;
  TreeSearch search_{[] { return std::make_unique<Win32Directories>(); }, search_threads()};
};

}  // namespace velorin
