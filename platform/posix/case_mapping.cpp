#include "platform/posix/case_mapping.h"

#include <locale.h>
#include <wctype.h>

namespace velorin {
namespace {

// C.UTF-8 ships with the C library and maps every Unicode letter.
locale_t unicode_locale() {
  static const locale_t locale = newlocale(LC_CTYPE_MASK, "C.UTF-8", static_cast<locale_t>(0));
  return locale;
}

}  // namespace

std::u32string lower_case(std::u32string text) {
  const locale_t locale = unicode_locale();
  for (char32_t& c : text) {
    if (c < 0x80) {
      if (c >= U'A' && c <= U'Z') c += U'a' - U'A';
    } else if (locale) {
      c = static_cast<char32_t>(towlower_l(static_cast<wint_t>(c), locale));
    }
  }
  return text;
}

}  // namespace velorin
