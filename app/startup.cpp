// What start-up settles before the window is shown, and the cancel button.

#include "app/form1.h"
#include "app/skip_on_error.h"

namespace velorin {

void Form1::Form_Load() {
  step([&] { Label23_Click(); });
  step([&] { Label22_Click(); });
  Label26.set_Visible(false);
  step([&] {
    std::int32_t program_files = 38;  // CSIDL_PROGRAM_FILES
    LabelPfad.set_Caption(GetSpecialFolderPath(program_files));
  });
  Picture3.set_Visible(false);
  hide_marks();
  Label20.set_Visible(false);
  for (Control* button : {&Command2, &Command4, &Command6, &Command12}) button->set_Visible(false);
  Label14.set_Visible(false);
  Picture1.set_Visible(false);
}

void Form1::Command8_Click() { Unload(); }

void Form1::hide_marks() {
  for (Control* mark : {&Label1, &Label2, &Label3, &Label4, &Label5, &Label6, &Label7, &Label8, &Label9, &Label10})
    mark->set_Visible(false);
}

}  // namespace velorin
