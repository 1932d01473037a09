// Stands in for a comctl32.dll that a web page left in the Downloads folder:
// whoever loads it leaves a file beside it, "loaded". It exports what the
// program would ask of the real one, so that a file importing that still starts.

#include <windows.h>

#include <string>

namespace {

void leave_mark(HMODULE self, const char* mark) {
  char path[MAX_PATH + 1] = {};
  GetModuleFileNameA(self, path, MAX_PATH);
  std::string beside(path);
  beside.replace(beside.rfind('\\') + 1, std::string::npos, mark);
  CloseHandle(CreateFileA(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) leave_mark(self, "loaded");
  return TRUE;
}

extern "C" __declspec(dllexport) void WINAPI InitCommonControls() {}
extern "C" __declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void*) { return TRUE; }
