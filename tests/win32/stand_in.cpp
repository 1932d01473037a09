// Stands in for a file that is not the system's: a comctl32.dll that a web
// page left in the Downloads folder, or the copy of Velorin-4 the checker
// starts. Whoever loads or starts it leaves a file beside it, "loaded" or
// "started". As a DLL it exports what the program would ask of comctl32,
// so that a file importing that still starts.

#include <windows.h>

#include <string>

namespace {

// Wide calls: the ANSI name of a folder the code page cannot spell opens nothing.
void leave_mark(HMODULE self, const wchar_t* mark) {
  wchar_t path[MAX_PATH + 1] = {};
  GetModuleFileNameW(self, path, MAX_PATH);
  std::wstring beside(path);
  beside.replace(beside.rfind(L'\\') + 1, std::wstring::npos, mark);
  CloseHandle(CreateFileW(beside.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
}

}  // namespace

BOOL WINAPI DllMain(HINSTANCE self, DWORD reason, void*) {
  if (reason == DLL_PROCESS_ATTACH) leave_mark(self, L"loaded");
  return TRUE;
}

int main() { leave_mark(nullptr, L"started"); }

extern "C" __declspec(dllexport) void WINAPI InitCommonControls() {}
extern "C" __declspec(dllexport) BOOL WINAPI InitCommonControlsEx(const void*) { return TRUE; }
