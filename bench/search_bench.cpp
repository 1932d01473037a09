// How fast the tree search is, beside GNU find doing the same job on the
// same tree in the same run. Generates a tree of about 200,000 files in
// 22,000 directories once under /tmp, and removes it afterwards.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "app/form1.h"
#include "fake_platform.h"
#include "platform/posix/tree_search.h"

namespace {

namespace fs = std::filesystem;
using velorin::Form1;

constexpr const char* kPlanted[] = {"Windows/System32/COMDLG32.OCX", "Windows/System32/mscomctl.ocx",
                                    "Programme/Internet Explorer/iexplore.exe"};
constexpr const char* kDeep = "lgxiebar.dll";  // lies in the last directory of the deepest level

const fs::path& tree() {
  static const fs::path root = [] {
    std::string pattern = (fs::temp_directory_path() / "velorin-bench-XXXXXX").string();
    const fs::path root = mkdtemp(pattern.data());
    // 20 top directories, each with 10 below it, three levels down: 22,220
    // directories of 9 files each.
    std::vector<fs::path> level{root};
    for (int depth = 0; depth < 4; ++depth) {
      std::vector<fs::path> below;
      for (const fs::path& dir : level) {
        for (int i = 0; i < (depth == 0 ? 20 : 10); ++i) {
          const fs::path sub = dir / ("dir" + std::to_string(i));
          fs::create_directory(sub);
          for (int f = 0; f < 9; ++f) std::ofstream(sub / ("file" + std::to_string(f) + ".dat"));
          below.push_back(sub);
        }
      }
      level = std::move(below);
    }
    std::ofstream(level.back() / kDeep);
    for (const char* file : kPlanted) {
      fs::create_directories((root / file).parent_path());
      std::ofstream(root / file);
    }
    return root;
  }();
  return root;
}

// GNU find for one name, its output thrown away.
void run_find(const std::string& name) {
  const std::string root = tree().string();
  const char* argv[] = {"find", root.c_str(), "-iname", name.c_str(), "-print", "-quit", nullptr};
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  pid_t pid = 0;
  if (posix_spawnp(&pid, "find", &actions, nullptr, const_cast<char* const*>(argv), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
}

void search(benchmark::State& state, const char* name) {
  for (auto _ : state) benchmark::DoNotOptimize(velorin::search_tree(tree().string(), name, 159));
}

void find(benchmark::State& state, const char* name) {
  for (auto _ : state) run_find(name);
}

// The system test: five searches under the program-files folder, then the verdict.
void system_test(benchmark::State& state) {
  velorin::testing::FakePlatform platform;
  platform.folder_bytes = tree().string() + '\0';
  platform.tree = [](const std::string& root, const std::string& name) { return velorin::search_tree(root, name, 159); };
  Form1 form(platform);
  form.Form_Load();
  for (auto _ : state) form.Command1_Click();
}

void find_system_test(benchmark::State& state) {
  for (auto _ : state)
    for (const char* name : {"comdlg32.ocx", "mscomctl.ocx", "lgxiebar.dll", "velorin-4.exe", "iexplore.exe"})
      run_find(name);
}

BENCHMARK_CAPTURE(search, absent, "absent.ocx")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(find, absent, "absent.ocx")->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(search, deep, kDeep)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK_CAPTURE(find, deep, kDeep)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(system_test)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(find_system_test)->Unit(benchmark::kMillisecond)->UseRealTime();

// Prints as usual, and keeps each benchmark's time for the ratios.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs) times[run.benchmark_name()] = run.GetAdjustedRealTime();
  }
  std::map<std::string, double> times;
};

}  // namespace

int main(int argc, char** argv) {
  benchmark::Initialize(&argc, argv);
  tree();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  std::printf("\nratio to find (below 1 is faster than find):\n");
  for (const auto& [ours, theirs] : std::vector<std::pair<std::string, std::string>>{
           {"search/absent", "find/absent"}, {"search/deep", "find/deep"}, {"system_test", "find_system_test"}}) {
    const auto a = reporter.times.find(ours + "/real_time"), b = reporter.times.find(theirs + "/real_time");
    if (a != reporter.times.end() && b != reporter.times.end())
      std::printf("  %-14s %.2f\n", ours.c_str(), a->second / b->second);
  }
  std::error_code ignored;
  fs::remove_all(tree(), ignored);
  benchmark::Shutdown();
}
