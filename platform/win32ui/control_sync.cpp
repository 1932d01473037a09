// Applies one change of the model to its child window. While the model is
// written into a control, the notifications that writing raises (EN_CHANGE)
// are not taken for the user's own edits.

#include <windows.h>
#include <commctrl.h>

#include "platform/win32ui/convert.h"
#include "platform/win32ui/main_window.h"

namespace velorin::win32 {

void MainWindow::property_changed(const Control* control, Property property) {
  if (property == Property::Busy) {
    show_pointer();
    return;
  }
  if (!control) {
    apply_client_size();
    return;
  }
  Native* n = native(*control);
  if (!n) return;
  const bool was_applying = applying_;
  applying_ = true;
  switch (property) {
    case Property::Caption:
    case Property::Text:
      // The user's own edit is there already; writing it again would move the caret.
      if (window_text(n->hwnd) != control->Text()) SetWindowTextA(n->hwnd, ansi(control->Text()).c_str());
      redraw(*n);
      break;
    case Property::Visible:
      ShowWindow(n->hwnd, control->Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::BackColor:
      redraw(*n);
      break;
    case Property::ToolTipText:
      tool(TTM_UPDATETIPTEXTA, *n);
      break;
    case Property::Value:
      SendMessageA(n->hwnd, BM_SETCHECK, control->Value() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Property::SelStart:
      SendMessageA(n->hwnd, EM_SETSEL, control->SelStart(), control->SelStart());
      break;
    case Property::Height:
    case Property::Busy:
      break;
  }
  applying_ = was_applying;
}

// A transparent label leaves nothing of its own beneath its text: what lies
// there is drawn anew, and the label over it.
void MainWindow::redraw(const Native& n) {
  if (n.control->spec().back_style != BackStyle::Transparent) {
    InvalidateRect(n.hwnd, nullptr, TRUE);
    return;
  }
  const HWND parent = GetParent(n.hwnd);
  RECT r = {};
  GetWindowRect(n.hwnd, &r);
  MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&r), 2);
  RedrawWindow(parent, &r, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

// The pointer changes at once, not at the next movement: the window under
// it sets it anew, the wait pointer while busy.
void MainWindow::show_pointer() {
  POINT at = {};
  GetCursorPos(&at);
  const HWND under = WindowFromPoint(at);
  if (under == hwnd_ || IsChild(hwnd_, under))
    SendMessageA(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

void MainWindow::unloaded() { DestroyWindow(hwnd_); }

}  // namespace velorin::win32
