#pragma once
// The two web sites the download buttons lead to: scheme and host, without a
// trailing slash. They are set when the program is built, through the CMake
// cache variables VELORIN_PRODUCT_SITE and VELORIN_SPEECH_SITE.

#include <string_view>

namespace velorin::sites {

inline constexpr std::u16string_view kProduct = u"" VELORIN_PRODUCT_SITE;  // Velorin-4's own
inline constexpr std::u16string_view kSpeech = u"" VELORIN_SPEECH_SITE;    // the maker of Logox4 WebSpeech

}  // namespace velorin::sites
