#include <gtest/gtest.h>

#include "app/form1.h"
#include "platform/posix/posix_platform.h"

namespace velorin {
namespace {

TEST(PosixPlatform, StartsWithAnUnknownSystemAndUsrAsTheRoot) {
  PosixPlatform platform;
  Form1 form(platform);
  form.Form_Load();
  EXPECT_EQ(form.LabelWin.Caption(), u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem");
  EXPECT_EQ(form.LabelPfad.Caption(), u"/usr");
  EXPECT_TRUE(form.Command1.Visible());
  EXPECT_TRUE(form.Option1[0].Value());
}

TEST(PosixPlatform, KnowsOnlyTheProgramFilesFolder) {
  PosixPlatform platform;
  Form1 form(platform);
  for (std::int32_t folder : {0, 5, 37, 39, -1}) {
    std::int32_t f = folder;
    EXPECT_EQ(form.GetSpecialFolderPath(f), u"") << folder;
  }
}

TEST(PosixPlatform, ConvertsUtf8BothWays) {
  PosixPlatform platform;
  const std::u16string texts[] = {u"", u"C:\\Programme", u"öffnen Äpfel ß", u"€ 𝄞 music", u"a\0b"};
  for (const std::u16string& t : texts) EXPECT_EQ(platform.from_ansi(platform.to_ansi(t)), t);
  EXPECT_EQ(platform.to_ansi(u"ü€𝄞"), "\xC3\xBC\xE2\x82\xAC\xF0\x9D\x84\x9E");
}

// Bytes that are not UTF-8 (names from the disk) come back as themselves.
TEST(PosixPlatform, MalformedBytesKeepTheirValueBothWays) {
  PosixPlatform platform;
  const struct {
    std::string bytes;
    std::u16string text;
    const char* what;
  } cases[] = {
      {"a\xFF" "b", u"a\xDCFF" "b", "stray byte"},
      {"\xC3", u"\xDCC3", "cut-off sequence"},
      {"\xC0\xAF", u"\xDCC0\xDCAF", "overlong slash"},
      {"\xED\xA0\x80", u"\xDCED\xDCA0\xDC80", "encoded surrogate"},
      {"caf\xE9.exe", u"caf\xDCE9.exe", "Latin-1 name"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(platform.from_ansi(c.bytes), c.text) << c.what;
    EXPECT_EQ(platform.to_ansi(c.text), c.bytes) << c.what;
  }
  EXPECT_EQ(platform.to_ansi(std::u16string(1, char16_t(0xD800))), "\xEF\xBF\xBD") << "lone surrogate";
}

TEST(PosixPlatform, LowerCaseIsUnicodeAware) {
  PosixPlatform platform;
  EXPECT_EQ(platform.lower_case(u"C:\\WINDOWS\\SYSTEM32\\COMDLG32.OCX"), u"c:\\windows\\system32\\comdlg32.ocx");
  EXPECT_EQ(platform.lower_case(u"ÄÖÜ Ελληνικά ДОМ"), u"äöü ελληνικά дом");
  EXPECT_EQ(platform.lower_case(u"𐐀"), u"𐐨") << "a letter outside the basic plane";
  EXPECT_EQ(platform.lower_case(u"datei 123 !"), u"datei 123 !");
}

}  // namespace
}  // namespace velorin
