#include "app/form1.h"

#include <string_view>

namespace velorin {
namespace {

using Handler = void (Form1::*)();
struct EventHandler final {
  std::string_view control;
  Handler handler;
};

constexpr EventHandler kClick[] = {
    {"Command1", &Form1::Command1_Click},   {"Command2", &Form1::Command2_Click},
    {"Command3", &Form1::Command3_Click},   {"Command4", &Form1::Command4_Click},
    {"Command5", &Form1::Command5_Click},   {"Command6", &Form1::Command6_Click},
    {"Command8", &Form1::Command8_Click},   {"Command10", &Form1::Command10_Click},
    {"Command12", &Form1::Command12_Click}, {"Frame1", &Form1::Frame1_Click},
    {"Label1", &Form1::Label1_Click},       {"Label2", &Form1::Label2_Click},
    {"Label3", &Form1::Label3_Click},       {"Label4", &Form1::Label4_Click},
    {"Label5", &Form1::Label5_Click},       {"Label6", &Form1::Label6_Click},
    {"Label7", &Form1::Label7_Click},       {"Label8", &Form1::Label8_Click},
    {"Label9", &Form1::Label9_Click},       {"Label22", &Form1::Label22_Click},
    {"Label23", &Form1::Label23_Click},     {"Label26", &Form1::Label26_Click},
    {"Label27", &Form1::Label27_Click},     {"LabelPfad", &Form1::LabelPfad_Click},
    {"Picture3", &Form1::Picture3_Click},
};

constexpr EventHandler kMouseMove[] = {
    {"Command1", &Form1::Command1_MouseMove},   {"Command2", &Form1::Command2_MouseMove},
    {"Command4", &Form1::Command4_MouseMove},   {"Command5", &Form1::Command5_MouseMove},
    {"Command6", &Form1::Command6_MouseMove},   {"Command8", &Form1::Command8_MouseMove},
    {"Command10", &Form1::Command10_MouseMove}, {"Command12", &Form1::Command12_MouseMove},
    {"Frame1", &Form1::Frame1_MouseMove},       {"Label1", &Form1::Label1_MouseMove},
    {"Label2", &Form1::Label2_MouseMove},       {"Label5", &Form1::Label5_MouseMove},
    {"Label6", &Form1::Label6_MouseMove},       {"Label14", &Form1::Label14_MouseMove},
    {"Label15", &Form1::Label15_MouseMove},     {"Label16", &Form1::Label16_MouseMove},
    {"Label17", &Form1::Label17_MouseMove},     {"Label18", &Form1::Label18_MouseMove},
    {"Label19", &Form1::Label19_MouseMove},     {"LabelWin", &Form1::LabelWin_MouseMove},
    {"Picture3", &Form1::Picture3_MouseMove},
};

constexpr EventHandler kGotFocus[] = {
    {"Command1", &Form1::Command1_GotFocus},
};

template <std::size_t N>
void dispatch(Form1& form, const EventHandler (&table)[N], const Control& control) {
  if (form.unloaded() || form.searching()) return;
  for (const EventHandler& entry : table)
    if (entry.control == control.name()) (form.*entry.handler)();
}

}  // namespace

Form1::Form1(Platform& platform)
    : platform_(platform),
      Command11(window_.control("Command11")),
      Picture1(window_.control("Picture1")),
      Command1(window_.control("Command1")),
      Command10(window_.control("Command10")),
      Command9(window_.control("Command9")),
      Frame1(window_.control("Frame1")),
      Command12(window_.control("Command12")),
      Picture3(window_.control("Picture3")),
      LabelWin(window_.control("LabelWin")),
      Label14(window_.control("Label14")),
      Label26(window_.control("Label26")),
      LabelPfad(window_.control("LabelPfad")),
      Label1(window_.control("Label1")),
      Label2(window_.control("Label2")),
      Label5(window_.control("Label5")),
      Label6(window_.control("Label6")),
      Label15(window_.control("Label15")),
      Label16(window_.control("Label16")),
      Label20(window_.control("Label20")),
      Frame2(window_.control("Frame2")),
      Command2(window_.control("Command2")),
      Command4(window_.control("Command4")),
      Label3(window_.control("Label3")),
      Label4(window_.control("Label4")),
      Label7(window_.control("Label7")),
      Label8(window_.control("Label8")),
      Label9(window_.control("Label9")),
      Label10(window_.control("Label10")),
      Label17(window_.control("Label17")),
      Label18(window_.control("Label18")),
      Label19(window_.control("Label19")),
      Command8(window_.control("Command8")),
      Command6(window_.control("Command6")),
      Command5(window_.control("Command5")),
      Text6(window_.control("Text6")),
      Text5(window_.control("Text5")),
      Command3(window_.control("Command3")),
      Text4(window_.control("Text4")),
      Text3(window_.control("Text3")),
      Text2(window_.control("Text2")),
      Text1(window_.control("Text1")),
      Label25(window_.control("Label25")),
      Label27(window_.control("Label27")),
      Label23(window_.control("Label23")),
      Label22(window_.control("Label22")),
      Label21(window_.control("Label21")),
      Label13(window_.control("Label13")),
      Label12(window_.control("Label12")),
      Label11(window_.control("Label11")),
      Option1(window_.control("Option1", 0), window_.control("Option1", 1)) {
  Text1.Change = [this] { Text1_Change(); };
  Text2.Change = [this] { Text2_Change(); };
  Text3.Change = [this] { Text3_Change(); };
  Text4.Change = [this] { Text4_Change(); };
  Text5.Change = [this] { Text5_Change(); };
}

void Form1::Click(const Control& control) {
  if (searching() && takes_input(control)) cancel_search();  // "Abbrechen"
  dispatch(*this, kClick, control);
}
void Form1::GotFocus(const Control& control) { dispatch(*this, kGotFocus, control); }

void Form1::MouseMove(const Control* control) {
  if (control) {
    dispatch(*this, kMouseMove, *control);
  } else if (!unloaded_ && !searching()) {
    Form_MouseMove();
  }
}

void Form1::Unload() {
  if (unloaded_) return;
  if (searching()) {
    unload_after_search_ = true;
    cancel_search();
    return;
  }
  unloaded_ = true;
  if (WindowObserver* observer = window_.observer()) observer->unloaded();
}

}  // namespace velorin
