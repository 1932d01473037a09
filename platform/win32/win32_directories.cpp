#include "platform/win32/win32_directories.h"

#include <windows.h>

#include <string>

namespace velorin {

std::wstring wide_from_utf8(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::wstring out(static_cast<std::size_t>(MultiByteToWideChar(CP_UTF8, 0, text.data(), size, nullptr, 0)), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()));
  return out;
}

std::string utf8_from_wide(std::wstring_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  std::string out(static_cast<std::size_t>(WideCharToMultiByte(CP_UTF8, 0, text.data(), size, nullptr, 0, nullptr, nullptr)),
                  '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), size, out.data(), static_cast<int>(out.size()), nullptr, nullptr);
  return out;
}

bool Win32Directories::list(const std::string& path, const Entry& entry) {
  std::wstring pattern = wide_from_utf8(path);
  if (pattern.back() != L'\\') pattern += L'\\';
  pattern += L'*';
  WIN32_FIND_DATAW found;
  HANDLE find = FindFirstFileExW(pattern.c_str(), FindExInfoBasic, &found, FindExSearchNameMatch, nullptr,
                                 FIND_FIRST_EX_LARGE_FETCH);
  if (find == INVALID_HANDLE_VALUE && GetLastError() == ERROR_INVALID_PARAMETER)  // before Windows 7
    find = FindFirstFileExW(pattern.c_str(), FindExInfoStandard, &found, FindExSearchNameMatch, nullptr, 0);
  if (find == INVALID_HANDLE_VALUE) return false;
  do {
    const wchar_t* n = found.cFileName;
    if (n[0] == L'.' && (n[1] == L'\0' || (n[1] == L'.' && n[2] == L'\0'))) continue;
    const DWORD attributes = found.dwFileAttributes;
    EntryKind kind = EntryKind::File;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY)
      kind = (attributes & FILE_ATTRIBUTE_REPARSE_POINT) ? EntryKind::Other : EntryKind::Directory;
    entry(utf8_from_wide(n), kind);
  } while (FindNextFileW(find, &found));
  FindClose(find);
  return true;
}

bool Win32Directories::link_is_file(const std::string& path) {
  const DWORD attributes = GetFileAttributesW(wide_from_utf8(path).c_str());
  return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

std::string Win32Directories::fold(std::string_view name) {
  std::wstring w = wide_from_utf8(name);
  if (!w.empty()) CharLowerBuffW(w.data(), static_cast<DWORD>(w.size()));
  return utf8_from_wide(w);
}

}  // namespace velorin
