#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <linux/filter.h>
#include <linux/openat2.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/resource.h>
#include <sys/syscall.h>

#include <cerrno>
#include <cstddef>
#include <cstring>

#include <filesystem>
#include <functional>

#include "app/form1.h"
#include "platform/posix/posix_platform.h"
#include "platform/posix/tree_search.h"
#include "temp_tree.h"

namespace velorin {
namespace {

using testing::TempTree;

std::optional<std::string> find(const TempTree& tree, std::string_view name) {
  return search_tree(tree.root().string(), name, 159);
}

TEST(TreeSearch, FindsAFileSeveralLevelsDownInAnyLetterCase) {
  TempTree tree;
  const std::string deep = tree.file("Windows/System32/Sub/COMDLG32.OCX");
  tree.file("Windows/other.ocx");
  EXPECT_EQ(find(tree, "comdlg32.ocx"), deep) << "the path as it is on disk";
  EXPECT_EQ(find(tree, "CoMdLg32.OcX"), deep);
}

TEST(TreeSearch, ComparesLettersBeyondAscii) {
  TempTree tree;
  const std::string file = tree.file("Programme/ÄPFEL/ÜBUNG.DLL");
  EXPECT_EQ(find(tree, "übung.dll"), file);
  EXPECT_EQ(find(tree, "ubung.dll"), std::nullopt);
}

TEST(TreeSearch, MissingNamesRootsAndEmptyRootFindNothing) {
  TempTree tree;
  tree.file("a/b/iexplore.exe");
  EXPECT_EQ(find(tree, "mscomctl.ocx"), std::nullopt);
  EXPECT_EQ(search_tree(tree.path("nowhere"), "iexplore.exe", 159), std::nullopt);
  EXPECT_EQ(search_tree("", "iexplore.exe", 159), std::nullopt);
  EXPECT_EQ(search_tree(tree.path("a/b/iexplore.exe"), "iexplore.exe", 159), std::nullopt) << "a file as root";
}

TEST(TreeSearch, NamesMustMatchWhole) {
  TempTree tree;
  tree.file("x/iexplore.exe.bak");
  tree.file("x/old-iexplore.exe");
  tree.directory("x/iexplore.exe.d");
  EXPECT_EQ(find(tree, "iexplore.exe"), std::nullopt);
  EXPECT_EQ(find(tree, " iexplore.exe"), std::nullopt);
  EXPECT_EQ(find(tree, ".."), std::nullopt);
  EXPECT_EQ(find(tree, "x"), std::nullopt) << "directories are no matches";
}

TEST(TreeSearch, ReportsTheCopyClosestToTheRootAndOfEqualDepthsTheFirstByName) {
  TempTree tree;
  tree.file("a/b/c/d/velorin-4.exe");
  const std::string shallow = tree.file("z/y/Velorin-4.exe");
  EXPECT_EQ(find(tree, "velorin-4.exe"), shallow);
  const std::string first = tree.file("m/y/velorin-4.EXE");
  for (int run = 0; run < 3; ++run) EXPECT_EQ(find(tree, "velorin-4.exe"), first);
}

TEST(TreeSearch, KeepsTheLengthLimit) {
  TempTree tree;
  const std::size_t base = tree.root().string().size() + 1;  // the root and its slash
  const std::string name = "lgxiebar.dll";
  // A directory name that brings the whole path to exactly `total` characters.
  const auto file_of_length = [&](std::size_t total, const std::string& top) {
    return tree.file(top + "/" + std::string(total - base - top.size() - 2 - name.size(), 'd') + "/" + name);
  };
  const std::string fits = file_of_length(159, "a");
  ASSERT_EQ(fits.size(), 159u);
  EXPECT_EQ(find(tree, name), fits);
  std::filesystem::remove_all(tree.path("a"));
  ASSERT_EQ(file_of_length(160, "b").size(), 160u);
  EXPECT_EQ(find(tree, name), std::nullopt) << "a path of 160 characters cannot be reported";
  const std::string deeper = tree.file("c/d/e/" + name);
  EXPECT_EQ(find(tree, name), deeper) << "the one that fits is reported instead";
}

TEST(TreeSearch, NeverFollowsALinkToADirectory) {
  TempTree tree;
  tree.link("loop/again", "..");
  tree.link("loop/self", ".");
  tree.file("elsewhere/target/mscomctl.ocx");
  tree.link("shortcut", tree.path("elsewhere/target"));
  const std::string found = tree.path("elsewhere/target/mscomctl.ocx");
  EXPECT_EQ(find(tree, "mscomctl.ocx"), found) << "found at depth 3, not through the link at depth 2";
  EXPECT_EQ(find(tree, "absent.dll"), std::nullopt);
}

TEST(TreeSearch, ALinkToAFileIsAMatchAndADanglingOneIsNot) {
  TempTree tree;
  tree.file("real/data.bin");
  tree.link("a/comdlg32.ocx", tree.path("real/data.bin"));
  tree.link("b/mscomctl.ocx", tree.path("real/none"));
  EXPECT_EQ(find(tree, "comdlg32.ocx"), tree.path("a/comdlg32.ocx"));
  EXPECT_EQ(find(tree, "mscomctl.ocx"), std::nullopt);
}

// A chain of directories "d" below the root, deeper than any path can name,
// made and removed a level at a time.
class DeepChain final {
 public:
  DeepChain(const TempTree& tree, int levels) : root_(open(tree.root().c_str(), O_DIRECTORY)) {
    int fd = dup(root_);
    for (int i = 0; i < levels && fd >= 0; ++i) {
      mkdirat(fd, "d", 0755);
      const int below = openat(fd, "d", O_DIRECTORY);
      close(fd);
      fd = below;
    }
    if (fd >= 0) close(fd);
  }
  ~DeepChain() {
    // Lift what lies below the top level up to the root, then drop the emptied top.
    while (renameat(root_, "d/d", root_, "lifted") == 0) {
      unlinkat(root_, "d", AT_REMOVEDIR);
      renameat(root_, "lifted", root_, "d");
    }
    unlinkat(root_, "d", AT_REMOVEDIR);
    close(root_);
  }

 private:
  int root_;
};

TEST(TreeSearch, ATreeThousandsOfLevelsDeepEndsWithoutFailing) {
  TempTree tree;
  const DeepChain chain(tree, 5000);
  const std::string near = tree.file("d/d/d/iexplore.exe");
  EXPECT_EQ(find(tree, "iexplore.exe"), near);
  EXPECT_EQ(find(tree, "absent.exe"), std::nullopt);
}

// Runs job in a child process and returns what it answered.
std::string in_child(const std::function<std::string()>& job) {
  int pipe_fds[2];
  if (pipe(pipe_fds) != 0) return "no pipe";
  const pid_t child = fork();
  if (child < 0) return "no child";
  if (child == 0) {
    close(pipe_fds[0]);
    const std::string answer = job();
    const bool written = write(pipe_fds[1], answer.data(), answer.size()) == static_cast<ssize_t>(answer.size());
    _exit(written ? 0 : 3);
  }
  close(pipe_fds[1]);
  std::string answer;
  char chunk[256];
  for (ssize_t n; (n = read(pipe_fds[0], chunk, sizeof chunk)) > 0;) answer.append(chunk, static_cast<std::size_t>(n));
  close(pipe_fds[0]);
  int status = 0;
  waitpid(child, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) return "child ended with status " + std::to_string(status);
  return answer;
}

// The same as the user nobody: root may read any directory and start any
// number of threads.
std::string as_nobody(const std::function<std::string()>& job) {
  return in_child([&] {
    if (geteuid() == 0 && (setgid(65534) != 0 || setuid(65534) != 0)) return std::string("still root");
    return job();
  });
}

// Makes every openat2 of this process from now on fail with error, as a
// filter of system calls does; false when the filter could not be set.
bool refuse_openat2(int error) {
  sock_filter filter[] = {
      BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
      BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, SYS_openat2, 0, 1),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | (static_cast<unsigned>(error) & SECCOMP_RET_DATA)),
      BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
  };
  const sock_fprog program = {static_cast<unsigned short>(std::size(filter)), filter};
  if (prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) != 0 || prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) != 0)
    return false;
  open_how how = {};
  return syscall(SYS_openat2, AT_FDCWD, "/", &how, sizeof how) < 0 && errno == error;
}

// Old kernels lack openat2, and the filters of container runtimes and
// services refuse it with other errors: every folder is read all the same,
// and a link on the way still leads nowhere.
TEST(TreeSearch, WhereOpenat2IsRefusedEveryFolderIsReadAllTheSame) {
  TempTree tree;
  const std::string deep = tree.file("a/b/c/lgxiebar.dll");
  tree.link("shallow", tree.path("a/b/c"));
  for (const int error : {ENOSYS, EPERM, EINVAL, EMFILE}) {
    const std::string answer = in_child([&] {
      if (!refuse_openat2(error)) return std::string("openat2 not refused");
      return find(tree, "lgxiebar.dll").value_or("none");
    });
    EXPECT_EQ(answer, deep) << strerrorname_np(error);
  }
}

TEST(TreeSearch, PassesOverDirectoriesItMayNotRead) {
  TempTree tree;
  tree.file("locked/inner/comdlg32.ocx");
  const std::string open = tree.file("open/deeper/still/comdlg32.ocx");
  chmod(tree.root().c_str(), 0755);
  for (const char* d : {"open", "open/deeper", "open/deeper/still"}) chmod(tree.path(d).c_str(), 0755);
  chmod(tree.path("locked").c_str(), 0700);
  const std::string answer = as_nobody([&] { return find(tree, "comdlg32.ocx").value_or("none"); });
  if (geteuid() != 0 && access(tree.path("locked").c_str(), R_OK) == 0) GTEST_SKIP() << "cannot lock a directory";
  EXPECT_EQ(answer, open);
}

// Where the system refuses the walk's helper threads, the threads there are
// read every directory: the same answer, and no abort.
TEST(TreeSearch, RefusedThreadsChangeNoAnswer) {
  TempTree tree;
  for (int i = 0; i < 40; ++i) tree.file("d" + std::to_string(i % 8) + "/e" + std::to_string(i) + "/x.dat");
  const std::string deep = tree.file("d5/e13/f/lgxiebar.dll");
  for (const char* d : {"", "d5", "d5/e13", "d5/e13/f"}) chmod(tree.path(d).c_str(), 0755);
  const std::string answer = as_nobody([&] {
    const rlimit one = {1, 1};  // no process or thread beyond this one
    if (setrlimit(RLIMIT_NPROC, &one) != 0) return std::string("no limit");
    return search_tree(tree.root().string(), "lgxiebar.dll", 159, 4).value_or("none");
  });
  EXPECT_EQ(answer, deep);
}

// What reaches the search as C strings ends at the first NUL, whichever
// way it comes; a root that ends in a separator keeps every one of the
// buffer's characters.
TEST(TreeSearch, RootsAsTheSystemTakesThem) {
  TempTree tree;
  const std::string root = tree.root().string();
  const std::string found = tree.file("a/comdlg32.ocx");
  tree.directory("b");
  const TreeSearch search([] { return std::make_unique<PosixDirectories>(); }, 2);
  EXPECT_EQ(search.find(root + std::string("\0/etc", 5), "comdlg32.ocx", 159), found);
  EXPECT_EQ(search.find(root, std::string("comdlg32.ocx\0.exe", 17), 159), found);
  EXPECT_EQ(search.find(std::string("\0", 1) + root, "comdlg32.ocx", 159), std::nullopt);
  EXPECT_EQ(search_tree(root + std::string("\0", 1), "absent.dll", 159), std::nullopt);
  EXPECT_EQ(search_tree(root + std::string("\0/etc", 5), std::string("comdlg32.ocx\0.exe", 17), 159), found);
  // A one-letter name at exactly 159 characters, below a root given with its slash.
  const std::string longest = tree.file(std::string(159 - root.size() - 3, 'd') + "/x");
  ASSERT_EQ(longest.size(), 159u);
  EXPECT_EQ(search.find(root + "/", "x", 159), longest);
}

// A directory found by listing its parent is opened only if it is still no
// link; the root may be one.
TEST(TreeSearch, ADirectorySwappedForALinkIsNotListed) {
  TempTree tree;
  tree.file("target/comdlg32.ocx");
  tree.link("swapped", tree.path("target"));
  PosixDirectories directories;
  int entries = 0;
  const auto count = [&](std::string_view, EntryKind, const DirectorySource::LeadsToFile&) { ++entries; };
  EXPECT_TRUE(directories.list(tree.root().string(), Reached::AsRoot, count));
  EXPECT_EQ(entries, 2);
  EXPECT_FALSE(directories.list(tree.path("swapped"), Reached::FromParent, count));
  EXPECT_TRUE(directories.list(tree.path("target"), Reached::FromParent, count));
  EXPECT_TRUE(directories.list(tree.path("swapped"), Reached::AsRoot, count));
  EXPECT_EQ(entries, 4);
}

// A folder whose name is not UTF-8 is reported with its own bytes, so the
// path shown (and opened) names the file found.
TEST(TreeSearch, AFoundPathNamesTheFileWhateverItsBytes) {
  TempTree tree;
  const std::string file = tree.file("caf\xE9/\xFF\xFE/comdlg32.ocx");
  PosixPlatform platform;
  Form1 form(platform);
  const std::u16string found = form.FileFind(u"comdlg32.ocx", platform.from_ansi(tree.root().string()));
  EXPECT_EQ(platform.to_ansi(found), file);
  EXPECT_TRUE(std::filesystem::exists(platform.to_ansi(found)));
}

TEST(TreeSearch, DoesNotDescendIntoPseudoFileSystems) {
  if (!std::filesystem::exists("/proc/self/status")) GTEST_SKIP() << "no /proc here";
  EXPECT_EQ(search_tree("/proc", "status", 159), std::nullopt);
  EXPECT_EQ(search_tree("/proc/self", "status", 159), std::nullopt);
  if (std::filesystem::exists("/sys/kernel")) {
    EXPECT_EQ(search_tree("/sys", "uevent", 159), std::nullopt);
  }
}

}  // namespace
}  // namespace velorin
