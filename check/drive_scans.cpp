// The two drive scans that stand in for the system test on Windows 95 and 98:
// the same check list over a whole drive, with a shorter reset.

#include "app/form1.h"
#include "app/skip_on_error.h"
#include "check/check_list.h"

namespace velorin {

void Form1::drive_scan(const std::u16string& root) {
  search_run([&] {
    hide_marks();
    Command2.set_Visible(false);
    Command4.set_Visible(false);
    if (!fill_result_boxes([&] { return root; }, &ComponentCheck::scan_lead)) return;
    step([&] { Command3_Click(); });
  });
}

void Form1::Command10_Click() { drive_scan(u"C:\\"); }
void Form1::Command5_Click() { drive_scan(u"D:\\"); }

}  // namespace velorin
