#pragma once
// The model's units and values in Win32 terms: twips to pixels and back at the
// screen's DPI, colour values to COLORREF (system colours through
// GetSysColor), the model's UTF-16 text to wide strings.

#include <windows.h>

#include <string>
#include <vector>

#include "app/catalogue.h"

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

inline const wchar_t* wide(const std::u16string& text) { return reinterpret_cast<const wchar_t*>(text.c_str()); }

inline std::u16string u16string(const wchar_t* text, int length) {
  return std::u16string(reinterpret_cast<const char16_t*>(text), static_cast<std::size_t>(length));
}

inline std::u16string window_text(HWND hwnd) {
  std::vector<wchar_t> buffer(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1);
  return u16string(buffer.data(), GetWindowTextW(hwnd, buffer.data(), static_cast<int>(buffer.size())));
}

}  // namespace velorin::win32
