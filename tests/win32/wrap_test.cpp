// A label's lines, measured here one unit a character.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/win32ui/wrap.h"

namespace velorin::win32 {
namespace {

TEST(Wrap, BreaksAtBlanksOnlyKeepingTheBlanksWithinALine) {
  const struct {
    std::string text;
    int width;
    std::vector<std::string_view> lines;
  } cases[] = {
      {"", 10, {}},
      {" OK", 10, {" OK"}},                                        // the blank before the first word stays
      {"C:\\Program Files", 8, {"C:\\Program", "Files"}},         // a wider word whole, to be cut
      {"Alle wichtige  ActiveX", 22, {"Alle wichtige  ActiveX"}},  // both blanks within a line
      {"um das Sprechen", 6, {"um das", "Sprechen"}},
      {"a  b  ", 2, {"a", "b"}},                                   // the blanks at a break dropped
  };
  const auto extent = [](std::string_view piece) { return static_cast<int>(piece.size()); };
  for (const auto& c : cases) EXPECT_EQ(wrap(c.text, c.width, extent), c.lines) << c.text << " in " << c.width;
}

}  // namespace
}  // namespace velorin::win32
