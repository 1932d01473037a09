#include "platform/win32/later_functions.h"

namespace velorin::win32 {
namespace {
bool oldest_windows = false;
}

// Only modules the program imports from are asked: they are loaded already.
FARPROC later_function(const char* module, const char* name) {
  if (oldest_windows) return nullptr;
  HMODULE loaded = GetModuleHandleA(module);
  return loaded ? GetProcAddress(loaded, name) : nullptr;
}

void pretend_oldest_windows(bool oldest) { oldest_windows = oldest; }

}  // namespace velorin::win32
