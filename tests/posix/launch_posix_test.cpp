#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>

#include "platform/posix/posix_platform.h"
#include "temp_tree.h"

namespace velorin {
namespace {

using testing::TempTree;

// A stand-in program that writes how many arguments it got, and each of them, to `record`.
std::string recording_program(const TempTree& tree, const std::string& relative, const std::string& record) {
  const std::string path = tree.file(relative);
  std::ofstream(path) << "#!/bin/sh\n"
                         "{ echo \"$#\"; for a in \"$@\"; do echo \"[$a]\"; done; } > '"
                      << record << "'\n";
  chmod(path.c_str(), 0755);
  return path;
}

std::string wait_for(const std::string& file) {
  for (int i = 0; i < 100 && !std::filesystem::exists(file); ++i)
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  std::this_thread::sleep_for(std::chrono::milliseconds(50));  // let the writer finish its line
  std::ifstream in(file);
  std::stringstream text;
  text << in.rdbuf();
  return text.str();
}

// Children of this process that have ended but were never collected.
int zombies() {
  int count = 0;
  for (const auto& entry : std::filesystem::directory_iterator("/proc")) {
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    if (!std::getline(stat, line)) continue;
    const std::size_t close = line.rfind(')');
    if (close == std::string::npos) continue;
    std::istringstream rest(line.substr(close + 2));
    char state = 0;
    int parent = 0;
    rest >> state >> parent;
    count += state == 'Z' && parent == getpid();
  }
  return count;
}

TEST(PosixLaunch, ATargetFullOfShellCharactersReachesTheOpenerAsOneArgument) {
  TempTree tree;
  const std::string record = tree.path("record");
  const std::string pwned = tree.path("pwned");
  PosixPlatform platform(recording_program(tree, "bin/opener", record));
  const std::string target = "-x 'q' \"d\"; touch " + pwned + " $(touch " + pwned + ") `touch " + pwned + "` | &";
  EXPECT_GT(platform.ShellExecuteA(0, "Open", target, 1), 32);
  EXPECT_EQ(wait_for(record), "1\n[" + target + "]\n");
  EXPECT_FALSE(std::filesystem::exists(pwned)) << "nothing but the opener ran";
}

TEST(PosixLaunch, TheEmptyTargetIsOneEmptyArgument) {
  TempTree tree;
  const std::string record = tree.path("record");
  PosixPlatform platform(recording_program(tree, "bin/opener", record));
  platform.ShellExecuteA(0, "Open", "", 1);
  EXPECT_EQ(wait_for(record), "1\n[]\n");
}

TEST(PosixLaunch, LeavesNoZombieBehind) {
  TempTree tree;
  const std::string record = tree.path("record");
  PosixPlatform platform(recording_program(tree, "bin/opener", record));
  platform.ShellExecuteA(0, "Open", "http://www.velorin-4.example/downloadZ.htm", 1);
  wait_for(record);
  int left = 1;
  for (int i = 0; i < 100 && (left = zombies()) > 0; ++i) std::this_thread::sleep_for(std::chrono::milliseconds(20));
  EXPECT_EQ(left, 0);
}

// The opener is looked up on PATH, as desktop programs look it up; where
// there is none, nothing opens.
TEST(PosixLaunch, TheOpenerIsFoundOnThePath) {
  TempTree tree;
  const std::string record = tree.path("record");
  recording_program(tree, "elsewhere/bin/xdg-open", record);
  const std::string path = getenv("PATH");
  setenv("PATH", (tree.path("elsewhere/bin") + ":" + path).c_str(), 1);
  EXPECT_GT(PosixPlatform().ShellExecuteA(0, "Open", "C:\\Programme", 1), 32);
  setenv("PATH", tree.path("empty").c_str(), 1);
  EXPECT_LE(PosixPlatform().ShellExecuteA(0, "Open", "C:\\Programme", 1), 32);
  setenv("PATH", path.c_str(), 1);
  EXPECT_EQ(wait_for(record), "1\n[C:\\Programme]\n");
}

TEST(PosixLaunch, AMissingOpenerOrProgramIsReportedNotRaised) {
  TempTree tree;
  PosixPlatform platform(tree.path("no-such-opener"));
  EXPECT_LE(platform.ShellExecuteA(0, "Open", "IEXPLORE.EXE", 1), 32);
  EXPECT_EQ(platform.start_program(tree.path("Start.exe"), 1), 0);
}

TEST(PosixLaunch, StartsAProgramByItsWholePathBlanksAndAll) {
  TempTree tree;
  const std::string record = tree.path("record");
  recording_program(tree, "Program Files/Velorin Check/Start.exe", record);
  tree.file("Program");  // what a split path would start instead
  PosixPlatform platform;
  EXPECT_NE(platform.start_program(tree.path("Program Files/Velorin Check/Start.exe"), 1), 0);
  EXPECT_EQ(wait_for(record), "0\n");
}

TEST(PosixLaunch, TheApplicationFolderIsTheFolderOfTheRunningProgram) {
  PosixPlatform platform;
  const std::string folder = platform.application_folder();
  EXPECT_TRUE(folder.ends_with("/tests")) << folder;
  EXPECT_TRUE(std::filesystem::exists(folder + "/posix_tests"));
}

}  // namespace
}  // namespace velorin
