#include "platform/posix/posix_platform.h"

#include <cstring>
#include <filesystem>

#include "platform/posix/case_mapping.h"
#include "platform/posix/spawn.h"
#include "platform/posix/utf.h"

namespace velorin {
namespace {

constexpr std::int32_t kProgramFiles = 38;
constexpr std::int32_t kInvalidArgument = static_cast<std::int32_t>(0x80070057);  // E_INVALIDARG
constexpr char kProgramFilesPath[] = "/usr";

}  // namespace

std::int32_t PosixPlatform::GetVersionExA(VersionRecord&) { return 0; }

std::int32_t PosixPlatform::SHGetSpecialFolderLocation(WindowHandle, std::int32_t folder, ItemIdList& list) {
  if (folder != kProgramFiles) return kInvalidArgument;
  list = static_cast<ItemIdList>(kProgramFiles);
  return 0;
}

std::int32_t PosixPlatform::SHGetPathFromIDListA(ItemIdList list, std::span<char, kFolderPathBuffer> buffer) {
  if (list != static_cast<ItemIdList>(kProgramFiles)) return 0;
  std::memcpy(buffer.data(), kProgramFilesPath, sizeof kProgramFilesPath);
  return 1;
}

void PosixPlatform::free_item_list(ItemIdList) {}

std::int32_t PosixPlatform::SearchTreeForFile(std::string_view root, std::string_view name,
                                              std::span<char, kSearchPathBuffer> buffer) {
  return search_.SearchTreeForFile(root, name, buffer);
}

// Windows' ShellExecute answers above 32 for success.
std::intptr_t PosixPlatform::ShellExecuteA(WindowHandle, std::string_view, std::string_view file, std::int32_t) {
  return spawn_detached({opener_, std::string(file)}, Find::OnPath) ? 33 : 0;
}

std::int32_t PosixPlatform::start_program(std::string_view program, std::int32_t) {
  return spawn_detached({std::string(program)}, Find::AtPath) ? 1 : 0;
}

std::string PosixPlatform::application_folder() {
  std::error_code error;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
  if (error) return {};
  return program.parent_path().string();
}

std::string PosixPlatform::to_ansi(std::u16string_view text) { return utf8_from_utf16(text); }

std::u16string PosixPlatform::from_ansi(std::string_view text) { return utf16_from_utf8(text); }

std::u16string PosixPlatform::lower_case(std::u16string_view text) {
  return utf16_from_code_points(velorin::lower_case(code_points(text)));
}

}  // namespace velorin
