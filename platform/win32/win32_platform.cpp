#include "platform/win32/win32_platform.h"

#include "platform/win32/ansi.h"

#include <windows.h>
#include <shlobj.h>

#include <string>

namespace velorin {

static_assert(sizeof(VersionRecord) == sizeof(OSVERSIONINFOA));

// A search lists drives that may hold no medium, a CD drive most often: the
// system is to answer "not ready" at once, not hold the search in a box of
// its own that asks for a disk. The mode is the process's, kept as it was
// but for this.
Win32Platform::Win32Platform() { SetErrorMode(SetErrorMode(SEM_FAILCRITICALERRORS) | SEM_FAILCRITICALERRORS); }

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

std::int32_t Win32Platform::SearchTreeForFile(std::string_view root, std::string_view name,
                                              std::span<char, kSearchPathBuffer> buffer) {
  return search_.SearchTreeForFile(root, name, buffer);
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

std::string Win32Platform::to_ansi(std::u16string_view text) { return ansi_from_utf16(text); }

std::u16string Win32Platform::from_ansi(std::string_view text) { return utf16_from_ansi(text); }

// Through the code page, as the tree search folds names, since CharLowerBuffW
// does nothing on Windows 95, 98 and ME; the window's texts all come from
// that code page anyway.
std::u16string Win32Platform::lower_case(std::u16string_view text) {
  return from_ansi(directories_.fold(to_ansi(text)));
}

}  // namespace velorin
