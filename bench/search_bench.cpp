// How fast the checker searches, beside GNU find and fd doing the same jobs
// on the same tree in the same run. Generates the tree once under /tmp and
// removes it afterwards; prints the ratios and the memory a run takes.
// Cold rows time runs after the page cache is dropped, where this may be done.
// With --tree DIR it only makes the tree in DIR, for the Wine benchmark; with
// --peak DIR it prints what one run over DIR adds to its peak memory, in KiB.

#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "bench_tree.h"
#include "check/check_list.h"
#include "checker.h"
#include "platform/posix/posix_platform.h"
#include "temp_tree.h"

namespace {

namespace fs = std::filesystem;

// Made on first use, removed when the benchmark ends.
const fs::path& tree() {
  static const velorin::testing::TempTree temp;
  static const fs::path& root = (velorin::bench::make_tree(temp.root()), temp.root());
  return root;
}

// A program from the system; its output goes to out, or is thrown away.
void run(std::vector<std::string> argv, int out = -1) {
  std::vector<char*> args;
  for (std::string& a : argv) args.push_back(a.data());
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (out < 0) posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
  else posix_spawn_file_actions_adddup2(&actions, out, 1);
  pid_t pid = 0;
  if (posix_spawnp(&pid, args[0], &actions, nullptr, args.data(), environ) == 0) {
    int status = 0;
    waitpid(pid, &status, 0);
  }
  posix_spawn_file_actions_destroy(&actions);
}

// The checker's five names, for the programs it is compared with.
const std::vector<std::string> kFive = [] {
  std::vector<std::string> names;
  for (const velorin::ComponentCheck& row : velorin::kCheckList) names.emplace_back(row.file.begin(), row.file.end());
  return names;
}();

using Checker = velorin::bench::Checker<velorin::PosixPlatform>;

// Times runs of the system test that each find `present` of the five.
void time_runs(benchmark::State& state, int present) {
  Checker checker(tree().string());
  for (auto _ : state)
    if (checker.run() != present) state.SkipWithError("the run found other components than were planted");
}

void system_test(benchmark::State& state) { time_runs(state, 3); }

// All five present two levels down: the walk stops after the second level.
void system_test_all_present(benchmark::State& state) {
  for (const char* file : velorin::bench::kAbsentComponents) std::ofstream(tree() / file);
  time_runs(state, 5);
  for (const char* file : velorin::bench::kAbsentComponents) fs::remove(tree() / file);
}

void search_deep(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(velorin::search_tree(tree().string(), velorin::bench::kDeep, 159));
}

void search_absent(benchmark::State& state) {
  for (auto _ : state) benchmark::DoNotOptimize(velorin::search_tree(tree().string(), "absent.ocx", 159));
}

void find_absent(benchmark::State& state) {
  for (auto _ : state) run({"find", tree().string(), "-iname", "absent.ocx", "-print", "-quit"});
}

void find_deep(benchmark::State& state) {
  for (auto _ : state) run({"find", tree().string(), "-iname", velorin::bench::kDeep, "-print", "-quit"});
}

void find_five_alternatives(benchmark::State& state) {
  std::vector<std::string> argv = {"find", tree().string(), "("};
  for (const std::string& name : kFive) {
    if (argv.size() > 3) argv.push_back("-o");
    argv.insert(argv.end(), {"-iname", name});
  }
  argv.insert(argv.end(), {")", "-print"});
  for (auto _ : state) run(argv);
}

void find_five_calls(benchmark::State& state) {
  for (auto _ : state)
    for (const std::string& name : kFive) run({"find", tree().string(), "-iname", name, "-print", "-quit"});
}

void fd_absent(benchmark::State& state) {
  for (auto _ : state) run({"fdfind", "-j1", "-u", "-i", "-g", "absent.ocx", tree().string()});
}

// Empties the page cache, so that the next run reads the disk as after the
// computer's start; false where this process may not (it takes root).
bool drop_caches() {
  sync();
  std::ofstream drop("/proc/sys/vm/drop_caches");
  return static_cast<bool>(drop << "3" << std::flush);
}

// Each timed run after the page cache is dropped; the dropping is not timed.
template <class Job>
void cold(benchmark::State& state, Job job) {
  for (auto _ : state) {
    state.PauseTiming();
    if (!drop_caches()) {
      state.SkipWithError("the page cache could not be dropped");
      break;
    }
    state.ResumeTiming();
    job();
  }
}

void cold_system_test(benchmark::State& state) {
  Checker checker(tree().string());
  cold(state, [&] {
    if (checker.run() != 3) state.SkipWithError("the run found other components than were planted");
  });
}

void cold_find_absent(benchmark::State& state) {
  cold(state, [] { run({"find", tree().string(), "-iname", "absent.ocx", "-print", "-quit"}); });
}

void cold_fd_absent(benchmark::State& state) {
  cold(state, [] { run({"fdfind", "-u", "-i", "-g", "absent.ocx", tree().string()}); });
}

BENCHMARK(system_test)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(system_test_all_present)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(search_absent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(search_deep)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(find_absent)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(find_deep)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(find_five_alternatives)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(find_five_calls)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(fd_absent)->Unit(benchmark::kMillisecond)->UseRealTime();

// Whether a run finished: Google Benchmark 1.8 replaced error_occurred by skipped.
template <class Run>
bool finished(const Run& run) {
  if constexpr (requires { run.skipped; })
    return !run.skipped;
  else
    return !run.error_occurred;
}

// Prints as usual, and keeps each benchmark's time for the ratios.
class RatioReporter final : public benchmark::ConsoleReporter {
 public:
  // In colour only on a terminal, so that a saved table reads plainly.
  RatioReporter() : ConsoleReporter(isatty(STDOUT_FILENO) ? OO_Defaults : OO_Tabular) {}
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& run : runs)
      if (finished(run)) times[run.run_name.function_name] = run.GetAdjustedRealTime();
  }
  double time(const std::string& name) const {
    const auto it = times.find(name);
    return it == times.end() ? 0 : it->second;
  }
  std::map<std::string, double> times;
};

long status_kib(const char* field) {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);)
    if (line.starts_with(field)) return std::stol(line.substr(std::strlen(field)));
  return -1;
}

// With --peak DIR: how far one full run over DIR raises the peak memory of a
// program that has just loaded its window.
int print_run_peak_kib(const std::string& dir) {
  Checker checker(dir);
  const long idle = status_kib("VmHWM:");
  checker.run();
  std::printf("%ld\n", status_kib("VmHWM:") - idle);
  return 0;
}

// Taken in a fresh process, so that no heap this one has grown hides the growth.
long run_peak_kib() {
  int fds[2];
  if (pipe(fds) != 0) return -1;
  run({"/proc/self/exe", "--peak", tree().string()}, fds[1]);
  close(fds[1]);
  char text[32] = {};
  const ssize_t n = read(fds[0], text, sizeof text - 1);
  close(fds[0]);
  return n > 0 ? std::atol(text) : -1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--tree") {
    velorin::bench::make_tree(argv[2]);
    return 0;
  }
  if (argc == 3 && std::string(argv[1]) == "--peak") return print_run_peak_kib(argv[2]);
  benchmark::Initialize(&argc, argv);
  tree();
  // A cold run takes a second or more: three of each are enough.
  if (drop_caches()) {
    const std::pair<const char*, void (*)(benchmark::State&)> cold_rows[] = {
        {"cold_system_test", cold_system_test}, {"cold_find_absent", cold_find_absent}, {"cold_fd_absent", cold_fd_absent}};
    for (const auto& [name, row] : cold_rows)
      benchmark::RegisterBenchmark(name, row)->Iterations(3)->Unit(benchmark::kMillisecond)->UseRealTime();
  } else {
    std::printf("The page cache cannot be dropped here (that takes root): no cold rows.\n");
  }
  const long peak = run_peak_kib();
  RatioReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  // A negative target prints the ratio for comparison only.
  const auto ratio = [&](const char* label, const std::string& a, const std::string& b, double target = -1) {
    if (reporter.time(a) <= 0 || reporter.time(b) <= 0) {
      std::printf("  %-44s    not run\n", label);  // filtered out, or skipped with an error
      return;
    }
    const double r = reporter.time(a) / reporter.time(b);
    std::printf("  %-44s %6.3f", label, r);
    if (target >= 0) std::printf("  (target <= %.2f: %s)", target, r <= target ? "met" : "MISSED");
    std::printf("\n");
  };
  std::printf("\nratios:\n");
  ratio("full run, two absent / find for one absent", "system_test", "find_absent", 0.40);
  ratio("cold: full run / find for one absent", "cold_system_test", "cold_find_absent", 0.30);
  ratio("cold: full run / fdfind for one absent", "cold_system_test", "cold_fd_absent");
  ratio("all five two levels down / full run", "system_test_all_present", "system_test", 0.05);
  ratio("one search, absent / find for one absent", "search_absent", "find_absent");
  ratio("full run / one find with five -iname", "system_test", "find_five_alternatives");
  ratio("full run / five find calls", "system_test", "find_five_calls");
  ratio("one search, absent / fdfind -j1", "search_absent", "fd_absent");
  std::printf("  %-44s %6.1f MiB  (target < 32 MiB: %s)\n", "peak memory of a full run above idle", peak / 1024.0,
              peak >= 0 && peak < 32 * 1024 ? "met" : "MISSED");
  benchmark::Shutdown();
}
