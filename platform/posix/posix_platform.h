#pragma once
// The platform operations on Linux and other POSIX systems. There is no
// Windows version record, so it stays as the caller made it; the program-files
// folder is /usr; the "ANSI" code page is UTF-8. Opening goes through
// xdg-open, with the target as its one argument.

#include <string>

#include "platform/platform.h"
#include "platform/posix/tree_search.h"

namespace velorin {

class PosixPlatform final : public Platform {
 public:
  // opener: the program that opens a target, found on PATH as desktop
  // programs find it; tests put a stand-in here.
  explicit PosixPlatform(std::string opener = "xdg-open") : opener_(std::move(opener)) {}
  PosixPlatform(const PosixPlatform&) = delete;
  PosixPlatform& operator=(const PosixPlatform&) = delete;

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
  char path_separator() override { return '/'; }
  std::string to_ansi(std::u16string_view text) override;
  std::u16string from_ansi(std::string_view text) override;
  std::u16string lower_case(std::u16string_view text) override;

 private:
  std::string opener_;
  TreeSearch search_{[] { return std::make_unique<PosixDirectories>(); }, search_threads()};
};

}  // namespace velorin
