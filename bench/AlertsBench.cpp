// The odds alerts of a meeting day of 36 races with 15 readings each, stored
// reading by reading with a growing win pool so that the history database
// holds the pool of every reading: in process without and with the pools,
// and as `vorpa-tool alerts --json` (start to exit, pools read).
#include <benchmark/benchmark.h>
#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "analysis/DayAlerts.h"
#include "analysis/WinPools.h"
#include "support/RaceFactory.h"

extern char** environ;

namespace vorpa {
namespace {

const double kDate = EncodeDate(2026, 12, 6);

const std::string& DataDir() {
  static const std::string dir = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "vorpa-alerts-bench-XXXXXX").string();
    std::string made = std::string(mkdtemp(pattern.data())) + "/";
    for (const char* venue : {"東京", "中山", "阪神"})
      for (int no = 1; no <= 12; ++no) {
        test::RaceRecipe r;
        r.VenueUtf8 = venue;
        r.RaceNo = no;
        r.Date = kDate;
        r.Seed = static_cast<uint32_t>(no * 7 + venue[0]);
        std::vector<double> pools;
        for (int k = 0; k < r.Readings; ++k) pools.push_back(500000.0 + 40000.0 * k);
        test::StoreReadingByReading(made, test::MakeRace(r), pools);
      }
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

void BM_DayAlertsWithPools(benchmark::State& state) {
  const std::string& dir = DataDir();
  size_t alerts = 0;
  for (auto _ : state) alerts = DayAlerts(dir, kDate, TAlertThresholds{}, WinPoolsOf(dir)).size();
  state.counters["alerts"] = double(alerts);
}
BENCHMARK(BM_DayAlertsWithPools)->Unit(benchmark::kMillisecond);

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
