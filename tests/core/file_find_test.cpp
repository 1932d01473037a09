#include <gtest/gtest.h>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

using testing::FakePlatform;
using testing::Outcome;
using Search = FakePlatform::Search;

TEST(FileFind, ReturnsThePathTheSearchReports) {
  FakePlatform platform;
  platform.tree = [](const std::string& root, const std::string& name) -> std::optional<std::string> {
    return root + "Windows\\System32\\COMDLG32.OCX|" + name;
  };
  Form1 form(platform);
  EXPECT_EQ(form.FileFind(u"comdlg32.ocx", u"C:\\"), u"C:\\Windows\\System32\\COMDLG32.OCX|comdlg32.ocx");
  EXPECT_EQ(platform.searches, (std::vector<Search>{{"C:\\", "comdlg32.ocx"}})) << "root and name as passed";
}

TEST(FileFind, ABlankNameIsNotSearchedForAndAPaddedOneIsSearchedAsItIs) {
  FakePlatform platform;
  platform.tree = [](const std::string&, const std::string& name) -> std::optional<std::string> {
    return "C:\\" + name;
  };
  Form1 form(platform);
  EXPECT_EQ(form.FileFind(u"", u"C:\\"), u"");
  EXPECT_EQ(form.FileFind(u"   ", u"C:\\"), u"");
  EXPECT_TRUE(platform.searches.empty());
  EXPECT_EQ(form.FileFind(u" iexplore.exe ", u"C:\\"), u"C:\\ iexplore.exe ");
  EXPECT_EQ(platform.searches, (std::vector<Search>{{"C:\\", " iexplore.exe "}}));
  EXPECT_EQ(form.FileFind(u"\t", u"C:\\"), u"C:\\\t") << "only spaces count as blanks";
}

TEST(FileFind, AFoundPathOf159CharactersFitsAndOneOf160DoesNot) {
  for (const std::size_t length : {1u, 159u, 160u, 300u}) {
    FakePlatform platform;
    platform.tree = [&](const std::string&, const std::string&) -> std::optional<std::string> {
      return std::string(length, 'x');
    };
    Form1 form(platform);
    EXPECT_EQ(form.FileFind(u"mscomctl.ocx", u"C:\\"), length < 160 ? std::u16string(length, u'x') : u"") << length;
  }
}

TEST(FileFind, EveryFailureIsTheEmptyText) {
  for (Outcome outcome : {Outcome::Fail, Outcome::Throw}) {
    FakePlatform platform;
    platform.tree = [](const std::string&, const std::string&) -> std::optional<std::string> { return "C:\\x"; };
    platform.search_outcome = outcome;
    Form1 form(platform);
    EXPECT_EQ(form.FileFind(u"lgxiebar.dll", u"C:\\"), u"");
  }
  FakePlatform platform;
  platform.tree = [](const std::string&, const std::string&) -> std::optional<std::string> { return "C:\\x"; };
  platform.conversion_outcome = Outcome::Throw;
  Form1 form(platform);
  EXPECT_EQ(form.FileFind(u"lgxiebar.dll", u"C:\\"), u"");
  EXPECT_TRUE(platform.searches.empty());
}

TEST(FileFind, TextsCrossToTheSearchInTheAnsiCodePage) {
  FakePlatform platform;
  platform.tree = [](const std::string& root, const std::string&) -> std::optional<std::string> {
    return root + "\xC4rger\\velorin-4.exe";
  };
  Form1 form(platform);
  EXPECT_EQ(form.FileFind(u"velorin-4.exe", u"D:\\Übung\\"), u"D:\\Übung\\Ärger\\velorin-4.exe");
  EXPECT_EQ(platform.searches.at(0).root, "D:\\\xDC" "bung\\");
}

}  // namespace
}  // namespace velorin
