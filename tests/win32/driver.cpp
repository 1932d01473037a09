// Drives the running checker from outside, as UI-automation tools do: finds
// its window by title and each control by its ID (1000 plus the tab index),
// and prints one line per query. Usage: driver.exe QUERY ID [QUERY ID ...]
//   text ID, visible ID, checked ID: print the control's text, 1/0, 1/0
//   click ID: press the button (returns when its handler has run)
//   press ID: press the button and return at once
//   ping: 1 if the window answers a message within 200 ms, else 0
//   gaps ID: the clear pixels between a frame's caption and its top line,
//     left and right, as the screen shows them
//   tip TEXT: the width of the ink in the checker's shown tooltip, and of
//     TEXT drawn whole in the tooltip font
//   stroke ID: the commonest width of the runs of text pixels across the
//     rows of the control as the screen shows it: 1 for regular text, at
//     least 2 for text drawn bold, whatever a thin diagonal or a glyph of
//     a label beneath it adds
//   ink ID: the width and height of what is drawn on the control's
//     background, as the screen shows it
//   lines ID: the bands of rows with text on the control's background,
//     one a line the screen shows, whole or cut off
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

// Reads the screen only once the window has painted what it has to.
void painted(HWND control) { RedrawWindow(GetAncestor(control, GA_ROOT), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN); }

// A window's client area as the screen shows it, read as the user sees it:
// pixel (x, y) in client coordinates.
class OnScreen {
 public:
  explicit OnScreen(HWND w) {
    GetClientRect(w, &client);
    ClientToScreen(w, &origin_);
  }
  ~OnScreen() { ReleaseDC(nullptr, screen_); }
  OnScreen(const OnScreen&) = delete;
  OnScreen& operator=(const OnScreen&) = delete;
  COLORREF operator()(int x, int y) const { return GetPixel(screen_, origin_.x + x, origin_.y + y); }
  RECT client = {};

 private:
  HDC screen_ = GetDC(nullptr);
  POINT origin_ = {0, 0};
};

// The frame's top line is the first row below the caption's top that is
// line colour far to the right; the caption, centred on it, is the text
// colour in the rows around it, the line's own two rows aside. Prints the
// line-free pixels on each side of that ink.
void print_gaps(HWND frame) {
  painted(frame);
  const OnScreen pixel(frame);
  const RECT& r = pixel.client;
  const COLORREF back = pixel(r.right / 2, r.bottom / 2);
  int line = -1;
  for (int y = 0; y < r.bottom / 2 && line < 0; ++y)
    if (pixel(r.right - 20, y) != back) line = y;
  int ink_left = r.right, ink_right = -1;
  for (int y = 0; y < 2 * (line + 1); ++y)
    for (int x = 4; y != line && y != line + 1 && x < r.right - 4; ++x)  // inside the frame's own edges
      if (pixel(x, y) == RGB(255, 255, 255)) {
        ink_left = x < ink_left ? x : ink_left;
        ink_right = x > ink_right ? x : ink_right;
      }
  int left = 0, right = 0;
  while (ink_left - 1 - left >= 0 && pixel(ink_left - 1 - left, line) == back) ++left;
  while (ink_right + 1 + right < r.right && pixel(ink_right + 1 + right, line) == back) ++right;
  std::printf("%d %d\n", left, right);
}

// The columns and the rows from the first to the last pixel unlike the
// background, in a rectangle read through a device context.
struct Ink {
  int width, height;
};
template <class Pixel>
Ink ink(const Pixel& pixel, int width, int height) {
  const COLORREF back = pixel(0, 0);
  int left = width, right = -1, top = height, bottom = -1;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x)
      if (pixel(x, y) != back) {
        left = x < left ? x : left;
        right = x > right ? x : right;
        top = y < top ? y : top;
        bottom = y;
      }
  return right < left ? Ink{0, 0} : Ink{right - left + 1, bottom - top + 1};
}

struct TipSearch {
  DWORD thread;
  HWND found;
};

BOOL CALLBACK match_tip(HWND w, LPARAM lparam) {
  auto* s = reinterpret_cast<TipSearch*>(lparam);
  char name[64] = {};
  GetClassNameA(w, name, sizeof name);
  if (GetWindowThreadProcessId(w, nullptr) != s->thread || !IsWindowVisible(w) ||
      lstrcmpiA(name, "tooltips_class32") != 0)
    return TRUE;
  s->found = w;
  return FALSE;
}

void print_tip(HWND window, const char* text) {
  TipSearch s{GetWindowThreadProcessId(window, nullptr), nullptr};
  for (int i = 0; i < 30 && !s.found; ++i, Sleep(100)) EnumWindows(match_tip, reinterpret_cast<LPARAM>(&s));
  if (!s.found) {
    std::printf("no tooltip\n");
    return;
  }
  Sleep(300);  // shown and painted
  const OnScreen tip(s.found);
  const int shown = ink(tip, tip.client.right, tip.client.bottom).width;

  NONCLIENTMETRICSA metrics = {};
  metrics.cbSize = sizeof metrics;
  SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0);
  HFONT font = CreateFontIndirectA(&metrics.lfStatusFont);
  HDC desktop = GetDC(nullptr);
  HDC dc = CreateCompatibleDC(desktop);
  HBITMAP bitmap = CreateCompatibleBitmap(desktop, 1200, 60);
  ReleaseDC(nullptr, desktop);
  SelectObject(dc, bitmap);
  RECT all = {0, 0, 1200, 60};
  FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  TextOutA(dc, 10, 10, text, lstrlenA(text));
  const int whole = ink([&](int x, int y) { return GetPixel(dc, x, y); }, 1200, 60).width;
  DeleteDC(dc);
  DeleteObject(bitmap);
  DeleteObject(font);
  std::printf("%d %d\n", shown, whole);
}

void print_ink(HWND control) {
  painted(control);
  const OnScreen pixel(control);
  const Ink shown = ink(pixel, pixel.client.right, pixel.client.bottom);
  std::printf("%d %d\n", shown.width, shown.height);
}

void print_lines(HWND label) {
  painted(label);
  const OnScreen pixel(label);
  const COLORREF back = pixel(0, 0);
  int bands = 0;
  for (int y = 0, inked_above = 0; y < pixel.client.bottom; ++y) {
    int inked = 0;
    for (int x = 0; x < pixel.client.right && !inked; ++x) inked = pixel(x, y) != back;
    bands += inked && !inked_above;
    inked_above = inked;
  }
  std::printf("%d\n", bands);
}

void print_stroke(HWND control) {
  painted(control);
  const OnScreen pixel(control);
  const COLORREF back = pixel(0, 0);
  int count[64] = {};
  for (int y = 0; y < pixel.client.bottom; ++y)
    for (int x = 0, run = 0; x <= pixel.client.right; ++x) {
      if (x < pixel.client.right && pixel(x, y) != back) {
        ++run;
      } else if (run) {
        ++count[run < 63 ? run : 63];
        run = 0;
      }
    }
  int common = 0;
  for (int width = 1; width < 64; ++width) common = count[width] > count[common] ? width : common;
  std::printf("%d\n", common);
}

void print_utf8(const wchar_t* text) {
  char out[4096] = {};
  WideCharToMultiByte(CP_UTF8, 0, text, -1, out, sizeof out, nullptr, nullptr);
  std::printf("%s\n", out);
}

}  // namespace

int main(int argc, char** argv) {
  // Reads the screen in its own pixels, as the checker draws them: Wine 10
  // scales all it tells a program unaware of the resolution.
  SetProcessDPIAware();
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
    if (query == "tip" && i + 1 < argc) {
      print_tip(window, argv[++i]);
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
    } else if (query == "stroke") {
      print_stroke(c);
    } else if (query == "ink") {
      print_ink(c);
    } else if (query == "lines") {
      print_lines(c);
    } else if (query == "gaps") {
      print_gaps(c);
    } else if (query == "press") {
      PostMessageW(c, BM_CLICK, 0, 0);
    }
  }
  std::fflush(stdout);
  return 0;
}
