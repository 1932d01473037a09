#pragma once
// The model's units and values in Win32 terms: twips to pixels and back at the
// screen's DPI, colour values to COLORREF (system colours through
// GetSysColor), the model's UTF-16 text to the ANSI code page the window
// speaks on every Windows.

#include <windows.h>

#include <string>
#include <vector>

#include "app/catalogue.h"
#include "platform/win32/ansi.h"

namespace velorin::win32 {

inline int pixels(int twips, int dpi) { return MulDiv(twips, dpi, 1440); }
inline int twips(int pixels, int dpi) { return MulDiv(pixels, 1440, dpi); }

// Edges are rounded on their own so that neighbouring controls stay flush.
inline RECT pixel_rect(const ControlSpec& s, int dpi) {
  return RECT{pixels(s.left, dpi), pixels(s.top, dpi), pixels(s.left + s.width, dpi), pixels(s.top + s.height, dpi)};
}

inline COLORREF colorref(Colour c) {
  // A colour value is already laid out as COLORREF: &H00BBGGRR.
  return c.is_system() ? GetSysColor(c.system_index()) : static_cast<COLORREF>(c.value);
}

inline std::string ansi(std::u16string_view text) { return ansi_from_utf16(text); }

inline std::u16string window_text(HWND hwnd) {
  std::vector<char> buffer(static_cast<std::size_t>(GetWindowTextLengthA(hwnd)) + 1);
  const int length = GetWindowTextA(hwnd, buffer.data(), static_cast<int>(buffer.size()));
  return utf16_from_ansi(std::string_view(buffer.data(), static_cast<std::size_t>(length)));
}

}  // namespace velorin::win32
