// The system test button: all five components under the search root, then
// the verdict.

#include "app/form1.h"
#include "app/skip_on_error.h"
#include "check/check_list.h"

#include <vector>

namespace velorin {

// The platform is told the five names first, so that it can walk the tree
// once for all of them; each FileFind still makes its own checks.
bool Form1::fill_result_boxes(const std::function<std::u16string()>& root,
                              std::u16string_view ComponentCheck::*lead) {
  step([&] {
    std::vector<std::string> names;
    for (const ComponentCheck& row : kCheckList) names.push_back(platform_.to_ansi(row.file));
    run_ = platform_.begin_searches(names, progress_);
  });
  struct End final {
    std::shared_ptr<SearchRun>& run;
    ~End() { run.reset(); }
  } end{run_};
  for (const ComponentCheck& row : kCheckList) {
    step([&] {
      const std::u16string found = FileFind(std::u16string(row.file), root());
      if (!progress_->stop) window_.control(row.result_box).set_Text(std::u16string(row.*lead) + found);
    });
    if (progress_->stop) return false;
  }
  return true;
}

void Form1::Command1_Click() {
  search_run([this] {
    Picture1.set_Visible(true);
    Picture3.set_Visible(false);
    Label26.set_Visible(false);
    hide_marks();
    for (Control* button : {&Command2, &Command4, &Command12}) button->set_Visible(false);
    // The root is read anew for every row.
    if (!fill_result_boxes([this] { return LabelPfad.Caption(); }, &ComponentCheck::lead)) return;
    Command6.set_Visible(true);
    step([&] { Command3_Click(); });
  });
}

// Focus on the test button refreshes the search root before a run.
void Form1::Command1_GotFocus() { LabelPfad_Click(); }

}  // namespace velorin
