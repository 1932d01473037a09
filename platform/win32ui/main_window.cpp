#include "platform/win32ui/main_window.h"

#include <windows.h>
#include <commctrl.h>

#include <ranges>

#include "app/routing.h"
#include "platform/win32/later_functions.h"
#include "platform/win32/system_dlls.h"
#include "platform/win32ui/artwork.h"
#include "platform/win32ui/convert.h"

namespace velorin::win32 {
namespace {

constexpr char kClassName[] = "Form1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;  // close box only

struct Class {
  const char* name;
  DWORD style;
  DWORD ex_style;
};

Class native_class(const ControlSpec& s) {
  switch (s.kind) {
    case Kind::Frame:
      return {"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, 0};
    case Kind::Label:
      // Drawn by the window (draw_caption). A transparent label is painted
      // after the siblings beneath it, over them.
      return {"STATIC", SS_OWNERDRAW | SS_NOTIFY,
              static_cast<DWORD>(s.back_style == BackStyle::Transparent ? WS_EX_TRANSPARENT : 0)};
    case Kind::CommandButton:
      return {"BUTTON", static_cast<DWORD>(s.style == ButtonStyle::Graphical ? BS_OWNERDRAW : BS_PUSHBUTTON) |
                             (s.tab_stop ? WS_TABSTOP : 0u),
              0};
    case Kind::TextBox:
      return {"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, static_cast<DWORD>(s.look == Look::Flat ? 0 : WS_EX_CLIENTEDGE)};
    case Kind::PictureBox:
      return {"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
    case Kind::OptionButton:
      return {"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
  }
  return {"STATIC", 0, 0};
}

// Never smoothed, as the "MS Sans Serif" bitmaps of the Windows this window
// was drawn for: smoothing thins bold dark text on a light button (Wine).
HFONT create_font(const char* face, BYTE precision, Font f, int height) {
  return CreateFontA(-height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, precision,
                     CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, DEFAULT_PITCH | FF_SWISS, face);
}

// "MS Sans Serif" where it has the size the screen's DPI asks for. Its
// bitmaps lack the larger sizes of a scaled screen and would keep a smaller
// one, so there the text takes its scalable twin, "Microsoft Sans Serif"
// (Windows 2000 on), or the nearest TrueType face the system has (Arial on
// Windows 95, Liberation Sans under Wine), as the Linux window does.
HFONT window_font(Font f, int dpi) {
  const int height = MulDiv(f.centipoints, dpi, 7200);
  const HFONT bitmap = create_font("MS Sans Serif", OUT_DEFAULT_PRECIS, f, height);
  HDC screen = GetDC(nullptr);
  const HGDIOBJ old = SelectObject(screen, bitmap);
  TEXTMETRICA metrics = {};
  GetTextMetricsA(screen, &metrics);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  const bool scalable = metrics.tmPitchAndFamily & (TMPF_VECTOR | TMPF_TRUETYPE);
  if (scalable || metrics.tmHeight - metrics.tmInternalLeading >= height) return bitmap;
  DeleteObject(bitmap);
  return create_font("Microsoft Sans Serif", OUT_TT_ONLY_PRECIS, f, height);
}

// From the system folder, never the program's. Common controls 4.70 on know
// the newer call; the first ones register their classes with the older one.
// Without them the window has no tooltips; its other controls are USER32's.
void init_common_controls() {
  const HMODULE comctl32 = load_system_library("comctl32.dll");
  if (!comctl32) return;
  using Init = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
  if (const auto init = later<Init>("comctl32.dll", "InitCommonControlsEx")) {
    const INITCOMMONCONTROLSEX common = {sizeof common, ICC_WIN95_CLASSES};
    if (init(&common)) return;
  }
  if (const auto init = reinterpret_cast<void(WINAPI*)()>(
          reinterpret_cast<void*>(GetProcAddress(comctl32, "InitCommonControls"))))
    init();
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Form1& form) : instance_(instance), form_(form) {
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  init_common_controls();

  WNDCLASSEXA wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = window_proc;
  wc.hInstance = instance_;
  wc.hIcon = window_icon(instance_);
  wc.hCursor = cursor(Pointer::Default);
  wc.hbrBackground = brush(colorref(form_spec().back));
  wc.lpszClassName = kClassName;
  RegisterClassExA(&wc);

  hwnd_ = CreateWindowExA(0, kClassName, ansi(form_spec().caption).c_str(), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this);
  form_.hWnd = reinterpret_cast<WindowHandle>(hwnd_);
  apply_client_size();
  create_tooltip();
  create_native_controls();
  form_.window().set_observer(this);
  form_.set_search_wait(this);
}

MainWindow::~MainWindow() {
  form_.window().set_observer(nullptr);
  form_.set_search_wait(nullptr);
  if (IsWindow(hwnd_)) DestroyWindow(hwnd_);
  for (const auto& [key, f] : fonts_) DeleteObject(f);
  for (const auto& [key, b] : brushes_) DeleteObject(b);
}

// Each container's controls are made and then stacked topmost first; the
// frames come before what they hold.
void MainWindow::create_native_controls() {
  Window& model = form_.window();
  for (Container container : {Container::Form1, Container::Frame1, Container::Frame2}) {
    HWND above = HWND_TOP;
    for (Control* c : stacking_order(model, container)) {
      Control* frame = model.container_of(*c);
      HWND child = create_native_control(*c, frame ? hwnds_.at(frame) : hwnd_);
      SetWindowPos(child, above, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
      above = child;
    }
  }
}

HWND MainWindow::create_native_control(Control& control, HWND parent) {
  const ControlSpec& s = control.spec();
  const Class cls = native_class(s);
  const RECT r = pixel_rect(s, dpi_);
  const DWORD visible = control.Visible() ? WS_VISIBLE : 0;
  HWND child = CreateWindowExA(cls.ex_style, cls.name, ansi(control.Text()).c_str(), WS_CHILD | WS_CLIPSIBLINGS | visible | cls.style,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + s.tab_index)), instance_, nullptr);
  SendMessageA(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(s.font)), FALSE);
  if (s.kind == Kind::OptionButton) SendMessageA(child, BM_SETCHECK, control.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
  connect_events(control, child);
  tool(TTM_ADDTOOLA, natives_.at(child));
  return child;
}

HFONT MainWindow::font(Font f) {
  auto it = fonts_.find(f);
  if (it == fonts_.end()) it = fonts_.emplace(f, window_font(f, dpi_)).first;
  return it->second;
}

HBRUSH MainWindow::brush(COLORREF colour) {
  auto it = brushes_.find(colour);
  if (it == brushes_.end()) it = brushes_.emplace(colour, CreateSolidBrush(colour)).first;
  return it->second;
}

// The client area the model asks for, whatever the frame around it measures.
void MainWindow::apply_client_size() {
  RECT r = {0, 0, pixels(form_spec().client_width, dpi_), pixels(form_.window().client_height(), dpi_)};
  AdjustWindowRectEx(&r, kStyle, FALSE, 0);
  SetWindowPos(hwnd_, nullptr, 0, 0, r.right - r.left, r.bottom - r.top, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void MainWindow::start() {
  RECT work = {}, window = {};
  SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0);
  GetWindowRect(hwnd_, &window);
  const int width = window.right - window.left, height = window.bottom - window.top;
  SetWindowPos(hwnd_, nullptr, work.left + (work.right - work.left - width) / 2,
               work.top + (work.bottom - work.top - height) / 2, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  UpdateWindow(hwnd_);
  if (const Control* first = first_focus(form_.window())) SetFocus(hwnds_.at(first));
}

MainWindow::Native* MainWindow::native(HWND hwnd) {
  const auto it = natives_.find(hwnd);
  return it == natives_.end() ? nullptr : &it->second;
}

MainWindow::Native* MainWindow::native(const Control& control) {
  const auto it = hwnds_.find(&control);
  return it == hwnds_.end() ? nullptr : native(it->second);
}

}  // namespace velorin::win32
