#include "platform/posix/utf.h"

namespace velorin {
namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool is_high(char32_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool is_low(char32_t c) { return c >= 0xDC00 && c <= 0xDFFF; }
// The codes that stand for a byte outside valid UTF-8.
bool is_escaped_byte(char32_t c) { return c >= 0xDC80 && c <= 0xDCFF; }
char32_t escaped(unsigned char byte) { return 0xDC00 + byte; }

void put_utf8(std::string& out, char32_t c) {
  if (is_escaped_byte(c)) {
    out += static_cast<char>(c - 0xDC00);
  } else if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

// One code point from UTF-8 at text[i], advancing i past it; a byte that
// begins no valid sequence stands for itself alone.
char32_t next_utf8(std::string_view text, std::size_t& i) {
  const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
  const std::size_t start = i;
  const unsigned char lead = byte(i++);
  if (lead < 0x80) return lead;
  const auto stray = [&] {
    i = start + 1;
    return escaped(lead);
  };
  int extra;
  char32_t c;
  char32_t least;
  if ((lead & 0xE0) == 0xC0) {
    extra = 1, c = lead & 0x1F, least = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    extra = 2, c = lead & 0x0F, least = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    extra = 3, c = lead & 0x07, least = 0x10000;
  } else {
    return stray();
  }
  for (int k = 0; k < extra; ++k) {
    if (i >= text.size() || (byte(i) & 0xC0) != 0x80) return stray();
    c = (c << 6) | (byte(i++) & 0x3F);
  }
  if (c < least || c > 0x10FFFF || is_high(c) || is_low(c)) return stray();
  return c;
}

}  // namespace

std::u32string code_points(std::u16string_view text) {
  std::u32string points;
  points.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char32_t c = text[i];
    if (is_high(c) && i + 1 < text.size() && is_low(text[i + 1])) {
      points += 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    } else {
      points += ((is_high(c) || is_low(c)) && !is_escaped_byte(c)) ? kReplacement : c;
    }
  }
  return points;
}

std::u16string utf16_from_code_points(std::u32string_view points) {
  std::u16string text;
  text.reserve(points.size());
  for (char32_t c : points) {
    if (c >= 0x10000) {
      text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text += static_cast<char16_t>(c);
    }
  }
  return text;
}

std::string utf8_from_code_points(std::u32string_view points) {
  std::string out;
  out.reserve(points.size());
  for (char32_t c : points) put_utf8(out, c);
  return out;
}

std::string utf8_from_utf16(std::u16string_view text) { return utf8_from_code_points(code_points(text)); }

std::u32string code_points(std::string_view utf8) {
  std::u32string points;
  points.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) points += next_utf8(utf8, i);
  return points;
}

std::u16string utf16_from_utf8(std::string_view text) { return utf16_from_code_points(code_points(text)); }

}  // namespace velorin
