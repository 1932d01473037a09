#pragma once
// The one window of the program: its controls by name, and every handler and
// method. The bodies live with their subsystem (app/, check/, launch/,
// hover/). Handlers are plain methods; one handler calls another directly.
// Rendering, and turning native events into calls, is left to a binding.

#include <array>
#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "app/search_wait.h"
#include "app/window.h"
#include "platform/platform.h"

namespace velorin {

struct ComponentCheck;

// Option1(0) and Option1(1): a control array, addressed by index.
class ControlArray final {
 public:
  ControlArray(Control& first, Control& second) : elements_{&first, &second} {}
  int LBound() const { return 0; }
  int UBound() const { return static_cast<int>(elements_.size()) - 1; }
  Control& operator[](int index) const { return *elements_.at(static_cast<std::size_t>(index)); }

 private:
  std::array<Control*, 2> elements_;
};

class Form1 final {
 public:
  explicit Form1(Platform& platform);
  Form1(const Form1&) = delete;
  Form1& operator=(const Form1&) = delete;

  Window& window() { return window_; }
  const Window& window() const { return window_; }
  // The native handle a binding sets, passed on as the owner of shell calls.
  WindowHandle hWnd = 0;

  // Events from a binding, delivered to the control's handler if it has one.
  // Nothing runs once the window is unloaded.
  void Click(const Control& control);
  void GotFocus(const Control& control);
  // A movement over a control, or over the bare window when control is null.
  void MouseMove(const Control* control);
  // The title bar's close box: unloads without asking; during a search,
  // once the search is cancelled.
  void Unload();
  bool unloaded() const { return unloaded_; }

  // While the system test or a drive scan searches, the window stays alive
  // through the binding's wait, if it set one; without, the search holds
  // the calling thread. Meanwhile no handler starts: only "Abbrechen", Esc
  // and the close box are heard, and they cancel the search.
  void set_search_wait(SearchWait* wait) { search_wait_ = wait; }
  bool searching() const { return window_.Busy(); }
  // Whether clicks and keys may reach this control now.
  bool takes_input(const Control& control) const { return !searching() || &control == &Command8; }
  // The Esc key.
  void Escape();

  // Start-up and lifecycle.
  void Form_Load();
  void Command8_Click();

  // Operating system and folders.
  void Label23_Click();
  void Label22_Click();
  std::u16string GetSpecialFolderPath(std::int32_t& Folder);
  void LabelPfad_Click();
  void Label27_Click();
  std::u16string ZeichenErsetzen(std::u16string& Text, const std::u16string& ZeichenAlt,
                                 const std::u16string& ZeichenNeu);

  // The component check.
  std::u16string FileFind(const std::u16string& hFileName, std::u16string hPart);
  void Command1_Click();
  void Command1_GotFocus();
  void Command10_Click();
  void Command5_Click();
  void Command3_Click();
  void Text1_Change();
  void Text2_Change();
  void Text3_Change();
  void Text4_Change();
  void Text5_Change();

  // Leading to what is missing.
  void SetSystemFolderPath();
  std::int16_t SelectedOptionIndex(const ControlArray& options);
  void Command2_Click();
  void Command4_Click();
  void Command6_Click();
  void Command12_Click();
  void Frame1_Click();
  void Label1_Click();
  void Label2_Click();
  void Label3_Click();
  void Label4_Click();
  void Label5_Click();
  void Label6_Click();
  void Label7_Click();
  void Label8_Click();
  void Label9_Click();
  void Label26_Click();
  void Picture3_Click();

  // Hover feedback.
  void Form_MouseMove();
  void Command1_MouseMove();
  void Command2_MouseMove();
  void Command4_MouseMove();
  void Command5_MouseMove();
  void Command6_MouseMove();
  void Command8_MouseMove();
  void Command10_MouseMove();
  void Command12_MouseMove();
  void Frame1_MouseMove();
  void Label1_MouseMove();
  void Label2_MouseMove();
  void Label5_MouseMove();
  void Label6_MouseMove();
  void Label14_MouseMove();
  void Label15_MouseMove();
  void Label16_MouseMove();
  void Label17_MouseMove();
  void Label18_MouseMove();
  void Label19_MouseMove();
  void LabelWin_MouseMove();
  void Picture3_MouseMove();

 private:
  // Hands a target to the system's shell, owned by this window.
  void open_target(const std::u16string& target);
  // Puts a target into Text6 and opens what Text6 then holds.
  void open_through_target_field(const std::u16string& target);
  void open_system_folder();
  // Searches each component of the check list under root() and writes the
  // row's lead text and the found path into its result box.
  // False when the search was cancelled before every box was filled.
  bool fill_result_boxes(const std::function<std::u16string()>& root, std::u16string_view ComponentCheck::*lead);
  // Runs a handler that searches: the wait pointer meanwhile, the progress
  // on the help line, and after a cancel every control as it was before.
  void search_run(const std::function<void()>& handler);
  void search_tick();
  std::int32_t search_tree(const std::string& root, const std::string& name,
                           std::span<char, kSearchPathBuffer> buffer);
  void cancel_search() { progress_->stop = true; }
  void lower_case_box(Control& box);
  void drive_scan(const std::u16string& root);
  // The present and missing marks, Label1 to Label10 in this order, hidden.
  void hide_marks();

  Platform& platform_;
  Window window_;
  bool unloaded_ = false;
  SearchWait* search_wait_ = nullptr;
  // The current run's, each run's its own: a search left to end by itself
  // after a cancel counts into its own.
  std::shared_ptr<SearchProgress> progress_ = std::make_shared<SearchProgress>();
  std::shared_ptr<SearchRun> run_;  // while the result boxes are filled
  bool unload_after_search_ = false;
  bool progress_shown_ = false;
  std::u16string help_under_note_;  // the help line a cancel's note covers
  std::chrono::steady_clock::time_point search_start_, last_report_;

 public:
  Control &Command11, &Picture1, &Command1, &Command10, &Command9, &Frame1, &Command12, &Picture3, &LabelWin,
      &Label14, &Label26, &LabelPfad, &Label1, &Label2, &Label5, &Label6, &Label15, &Label16, &Label20, &Frame2,
      &Command2, &Command4, &Label3, &Label4, &Label7, &Label8, &Label9, &Label10, &Label17, &Label18, &Label19,
      &Command8, &Command6, &Command5, &Text6, &Text5, &Command3, &Text4, &Text3, &Text2, &Text1, &Label25,
      &Label27, &Label23, &Label22, &Label21, &Label13, &Label12, &Label11;
  ControlArray Option1;
};

}  // namespace velorin
