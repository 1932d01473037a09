#include <gtest/gtest.h>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

struct ReplaceCase {
  std::u16string text, old_text, new_text, result;
};

TEST(ZeichenErsetzen, ReplacesLeftToRightWithoutOverlapOrRescan) {
  const ReplaceCase cases[] = {
      {u"abcabc", u"b", u"", u"acac"},
      {u"aaa", u"aa", u"X", u"Xa"},
      {u"aa", u"a", u"aa", u"aaaa"},
      {u"Aktuelles Betriebssystem: windows 98", u"Windows 98", u".", u"Aktuelles Betriebssystem: windows 98"},
      {u"Aktuelles Betriebssystem: Windows 98 SE", u"Windows 98", u".", u"Aktuelles Betriebssystem: . SE"},
      {u"", u"Programme", u"", u""},
      {u"C:\\Program Files", u"Programme", u"", u"C:\\Program Files"},
      {u"C:\\Programme\\Tools", u"Programme", u"", u"C:\\\\Tools"},
      {u"datei: c:\\comdlg32.ocx", u"comdlg32.ocx", u".", u"datei: c:\\."},
      {u"abc", u"abcd", u"X", u"abc"},
      {u"abc", u"", u"X", u"abc"},
      {u"", u"", u"X", u""},
  };
  for (const ReplaceCase& c : cases) {
    testing::FakePlatform platform;
    Form1 form(platform);
    std::u16string text = c.text;
    const std::u16string result = form.ZeichenErsetzen(text, c.old_text, c.new_text);
    EXPECT_EQ(result, c.result);
    EXPECT_EQ(text, c.result) << "the caller's variable holds the result";
  }
}

}  // namespace
}  // namespace velorin
