// The one search of the file system: where under a root is a file of a name?

#include <algorithm>

#include "app/form1.h"

namespace velorin {

// Every failure, whatever raised it, comes back as the empty text.
std::u16string Form1::FileFind(const std::u16string& hFileName, std::u16string hPart) {
  try {
    const auto blank = [](char16_t c) { return c == u' '; };
    if (std::all_of(hFileName.begin(), hFileName.end(), blank)) return u"";

    // The name goes to the search as it was passed, blanks and all.
    std::string buffer(kSearchPathBuffer, '\0');
    const std::string root = platform_.to_ansi(hPart);
    const std::string name = platform_.to_ansi(hFileName);
    if (search_tree(root, name, std::span<char, kSearchPathBuffer>(buffer.data(), kSearchPathBuffer)) == 0)
      return u"";
    const std::size_t end = buffer.find('\0');
    if (end == std::string::npos) return u"";  // a path that does not fit counts as not found
    return platform_.from_ansi(std::string_view(buffer).substr(0, end));
  } catch (...) {
    return u"";
  }
}

}  // namespace velorin
