// The verdict: marks, status sentences and the buttons that lead to what is
// missing, read from the five result boxes alone. The rows go in the order
// 4, 1, 2, 3, 5, and that order matters: a missing ActiveX control takes back
// the program download that row 4 offered, and hides the success button.

#include "app/form1.h"
#include "check/check_list.h"

namespace velorin {
namespace {

// What a missing component does beyond its mark, sentence and download.
enum class Missing {
  Offered,  // nothing more
  ActiveX,  // shows the controls' sheet, takes back the program download and the success button
  Browser,  // takes back the success button
};

struct VerdictRow {
  std::size_t check;  // in kCheckList
  std::u16string_view found, missing;
  std::u16string_view missing_text;  // put in the result box where missing; empty for none
  Missing effect;
};

constexpr VerdictRow kVerdictRows[] = {
    {3, u" Velorin-4 Programm wurde gefunden !", u" Velorin-4 Programm wurde nicht gefunden !", u"",
     Missing::Offered},
    {0, u" Das wichtige ActiveX -Steuerelement [comdlg32.ocx] wurde gefunden !",
     u" ActiveX -Steuerelement [comdlg32.ocx] wurde nicht gefunden !", u"ActiveX -Steuerelement [comdlg32.ocx] !",
     Missing::ActiveX},
    {1, u" Das wichtige ActiveX -Steuerelement [mscomctl.ocx] wurde gefunden !",
     u" ActiveX -Steuerelement [mscomctl.ocx] wurde nicht gefunden !", u"ActiveX -Steuerelement [mscomctl.ocx] !",
     Missing::ActiveX},
    {2, u" WebSpeech Logox4 ist installiert !", u" WebSpeech Logox4 ist nicht installiert !", u"", Missing::Offered},
    {4, u" Internet-Explorer Browser ist installiert !", u" Internet-Explorer Browser ist nicht installiert !",
     u"Ab Internet-Explorer 5.5 [Browser] !", Missing::Browser},
};

}  // namespace

void Form1::Command3_Click() {
  hide_marks();
  Command12.set_Visible(false);
  Command6.set_Visible(true);
  Label14.set_Visible(false);
  Label20.set_Visible(false);

  const auto control = [&](std::string_view name) -> Control& { return window_.control(name); };
  bool every_activex = true;
  for (const VerdictRow& verdict : kVerdictRows) {
    const ComponentCheck& row = kCheckList[verdict.check];
    // The file name anywhere in the box, letter case and all.
    Control& box = control(row.result_box);
    std::u16string copy = box.Text();
    const bool found = ZeichenErsetzen(copy, std::u16string(row.file), u".") != box.Text();
    control(found ? row.present_mark : row.missing_mark).set_Visible(true);
    control(row.status_label).set_Caption(std::u16string(found ? verdict.found : verdict.missing));
    if (found) continue;
    if (!row.download.empty()) control(row.download).set_Visible(true);
    if (!verdict.missing_text.empty()) box.set_Text(std::u16string(verdict.missing_text));
    if (verdict.effect != Missing::Offered) Command6.set_Visible(false);
    if (verdict.effect == Missing::ActiveX) {
      every_activex = false;
      Label14.set_Visible(true);
      Command4.set_Visible(false);
      Picture3.set_Visible(true);
      Label26.set_Visible(true);
    }
  }
  if (every_activex) Label20.set_Visible(true);
}

}  // namespace velorin
