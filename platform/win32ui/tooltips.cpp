// The tooltips: one tool per control, its text the control's, each relayed
// the movements over its control and sized to hold its whole text.

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "platform/win32ui/convert.h"
#include "platform/win32ui/main_window.h"

namespace velorin::win32 {

// Without the common controls there is none, and what is sent to it goes nowhere.
void MainWindow::create_tooltip() {
  tooltip_ = CreateWindowExA(0, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, 0, 0, 0, 0, hwnd_,
                             nullptr, instance_, nullptr);
  if (!tooltip_) return;
  SendMessageA(tooltip_, TTM_SETMAXTIPWIDTH, 0, kTooltipWidth);
  SetWindowLongPtrA(tooltip_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  tooltip_native_proc_ =
      reinterpret_cast<WNDPROC>(SetWindowLongPtrA(tooltip_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(tooltip_proc)));
}

// TTM_ADDTOOLA or TTM_UPDATETIPTEXTA for a control's tool, in the first
// layout of the record: every comctl32 with tooltips takes it.
void MainWindow::tool(UINT message, const Native& n) {
  const std::string tip = ansi(n.control->ToolTipText());
  TTTOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_IDISHWND;
  tool.hwnd = hwnd_;
  tool.uId = reinterpret_cast<UINT_PTR>(n.hwnd);
  tool.lpszText = const_cast<char*>(tip.c_str());
  SendMessageA(tooltip_, message, 0, reinterpret_cast<LPARAM>(&tool));
}

void MainWindow::relay_to_tooltip(HWND child, UINT message, WPARAM wparam, LPARAM lparam) {
  MSG relay = {child, message, wparam, lparam, 0, {}};
  SendMessageA(tooltip_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&relay));
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

}  // namespace velorin::win32
