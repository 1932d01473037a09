#pragma once
// The platform operations on Linux and other POSIX systems. There is no
// Windows version record, so it stays as the caller made it; the program-files
// folder is /usr; the "ANSI" code page is UTF-8.

#include "platform/platform.h"

namespace velorin {

class PosixPlatform final : public Platform {
 public:
  std::int32_t GetVersionExA(VersionRecord& record) override;
  std::int32_t SHGetSpecialFolderLocation(WindowHandle owner, std::int32_t folder, ItemIdList& list) override;
  std::int32_t SHGetPathFromIDListA(ItemIdList list, std::span<char, kFolderPathBuffer> buffer) override;
  void free_item_list(ItemIdList list) override;
  std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                 std::span<char, kSearchPathBuffer> buffer) override;
  std::string to_ansi(std::u16string_view text) override;
  std::u16string from_ansi(std::string_view text) override;
  std::u16string lower_case(std::u16string_view text) override;
};

}  // namespace velorin
