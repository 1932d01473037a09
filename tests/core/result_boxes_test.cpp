#include <gtest/gtest.h>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

struct TextWrites final : WindowObserver {
  int writes = 0;
  void property_changed(const Control*, Property property) override { writes += property == Property::Text; }
};

TEST(ResultBoxes, KeepTheirTextInLowerCaseWithTheCaretAtTheEnd) {
  testing::FakePlatform platform;
  Form1 form(platform);
  for (Control* box : {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text5}) {
    box->set_Text(u"Datei wurde gefunden in:    C:\\WINDOWS\\SYSTEM32\\ÄRGER.OCX");
    EXPECT_EQ(box->Text(), u"datei wurde gefunden in:    c:\\windows\\system32\\ärger.ocx") << box->name();
    EXPECT_EQ(box->SelStart(), 57) << box->name();
  }
  form.Text6.set_Text(u"\\Windows\\System32\\");
  EXPECT_EQ(form.Text6.Text(), u"\\Windows\\System32\\") << "the target field is no result box";
}

TEST(ResultBoxes, ATextThatHasNoCapitalIsWrittenOnce) {
  testing::FakePlatform platform;
  Form1 form(platform);
  TextWrites spy;
  form.window().set_observer(&spy);
  form.Text1.set_Text(u"datei wurde gefunden in:    ");
  EXPECT_EQ(spy.writes, 1);
  form.Text1.set_Text(u"ActiveX -Steuerelement [comdlg32.ocx] !");
  EXPECT_EQ(spy.writes, 3) << "the write and the lower-cased rewrite";
  EXPECT_EQ(form.Text1.Text(), u"activex -steuerelement [comdlg32.ocx] !");
}

TEST(ResultBoxes, ShowTheirSearchCaptionsWithCapitalsUntilTheFirstWrite) {
  testing::FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  EXPECT_EQ(form.Text1.Text(), u"Suche  comdlg32.ocx  Datei !");
  EXPECT_EQ(form.Text5.Text(), u"Suche Internet Explorer Browser !");
}

TEST(ResultBoxes, AFailingCaseMappingLeavesTheTextAsWrittenAndStillMovesTheCaret) {
  testing::FakePlatform platform;
  platform.case_outcome = testing::Outcome::Throw;
  Form1 form(platform);
  form.Text2.set_Text(u"ABC");
  EXPECT_EQ(form.Text2.Text(), u"ABC");
  EXPECT_EQ(form.Text2.SelStart(), 3);
}

}  // namespace
}  // namespace velorin
