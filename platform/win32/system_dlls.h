#pragma once
// The program is often started from a Downloads folder, where anyone's files
// may lie. The DLLs it loads at run time come from the system folder only,
// and so, where the system can be told, do those loaded for it later.

#include <windows.h>

namespace velorin::win32 {

// NAME from the system folder, by its full path; null where it cannot be loaded.
HMODULE load_system_library(const char* name);

// From now on the process's loads by name leave out the program's folder
// (Windows 8 on, and 7 and Vista with update KB2533623) or at least the
// current folder (XP SP1 on). This covers what the shell loads for the
// program when it opens a page or a folder.
void limit_dll_search();

}  // namespace velorin::win32
