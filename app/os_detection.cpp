// Naming the operating system, and adapting the window to Windows 95 and 98.

#include <algorithm>

#include "app/form1.h"
#include "app/skip_on_error.h"

namespace velorin {
namespace {

std::u16string system_name(const VersionRecord& record, const std::u16string& service_pack) {
  switch (record.dwPlatformId) {
    case 1:  // the Windows 95 family
      switch (record.dwMinorVersion) {
        case 0:
          return service_pack == u"B" ? u"Windows 95 OSR2" : u"Windows 95" + service_pack.substr(0, 2);
        case 10:
          return service_pack == u"A" ? u"Windows 98 SE" : u"Windows 98";
        case 90:
          return u"Windows ME";
        default:
          return u"Win 32s";
      }
    case 2:  // the NT family; 5.0, 5.1 and 5.2 are told apart by their build alone
      if (record.dwMajorVersion == 4) return u"Windows NT";
      if (record.dwMajorVersion == 5 && record.dwBuildNumber == 2195) return u"Windows 2000";
      if (record.dwMajorVersion == 5 && record.dwBuildNumber == 2600) return u"Windows XP";
      return u"Unbekanntes Betriebssystem";
    default:
      return u"Unbekanntes Betriebssystem";
  }
}

}  // namespace

void Form1::Label23_Click() {
  VersionRecord record;
  record.dwOSVersionInfoSize = sizeof record;
  step([&] { platform_.GetVersionExA(record); });

  // The service-pack text ends at its first NUL, or fills all 128 characters.
  const char* csd = record.szCSDVersion;
  const std::size_t length = std::find(csd, csd + sizeof record.szCSDVersion, '\0') - csd;
  std::u16string service_pack;
  step([&] { service_pack = platform_.from_ansi(std::string_view(csd, length)); });

  LabelWin.set_Caption(u"Aktuelles Betriebssystem: " + system_name(record, service_pack));
}

void Form1::Label22_Click() {
  const std::u16string caption = LabelWin.Caption();
  for (const std::u16string older : {u"Windows 98", u"Windows 95"}) {
    std::u16string copy = caption;
    if (ZeichenErsetzen(copy, older, u".") != caption) {
      Command1.set_Visible(false);
      Option1[1].set_Value(true);
    }
  }
}

}  // namespace velorin
