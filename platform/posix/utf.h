#pragma once
// UTF-8 and UTF-16 both ways. A byte that is not valid UTF-8 becomes the
// code U+DC80 to U+DCFF that turns back into that same byte, so that a file
// name read from the disk names that file again; any other lone surrogate
// becomes U+FFFD.

#include <string>
#include <string_view>

namespace velorin {

std::string utf8_from_utf16(std::u16string_view text);
std::u16string utf16_from_utf8(std::string_view text);

// Code points of a UTF-16 or UTF-8 text, and back to UTF-16, for per-letter work.
std::u32string code_points(std::u16string_view text);
std::u32string code_points(std::string_view utf8);
std::u16string utf16_from_code_points(std::u32string_view points);
std::string utf8_from_code_points(std::u32string_view points);

}  // namespace velorin
