#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <chrono>
#include <thread>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "platform/posix/tree_search.h"
#include "temp_tree.h"

namespace velorin {
namespace {

namespace fs = std::filesystem;
using testing::TempTree;

const std::vector<std::string> kNames = {"comdlg32.ocx", "mscomctl.ocx", "lgxiebar.dll", "velorin-4.exe",
                                         "iexplore.exe", "absent.dll"};

// A random tree from a fixed seed: directories up to six deep, the component
// names in mixed letter case at several depths, links back up the tree.
void generate(const TempTree& tree, unsigned seed) {
  std::mt19937 random(seed);
  std::vector<std::string> directories{""};
  for (int i = 0; i < 300; ++i) {
    const std::string& parent = directories[random() % directories.size()];
    if (std::count(parent.begin(), parent.end(), '/') >= 6) continue;
    const std::string dir = parent + "d" + std::to_string(random() % 5) + "/";
    tree.directory(dir);
    directories.push_back(dir);
  }
  for (int i = 0; i < 25; ++i) {
    std::string name = kNames[random() % 5];
    for (char& c : name)
      if (random() % 2) c = static_cast<char>(std::toupper(c));
    tree.file(directories[random() % directories.size()] + name);
  }
  for (int i = 0; i < 10; ++i) {
    const std::string& dir = directories[random() % directories.size()];
    std::error_code ignored;
    fs::create_symlink(tree.root(), tree.path(dir + "loop" + std::to_string(i)), ignored);
  }
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// The system's directories, passed through; the test sources below change
// one thing each.
class Forwarding : public DirectorySource {
 public:
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    return system_.list(path, reached, entry);
  }
  std::string fold(std::string_view name) override { return system_.fold(name); }
  char separator() override { return system_.separator(); }
  void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) override {
    system_.read_on_threads(count, read);
  }

 private:
  PosixDirectories system_;
};

// The system's directories, except that those named `locked` cannot be read:
// as root the test could read any directory it locked on disk.
class Locking final : public Forwarding {
 public:
  explicit Locking(std::string locked) : locked_(std::move(locked)) {}
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    if (!locked_.empty() && fs::path(path).filename() == locked_) return false;
    return Forwarding::list(path, reached, entry);
  }

 private:
  std::string locked_;
};

// The whole tree, never stopping early and never following a link: the
// shallowest match, the first by path at that depth.
std::optional<std::string> oracle(const TempTree& tree, const std::string& name, const std::string& locked) {
  std::optional<std::string> best;
  std::size_t best_depth = 0;
  for (auto it = fs::recursive_directory_iterator(tree.root()); it != fs::recursive_directory_iterator(); ++it) {
    if (!locked.empty() && it->path().filename() == locked && !it->is_symlink()) it.disable_recursion_pending();
    if (it->is_symlink() || !it->is_regular_file()) continue;
    if (lower(it->path().filename().string()) != name) continue;
    const std::string path = it->path().string();
    const std::size_t depth = static_cast<std::size_t>(it.depth());
    if (!best || depth < best_depth || (depth == best_depth && path < *best)) best = path, best_depth = depth;
  }
  return best;
}

TEST(TreeWalk, OneWalkForAllNamesAnswersAsEachSearchAloneOnAnyNumberOfThreads) {
  for (unsigned seed : {1u, 7u, 4711u}) {
    TempTree tree;
    generate(tree, seed);
    const std::string root = tree.root().string();
    for (const std::string locked : {"", "d3"}) {
      SCOPED_TRACE("seed " + std::to_string(seed) + ", unreadable: " + locked);
      Locking directories(locked);
      for (unsigned threads : {1u, 2u, 4u}) {
        const auto together = walk_tree(directories, root, kNames, 4096, threads);
        for (std::size_t n = 0; n < kNames.size(); ++n) {
          EXPECT_EQ(together[n], walk_tree(directories, root, {kNames[n]}, 4096, 1).front())
              << kNames[n] << " on " << threads;
          EXPECT_EQ(together[n], oracle(tree, kNames[n], locked)) << kNames[n] << " on " << threads;
        }
      }
    }
  }
}

// The system's directories, each taking as long to list as a disk or memory
// would, on a clock of the test's own, so that no busy machine can blur the
// two; records how many readers each level was given.
class Disk final : public Forwarding {
 public:
  explicit Disk(std::chrono::microseconds wait) : wait_(wait) {}
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    elapsed_ += wait_.count() / readers.back();  // the readers list side by side
    return Forwarding::list(path, reached, entry);
  }
  void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) override {
    readers.push_back(count);
    Forwarding::read_on_threads(count, read);
  }
  std::chrono::steady_clock::time_point now() override {
    return std::chrono::steady_clock::time_point(std::chrono::microseconds(elapsed_));
  }
  std::vector<unsigned> readers;

 private:
  std::chrono::microseconds wait_;
  std::atomic<long> elapsed_{0};
};

// Once a level waited on the disk, the rest is read on many threads; from
// memory the cores read every level. The root alone decides nothing; the 40
// directories below it do.
TEST(TreeWalk, LevelsFromTheDiskAreReadOnManyThreadsLevelsFromMemoryOnTheCores) {
  TempTree tree;
  for (int i = 0; i < 40; ++i) tree.file("d" + std::to_string(i) + "/e/f.dat");
  const std::string planted = tree.file("d7/e/g/lgxiebar.dll");
  const struct {
    std::chrono::microseconds wait;
    std::vector<unsigned> readers;
  } rows[] = {
      {std::chrono::microseconds(0), {1, 2, 2, 1}},
      {std::chrono::microseconds(30), {1, 2, 2, 1}},
      {std::chrono::microseconds(90), {1, 2, 32, 1}},
      {std::chrono::milliseconds(2), {1, 2, 32, 1}},
  };
  for (const auto& row : rows) {
    Disk disk(row.wait);
    EXPECT_EQ(walk_tree(disk, tree.root().string(), {"lgxiebar.dll"}, 159, 2).front(), planted);
    EXPECT_EQ(disk.readers, row.readers) << row.wait.count() << " us a directory; the last level holds one";
  }
}

// A source whose every reader but the caller's fails, with the helpers run
// before the caller's own share, so that they meet the directories.
class FailingHelpers final : public Forwarding {
 public:
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    if (std::this_thread::get_id() != caller_) throw std::bad_alloc();
    return Forwarding::list(path, reached, entry);
  }
  void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) override {
    for (unsigned reader = 1; reader < count; ++reader) std::thread(read, reader).join();
    read(0);
  }

 private:
  const std::thread::id caller_ = std::this_thread::get_id();
};

TEST(TreeWalk, AFailureOnAHelperThreadReachesTheCaller) {
  TempTree tree;
  for (int i = 0; i < 8; ++i) tree.file("d" + std::to_string(i) + "/e/f.dat");
  FailingHelpers directories;
  EXPECT_THROW(walk_tree(directories, tree.root().string(), {"lgxiebar.dll"}, 159, 4), std::bad_alloc);
}

// Another process exchanges a directory for a link to another tree: after
// the walk listed it and before the walk opens the directory below it, or
// just as the walk meets the link named comdlg32.ocx in it.
enum class SwapWhen { OpeningBelow, MeetingTheLink };
class Swapping final : public Forwarding {
 public:
  Swapping(std::string directory, std::string link, SwapWhen when)
      : directory_(std::move(directory)), link_(std::move(link)), when_(when) {}
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    if (when_ == SwapWhen::OpeningBelow && path == directory_ + "/b") swap();
    return Forwarding::list(path, reached, [&](std::string_view name, EntryKind kind, const LeadsToFile& leads) {
      if (when_ == SwapWhen::MeetingTheLink && name == "comdlg32.ocx") swap();
      entry(name, kind, leads);
    });
  }

 private:
  void swap() const {
    EXPECT_EQ(renameat2(AT_FDCWD, directory_.c_str(), AT_FDCWD, link_.c_str(), RENAME_EXCHANGE), 0);
  }
  std::string directory_, link_;
  SwapWhen when_;
};

TEST(TreeWalk, ADirectorySwappedForALinkEarlierInThePathLeadsNowhere) {
  TempTree tree, elsewhere;
  tree.directory("a/b");
  elsewhere.file("b/comdlg32.ocx");
  tree.link("a_link", elsewhere.root().string());
  Swapping directories(tree.path("a"), tree.path("a_link"), SwapWhen::OpeningBelow);
  EXPECT_EQ(walk_tree(directories, tree.root().string(), {"comdlg32.ocx"}, 159, 1).front(), std::nullopt);
}

// The link the walk met dangles; the same name through the swapped path is a file.
TEST(TreeWalk, ALinkIsJudgedInTheDirectoryAsListedNotThroughAPathSwappedSince) {
  TempTree tree, elsewhere;
  tree.link("a/comdlg32.ocx", "nowhere");
  elsewhere.file("comdlg32.ocx");
  tree.link("a_link", elsewhere.root().string());
  Swapping directories(tree.path("a"), tree.path("a_link"), SwapWhen::MeetingTheLink);
  EXPECT_EQ(walk_tree(directories, tree.root().string(), {"comdlg32.ocx"}, 159, 1).front(), std::nullopt);
}

// The lowest priority any listing ran at, as the system's nice value.
class Niceness final : public Forwarding {
 public:
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    const int nice = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
    for (int seen = highest; nice < seen && !highest.compare_exchange_weak(seen, nice);) {
    }
    return Forwarding::list(path, reached, entry);
  }
  std::atomic<int> highest{20};
};

TEST(TreeWalk, EveryReaderRunsBelowTheCallersPriority) {
  const int caller = getpriority(PRIO_PROCESS, static_cast<id_t>(gettid()));
  if (caller >= 19) GTEST_SKIP() << "the test runs at the lowest priority already";
  TempTree tree;
  for (int i = 0; i < 40; ++i) tree.file("d" + std::to_string(i) + "/e/f.dat");
  for (unsigned threads : {1u, 4u}) {
    Niceness directories;
    walk_tree(directories, tree.root().string(), {"absent.dll"}, 159, threads);
    EXPECT_GT(directories.highest, caller) << threads << " readers";
  }
  EXPECT_EQ(getpriority(PRIO_PROCESS, static_cast<id_t>(gettid())), caller) << "the caller's own unchanged";
}

// Counts what it lists, and says stop once it has listed `until` directories.
class Stopping final : public Forwarding {
 public:
  Stopping(SearchProgress& progress, int until) : progress_(progress), until_(until) {}
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    if (++listed == until_) progress_.stop = true;
    return Forwarding::list(path, reached, entry);
  }
  std::atomic<int> listed{0};

 private:
  SearchProgress& progress_;
  const int until_;
};

TEST(TreeWalk, CountsTheDirectoriesItReadsAndStopsWhenTold) {
  TempTree tree;
  for (int i = 0; i < 40; ++i) tree.file("d" + std::to_string(i) + "/e/f.dat");
  const std::string planted = tree.file("d7/e/g/lgxiebar.dll");
  for (unsigned threads : {1u, 4u}) {
    SearchProgress whole;
    Stopping never(whole, -1);
    EXPECT_EQ(walk_tree(never, tree.root().string(), {"lgxiebar.dll"}, 159, threads, &whole).front(), planted);
    EXPECT_EQ(whole.directories, 82u) << "the root, 40, 40 and one";
    SearchProgress stopped;
    Stopping soon(stopped, 50);
    EXPECT_EQ(walk_tree(soon, tree.root().string(), {"f.dat", "lgxiebar.dll"}, 159, threads, &stopped),
              (std::vector<std::optional<std::string>>{std::nullopt, std::nullopt}))
        << "nothing from a stopped walk, though it had read f.dat's level";
    EXPECT_LE(soon.listed, static_cast<int>(49 + threads)) << "each reader ends with the directory it holds";
  }
}

TEST(TreeWalk, ARunAnswersFromOneWalkAndForgetsItWhenItEnds) {
  TempTree tree;
  tree.file("a/COMDLG32.OCX");
  const TreeSearch search([] { return std::make_unique<PosixDirectories>(); }, 2);
  const std::string root = tree.root().string();
  const auto found = [&](SearchRun& run, const std::string& name) {
    char buffer[kSearchPathBuffer] = {};
    return run.SearchTreeForFile(root, name, buffer) ? std::optional<std::string>(buffer) : std::nullopt;
  };
  auto run = search.begin(kNames, std::make_shared<SearchProgress>());
  EXPECT_EQ(found(*run, "comdlg32.ocx"), tree.path("a/COMDLG32.OCX"));
  tree.file("b/mscomctl.ocx");
  EXPECT_EQ(found(*run, "mscomctl.ocx"), std::nullopt) << "answered from the run's walk";
  run = search.begin(kNames, std::make_shared<SearchProgress>());
  EXPECT_EQ(found(*run, "mscomctl.ocx"), tree.path("b/mscomctl.ocx")) << "the next run sees the disk afresh";
}

}  // namespace
}  // namespace velorin
