// The system folder into which the ActiveX controls are to be copied, chosen
// by the operating-system option that start-up selected.

#include <cstdint>

#include "app/form1.h"

namespace velorin {

void Form1::SetSystemFolderPath() {
  switch (SelectedOptionIndex(Option1)) {
    case 0:
      Text6.set_Text(u"\\windows\\system32\\");
      break;
    case 1:
      Text6.set_Text(u"../windows/system");
      break;
    default:
      break;
  }
}

// The index of the first selected button, or 0 when none is. The count is
// 16 bits wide and stops at its end, where it would overflow.
std::int16_t Form1::SelectedOptionIndex(const ControlArray& options) {
  const auto upper = static_cast<std::int16_t>(options.UBound());
  const auto lower = static_cast<std::int16_t>(options.LBound());
  for (std::int32_t i = lower; i <= upper && i <= INT16_MAX; ++i)
    if (options[i].Value()) return static_cast<std::int16_t>(i);
  return 0;
}

}  // namespace velorin
