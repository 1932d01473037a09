#include "platform/win32/win32_platform.h"

#include <windows.h>
#include <shlobj.h>

#include <cstring>
#include <string>

namespace velorin {

static_assert(sizeof(VersionRecord) == sizeof(OSVERSIONINFOA));

std::int32_t Win32Platform::GetVersionExA(VersionRecord& record) {
  return ::GetVersionExA(reinterpret_cast<OSVERSIONINFOA*>(&record));
}

std::int32_t Win32Platform::SHGetSpecialFolderLocation(WindowHandle owner, std::int32_t folder, ItemIdList& list) {
  LPITEMIDLIST pidl = nullptr;
  const HRESULT result = ::SHGetSpecialFolderLocation(reinterpret_cast<HWND>(owner), folder, &pidl);
  list = reinterpret_cast<ItemIdList>(pidl);
  return static_cast<std::int32_t>(result);
}

std::int32_t Win32Platform::SHGetPathFromIDListA(ItemIdList list, std::span<char, kFolderPathBuffer> buffer) {
  return ::SHGetPathFromIDListA(reinterpret_cast<LPCITEMIDLIST>(list), buffer.data());
}

void Win32Platform::free_item_list(ItemIdList list) { CoTaskMemFree(reinterpret_cast<void*>(list)); }

std::string Win32Platform::utf8_from_ansi(std::string_view text) {
  const std::u16string wide = from_ansi(text);
  return utf8_from_wide(std::wstring_view(reinterpret_cast<const wchar_t*>(wide.data()), wide.size()));
}

void Win32Platform::begin_searches(const std::vector<std::string>& names) {
  std::vector<std::string> utf8;
  for (const std::string& name : names) utf8.push_back(utf8_from_ansi(name));
  search_.begin(std::move(utf8));
}

// A path that does not fit the caller's buffer counts as not found; the walk
// passes over such matches in UTF-8, which is never shorter than the ANSI form.
std::int32_t Win32Platform::SearchTreeForFile(std::string_view root, std::string_view name,
                                              std::span<char, kSearchPathBuffer> buffer) {
  const std::optional<std::string> found = search_.find(utf8_from_ansi(root), utf8_from_ansi(name), buffer.size() - 1);
  if (!found) return 0;
  const std::wstring wide = wide_from_utf8(*found);
  const std::string ansi = to_ansi(std::u16string_view(reinterpret_cast<const char16_t*>(wide.data()), wide.size()));
  if (ansi.size() >= buffer.size()) return 0;
  std::memcpy(buffer.data(), ansi.c_str(), ansi.size() + 1);
  return 1;
}

std::intptr_t Win32Platform::ShellExecuteA(WindowHandle owner, std::string_view operation, std::string_view file,
                                           std::int32_t show) {
  return reinterpret_cast<std::intptr_t>(::ShellExecuteA(reinterpret_cast<HWND>(owner), std::string(operation).c_str(),
                                                         std::string(file).c_str(), nullptr, nullptr, show));
}

// The program is named as the application itself and, quoted, as the command
// line, so that no part of a path with blanks can be taken for another program.
std::int32_t Win32Platform::start_program(std::string_view program, std::int32_t window_style) {
  const std::string path(program);
  std::string command_line = "\"" + path + "\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESHOWWINDOW;
  startup.wShowWindow = static_cast<WORD>(window_style);
  PROCESS_INFORMATION process = {};
  if (!CreateProcessA(path.c_str(), command_line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &process))
    return 0;
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  return static_cast<std::int32_t>(process.dwProcessId);
}

std::string Win32Platform::application_folder() {
  char path[MAX_PATH + 1] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return {};
  std::string folder(path, length);
  const std::size_t slash = folder.find_last_of('\\');
  if (slash == std::string::npos) return {};
  // The root of a drive keeps its backslash: "D:\".
  folder.resize(slash == 2 && folder[1] == ':' ? slash + 1 : slash);
  return folder;
}

std::string Win32Platform::to_ansi(std::u16string_view text) {
  if (text.empty()) return {};
  const auto* wide = reinterpret_cast<const wchar_t*>(text.data());
  const int size = static_cast<int>(text.size());
  const int bytes = WideCharToMultiByte(CP_ACP, 0, wide, size, nullptr, 0, nullptr, nullptr);
  std::string out(static_cast<std::size_t>(bytes), '\0');
  WideCharToMultiByte(CP_ACP, 0, wide, size, out.data(), bytes, nullptr, nullptr);
  return out;
}

std::u16string Win32Platform::from_ansi(std::string_view text) {
  if (text.empty()) return {};
  const int size = static_cast<int>(text.size());
  const int chars = MultiByteToWideChar(CP_ACP, 0, text.data(), size, nullptr, 0);
  std::u16string out(static_cast<std::size_t>(chars), u'\0');
  MultiByteToWideChar(CP_ACP, 0, text.data(), size, reinterpret_cast<wchar_t*>(out.data()), chars);
  return out;
}

std::u16string Win32Platform::lower_case(std::u16string_view text) {
  std::u16string out(text);
  if (!out.empty()) CharLowerBuffW(reinterpret_cast<wchar_t*>(out.data()), static_cast<DWORD>(out.size()));
  return out;
}

}  // namespace velorin
