#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/form1.h"
#include "drive_trees.h"

namespace velorin {
namespace {

using testing::DriveTrees;

// Every property of every control, to compare two window states.
std::vector<std::u16string> state(const Form1& form) {
  std::vector<std::u16string> out;
  for (const Control& c : form.window().controls())
    out.push_back(c.Text() + u"|" + c.ToolTipText() + (c.Visible() ? u"|shown" : u"|hidden") +
                  (c.Value() ? u"|on" : u"|off") + u"|" + std::u16string(1, char16_t(c.SelStart())));
  return out;
}

struct Started {
  explicit Started(DriveTrees& drives) : form(drives.platform) {
    form.Form_Load();
    form.GotFocus(form.Command1);  // the first focus: "C:\Programme" becomes "C:\"
  }
  Form1 form;
};

TEST(ComponentCheck, FindsAllFiveInMixedCaseAndSaysSo) {
  DriveTrees drives;
  drives.plant_all_on_c();
  Started s(drives);
  ASSERT_EQ(s.form.LabelPfad.Caption(), u"C:\\");
  s.form.Click(s.form.Command1);
  Form1& f = s.form;
  EXPECT_EQ(f.Text1.Text(), u"datei wurde gefunden in:    c:\\windows\\system32\\comdlg32.ocx");
  EXPECT_EQ(f.Text2.Text(), u"datei wurde gefunden in:    c:\\windows\\system32\\mscomctl.ocx");
  EXPECT_EQ(f.Text3.Text(),
            u"datei wurde gefunden in:    c:\\programme\\gemeinsame dateien\\webspeech.4.0\\lgxiebar.dll");
  EXPECT_EQ(f.Text4.Text(), u"velorin-4 wurde gefunden in:   c:\\tools\\velorin-4\\velorin-4.exe");
  EXPECT_EQ(f.Text5.Text(), u"datei wurde gefunden in:   c:\\programme\\internet explorer\\iexplore.exe");
  EXPECT_EQ(f.Text1.SelStart(), static_cast<int>(f.Text1.Text().size()));
  for (Control* mark : {&f.Label1, &f.Label2, &f.Label3, &f.Label4, &f.Label9}) EXPECT_TRUE(mark->Visible());
  for (Control* mark : {&f.Label5, &f.Label6, &f.Label7, &f.Label8, &f.Label10}) EXPECT_FALSE(mark->Visible());
  EXPECT_TRUE(f.Command6.Visible());
  EXPECT_TRUE(f.Label20.Visible());
  EXPECT_TRUE(f.Picture1.Visible());
  EXPECT_EQ(f.Label18.Caption(), u" Velorin-4 Programm wurde gefunden !");
}

TEST(ComponentCheck, NothingFoundLeavesTheLeadTextsAndTheMessages) {
  DriveTrees drives;
  Started s(drives);
  s.form.Click(s.form.Command1);
  EXPECT_EQ(s.form.Text3.Text(), u"datei wurde gefunden in:    ");
  EXPECT_EQ(s.form.Text4.Text(), u"velorin-4 wurde gefunden in:   ");
  EXPECT_EQ(s.form.Text1.Text(), u"activex -steuerelement [comdlg32.ocx] !");
  EXPECT_EQ(s.form.Text5.Text(), u"ab internet-explorer 5.5 [browser] !");
  EXPECT_FALSE(s.form.Command6.Visible());
  EXPECT_TRUE(s.form.Command12.Visible());
}

TEST(ComponentCheck, TheSearchRootIsReadForEveryRow) {
  DriveTrees drives;
  drives.plant_all_on_c();
  Started s(drives);
  std::vector<std::string> roots;
  const auto search = drives.platform.tree;
  drives.platform.tree = [&](const std::string& root, const std::string& name) {
    roots.push_back(root);
    s.form.LabelPfad.set_Caption(u"D:\\");  // as if the root changed while a row was searched
    return search(root, name);
  };
  s.form.Click(s.form.Command1);
  EXPECT_EQ(roots, (std::vector<std::string>{"C:\\", "D:\\", "D:\\", "D:\\", "D:\\"}));
}

TEST(ComponentCheck, EachRunTellsThePlatformItsFiveNamesAndEndsItsSearches) {
  DriveTrees drives;
  Started s(drives);
  s.form.Click(s.form.Command1);
  s.form.Click(s.form.Command5);
  const std::vector<std::string> five = {"comdlg32.ocx", "mscomctl.ocx", "lgxiebar.dll", "velorin-4.exe",
                                         "iexplore.exe"};
  EXPECT_EQ(drives.platform.batches, (std::vector<std::vector<std::string>>{five, five}));
  EXPECT_FALSE(drives.platform.in_batch);
  ASSERT_EQ(drives.platform.searches.size(), 10u);
  for (const auto& search : drives.platform.searches) EXPECT_TRUE(search.in_batch) << search.name;
  s.form.Click(s.form.Label4);
  EXPECT_FALSE(drives.platform.searches.back().in_batch) << "a single search is no run";
}

TEST(ComponentCheck, TwoRunsInARowEndInTheSameState) {
  DriveTrees drives;
  drives.c.file("Windows/comdlg32.ocx");
  drives.c.file("Programme/Internet Explorer/iexplore.exe");
  Started s(drives);
  s.form.Click(s.form.Command1);
  const auto first = state(s.form);
  s.form.Click(s.form.Command1);
  EXPECT_EQ(state(s.form), first);
}

TEST(DriveScans, SearchTheirDriveWithTheirOwnLeadTextAndLeaveTheRootAlone) {
  DriveTrees drives;
  drives.plant_all_on_c();
  Started s(drives);
  s.form.Click(s.form.Command10);
  EXPECT_EQ(s.form.Text3.Text(),
            u"datei wurde gefunden in:   c:\\programme\\gemeinsame dateien\\webspeech.4.0\\lgxiebar.dll");
  EXPECT_EQ(s.form.Text1.Text(), u"datei wurde gefunden in:    c:\\windows\\system32\\comdlg32.ocx");
  EXPECT_TRUE(s.form.Command6.Visible());
  s.form.Click(s.form.Command5);  // nothing on D:
  EXPECT_EQ(s.form.Text3.Text(), u"datei wurde gefunden in:   ");
  EXPECT_EQ(s.form.Text4.Text(), u"velorin-4 wurde gefunden in:   ");
  for (Control* mark : {&s.form.Label5, &s.form.Label6, &s.form.Label7, &s.form.Label8, &s.form.Label10})
    EXPECT_TRUE(mark->Visible());
  EXPECT_TRUE(s.form.Command2.Visible());
  EXPECT_FALSE(s.form.Command4.Visible());
  EXPECT_EQ(s.form.LabelPfad.Caption(), u"C:\\");
  EXPECT_FALSE(s.form.Picture1.Visible()) << "a drive scan does not show the running picture";
}

TEST(DriveScans, LeaveTheArchivePictureOfAnEarlierVerdict) {
  DriveTrees drives;
  drives.plant_all_on_c();
  Started s(drives);
  s.form.Click(s.form.Command5);  // D: is empty: Picture3 and "mehr..." shown
  ASSERT_TRUE(s.form.Picture3.Visible());
  s.form.Click(s.form.Command10);
  EXPECT_TRUE(s.form.Picture3.Visible());
  EXPECT_TRUE(s.form.Label26.Visible());
  EXPECT_TRUE(s.form.Label20.Visible());
  s.form.Click(s.form.Command1);
  EXPECT_FALSE(s.form.Picture3.Visible()) << "the system test hides it first";
  EXPECT_FALSE(s.form.Label26.Visible());
}

}  // namespace
}  // namespace velorin
