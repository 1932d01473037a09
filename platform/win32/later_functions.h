#pragma once
// Functions that not every Windows this program runs on has. They are looked
// up when wanted instead of imported, so that the loader of an older system
// never refuses the program file; each caller has a way that works without.
// Tests make every lookup answer "not there", to run the oldest system's way.

#include <windows.h>

namespace velorin::win32 {

FARPROC later_function(const char* module, const char* name);

template <class Function>
Function later(const char* module, const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(later_function(module, name)));
}

// For tests: every lookup from now on answers "not there".
void pretend_oldest_windows(bool oldest);

}  // namespace velorin::win32
