// Applies one change of the model to its child window. While the model is
// written into a control, the notifications that writing raises (EN_CHANGE)
// are not taken for the user's own edits.

#include <windows.h>
#include <commctrl.h>

#include "platform/win32ui/convert.h"
#include "platform/win32ui/main_window.h"

namespace velorin::win32 {

void MainWindow::property_changed(const Control* control, Property property) {
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
      if (window_text(n->hwnd) != control->Text()) SetWindowTextW(n->hwnd, wide(control->Text()));
      InvalidateRect(n->hwnd, nullptr, TRUE);
      break;
    case Property::Visible:
      ShowWindow(n->hwnd, control->Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Property::BackColor:
      InvalidateRect(n->hwnd, nullptr, TRUE);
      break;
    case Property::ToolTipText: {
      TTTOOLINFOW tool = {};
      tool.cbSize = sizeof tool;
      tool.hwnd = hwnd_;
      tool.uId = reinterpret_cast<UINT_PTR>(n->hwnd);
      tool.lpszText = const_cast<wchar_t*>(wide(control->ToolTipText()));
      SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&tool));
      break;
    }
    case Property::Value:
      SendMessageW(n->hwnd, BM_SETCHECK, control->Value() ? BST_CHECKED : BST_UNCHECKED, 0);
      break;
    case Property::SelStart:
      SendMessageW(n->hwnd, EM_SETSEL, control->SelStart(), control->SelStart());
      break;
    case Property::Height:
      break;
  }
  applying_ = was_applying;
}

void MainWindow::unloaded() { DestroyWindow(hwnd_); }

}  // namespace velorin::win32
