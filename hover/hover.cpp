// What the window shows while the pointer moves over it: button colours, the
// help line Label25, the result of a row as its status label's tooltip. A
// movement over the bare window puts the button colours back; Command12 and
// Picture3 only come back over Frame1, and the help line stays.

#include "app/form1.h"
#include "app/skip_on_error.h"

namespace velorin {

using namespace colours;

void Form1::Command1_MouseMove() {
  step([&] { LabelPfad_Click(); });
  Command1.set_BackColor(Green);
}
void Form1::Command10_MouseMove() { Command10.set_BackColor(Green); }
void Form1::Command5_MouseMove() { Command5.set_BackColor(Green); }
void Form1::Command2_MouseMove() { Command2.set_BackColor(Red); }
void Form1::Command4_MouseMove() { Command4.set_BackColor(Red); }
void Form1::Command8_MouseMove() { Command8.set_BackColor(LightRed); }

void Form1::Command6_MouseMove() {
  Command6.set_BackColor(LightGreen);
  Label25.set_Caption(u"OK Velorin-4 Systemtest erfolgreich abgeschlossen! Weiter zur Download-Seite!");
}

void Form1::Command12_MouseMove() {
  Label25.set_Caption(u"Systemtest Download Seite öffnen!");
  Command12.set_BackColor(Red);
  Picture3.set_BackColor(Red);
}

void Form1::Frame1_MouseMove() {
  Label25.set_Caption(u"");
  Picture3.set_BackColor(colours::Window);
  Command12.set_BackColor(LightRed);
}

void Form1::Label1_MouseMove() { Label25.set_Caption(u"windows\\system32\\ öffnen !"); }
void Form1::Label2_MouseMove() { Label25.set_Caption(u"windows\\system32\\ öffnen !"); }
void Form1::Label5_MouseMove() { Label25.set_Caption(u"windows\\system32\\ öffnen [comdlg32.ocx]-Einfügen !"); }
void Form1::Label6_MouseMove() { Label25.set_Caption(u"windows\\system32\\ öffnen [mscomctl.ocx]-Einfügen"); }

void Form1::Picture3_MouseMove() {
  Label25.set_Caption(
      u"In WinZip gepackt [COMDLG32.OCX]+[mscomctl.ocx] in den Ordner ( ?:\\WINDOWS\\SYSTEM32 ) Kopieren "
      u"[Extrahieren]!");
}

void Form1::Label14_MouseMove() { Label25.set_Caption(u""); }
void Form1::LabelWin_MouseMove() { Label25.set_Caption(u""); }

void Form1::Label15_MouseMove() { Label15.set_ToolTipText(Text1.Text()); }
void Form1::Label16_MouseMove() { Label16.set_ToolTipText(Text2.Text()); }
void Form1::Label17_MouseMove() { Label17.set_ToolTipText(Text3.Text()); }
void Form1::Label18_MouseMove() { Label18.set_ToolTipText(Text4.Text()); }
void Form1::Label19_MouseMove() { Label19.set_ToolTipText(Text5.Text()); }

void Form1::Form_MouseMove() {
  Command2.set_BackColor(LightRed);
  Command4.set_BackColor(LightRed);
  Command6.set_BackColor(Green);
  Command1.set_BackColor(White);
  Command8.set_BackColor(White);
  Picture1.set_Visible(false);
  Command5.set_BackColor(White);
  Command10.set_BackColor(White);
}

}  // namespace velorin
