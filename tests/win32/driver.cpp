// Drives the running checker from outside, as UI-automation tools do: finds
// its window by title and each control by its ID (1000 plus the tab index),
// and prints one line per query. Usage: driver.exe QUERY ID [QUERY ID ...]
//   text ID, visible ID, checked ID: print the control's text, 1/0, 1/0
//   click ID: press the button (returns when its handler has run)
//   press ID: press the button and return at once
//   ping: 1 if the window answers a message within 200 ms, else 0
//   key tab|up|down|left|right|esc, key alt+X: type the key into the window;
//   focus: the focused control's ID
//   wait: wait for the window; close: close it through its title bar

#include <windows.h>

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

HWND checker() {
  for (int i = 0; i < 300; ++i) {
    // Shown only once every control is made and the window has loaded.
    HWND w = FindWindowW(L"Form1", L"System-Test Velorin-4 Online !");
    if (w && IsWindowVisible(w)) return w;
    Sleep(100);
  }
  return nullptr;
}

struct Search {
  int id;
  HWND found;
};

BOOL CALLBACK match(HWND child, LPARAM lparam) {
  auto* s = reinterpret_cast<Search*>(lparam);
  if (GetDlgCtrlID(child) != s->id) return TRUE;
  s->found = child;
  return FALSE;
}

HWND control(HWND window, int id) {
  Search s{id, nullptr};
  EnumChildWindows(window, match, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void print_utf8(const wchar_t* text) {
  char out[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
  std::printf("%s\n", out);
}

}  // namespace

int main(int argc, char** argv) {
  HWND window = checker();
  if (!window) {
    std::printf("no window\n");
    return 1;
  }
  for (int i = 1; i < argc; ++i) {
    const std::string query = argv[i];
    if (query == "wait") continue;
    if (query == "close") {
      PostMessageW(window, WM_CLOSE, 0, 0);
      continue;
    }
    if (query == "ping") {
      DWORD_PTR result = 0;
      std::printf("%d\n", SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 200, &result) ? 1 : 0);
      continue;
    }
    if (query == "focus") {
      GUITHREADINFO info = {};
      info.cbSize = sizeof info;
      GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
      std::printf("%d\n", info.hwndFocus ? GetDlgCtrlID(info.hwndFocus) : 0);
      continue;
    }
    if (query == "key" && i + 1 < argc) {
      const std::string key = argv[++i];
      const struct {
        const char* name;
        WPARAM code;
      } plain[] = {{"tab", VK_TAB}, {"up", VK_UP}, {"down", VK_DOWN}, {"left", VK_LEFT}, {"right", VK_RIGHT}, {"esc", VK_ESCAPE}};
      for (const auto& k : plain)
        if (key == k.name) PostMessageW(window, WM_KEYDOWN, k.code, 1);
      if (key.size() == 5 && key.starts_with("alt+")) {
        PostMessageW(window, WM_SYSKEYDOWN, static_cast<WPARAM>(std::toupper(key[4])), 1 | (1 << 29));
      }
      Sleep(300);  // the window takes it from its queue
      continue;
    }
    if (i + 1 >= argc) return 2;
    HWND c = control(window, std::atoi(argv[++i]));
    if (!c) {
      std::printf("no control %s\n", argv[i]);
      continue;
    }
    if (query == "text") {
      // GetWindowText does not ask a control of another process; WM_GETTEXT does.
      wchar_t text[2048] = {};
      SendMessageW(c, WM_GETTEXT, 2048, reinterpret_cast<LPARAM>(text));
      print_utf8(text);
    } else if (query == "visible") {
      std::printf("%d\n", IsWindowVisible(c) ? 1 : 0);
    } else if (query == "checked") {
      std::printf("%d\n", SendMessageW(c, BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0);
    } else if (query == "click") {
      SendMessageW(c, BM_CLICK, 0, 0);
    } else if (query == "press") {
      PostMessageW(c, BM_CLICK, 0, 0);
    }
  }
  std::fflush(stdout);
  return 0;
}
