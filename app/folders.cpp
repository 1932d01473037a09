// The search root: the program-files folder, less the word "Programme"; and
// the "Pfad..." label that uncovers the result boxes.

#include "app/form1.h"
#include "app/skip_on_error.h"

namespace velorin {

std::u16string Form1::GetSpecialFolderPath(std::int32_t& Folder) {
  ItemIdList list = 0;
  std::int32_t located = -1;
  step([&] { located = platform_.SHGetSpecialFolderLocation(hWnd, Folder, list); });
  if (located != 0) return u"";
  struct Release final {
    Platform& platform;
    ItemIdList list;
    ~Release() { step([&] { platform.free_item_list(list); }); }
  } release{platform_, list};

  std::string buffer(kFolderPathBuffer, ' ');
  step([&] { buffer = platform_.to_ansi(std::u16string(kFolderPathBuffer, u' ')); });
  buffer.resize(kFolderPathBuffer, ' ');  // the call is promised 512 characters, whatever the code page did
  std::int32_t found = 0;
  step([&] {
    found = platform_.SHGetPathFromIDListA(list, std::span<char, kFolderPathBuffer>(buffer.data(), kFolderPathBuffer));
  });
  if (found == 0) return u"";

  std::u16string path;
  step([&] { path = platform_.from_ansi(buffer); });
  const std::size_t end = path.find(u'\0');
  return end == std::u16string::npos ? u"" : path.substr(0, end);
}

void Form1::LabelPfad_Click() {
  std::u16string root = LabelPfad.Caption();
  LabelPfad.set_Caption(ZeichenErsetzen(root, u"Programme", u""));
}

void Form1::Label27_Click() { window_.set_Height(7620); }

}  // namespace velorin
