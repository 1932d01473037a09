// Native messages in, handler calls out. Buttons report their own clicks
// (the mouse, Space and access keys alike); every other click and every
// movement is placed by the core's stacking rule, at the point of the
// window where it happened.

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <climits>
#include <memory>
#include <vector>

#include "app/routing.h"
#include "platform/win32ui/artwork.h"
#include "platform/win32ui/convert.h"
#include "platform/win32ui/main_window.h"
#include "platform/win32ui/wrap.h"

namespace velorin::win32 {
namespace {

constexpr UINT kUpdateUiState = 0x0128;  // WM_UPDATEUISTATE, Windows 2000 on

// The thread owns its search and frees it when it ends, whether or not
// anyone still waits for it.
DWORD WINAPI run_search(void* search) {
  const std::unique_ptr<std::function<void()>> owned(static_cast<std::function<void()>*>(search));
  (*owned)();
  return 0;
}

}  // namespace

LRESULT CALLBACK MainWindow::window_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  if (message == WM_NCCREATE) {
    auto* self = static_cast<MainWindow*>(reinterpret_cast<CREATESTRUCTA*>(lparam)->lpCreateParams);
    self->hwnd_ = hwnd;
    SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  return self ? self->handle_message(message, wparam, lparam) : DefWindowProcA(hwnd, message, wparam, lparam);
}

LRESULT MainWindow::handle_message(UINT message, WPARAM wparam, LPARAM lparam) {
  switch (message) {
    case WM_COMMAND:
      on_command(reinterpret_cast<HWND>(lparam), HIWORD(wparam));
      return 0;
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
      return on_colour(reinterpret_cast<HWND>(lparam), reinterpret_cast<HDC>(wparam));
    case WM_DRAWITEM:
      on_draw_item(*reinterpret_cast<const DRAWITEMSTRUCT*>(lparam));
      return TRUE;
    case WM_MOUSEMOVE:
      on_mouse_move(client_point(hwnd_, lparam));
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      on_mouse_button(client_point(hwnd_, lparam), message == WM_LBUTTONDOWN);
      return 0;
    case WM_SETCURSOR:
      if (LOWORD(lparam) != HTCLIENT) return DefWindowProcA(hwnd_, message, wparam, lparam);
      SetCursor(pointer(Pointer::Default));
      return TRUE;
    case WM_CLOSE:
      form_.Unload();  // during a search, once the search is cancelled
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
    default:
      return DefWindowProcA(hwnd_, message, wparam, lparam);
  }
}

LRESULT CALLBACK MainWindow::child_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  Native* n = self ? self->native(hwnd) : nullptr;
  if (!n) return DefWindowProcA(hwnd, message, wparam, lparam);
  return self->handle_child_message(*n, message, wparam, lparam);
}

LRESULT MainWindow::handle_child_message(Native& n, UINT message, WPARAM wparam, LPARAM lparam) {
  const WNDPROC native_proc = n.native_proc;
  const HWND hwnd = n.hwnd;
  Control& control = *n.control;
  switch (message) {
    // A frame holds controls of its own; what they report goes to the window.
    case WM_COMMAND:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
    case WM_DRAWITEM:
      if (control.spec().kind == Kind::Frame) return handle_message(message, wparam, lparam);
      break;
    case WM_PAINT:
      if (control.spec().kind == Kind::Frame) {
        paint_frame(n);
        return 0;
      }
      break;
    case WM_SETTEXT:
    case WM_ENABLE:
    case kUpdateUiState:
      // A group box repaints itself at once on these; the frame is painted again over it.
      if (control.spec().kind == Kind::Frame) {
        const LRESULT result = CallWindowProcA(native_proc, hwnd, message, wparam, lparam);
        InvalidateRect(hwnd, nullptr, TRUE);
        return result;
      }
      break;
    case WM_ERASEBKGND:
      // A group box leaves its inside unpainted; it is the frame's colour.
      if (control.spec().kind == Kind::Frame) {
        RECT r = {};
        GetClientRect(hwnd, &r);
        FillRect(reinterpret_cast<HDC>(wparam), &r, brush(colorref(control.BackColor())));
        return TRUE;
      }
      break;
    case WM_MOUSEMOVE: {
      MSG relay = {hwnd, message, wparam, lparam, 0, {}};
      SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
      on_mouse_move(client_point(hwnd, lparam));
      break;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      if (control.spec().kind != Kind::CommandButton && control.spec().kind != Kind::OptionButton)
        on_mouse_button(client_point(hwnd, lparam), message == WM_LBUTTONDOWN);
      break;
    case WM_SETCURSOR:
      SetCursor(pointer(control.spec().pointer));
      return TRUE;
    case WM_SETFOCUS:
      form_.GotFocus(control);
      break;
    default:
      break;
  }
  return CallWindowProcA(native_proc, hwnd, message, wparam, lparam);
}

void MainWindow::on_command(HWND child, int notification) {
  Native* n = native(child);
  if (!n) return;
  Control& control = *n->control;
  switch (control.spec().kind) {
    case Kind::CommandButton:
      if (notification == BN_CLICKED) form_.Click(control);
      break;
    case Kind::OptionButton:
      if (notification == BN_CLICKED) control.set_Value(true);
      break;
    case Kind::TextBox:
      if (notification == EN_CHANGE && !applying_) control.set_Text(window_text(child));
      break;
    case Kind::Frame:
    case Kind::Label:
    case Kind::PictureBox:
      break;
  }
}

// Controls show their own colour; a transparent label only its text, over
// what lies beneath it.
LRESULT MainWindow::on_colour(HWND child, HDC dc) {
  Native* n = native(child);
  if (!n) return reinterpret_cast<LRESULT>(brush(colorref(form_spec().back)));
  const Control& control = *n->control;
  const ControlSpec& s = control.spec();
  SetTextColor(dc, colorref(s.fore));
  if (s.back_style == BackStyle::Transparent) {
    SetBkMode(dc, TRANSPARENT);
    return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
  }
  SetBkColor(dc, colorref(control.BackColor()));
  return reinterpret_cast<LRESULT>(brush(colorref(control.BackColor())));
}

// Graphical buttons in their own colour, the labels and the picture boxes.
void MainWindow::on_draw_item(const DRAWITEMSTRUCT& item) {
  Native* n = native(item.hwndItem);
  if (!n) return;
  const Control& control = *n->control;
  const ControlSpec& s = control.spec();
  RECT r = item.rcItem;
  if (s.back_style == BackStyle::Opaque) FillRect(item.hDC, &r, brush(colorref(control.BackColor())));
  if (s.kind == Kind::Label) {
    draw_caption(item.hDC, r, control);
    return;
  }
  if (s.kind == Kind::PictureBox) {
    if (HBITMAP bitmap = picture(instance_, s.picture)) {
      BITMAP info = {};
      GetObjectA(bitmap, sizeof info, &info);
      HDC memory = CreateCompatibleDC(item.hDC);
      HGDIOBJ old = SelectObject(memory, bitmap);
      // Averaged where the screen's DPI enlarges the picture; Windows 95, 98
      // and ME take this as plain colour-on-colour stretching.
      SetStretchBltMode(item.hDC, HALFTONE);
      SetBrushOrgEx(item.hDC, 0, 0, nullptr);
      StretchBlt(item.hDC, 0, 0, MulDiv(info.bmWidth, dpi_, 96), MulDiv(info.bmHeight, dpi_, 96), memory, 0, 0,
                 info.bmWidth, info.bmHeight, SRCCOPY);
      SelectObject(memory, old);
      DeleteDC(memory);
      DeleteObject(bitmap);
    }
    return;
  }
  const bool pressed = item.itemState & ODS_SELECTED;
  if (s.look == Look::Flat) {
    FrameRect(item.hDC, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
  } else {
    DrawEdge(item.hDC, &r, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  }
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC, GetSysColor(COLOR_BTNTEXT));
  RECT text = r;
  if (pressed) OffsetRect(&text, 1, 1);
  // The drawing context need not hold the button's font: it is chosen here.
  const HGDIOBJ old_font = SelectObject(item.hDC, font(s.font));
  DrawTextA(item.hDC, ansi(control.Caption()).c_str(), -1, &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE);
  SelectObject(item.hDC, old_font);
  if (item.itemState & ODS_FOCUS) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(item.hDC, &r);
  }
}

// Only lines that fit whole show, as in the labels of the original; each is
// cut at the label's right edge.
void MainWindow::draw_caption(HDC dc, RECT r, const Control& control) {
  const HGDIOBJ old_font = SelectObject(dc, font(control.spec().font));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, colorref(control.spec().fore));
  const std::string caption = ansi(control.Caption());
  const auto extent = [dc](std::string_view piece) {
    SIZE size = {};
    GetTextExtentExPointA(dc, piece.data(), static_cast<int>(piece.size()), 0, nullptr, nullptr, &size);
    return static_cast<int>(size.cx);
  };
  int top = r.top;
  for (const std::string_view line : wrap(caption, r.right - r.left, extent)) {
    if (top + metrics.tmHeight > r.bottom) break;
    ExtTextOutA(dc, r.left, top, ETO_CLIPPED, &r, line.data(), static_cast<UINT>(line.size()), nullptr);
    top += metrics.tmHeight;
  }
  SelectObject(dc, old_font);
}

// The wait pointer over the whole window while a search runs.
HCURSOR MainWindow::pointer(Pointer own) const {
  return form_.window().Busy() ? LoadCursorA(nullptr, IDC_WAIT) : cursor(own);
}

// The etched line with the caption set into it. Group boxes leave the line
// a pixel from their caption, or none where the system draws the face wider
// than it measures it (Wine, by up to six pixels for a bold caption). Here the
// caption is drawn at the advances it is measured with, and the line keeps at
// least two pixels from it on either side, at every DPI.
void MainWindow::paint_frame(const Native& n) {
  PAINTSTRUCT paint;
  HDC dc = BeginPaint(n.hwnd, &paint);
  const Control& control = *n.control;
  RECT r = {};
  GetClientRect(n.hwnd, &r);
  const HGDIOBJ old_font = SelectObject(dc, font(control.spec().font));
  TEXTMETRICA metrics = {};
  GetTextMetricsA(dc, &metrics);
  RECT line = r;
  line.top = metrics.tmHeight / 2 - 1;
  DrawEdge(dc, &line, EDGE_ETCHED, BF_RECT);
  const std::string caption = ansi(control.Caption());
  const int length = static_cast<int>(caption.size());
  std::vector<INT> ends(caption.size() + 1), advances(caption.size() + 1);
  SIZE extent = {};
  INT fitted = 0;
  if (length > 0 && GetTextExtentExPointA(dc, caption.c_str(), length, INT_MAX, &fitted, ends.data(), &extent)) {
    for (int i = 0; i < length; ++i) advances[i] = ends[i] - (i > 0 ? ends[i - 1] : 0);
    const int left = MulDiv(7, dpi_, 96);
    const int gap = std::max(2, MulDiv(2, dpi_, 96));
    RECT clear = {left - gap, line.top, left + extent.cx + metrics.tmOverhang + gap, line.top + 2};
    FillRect(dc, &clear, brush(colorref(control.BackColor())));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, colorref(control.spec().fore));
    ExtTextOutA(dc, left, 0, 0, nullptr, caption.c_str(), length, advances.data());
  }
  SelectObject(dc, old_font);
  EndPaint(n.hwnd, &paint);
}

// A tooltip holds its whole text. Where the system makes it narrower than
// the text it draws (Wine draws a line of 258 measured pixels 6 wider, and
// the last word wraps out of sight), it is widened as it is placed.
LRESULT CALLBACK MainWindow::tooltip_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (message == WM_WINDOWPOSCHANGING) {
    auto* pos = reinterpret_cast<WINDOWPOS*>(lparam);
    if (!(pos->flags & SWP_NOSIZE)) pos->cx = std::max(pos->cx, self->tooltip_width());
  }
  return CallWindowProcA(self->tooltip_native_proc_, hwnd, message, wparam, lparam);
}

// The outer width the current tooltip's text needs, its margins, border and
// the drawing's slack included; 0 when no tool is current.
int MainWindow::tooltip_width() {
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  if (!SendMessageA(tooltip_, TTM_GETCURRENTTOOLA, 0, reinterpret_cast<LPARAM>(&tool))) return 0;
  const Native* n = native(reinterpret_cast<HWND>(tool.uId));
  if (!n) return 0;
  const std::string text = ansi(n->control->ToolTipText());
  HDC dc = GetDC(tooltip_);
  const HGDIOBJ old_font = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(tooltip_, WM_GETFONT, 0, 0)));
  RECT need = {0, 0, kTooltipWidth, 0};
  DrawTextA(dc, text.c_str(), -1, &need, DT_CALCRECT | DT_EXTERNALLEADING | DT_WORDBREAK | DT_NOPREFIX);
  SelectObject(dc, old_font);
  ReleaseDC(tooltip_, dc);
  RECT margin = {};
  SendMessageA(tooltip_, TTM_GETMARGIN, 0, reinterpret_cast<LPARAM>(&margin));
  RECT window = {0, 0, need.right + 4 + margin.left + margin.right + MulDiv(8, dpi_, 96), 0};
  AdjustWindowRectEx(&window, static_cast<DWORD>(GetWindowLongA(tooltip_, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongA(tooltip_, GWL_EXSTYLE)));
  return window.right - window.left;
}

POINT MainWindow::client_point(HWND from, LPARAM lparam) const {
  POINT p = {GET_X_LPARAM(lparam), GET_Y_LPARAM(lparam)};
  MapWindowPoints(from, hwnd_, &p, 1);
  return p;
}

void MainWindow::on_mouse_move(POINT client) {
  RECT area = {};
  GetClientRect(hwnd_, &area);
  if (!PtInRect(&area, client)) return;
  form_.MouseMove(control_at(form_.window(), twips(client.x, dpi_), twips(client.y, dpi_)));
}

void MainWindow::on_mouse_button(POINT client, bool down) {
  Control* target = control_at(form_.window(), twips(client.x, dpi_), twips(client.y, dpi_));
  if (down) {
    clicks_.press(target);
  } else if (Control* clicked = clicks_.release(target)) {
    form_.Click(*clicked);
  }
}

// The search on a thread of its own; here the messages meanwhile, and the
// tick whenever none came for 50 ms, until the search ends or the core
// waits no longer. Windows 95 has all of this.
void MainWindow::wait(std::function<void()> search, const std::function<bool()>& tick) {
  bool quit = false;
  int quit_code = 0;
  const auto pump = [&] {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        quit = true;  // for the program's own loop, once the search is over
        quit_code = static_cast<int>(msg.wParam);
        continue;
      }
      if (pre_translate(msg)) continue;
      TranslateMessage(&msg);
      DispatchMessageA(&msg);
    }
  };
  auto* owned = new std::function<void()>(search);
  DWORD id = 0;
  HANDLE thread = CreateThread(nullptr, 0, run_search, owned, 0, &id);
  if (thread) {
    bool waiting = true;
    while (waiting && MsgWaitForMultipleObjects(1, &thread, FALSE, 50, QS_ALLINPUT) != WAIT_OBJECT_0) {
      pump();
      waiting = tick();
    }
    CloseHandle(thread);  // the thread runs on, if it still does, and ends by itself
  } else {
    delete owned;
    search();  // no thread to be had: the window waits, as it once always did,
    pump();    // and what the user did meanwhile is heard as done during the search
  }
  if (quit) PostQuitMessage(quit_code);
}

// While a search runs, the keys and clicks the core does not take go
// nowhere; Esc and "Abbrechen" (by click or Alt+A) reach it. The title bar
// still moves the window, and its close box closes it once the search is
// cancelled. True when the message is not to be dispatched.
bool MainWindow::input_while_searching(const MSG& msg) {
  switch (msg.message) {
    case WM_KEYDOWN:
      if (msg.wParam == VK_ESCAPE) form_.Escape();
      return true;
    case WM_SYSKEYDOWN:
      if (msg.wParam >= 'A' && msg.wParam <= 'Z') {
        Control* target = access_key_target(form_.window(), static_cast<char16_t>(msg.wParam));
        if (target && form_.takes_input(*target)) SendMessageA(hwnds_.at(target), BM_CLICK, 0, 0);
        return true;
      }
      return false;
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSCHAR:
    case WM_MOUSEWHEEL:
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK: {
      const Native* n = native(msg.hwnd);
      return !n || !form_.takes_input(*n->control);
    }
    default:
      return false;
  }
}

bool MainWindow::pre_translate(const MSG& msg) {
  if (!IsWindow(hwnd_) || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
  if (form_.searching()) return input_while_searching(msg);
  Native* focused = native(GetFocus());
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB) {
    const bool back = GetKeyState(VK_SHIFT) < 0;
    if (Control* next = next_focus(form_.window(), focused ? focused->control : nullptr,
                                   back ? Direction::Backward : Direction::Forward))
      SetFocus(hwnds_.at(next));
    return true;
  }
  if (msg.message == WM_KEYDOWN && msg.wParam == VK_RETURN && focused &&
      focused->control->spec().kind == Kind::CommandButton) {
    SendMessageA(focused->hwnd, BM_CLICK, 0, 0);  // Enter presses the focused button
    return true;
  }
  if (msg.message == WM_KEYDOWN && focused && focused->control->spec().kind == Kind::OptionButton &&
      (msg.wParam == VK_UP || msg.wParam == VK_LEFT || msg.wParam == VK_DOWN || msg.wParam == VK_RIGHT)) {
    const bool back = msg.wParam == VK_UP || msg.wParam == VK_LEFT;
    const HWND target =
        hwnds_.at(next_option(form_.window(), *focused->control, back ? Direction::Backward : Direction::Forward));
    SetFocus(target);
    SendMessageA(target, BM_CLICK, 0, 0);
    return true;
  }
  if (msg.message == WM_SYSKEYDOWN && msg.wParam >= 'A' && msg.wParam <= 'Z') {
    if (Control* target = access_key_target(form_.window(), static_cast<char16_t>(msg.wParam))) {
      SendMessageA(hwnds_.at(target), BM_CLICK, 0, 0);
      return true;
    }
  }
  return false;
}

}  // namespace velorin::win32
