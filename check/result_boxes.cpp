// The result boxes keep their text in lower case, so that the verdict's
// case-sensitive test finds the lower-case file names in any found path.

#include "app/form1.h"
#include "app/skip_on_error.h"

namespace velorin {

// Writing the lower-cased text changes the box again, which runs this once
// more, nested; that run finds nothing left to change.
void Form1::lower_case_box(Control& box) {
  step([&] { box.set_Text(platform_.lower_case(box.Text())); });
  box.set_SelStart(static_cast<int>(box.Text().size()));
}

void Form1::Text1_Change() { lower_case_box(Text1); }
void Form1::Text2_Change() { lower_case_box(Text2); }
void Form1::Text3_Change() { lower_case_box(Text3); }
void Form1::Text4_Change() { lower_case_box(Text4); }
void Form1::Text5_Change() { lower_case_box(Text5); }

}  // namespace velorin
