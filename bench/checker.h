#pragma once
// The checker's own system test over the benchmark's tree: the real platform
// throughout, except that the program-files folder is the tree.

#include <algorithm>
#include <string>

#include "app/form1.h"
#include "check/check_list.h"
#include "platform/platform.h"

namespace velorin::bench {

class TreeAsProgramFiles final : public Platform {
 public:
  TreeAsProgramFiles(Platform& real, std::string tree) : real_(real), tree_(std::move(tree)) {}

  std::int32_t GetVersionExA(VersionRecord& record) override { return real_.GetVersionExA(record); }
  std::int32_t SHGetSpecialFolderLocation(WindowHandle, std::int32_t, ItemIdList& list) override {
    list = 1;
    return 0;
  }
  std::int32_t SHGetPathFromIDListA(ItemIdList, std::span<char, kFolderPathBuffer> buffer) override {
    buffer[tree_.copy(buffer.data(), buffer.size() - 1)] = '\0';
    return 1;
  }
  void free_item_list(ItemIdList) override {}
  std::int32_t SearchTreeForFile(std::string_view root, std::string_view name,
                                 std::span<char, kSearchPathBuffer> buffer) override {
    return real_.SearchTreeForFile(root, name, buffer);
  }
  std::shared_ptr<SearchRun> begin_searches(const std::vector<std::string>& names,
                                            std::shared_ptr<SearchProgress> progress) override {
    return real_.begin_searches(names, std::move(progress));
  }
  std::intptr_t ShellExecuteA(WindowHandle owner, std::string_view operation, std::string_view file,
                              std::int32_t show) override {
    return real_.ShellExecuteA(owner, operation, file, show);
  }
  std::int32_t start_program(std::string_view program, std::int32_t style) override {
    return real_.start_program(program, style);
  }
  std::string application_folder() override { return real_.application_folder(); }
  char path_separator() override { return real_.path_separator(); }
  std::string to_ansi(std::u16string_view text) override { return real_.to_ansi(text); }
  std::u16string from_ansi(std::string_view text) override { return real_.from_ansi(text); }
  std::u16string lower_case(std::u16string_view text) override { return real_.lower_case(text); }

 private:
  Platform& real_;
  std::string tree_;
};

// The window as loaded, with a system test run ready to press.
template <class RealPlatform>
struct Checker {
  explicit Checker(const std::string& tree) : platform(real, tree), form(platform) { form.Form_Load(); }
  // Presses the button; answers how many components the verdict marks present,
  // so that a benchmark never times a run that went wrong.
  int run() {
    form.Command1_Click();
    int present = 0;
    for (const ComponentCheck& row : kCheckList) present += form.window().control(row.present_mark).Visible();
    return present;
  }
  RealPlatform real;
  TreeAsProgramFiles platform;
  Form1 form;
};

}  // namespace velorin::bench
