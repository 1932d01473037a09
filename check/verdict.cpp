// The verdict: marks, status sentences and the buttons that lead to what is
// missing, read from the five result boxes alone. The rows go in the order
// 4, 1, 2, 3, 5, and that order matters: a missing ActiveX control takes back
// the program download that row 4 offered, and hides the success button.

#include "app/form1.h"
#include "check/check_list.h"

namespace velorin {

void Form1::Command3_Click() {
  hide_marks();
  Command12.set_Visible(false);
  Command6.set_Visible(true);
  Label14.set_Visible(false);
  Label20.set_Visible(false);

  const auto control = [&](std::string_view name) -> Control& { return window_.control(name); };
  // The file name anywhere in the box, letter case and all.
  const auto present = [&](const ComponentCheck& row) {
    const std::u16string text = control(row.result_box).Text();
    std::u16string copy = text;
    return ZeichenErsetzen(copy, std::u16string(row.file), u".") != text;
  };
  const auto show = [&](std::string_view name) { control(name).set_Visible(true); };
  const auto status = [&](const ComponentCheck& row, std::u16string sentence) {
    control(row.status_label).set_Caption(std::move(sentence));
  };
  const ComponentCheck& comdlg32 = kCheckList[0];
  const ComponentCheck& mscomctl = kCheckList[1];
  const ComponentCheck& lgxiebar = kCheckList[2];
  const ComponentCheck& velorin = kCheckList[3];
  const ComponentCheck& iexplore = kCheckList[4];

  if (!present(velorin)) {
    show(velorin.download);
    show(velorin.missing_mark);
    status(velorin, u" Velorin-4 Programm wurde nicht gefunden !");
  } else {
    show(velorin.present_mark);
    status(velorin, u" Velorin-4 Programm wurde gefunden !");
  }

  const bool has_comdlg32 = present(comdlg32);
  if (!has_comdlg32) {
    show(comdlg32.download);
    Label14.set_Visible(true);
    show(comdlg32.missing_mark);
    Command6.set_Visible(false);
    Text1.set_Text(u"ActiveX -Steuerelement [comdlg32.ocx] !");
    Command4.set_Visible(false);
    status(comdlg32, u" ActiveX -Steuerelement [comdlg32.ocx] wurde nicht gefunden !");
    Picture3.set_Visible(true);
    Label26.set_Visible(true);
  } else {
    show(comdlg32.present_mark);
    status(comdlg32, u" Das wichtige ActiveX -Steuerelement [comdlg32.ocx] wurde gefunden !");
  }

  const bool has_mscomctl = present(mscomctl);
  if (!has_mscomctl) {
    Text2.set_Text(u"ActiveX -Steuerelement [mscomctl.ocx] !");
    status(mscomctl, u" ActiveX -Steuerelement [mscomctl.ocx] wurde nicht gefunden !");
    show(mscomctl.download);
    Label14.set_Visible(true);
    show(mscomctl.missing_mark);
    Command6.set_Visible(false);
    Command4.set_Visible(false);
    Picture3.set_Visible(true);
    Label26.set_Visible(true);
  } else {
    show(mscomctl.present_mark);
    status(mscomctl, u" Das wichtige ActiveX -Steuerelement [mscomctl.ocx] wurde gefunden !");
  }

  if (has_comdlg32 && has_mscomctl) Label20.set_Visible(true);

  if (!present(lgxiebar)) {
    show(lgxiebar.download);
    show(lgxiebar.missing_mark);
    status(lgxiebar, u" WebSpeech Logox4 ist nicht installiert !");
  } else {
    status(lgxiebar, u" WebSpeech Logox4 ist installiert !");
    show(lgxiebar.present_mark);
  }

  if (!present(iexplore)) {
    Command6.set_Visible(false);
    show(iexplore.missing_mark);
    Text5.set_Text(u"Ab Internet-Explorer 5.5 [Browser] !");
    status(iexplore, u" Internet-Explorer Browser ist nicht installiert !");
  } else {
    show(iexplore.present_mark);
    status(iexplore, u" Internet-Explorer Browser ist installiert !");
  }
}

}  // namespace velorin
