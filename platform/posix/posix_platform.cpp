#include "platform/posix/posix_platform.h"

#include <cstring>
#include <locale.h>
#include <wctype.h>

#include "platform/posix/utf.h"

namespace velorin {
namespace {

constexpr std::int32_t kProgramFiles = 38;
constexpr std::int32_t kInvalidArgument = static_cast<std::int32_t>(0x80070057);  // E_INVALIDARG
constexpr char kProgramFilesPath[] = "/usr";

// A locale of its own, so that case mapping is Unicode's whatever the
// environment says; C.UTF-8 ships with the C library.
locale_t unicode_locale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

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

std::string PosixPlatform::to_ansi(std::u16string_view text) { return utf8_from_utf16(text); }

std::u16string PosixPlatform::from_ansi(std::string_view text) { return utf16_from_utf8(text); }

std::u16string PosixPlatform::lower_case(std::u16string_view text) {
  std::u32string points = code_points(text);
  if (const locale_t locale = unicode_locale()) {
    for (char32_t& c : points) c = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
  }
  return utf16_from_code_points(points);
}

}  // namespace velorin
