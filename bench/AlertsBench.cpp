// The odds alerts of a meeting day of 36 races with 15 readings each: in
// process, and as `vorpa-tool alerts --json` (start to exit).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/DayAlerts.h"
#include "support/RaceFactory.h"

extern char** environ;

namespace vorpa {
namespace {

const double kDate = EncodeDate(2026, 12, 6);

const std::string& DataDir() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorpa-alerts-bench-XXXXXX").string();
    std::string made = std::string(mkdtemp(pattern.data())) + "/";
    test::StoreMeetingDay(made, kDate);
    return made;
  }();
  static const bool cleanup = std::atexit([] { std::filesystem::remove_all(DataDir()); }) == 0;
  (void)cleanup;
  return dir;
}

void BM_DayAlerts(benchmark::State& state) {
  const std::string& dir = DataDir();
  size_t alerts = 0;
  for (auto _ : state) alerts = DayAlerts(dir, kDate, TAlertThresholds{}).size();
  state.counters["alerts"] = double(alerts);
}
BENCHMARK(BM_DayAlerts)->Unit(benchmark::kMillisecond);

void BM_AlertsTool(benchmark::State& state) {
  const std::string& dir = DataDir();
  const std::string config = dir + "config/";
  std::filesystem::create_directories(config);
  std::vector<std::string> args = {VORPA_TOOL_PATH, "--config-dir", config, "--data-dir", dir,
                                   "alerts", "--date", "2026-12-06", "--json"};
  std::vector<char*> argv;
  for (std::string& a : args) argv.push_back(a.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
  for (auto _ : state) {
    pid_t pid = -1;
    int status = 0;
    if (posix_spawn(&pid, argv[0], &fa, nullptr, argv.data(), environ) != 0 ||
        waitpid(pid, &status, 0) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("vorpa-tool alerts failed");
      break;
    }
  }
  posix_spawn_file_actions_destroy(&fa);
}
BENCHMARK(BM_AlertsTool)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vorpa
