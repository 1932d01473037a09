#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "app/form1.h"
#include "fake_platform.h"

namespace velorin {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::FakePlatform;

// A run whose first search reads `directories` directories of a millisecond
// each, counting them and looking at stop before each; the later searches
// are answered from that walk at once. After each directory the window's
// tick runs, as a binding's event loop runs it while the search's threads
// work, and then the test's own `during`, given the time since the click.
struct SlowRun final : SearchWait, WindowObserver {
  explicit SlowRun(bool windows98 = false) {
    if (windows98) platform.set_version(1, 4, 10, 0, "");
    else platform.set_version(2, 5, 1, 2600, "");
    platform.tree = [this](const std::string& root, const std::string& name) -> std::optional<std::string> {
      for (int d = 0; platform.searches.size() == first_search + 1 && d < directories; ++d) {
        if (platform.progress->stop) return std::nullopt;
        std::this_thread::sleep_for(1ms);
        ++platform.progress->directories;
        if (ticking) (*ticking)();
        if (during) during(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - clicked));
      }
      if (name == "comdlg32.ocx" || name == "iexplore.exe") return std::nullopt;  // two missing
      return root + "\\Found\\" + name;
    };
    form.window().set_observer(this);
    form.Form_Load();
    form.LabelPfad_Click();
  }
  void wait(std::function<void()> search, const std::function<bool()>& tick) override {
    ticking = &tick;
    search();
    ticking = nullptr;
  }
  void property_changed(const Control* control, Property property) override {
    if (control == &form.Label25 && property == Property::Caption)
      help.push_back({Clock::now() - clicked, form.Label25.Caption()});
    if (property == Property::Busy) busy.push_back(form.window().Busy());
  }
  void click(Control& button) {
    first_search = platform.searches.size();
    help.clear();
    clicked = Clock::now();
    form.Click(button);
  }

  FakePlatform platform;
  Form1 form{platform};
  int directories = 0;
  std::function<void(std::chrono::milliseconds)> during;
  const std::function<bool()>* ticking = nullptr;
  std::size_t first_search = 0;
  Clock::time_point clicked;
  std::vector<std::pair<Clock::duration, std::u16string>> help;
  std::vector<bool> busy;
};

TEST(SearchRun, ASlowSearchShowsItsProgressAtMostFourTimesASecondAndThenWhatWasThere) {
  for (const bool windows98 : {false, true}) {
    SlowRun plain(windows98), slow(windows98);
    plain.click(windows98 ? plain.form.Command10 : plain.form.Command1);
    slow.form.set_search_wait(&slow);
    slow.directories = 1200;
    slow.click(windows98 ? slow.form.Command10 : slow.form.Command1);
    EXPECT_EQ(slow.form.window().snapshot(), plain.form.window().snapshot()) << "the same result as without a wait";
    EXPECT_EQ(slow.busy, (std::vector<bool>{true, false}));
    ASSERT_GE(slow.help.size(), 3u);
    EXPECT_EQ(slow.help.back().second, u"") << "the help line as it was";
    std::uint64_t last = 0;
    for (std::size_t n = 0; n + 1 < slow.help.size(); ++n) {
      const auto [at, text] = slow.help[n];
      // 250 ms apart on the core's clock; seen here a little after each.
      EXPECT_GE(at, n == 0 ? 300ms : slow.help[n - 1].first + 200ms) << n;
      ASSERT_TRUE(text.starts_with(u"Suche läuft ... ") && text.ends_with(u" Ordner durchsucht")) << n;
      std::uint64_t count = 0;
      for (char16_t c : text)
        if (c >= u'0' && c <= u'9') count = count * 10 + (c - u'0');
      EXPECT_GT(count, last) << n;
      last = count;
    }
    EXPECT_EQ(slow.help[0].second.find(u'.', std::size(u"Suche läuft ...")), std::u16string::npos)
        << "below 1.000 no dot";
  }
}

TEST(SearchRun, ThousandsAreGroupedWithDots) {
  SlowRun run;
  run.form.set_search_wait(&run);
  run.directories = 1400;
  run.during = [&](auto) {
    if (run.platform.progress->directories == 1) run.platform.progress->directories = 12344;
  };
  run.click(run.form.Command1);
  ASSERT_GE(run.help.size(), 2u);
  EXPECT_TRUE(run.help[0].second.starts_with(u"Suche läuft ... 12."));
}

// Esc, "Abbrechen" and the close box, during the system test or a drive
// scan, after a first run left marks, sentences and buttons showing.
TEST(SearchRun, ACancelStopsTheSearchAndPutsEveryControlBack) {
  const struct {
    const char* name;
    bool windows98;
    std::function<void(Form1&)> cancel;
    bool ends;
  } rows[] = {
      {"Esc", false, [](Form1& f) { f.Escape(); }, false},
      {"Abbrechen", false, [](Form1& f) { f.Click(f.Command8); }, false},
      {"the close box", false, [](Form1& f) { f.Unload(); }, true},
      {"Esc in the scan of C:", true, [](Form1& f) { f.Escape(); }, false},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    SlowRun run(row.windows98);
    Control& button = row.windows98 ? run.form.Command10 : run.form.Command1;
    run.click(button);
    run.form.Label27_Click();  // the result boxes in view
    const Window::Snapshot before = run.form.window().snapshot();
    run.form.set_search_wait(&run);
    run.directories = 100000;
    bool cancelled = false;
    run.during = [&](std::chrono::milliseconds since) {
      if (since < 400ms || cancelled) return;
      cancelled = true;
      row.cancel(run.form);
    };
    run.click(button);
    EXPECT_EQ(run.form.Label25.Caption(), u"Suche abgebrochen.");
    run.form.Label25.set_Caption(u"");
    EXPECT_EQ(run.form.window().snapshot(), before);
    EXPECT_EQ(run.platform.searches.size(), run.first_search + 1) << "no row searched after the cancel";
    EXPECT_EQ(run.form.unloaded(), row.ends);
    EXPECT_FALSE(run.form.searching());
    EXPECT_EQ(run.busy.back(), false);
  }
}

// The help line after a run that completes is what it was before: an
// earlier cancel's note does not stay, whether or not the run showed its
// progress.
TEST(SearchRun, ARunThatCompletesAfterACancelPutsBackTheHelpLineTheNoteCovered) {
  for (const int directories : {0, 1200}) {
    SCOPED_TRACE(directories);
    SlowRun run;
    run.form.set_search_wait(&run);
    run.form.Label1_MouseMove();
    const std::u16string help = run.form.Label25.Caption();
    run.directories = 100000;
    run.during = [&](auto) { run.form.Escape(); };
    run.click(run.form.Command1);
    ASSERT_EQ(run.form.Label25.Caption(), u"Suche abgebrochen.");
    run.during = nullptr;
    run.directories = directories;
    run.click(run.form.Command1);
    EXPECT_EQ(run.form.Label25.Caption(), help);
  }
}

// A wait that the user cancels while the search hangs: it stops waiting and
// keeps the search, to end it later, as a disk that hangs would.
struct Hanging final : SearchWait {
  void wait(std::function<void()> search, const std::function<bool()>& tick) override {
    if (cancel) cancel();
    if (tick()) search();
    else left.push_back(std::move(search));
  }
  std::function<void()> cancel;
  std::vector<std::function<void()>> left;
};

TEST(SearchRun, ACancelledSearchThatEndsAfterANewRunChangesNothing) {
  SlowRun run;
  run.click(run.form.Command1);
  run.form.Label27_Click();
  const Window::Snapshot before = run.form.window().snapshot();
  Hanging hanging;
  run.form.set_search_wait(&hanging);
  hanging.cancel = [&] { run.form.Escape(); };
  run.click(run.form.Command1);
  ASSERT_EQ(hanging.left.size(), 1u);
  EXPECT_EQ(run.form.Label25.Caption(), u"Suche abgebrochen.");
  hanging.cancel = nullptr;
  run.platform.tree = [](const std::string& root, const std::string& name) { return root + "\\Neu\\" + name; };
  run.click(run.form.Command1);
  const Window::Snapshot after = run.form.window().snapshot();
  EXPECT_NE(after, before) << "the new run found its files";
  const std::size_t searched = run.platform.searches.size();
  hanging.left.front()();
  EXPECT_EQ(run.platform.searches.size(), searched + 1) << "the hanging search ended";
  EXPECT_EQ(run.form.window().snapshot(), after);
}

TEST(SearchRun, NothingElseRunsDuringASearchAndACancelAfterItChangesNothing) {
  SlowRun plain, busy;
  plain.click(plain.form.Command1);
  busy.form.set_search_wait(&busy);
  busy.directories = 300;
  busy.during = [&](auto) {
    busy.form.Click(busy.form.Command1);
    busy.form.Click(busy.form.Label27);
    busy.form.MouseMove(&busy.form.Label1);
    busy.form.MouseMove(nullptr);
    busy.form.GotFocus(busy.form.Command1);
  };
  busy.click(busy.form.Command1);
  EXPECT_EQ(busy.platform.searches.size(), 5u) << "the test ran once";
  EXPECT_EQ(busy.form.window().snapshot(), plain.form.window().snapshot());
  busy.form.Escape();
  busy.form.Click(busy.form.Command8);
  EXPECT_TRUE(busy.form.unloaded()) << "after the search, Abbrechen ends the program again";
  busy.form.window().set_observer(nullptr);
}

}  // namespace
}  // namespace velorin
