#include <gtest/gtest.h>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

using testing::FakePlatform;
using testing::Outcome;

struct OsCase {
  const char* label;
  std::uint32_t platform, major, minor, build;
  std::string service_pack;
  std::u16string caption;
  bool older;  // Windows 95 or 98: Command1 hidden, "win98" selected
};

const OsCase kCases[] = {
    {"XP", 2, 5, 1, 2600, "Service Pack 2", u"Aktuelles Betriebssystem: Windows XP", false},
    {"2000", 2, 5, 0, 2195, "", u"Aktuelles Betriebssystem: Windows 2000", false},
    {"2000 build with minor 1", 2, 5, 1, 2195, "", u"Aktuelles Betriebssystem: Windows 2000", false},
    {"Server 2003", 2, 5, 2, 3790, "", u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem", false},
    {"Vista", 2, 6, 0, 6000, "", u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem", false},
    {"XP build on version 6", 2, 6, 1, 2600, "", u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem", false},
    {"NT 4.0", 2, 4, 0, 1381, "Service Pack 6", u"Aktuelles Betriebssystem: Windows NT", false},
    {"NT 3.51", 2, 3, 51, 1057, "", u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem", false},
    {"95 OSR2", 1, 4, 0, 0x040003B6, "B", u"Aktuelles Betriebssystem: Windows 95 OSR2", true},
    {"95 with ' C '", 1, 4, 0, 0, " C ", u"Aktuelles Betriebssystem: Windows 95 C", true},
    {"95 plain", 1, 4, 0, 0, "", u"Aktuelles Betriebssystem: Windows 95", true},
    {"95 with lower-case b", 1, 4, 0, 0, "b", u"Aktuelles Betriebssystem: Windows 95b", true},
    {"95 with 'B ' is not OSR2", 1, 4, 0, 0, "B ", u"Aktuelles Betriebssystem: Windows 95B ", true},
    {"98 SE", 1, 4, 10, 0x040A08AE, "A", u"Aktuelles Betriebssystem: Windows 98 SE", true},
    {"98 with ' A '", 1, 4, 10, 0, " A ", u"Aktuelles Betriebssystem: Windows 98", true},
    {"98 plain", 1, 4, 10, 0, "", u"Aktuelles Betriebssystem: Windows 98", true},
    {"ME", 1, 4, 90, 0, " ", u"Aktuelles Betriebssystem: Windows ME", false},
    {"Win32s minor", 1, 4, 3, 0, "", u"Aktuelles Betriebssystem: Win 32s", false},
    {"Win32s platform", 0, 3, 10, 0, "", u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem", false},
    {"CE platform", 3, 5, 0, 2195, "", u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem", false},
    {"95 with a service-pack text that fills all 128 characters", 1, 4, 0, 0, std::string(128, 'x'),
     u"Aktuelles Betriebssystem: Windows 95xx", true},
    {"95 with a high-ANSI service-pack text", 1, 4, 0, 0, "\xC4\xD6", u"Aktuelles Betriebssystem: Windows 95ÄÖ",
     true},
};

TEST(OsDetection, NamesEverySystemOfTheTableAndAdaptsToWindows95And98) {
  for (const OsCase& c : kCases) {
    SCOPED_TRACE(c.label);
    FakePlatform platform;
    platform.set_version(c.platform, c.major, c.minor, c.build, c.service_pack);
    Form1 form(platform);
    form.Form_Load();
    EXPECT_EQ(form.LabelWin.Caption(), c.caption);
    EXPECT_EQ(form.Command1.Visible(), !c.older);
    EXPECT_EQ(form.Option1[0].Value(), !c.older);
    EXPECT_EQ(form.Option1[1].Value(), c.older);
    EXPECT_TRUE(form.Command10.Visible());
    EXPECT_TRUE(form.Command5.Visible());
  }
}

TEST(OsDetection, AFailingOrThrowingVersionCallLeavesTheSystemUnknown) {
  for (Outcome outcome : {Outcome::Fail, Outcome::Throw}) {
    FakePlatform platform;
    platform.set_version(2, 5, 1, 2600, "");
    platform.version_outcome = outcome;
    Form1 form(platform);
    form.Label23_Click();
    EXPECT_EQ(form.LabelWin.Caption(), u"Aktuelles Betriebssystem: Unbekanntes Betriebssystem");
  }
}

TEST(OsDetection, AFailingConversionOfTheServicePackTextStillNamesTheSystem) {
  FakePlatform platform;
  platform.set_version(1, 4, 10, 0, "A");
  platform.conversion_outcome = Outcome::Throw;
  Form1 form(platform);
  form.Label23_Click();
  EXPECT_EQ(form.LabelWin.Caption(), u"Aktuelles Betriebssystem: Windows 98");
}

TEST(OsDetection, TheRecordIsHandedOverWithItsSize) {
  FakePlatform platform;
  Form1 form(platform);
  form.Label23_Click();
  EXPECT_EQ(platform.version_size_seen, 148u);
}

struct CaptionCase {
  std::u16string caption;
  bool older;
};

TEST(OsDetection, TheAdaptationReadsTheCaptionCaseSensitively) {
  const CaptionCase cases[] = {
      {u"Aktuelles Betriebssystem: Windows 98", true},
      {u"Aktuelles Betriebssystem: Windows 95", true},
      {u"Windows 95 and Windows 98", true},
      {u"Aktuelles Betriebssystem: windows 98", false},
      {u"Aktuelles Betriebssystem: Windows ME", false},
      {u"Aktuelles Betriebssystem:", false},
  };
  for (const CaptionCase& c : cases) {
    FakePlatform platform;
    Form1 form(platform);
    form.LabelWin.set_Caption(c.caption);
    form.Label22_Click();
    EXPECT_EQ(form.LabelWin.Caption(), c.caption) << "the caption itself is never changed";
    EXPECT_EQ(form.Command1.Visible(), !c.older);
    EXPECT_EQ(form.Option1[1].Value(), c.older);
    EXPECT_EQ(form.Option1[0].Value(), !c.older);
  }
}

}  // namespace
}  // namespace velorin
