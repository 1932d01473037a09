#pragma once
// The five components the checker looks for, with everything that belongs to
// each: the result box, the marks and labels through which the verdict reports
// it, and the texts the scans write. The system test, the drive scans and the
// verdict all read this one table. The boxes' texts before the first search
// are those of the window's catalogue.

#include <array>
#include <string_view>

namespace velorin {

struct ComponentCheck final {
  std::u16string_view file;  // lower case, as the result boxes keep their text
  std::string_view result_box;
  std::u16string_view lead;       // written before the found path by the system test
  std::u16string_view scan_lead;  // and by the drive scans
  std::string_view present_mark;
  std::string_view missing_mark;
  std::string_view status_label;
  std::string_view download;  // offered when missing; empty for none
};

inline constexpr std::array<ComponentCheck, 5> kCheckList{{
    {.file = u"comdlg32.ocx", .result_box = "Text1",
     .lead = u"Datei wurde gefunden in:    ", .scan_lead = u"Datei wurde gefunden in:    ",
     .present_mark = "Label1", .missing_mark = "Label5", .status_label = "Label15", .download = "Command12"},
    {.file = u"mscomctl.ocx", .result_box = "Text2",
     .lead = u"Datei wurde gefunden in:    ", .scan_lead = u"Datei wurde gefunden in:    ",
     .present_mark = "Label2", .missing_mark = "Label6", .status_label = "Label16", .download = "Command12"},
    {.file = u"lgxiebar.dll", .result_box = "Text3",
     .lead = u"Datei wurde gefunden in:    ", .scan_lead = u"Datei wurde gefunden in:   ",
     .present_mark = "Label3", .missing_mark = "Label7", .status_label = "Label17", .download = "Command2"},
    {.file = u"velorin-4.exe", .result_box = "Text4",
     .lead = u"Velorin-4 wurde gefunden in:   ", .scan_lead = u"Velorin-4 wurde gefunden in:   ",
     .present_mark = "Label4", .missing_mark = "Label8", .status_label = "Label18", .download = "Command4"},
    {.file = u"iexplore.exe", .result_box = "Text5",
     .lead = u"Datei wurde gefunden in:   ", .scan_lead = u"Datei wurde gefunden in:   ",
     .present_mark = "Label9", .missing_mark = "Label10", .status_label = "Label19", .download = ""},
}};

}  // namespace velorin
