// The Windows program: the model on the Win32 platform, in a native window.

#include <windows.h>

#include "app/form1.h"
#include "platform/win32/later_functions.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32/win32_platform.h"
#include "platform/win32ui/main_window.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
#ifdef VELORIN_PRETEND_OLDEST_WINDOWS
  velorin::win32::pretend_oldest_windows(true);  // the tests' build: Windows 95's ways under any Windows
#endif
  velorin::Win32Platform platform;
  velorin::Form1 form(platform);
  velorin::win32::MainWindow window(instance, form);
  // Once the window has loaded the common controls by their full path:
  // later loads by name leave out the program's folder.
  velorin::win32::limit_dll_search();
  form.Form_Load();
  window.start();
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (window.pre_translate(msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
