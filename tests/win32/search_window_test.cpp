// The Win32 window over the fake platform, while a read hangs: neither a
// cancel nor the close box waits for it.

#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>

#include "app/form1.h"
#include "fake_platform.h"
#include "platform/win32ui/main_window.h"

namespace velorin {
namespace {

// Every search hangs, as a read of a dead share does, whatever stop says,
// until it is released; every run, and so every search, has ended before
// the platform goes.
struct Hanging final {
  explicit Hanging(testing::FakePlatform& platform) : platform(platform) {
    platform.tree = [this](const std::string&, const std::string&) -> std::optional<std::string> {
      ++hanging;
      while (!released) Sleep(1);
      --hanging;
      return std::nullopt;
    };
  }
  ~Hanging() {
    released = true;
    while (platform.live_runs > 0) Sleep(1);
  }
  testing::FakePlatform& platform;
  std::atomic<int> hanging{0};
  std::atomic<bool> released{false};
};

// The message the user's action sends, 300 ms into the search.
UINT pressed = 0;
WPARAM pressed_key = 0;
void CALLBACK press(HWND window, UINT, UINT_PTR timer, DWORD) {
  KillTimer(window, timer);
  PostMessageA(window, pressed, pressed_key, 0);
}
void press_soon(HWND window, UINT message, WPARAM key) {
  pressed = message;
  pressed_key = key;
  SetTimer(window, 1, 300, press);
}

TEST(SearchWindow, NeitherACancelNorTheCloseBoxWaitsForAReadThatHangs) {
  testing::FakePlatform platform;
  platform.set_version(2, 5, 1, 2600, "");
  Form1 form(platform);
  win32::MainWindow window(GetModuleHandleA(nullptr), form);
  form.Form_Load();
  window.start();
  Hanging searches(platform);
  form.Label27_Click();
  const Window::Snapshot before = form.window().snapshot();

  press_soon(window.hwnd(), WM_KEYDOWN, VK_ESCAPE);
  form.Click(form.Command1);
  EXPECT_EQ(searches.hanging, 1);
  EXPECT_EQ(form.Label25.Caption(), u"Suche abgebrochen.");
  form.Label25.set_Caption(u"");
  EXPECT_EQ(form.window().snapshot(), before);

  const HWND hwnd = window.hwnd();
  press_soon(hwnd, WM_CLOSE, 0);
  form.Click(form.Command1);
  EXPECT_EQ(searches.hanging, 2);
  EXPECT_TRUE(form.unloaded());
  EXPECT_FALSE(IsWindow(hwnd));
  MSG quit;
  EXPECT_TRUE(PeekMessageA(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) << "the program's loop ends";
}

}  // namespace
}  // namespace velorin
