#include <gtest/gtest.h>

#include <array>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

// Row 1 to 5: comdlg32.ocx, mscomctl.ocx, lgxiebar.dll, velorin-4.exe, iexplore.exe.
constexpr std::array<const char16_t*, 5> kFiles = {u"comdlg32.ocx", u"mscomctl.ocx", u"lgxiebar.dll",
                                                   u"velorin-4.exe", u"iexplore.exe"};
constexpr std::array<const char16_t*, 5> kLeads = {u"Datei wurde gefunden in:    ", u"Datei wurde gefunden in:    ",
                                                   u"Datei wurde gefunden in:    ",
                                                   u"Velorin-4 wurde gefunden in:   ", u"Datei wurde gefunden in:   "};

struct Sentences {
  const char16_t* present;
  const char16_t* missing;
};
constexpr std::array<Sentences, 5> kStatus = {{
    {u" Das wichtige ActiveX -Steuerelement [comdlg32.ocx] wurde gefunden !",
     u" ActiveX -Steuerelement [comdlg32.ocx] wurde nicht gefunden !"},
    {u" Das wichtige ActiveX -Steuerelement [mscomctl.ocx] wurde gefunden !",
     u" ActiveX -Steuerelement [mscomctl.ocx] wurde nicht gefunden !"},
    {u" WebSpeech Logox4 ist installiert !", u" WebSpeech Logox4 ist nicht installiert !"},
    {u" Velorin-4 Programm wurde gefunden !", u" Velorin-4 Programm wurde nicht gefunden !"},
    {u" Internet-Explorer Browser ist installiert !", u" Internet-Explorer Browser ist nicht installiert !"},
}};

// For every combination of present components, with and without a previous
// verdict that showed the archive picture and "mehr...", the controls the
// verdict shows and the texts it writes follow the rules of the verdict table.
TEST(Verdict, AllThirtyTwoCombinationsOfPresentAndMissing) {
  for (int mask = 0; mask < 32; ++mask) {
    for (bool shown_before : {false, true}) {
      std::array<bool, 5> has{};
      for (int i = 0; i < 5; ++i) has[i] = (mask >> i) & 1;
      SCOPED_TRACE(::testing::Message() << "present " << has[0] << has[1] << has[2] << has[3] << has[4]
                                        << (shown_before ? ", after a verdict that showed Picture3" : ""));
      testing::FakePlatform platform;
      Form1 form(platform);
      form.Form_Load();
      form.Picture3.set_Visible(shown_before);
      form.Label26.set_Visible(shown_before);
      Control* boxes[] = {&form.Text1, &form.Text2, &form.Text3, &form.Text4, &form.Text5};
      for (int i = 0; i < 5; ++i)
        boxes[i]->set_Text(std::u16string(kLeads[i]) + (has[i] ? u"C:\\Some Where\\" + std::u16string(kFiles[i]) : u""));

      form.Command3_Click();

      Control* present_marks[] = {&form.Label1, &form.Label2, &form.Label3, &form.Label4, &form.Label9};
      Control* missing_marks[] = {&form.Label5, &form.Label6, &form.Label7, &form.Label8, &form.Label10};
      Control* status[] = {&form.Label15, &form.Label16, &form.Label17, &form.Label18, &form.Label19};
      for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(present_marks[i]->Visible(), has[i]) << present_marks[i]->name();
        EXPECT_EQ(missing_marks[i]->Visible(), !has[i]) << missing_marks[i]->name();
        EXPECT_EQ(status[i]->Caption(), has[i] ? kStatus[i].present : kStatus[i].missing) << status[i]->name();
      }
      const bool controls = has[0] && has[1];
      EXPECT_EQ(form.Command6.Visible(), controls && has[4]);
      EXPECT_EQ(form.Command12.Visible(), !controls);
      EXPECT_EQ(form.Label14.Visible(), !controls);
      EXPECT_EQ(form.Label20.Visible(), controls);
      EXPECT_EQ(form.Picture3.Visible(), !controls || shown_before);
      EXPECT_EQ(form.Label26.Visible(), !controls || shown_before);
      EXPECT_EQ(form.Command4.Visible(), !has[3] && controls);
      EXPECT_EQ(form.Command2.Visible(), !has[2]);

      const auto kept = [&](int i) {
        return std::u16string(i == 3 ? u"velorin-4 wurde gefunden in:   " : i == 4 ? u"datei wurde gefunden in:   "
                                                                                  : u"datei wurde gefunden in:    ") +
               u"c:\\some where\\" + kFiles[i];
      };
      EXPECT_EQ(form.Text1.Text(), has[0] ? kept(0) : u"activex -steuerelement [comdlg32.ocx] !");
      EXPECT_EQ(form.Text2.Text(), has[1] ? kept(1) : u"activex -steuerelement [mscomctl.ocx] !");
      EXPECT_EQ(form.Text3.Text(), has[2] ? kept(2) : u"datei wurde gefunden in:    ");
      EXPECT_EQ(form.Text4.Text(), has[3] ? kept(3) : u"velorin-4 wurde gefunden in:   ");
      EXPECT_EQ(form.Text5.Text(), has[4] ? kept(4) : u"ab internet-explorer 5.5 [browser] !");
    }
  }
}

TEST(Verdict, AFileNameInOtherLetterCaseCountsAsMissing) {
  testing::FakePlatform platform;
  Form1 form(platform);
  form.Form_Load();
  form.Text4.Change = nullptr;  // keep the capitals the boxes would otherwise lose
  form.Text4.set_Text(u"Velorin-4 wurde gefunden in:   C:\\VELORIN-4.EXE");
  form.Command3_Click();
  EXPECT_TRUE(form.Label8.Visible());
  EXPECT_FALSE(form.Label4.Visible());
}

}  // namespace
}  // namespace velorin
