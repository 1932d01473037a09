#pragma once
// Texts between the core's UTF-16 and the system's ANSI code page, the one
// encoding every Windows from 95 on speaks in every call.

#include <string>
#include <string_view>

namespace velorin {

std::string ansi_from_utf16(std::u16string_view text);
std::u16string utf16_from_ansi(std::string_view text);

}  // namespace velorin
