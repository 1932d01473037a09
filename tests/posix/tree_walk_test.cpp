#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
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
  bool link_is_file(const std::string& path) override { return system_.link_is_file(path); }
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

// The system's directories, each listed after a wait as long as a disk's,
// or at once; records how many readers each level was given.
class Disk final : public Forwarding {
 public:
  explicit Disk(std::chrono::microseconds wait) : wait_(wait) {}
  bool list(const std::string& path, Reached reached, const Entry& entry) override {
    std::this_thread::sleep_for(wait_);
    return Forwarding::list(path, reached, entry);
  }
  void read_on_threads(unsigned count, const std::function<void(unsigned)>& read) override {
    readers.push_back(count);
    Forwarding::read_on_threads(count, read);
  }
  std::vector<unsigned> readers;

 private:
  std::chrono::microseconds wait_;
};

// Once a level waited on the disk, the rest is read on many threads; from
// memory the cores read every level. The root alone decides nothing; the 40
// directories below it do.
TEST(TreeWalk, LevelsFromTheDiskAreReadOnManyThreadsLevelsFromMemoryOnTheCores) {
  TempTree tree;
  for (int i = 0; i < 40; ++i) tree.file("d" + std::to_string(i) + "/e/f.dat");
  const std::string planted = tree.file("d7/e/g/lgxiebar.dll");
  Disk disk(std::chrono::milliseconds(1));
  EXPECT_EQ(walk_tree(disk, tree.root().string(), {"lgxiebar.dll"}, 159, 2).front(), planted);
  EXPECT_EQ(disk.readers, (std::vector<unsigned>{1, 2, 32, 1})) << "the last level holds one directory";
  // From memory a directory takes microseconds; a busy machine may stretch
  // one walk's, so the cores must do on one of three.
  std::vector<unsigned> warm;
  for (int walk = 0; walk < 3 && warm != std::vector<unsigned>{1, 2, 2, 1}; ++walk) {
    Disk memory(std::chrono::microseconds(0));
    EXPECT_EQ(walk_tree(memory, tree.root().string(), {"lgxiebar.dll"}, 159, 2).front(), planted);
    warm = memory.readers;
  }
  EXPECT_EQ(warm, (std::vector<unsigned>{1, 2, 2, 1}));
}

TEST(TreeWalk, ARunAnswersFromOneWalkAndForgetsItWhenItEnds) {
  TempTree tree;
  tree.file("a/COMDLG32.OCX");
  PosixDirectories directories;
  TreeSearch search(directories, 2);
  const std::string root = tree.root().string();
  search.begin(kNames);
  EXPECT_EQ(search.find(root, "comdlg32.ocx", 159), tree.path("a/COMDLG32.OCX"));
  tree.file("b/mscomctl.ocx");
  EXPECT_EQ(search.find(root, "mscomctl.ocx", 159), std::nullopt) << "answered from the run's walk";
  search.end();
  EXPECT_EQ(search.find(root, "mscomctl.ocx", 159), tree.path("b/mscomctl.ocx")) << "the next run sees the disk afresh";
}

}  // namespace
}  // namespace velorin
