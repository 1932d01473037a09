#include "platform/win32ui/main_window.h"

#include <windows.h>
#include <commctrl.h>

#include <ranges>

#include "app/routing.h"
#include "platform/win32ui/artwork.h"
#include "platform/win32ui/convert.h"

namespace velorin::win32 {
namespace {

constexpr wchar_t kClassName[] = L"Form1";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;  // close box only

struct Class {
  const wchar_t* name;
  DWORD style;
  DWORD ex_style;
};

Class native_class(const ControlSpec& s) {
  switch (s.kind) {
    case Kind::Frame:
      return {L"BUTTON", BS_GROUPBOX | WS_CLIPCHILDREN, 0};
    case Kind::Label:
      return {L"STATIC", SS_LEFT | SS_NOTIFY | SS_NOPREFIX, 0};
    case Kind::CommandButton:
      return {L"BUTTON", static_cast<DWORD>(s.style == ButtonStyle::Graphical ? BS_OWNERDRAW : BS_PUSHBUTTON) |
                             (s.tab_stop ? WS_TABSTOP : 0u),
              0};
    case Kind::TextBox:
      return {L"EDIT", ES_AUTOHSCROLL | WS_TABSTOP, static_cast<DWORD>(s.look == Look::Flat ? 0 : WS_EX_CLIENTEDGE)};
    case Kind::PictureBox:
      return {L"STATIC", SS_OWNERDRAW | SS_NOTIFY, 0};
    case Kind::OptionButton:
      return {L"BUTTON", BS_AUTORADIOBUTTON | WS_TABSTOP, 0};
  }
  return {L"STATIC", 0, 0};
}

}  // namespace

MainWindow::MainWindow(HINSTANCE instance, Form1& form) : instance_(instance), form_(form) {
  HDC screen = GetDC(nullptr);
  dpi_ = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);

  INITCOMMONCONTROLSEX common = {sizeof common, ICC_WIN95_CLASSES};
  InitCommonControlsEx(&common);

  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  wc.lpfnWndProc = window_proc;
  wc.hInstance = instance_;
  wc.hIcon = window_icon(instance_);
  wc.hCursor = cursor(Pointer::Default);
  wc.hbrBackground = brush(colorref(form_spec().back));
  wc.lpszClassName = kClassName;
  RegisterClassExW(&wc);

  hwnd_ = CreateWindowExW(0, kClassName, wide(std::u16string(form_spec().caption)), kStyle, CW_USEDEFAULT,
                          CW_USEDEFAULT, 0, 0, nullptr, nullptr, instance_, this);
  form_.hWnd = reinterpret_cast<WindowHandle>(hwnd_);
  apply_client_size();
  tooltip_ = CreateWindowExW(0, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                             nullptr, instance_, nullptr);
  SendMessageW(tooltip_, TTM_SETMAXTIPWIDTH, 0, 600);
  create_native_controls();
  form_.window().set_observer(this);
}

MainWindow::~MainWindow() {
  form_.window().set_observer(nullptr);
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
  HWND child = CreateWindowExW(cls.ex_style, cls.name, wide(control.Text()), WS_CHILD | WS_CLIPSIBLINGS | visible | cls.style,
                               r.left, r.top, r.right - r.left, r.bottom - r.top, parent,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(1000 + s.tab_index)), instance_, nullptr);
  SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font(s.font)), FALSE);
  if (s.kind == Kind::OptionButton) SendMessageW(child, BM_SETCHECK, control.Value() ? BST_CHECKED : BST_UNCHECKED, 0);
  SetWindowLongPtrW(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  const auto native_proc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrW(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(child_proc)));
  natives_[child] = Native{&control, child, native_proc};
  hwnds_[&control] = child;

  TTTOOLINFOW tool = {};
  tool.cbSize = sizeof tool;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(child);
  tool.lpszText = const_cast<wchar_t*>(wide(control.ToolTipText()));
  SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
  return child;
}

HFONT MainWindow::font(Font f) {
  auto it = fonts_.find(f);
  if (it == fonts_.end()) {
    const int height = -MulDiv(f.centipoints, dpi_, 7200);
    HFONT created = CreateFontW(height, 0, 0, 0, f.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS,
                                L"MS Sans Serif");
    it = fonts_.emplace(f, created).first;
  }
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
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
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
