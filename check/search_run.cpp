// A long search keeps the window alive: the wait pointer over it, the
// progress on the help line once the search takes a while, and a cancel that
// leaves every control as it was before the click.

#include <algorithm>
#include <array>
#include <exception>

#include "app/form1.h"
#include "app/skip_on_error.h"

namespace velorin {
namespace {

// A fast search shows no progress; a slow one says how far it got, no
// oftener than the eye can follow.
constexpr std::chrono::milliseconds kQuietStart{300};
constexpr std::chrono::milliseconds kReportEvery{250};
constexpr std::u16string_view kCancelled = u"Suche abgebrochen.";

// 12345 as "12.345", as German writes it.
std::u16string grouped(std::uint64_t n) {
  std::u16string digits;
  for (int i = 0; n > 0 || i == 0; ++i, n /= 10) {
    if (i > 0 && i % 3 == 0) digits.insert(digits.begin(), u'.');
    digits.insert(digits.begin(), static_cast<char16_t>(u'0' + n % 10));
  }
  return digits;
}

}  // namespace

void Form1::search_run(const std::function<void()>& handler) {
  const Window::Snapshot before = window_.snapshot();
  // A cancel's note is no help of its own: a run puts back what it covered.
  const std::u16string help = Label25.Caption() == kCancelled ? help_under_note_ : Label25.Caption();
  progress_ = std::make_shared<SearchProgress>();
  progress_shown_ = false;
  search_start_ = std::chrono::steady_clock::now();
  window_.set_Busy(true);
  step(handler);
  window_.set_Busy(false);
  if (progress_->stop) {
    window_.restore(before);
    help_under_note_ = help;
    Label25.set_Caption(std::u16string(kCancelled));
  } else if (Label25.Caption() != help) {
    Label25.set_Caption(help);
  }
  if (unload_after_search_) Unload();
}

void Form1::search_tick() {
  const auto now = std::chrono::steady_clock::now();
  if (progress_->stop || now - search_start_ < kQuietStart || (progress_shown_ && now - last_report_ < kReportEvery))
    return;
  last_report_ = now;
  progress_shown_ = true;
  Label25.set_Caption(u"Suche läuft ... " + grouped(progress_->directories) + u" Ordner durchsucht");
}

std::int32_t Form1::search_tree(const std::string& root, const std::string& name,
                                std::span<char, kSearchPathBuffer> buffer) {
  if (!run_) return platform_.SearchTreeForFile(root, name, buffer);
  if (!search_wait_) return run_->SearchTreeForFile(root, name, buffer);
  // Whatever the search touches it holds itself: after a cancel the window
  // waits no longer, and a search still reading ends by itself, later.
  struct Search final {
    std::shared_ptr<SearchRun> run;
    std::string root, name;
    std::array<char, kSearchPathBuffer> buffer{};
    std::int32_t found = 0;
    std::exception_ptr failure;
  };
  const auto search = std::make_shared<Search>();
  search->run = run_;
  search->root = root;
  search->name = name;
  const std::shared_ptr<SearchProgress> progress = progress_;
  search_wait_->wait(
      [search] {
        try {
          search->found = search->run->SearchTreeForFile(search->root, search->name, search->buffer);
        } catch (...) {
          search->failure = std::current_exception();
        }
      },
      [this, progress] {
        step([this] { search_tick(); });
        return !progress->stop;
      });
  if (progress->stop) return 0;  // what a cancelled search answers, if it has yet, is not used
  if (search->failure) std::rethrow_exception(search->failure);
  std::copy(search->buffer.begin(), search->buffer.end(), buffer.begin());
  return search->found;
}

void Form1::Escape() {
  if (searching()) cancel_search();
}

}  // namespace velorin
