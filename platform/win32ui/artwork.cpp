#include "platform/win32ui/artwork.h"

#include "platform/artwork/hand_cursor.xbm"
#include "platform/artwork/hand_cursor_mask.xbm"

namespace velorin::win32 {
namespace {

// XBM keeps the leftmost pixel in the lowest bit, a cursor mask in the highest.
unsigned char reversed(unsigned char b) {
  b = static_cast<unsigned char>((b & 0xF0) >> 4 | (b & 0x0F) << 4);
  b = static_cast<unsigned char>((b & 0xCC) >> 2 | (b & 0x33) << 2);
  return static_cast<unsigned char>((b & 0xAA) >> 1 | (b & 0x55) << 1);
}

HCURSOR hand_cursor() {
  // Black outline where the shape is, white inside the mask, clear elsewhere.
  constexpr int kBytes = sizeof hand_cursor_bits;
  unsigned char and_plane[kBytes], xor_plane[kBytes];
  for (int i = 0; i < kBytes; ++i) {
    const unsigned char shape = reversed(hand_cursor_bits[i]);
    const unsigned char mask = reversed(hand_cursor_mask_bits[i]);
    and_plane[i] = static_cast<unsigned char>(~mask);
    xor_plane[i] = static_cast<unsigned char>(mask & ~shape);
  }
  return CreateCursor(GetModuleHandleA(nullptr), hand_cursor_x_hot, hand_cursor_y_hot, hand_cursor_width,
                      hand_cursor_height, and_plane, xor_plane);
}

}  // namespace

HICON window_icon(HINSTANCE instance) { return LoadIconA(instance, MAKEINTRESOURCEA(kIcon)); }

HBITMAP picture(HINSTANCE instance, Picture picture) {
  switch (picture) {
    case Picture::None:
      return nullptr;
    case Picture::Insect:
      return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(kInsectBitmap), IMAGE_BITMAP, 0, 0, 0));
    case Picture::OcxArchive:
      return static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(kOcxBitmap), IMAGE_BITMAP, 0, 0, 0));
  }
  return nullptr;
}

HCURSOR cursor(Pointer pointer) {
  switch (pointer) {
    case Pointer::Default:
      return LoadCursorA(nullptr, IDC_ARROW);
    case Pointer::VerticalResize:
      return LoadCursorA(nullptr, IDC_SIZENS);
    case Pointer::Hand: {
      static const HCURSOR hand = hand_cursor();
      return hand;
    }
  }
  return LoadCursorA(nullptr, IDC_ARROW);
}

}  // namespace velorin::win32
