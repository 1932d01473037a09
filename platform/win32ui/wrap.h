#pragma once
// A label's caption broken into the lines it shows. Lines break at blanks
// only, never inside a word as the system's own line breaking may (Wine's
// at "C:|\Program"): the blanks at a break are dropped, those within a line
// and before its first word kept; a word wider than the label stands alone
// on its line, to be cut at the label's edge.

#include <string_view>
#include <vector>

namespace velorin::win32 {

// extent(text) measures a piece of the caption.
template <class Extent>
std::vector<std::string_view> wrap(std::string_view text, int width, const Extent& extent) {
  const auto at = [&](std::size_t p) { return p == std::string_view::npos ? text.size() : p; };
  std::vector<std::string_view> lines;
  for (std::size_t start = 0; start < text.size();) {
    std::size_t end = at(text.find(' ', at(text.find_first_not_of(' ', start))));
    for (;;) {
      const std::size_t next_word = text.find_first_not_of(' ', end);
      if (next_word == std::string_view::npos) break;
      const std::size_t next_end = at(text.find(' ', next_word));
      if (extent(text.substr(start, next_end - start)) > width) break;
      end = next_end;
    }
    lines.push_back(text.substr(start, end - start));
    start = at(text.find_first_not_of(' ', end));
  }
  return lines;
}

}  // namespace velorin::win32
