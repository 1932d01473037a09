#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/catalogue.h"

namespace velorin {
namespace {

TEST(Catalogue, HoldsFiftyControlsWithUniqueNamesAndTabIndices) {
  std::set<std::string> names;
  std::set<int> tab_indices;
  for (const ControlSpec& c : catalogue()) {
    names.insert(std::string(c.name));
    tab_indices.insert(c.tab_index);
  }
  // 49 single controls and the two option buttons of Option1.
  EXPECT_EQ(catalogue().size(), 51u);
  EXPECT_EQ(names.size(), 50u);
  EXPECT_EQ(tab_indices.size(), 51u);
  EXPECT_EQ(names.count("Label24"), 0u);
  EXPECT_EQ(names.count("Command7"), 0u);
}

TEST(Catalogue, TextsWhoseBlanksMatter) {
  const auto find = [](std::string_view name) -> const ControlSpec& {
    for (const ControlSpec& c : catalogue())
      if (c.name == name) return c;
    throw std::out_of_range(std::string(name));
  };
  EXPECT_EQ(find("Picture3").tooltip.size(), 108u);
  EXPECT_EQ(find("Picture3").tooltip.front(), u'"');
  EXPECT_EQ(find("Picture3").tooltip.back(), u'"');
  EXPECT_EQ(find("Label6").tooltip, u"windows\\system32\\ öffnen [mscomctl.ocx]-Einfügen ");
  EXPECT_EQ(find("Command5").caption, u"   Suche [D:] Start  ");
  EXPECT_EQ(find("Text1").caption, u"Suche  comdlg32.ocx  Datei !");
  EXPECT_EQ(find("Label20").caption, u"Alle wichtige  ActiveX -Steuerelemente wurden gefunden!");
  EXPECT_EQ(find("Label17").caption.substr(find("Label17").caption.size() - 3), u".  ");
}

}  // namespace
}  // namespace velorin
