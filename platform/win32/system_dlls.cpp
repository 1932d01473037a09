#include "platform/win32/system_dlls.h"

#include <string>

#include "platform/win32/later_functions.h"

namespace velorin::win32 {

HMODULE load_system_library(const char* name) {
  char folder[MAX_PATH + 1] = {};
  const UINT length = GetSystemDirectoryA(folder, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return nullptr;
  // The altered search takes what the DLL imports from the DLL's own folder.
  const std::string path = std::string(folder, length) + "\\" + name;
  return LoadLibraryExA(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

void limit_dll_search() {
  constexpr DWORD kSystemFolderOnly = 0x800;  // LOAD_LIBRARY_SEARCH_SYSTEM32
  if (const auto set_default = later<BOOL(WINAPI*)(DWORD)>("kernel32.dll", "SetDefaultDllDirectories"))
    if (set_default(kSystemFolderOnly)) return;
  if (const auto set_directory = later<BOOL(WINAPI*)(const char*)>("kernel32.dll", "SetDllDirectoryA"))
    set_directory("");
}

}  // namespace velorin::win32
