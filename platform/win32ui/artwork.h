#pragma once
// The program's own pictures from its resources: the window icon, the two
// picture boxes' bitmaps, and the hand pointer made from its bit pattern.

#include <windows.h>

#include "app/catalogue.h"

namespace velorin::win32 {

enum Resource : int { kIcon = 1, kInsectBitmap = 101, kOcxBitmap = 102 };

HICON window_icon(HINSTANCE instance);
HBITMAP picture(HINSTANCE instance, Picture picture);  // null for Picture::None
HCURSOR cursor(Pointer pointer);

}  // namespace velorin::win32
