// The system test button.

#include "app/form1.h"

namespace velorin {

// Focus on the test button refreshes the search root before a run.
void Form1::Command1_GotFocus() { LabelPfad_Click(); }

}  // namespace velorin
