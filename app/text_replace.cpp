#include "app/form1.h"

namespace velorin {

// Left to right, case-sensitive, never overlapping: the search goes on behind
// each inserted replacement, so a replacement that holds the searched text
// is not replaced again. Callers also use it as a contains test.
std::u16string Form1::ZeichenErsetzen(std::u16string& Text, const std::u16string& ZeichenAlt,
                                      const std::u16string& ZeichenNeu) {
  if (ZeichenAlt.empty()) return Text;  // it would be found everywhere and the scan would never end
  for (std::size_t p = Text.find(ZeichenAlt); p != std::u16string::npos; p = Text.find(ZeichenAlt, p)) {
    Text.replace(p, ZeichenAlt.size(), ZeichenNeu);
    p += ZeichenNeu.size();
  }
  return Text;
}

}  // namespace velorin
