// A long search keeps the window alive: the wait pointer over it, the
// progress on the help line once the search takes a while, and a cancel that
// leaves every control as it was before the click.

#include <exception>

#include "app/form1.h"
#include "app/skip_on_error.h"

namespace velorin {
namespace {

// A fast search looks as it always did; a slow one says how far it got, no
// oftener than the eye can follow.
constexpr std::chrono::milliseconds kQuietStart{300};
constexpr std::chrono::milliseconds kReportEvery{250};

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
  const std::u16string help = Label25.Caption();
  progress_.directories = 0;
  progress_.stop = false;
  progress_shown_ = false;
  search_start_ = std::chrono::steady_clock::now();
  searching_ = true;
  window_.set_Busy(true);
  step(handler);
  searching_ = false;
  window_.set_Busy(false);
  if (progress_.stop) {
    window_.restore(before);
    Label25.set_Caption(u"Suche abgebrochen.");
  } else if (progress_shown_) {
    Label25.set_Caption(help);
  }
  if (unload_after_search_) Unload();
}

void Form1::search_tick() {
  const auto now = std::chrono::steady_clock::now();
  if (progress_.stop || now - search_start_ < kQuietStart || (progress_shown_ && now - last_report_ < kReportEvery))
    return;
  last_report_ = now;
  progress_shown_ = true;
  Label25.set_Caption(u"Suche läuft ... " + grouped(progress_.directories) + u" Ordner durchsucht");
}

std::int32_t Form1::search_tree(const std::string& root, const std::string& name,
                                std::span<char, kSearchPathBuffer> buffer) {
  if (!search_wait_ || !searching_) return platform_.SearchTreeForFile(root, name, buffer);
  std::int32_t found = 0;
  std::exception_ptr failure;
  search_wait_->wait(
      [&] {
        try {
          found = platform_.SearchTreeForFile(root, name, buffer);
        } catch (...) {
          failure = std::current_exception();
        }
      },
      [this] { search_tick(); });
  if (failure) std::rethrow_exception(failure);
  return found;
}

void Form1::Escape() {
  if (searching_) cancel_search();
}

}  // namespace velorin
