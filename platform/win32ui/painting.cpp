// What the window draws itself: the labels' captions, the pictures, the
// graphical buttons and the frames, and the colours of the controls the
// system draws.

#include <windows.h>

#include <algorithm>
#include <climits>
#include <vector>

#include "platform/win32ui/artwork.h"
#include "platform/win32ui/convert.h"
#include "platform/win32ui/main_window.h"
#include "platform/win32ui/wrap.h"

namespace velorin::win32 {

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

// A group box leaves its inside unpainted; it is the frame's colour.
void MainWindow::erase_frame(const Native& n, HDC dc) {
  RECT r = {};
  GetClientRect(n.hwnd, &r);
  FillRect(dc, &r, brush(colorref(n.control->BackColor())));
}

// A group box repaints itself at once on a new text, enabling or focus cue;
// the frame is painted again over it.
LRESULT MainWindow::frame_changed(const Native& n, UINT message, WPARAM wparam, LPARAM lparam) {
  const LRESULT result = CallWindowProcA(n.native_proc, n.hwnd, message, wparam, lparam);
  InvalidateRect(n.hwnd, nullptr, TRUE);
  return result;
}

}  // namespace velorin::win32
