// Native messages in, handler calls out: the window procedures only unpack
// and dispatch. Buttons report their own clicks (the mouse, Space and access
// keys alike); every other click and every movement is placed by the core's
// stacking rule, at the point of the window where it happened. Also the
// wait during a search, and the keys the core decides on.

#include <windows.h>
#include <commctrl.h>
#include <windowsx.h>

#include <memory>

#include "app/routing.h"
#include "platform/win32ui/artwork.h"
#include "platform/win32ui/convert.h"
#include "platform/win32ui/main_window.h"

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

// The child's messages come to child_proc first, then to its own class's.
void MainWindow::connect_events(Control& control, HWND child) {
  SetWindowLongPtrA(child, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  const auto native_proc =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(child, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(child_proc)));
  natives_[child] = Native{&control, child, native_proc};
  hwnds_[&control] = child;
}

LRESULT CALLBACK MainWindow::child_proc(HWND hwnd, UINT message, WPARAM wparam, LPARAM lparam) {
  auto* self = reinterpret_cast<MainWindow*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  Native* n = self ? self->native(hwnd) : nullptr;
  if (!n) return DefWindowProcA(hwnd, message, wparam, lparam);
  return self->handle_child_message(*n, message, wparam, lparam);
}

LRESULT MainWindow::handle_child_message(Native& n, UINT message, WPARAM wparam, LPARAM lparam) {
  const Kind kind = n.control->spec().kind;
  if (kind == Kind::Frame) {
    switch (message) {
      // A frame holds controls of its own; what they report goes to the window.
      case WM_COMMAND:
      case WM_CTLCOLORSTATIC:
      case WM_CTLCOLOREDIT:
      case WM_CTLCOLORBTN:
      case WM_DRAWITEM:
        return handle_message(message, wparam, lparam);
      case WM_PAINT:
        paint_frame(n);
        return 0;
      case WM_ERASEBKGND:
        erase_frame(n, reinterpret_cast<HDC>(wparam));
        return TRUE;
      case WM_SETTEXT:
      case WM_ENABLE:
      case kUpdateUiState:
        return frame_changed(n, message, wparam, lparam);
      default:
        break;
    }
  }
  switch (message) {
    case WM_MOUSEMOVE:
      relay_to_tooltip(n.hwnd, message, wparam, lparam);
      on_mouse_move(client_point(n.hwnd, lparam));
      break;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
      // Buttons report their own clicks.
      if (kind != Kind::CommandButton && kind != Kind::OptionButton)
        on_mouse_button(client_point(n.hwnd, lparam), message == WM_LBUTTONDOWN);
      break;
    case WM_SETCURSOR:
      SetCursor(pointer(n.control->spec().pointer));
      return TRUE;
    case WM_SETFOCUS:
      form_.GotFocus(*n.control);
      break;
    default:
      break;
  }
  return CallWindowProcA(n.native_proc, n.hwnd, message, wparam, lparam);
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

// The wait pointer over the whole window while a search runs.
HCURSOR MainWindow::pointer(Pointer own) const {
  return form_.window().Busy() ? LoadCursorA(nullptr, IDC_WAIT) : cursor(own);
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
    search();  // no thread to be had: the window waits for the search,
    pump();    // and what the user did meanwhile is heard as done during it
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
  if (msg.message == WM_SYSKEYDOWN && access_key(msg.wParam)) return true;
  if (form_.searching()) return input_while_searching(msg);
  return msg.message == WM_KEYDOWN && key_press(msg.wParam);
}

// Alt and a letter clicks the button it is the access key of, where the
// core takes input now. True when the key goes no further: it named a
// button, or a search runs.
bool MainWindow::access_key(WPARAM key) {
  if (key < 'A' || key > 'Z') return false;
  Control* target = access_key_target(form_.window(), static_cast<char16_t>(key));
  if (target && form_.takes_input(*target)) SendMessageA(hwnds_.at(target), BM_CLICK, 0, 0);
  return target || form_.searching();
}

// Tab, Enter on a button and the arrows in an option group, by the core's
// rules; true when the key was taken.
bool MainWindow::key_press(WPARAM key) {
  Native* focused = native(GetFocus());
  if (key == VK_TAB) {
    const bool back = GetKeyState(VK_SHIFT) < 0;
    if (Control* next = next_focus(form_.window(), focused ? focused->control : nullptr,
                                   back ? Direction::Backward : Direction::Forward))
      SetFocus(hwnds_.at(next));
    return true;
  }
  if (!focused) return false;
  const Kind kind = focused->control->spec().kind;
  if (key == VK_RETURN && kind == Kind::CommandButton) {
    SendMessageA(focused->hwnd, BM_CLICK, 0, 0);
    return true;
  }
  if (kind == Kind::OptionButton && (key == VK_UP || key == VK_LEFT || key == VK_DOWN || key == VK_RIGHT)) {
    const bool back = key == VK_UP || key == VK_LEFT;
    const HWND target =
        hwnds_.at(next_option(form_.window(), *focused->control, back ? Direction::Backward : Direction::Forward));
    SetFocus(target);
    SendMessageA(target, BM_CLICK, 0, 0);
    return true;
  }
  return false;
}

}  // namespace velorin::win32
