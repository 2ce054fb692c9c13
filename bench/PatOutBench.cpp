// The manual PAT output of a stored meeting day: 36 races with 15 readings
// each, all five file kinds in the three flavours, on tmpfs.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "patout/PatOut.h"
#include "support/RaceFactory.h"

namespace {

using namespace vorpa;

const double kDate = EncodeDate(2026, 12, 6);

// A directory in /dev/shm with the meeting day under data/, removed at exit.
const std::string& BaseDir() {
  static const std::string dir = [] {
    std::string pattern = "/dev/shm/vorpa-bench-pat-XXXXXX";
    std::string made = std::string(mkdtemp(pattern.data())) + "/";
    test::StoreMeetingDay(made + "data", kDate);
    return made;
  }();
  static const bool cleanup = std::atexit([] { std::filesystem::remove_all(BaseDir()); }) == 0;
  (void)cleanup;
  return dir;
}

void BM_OutPatDataMeetingDay(benchmark::State& state) {
  TSetting setting;
  setting.JRA95Path = BaseDir() + "pat95";
  setting.JRA98Path = BaseDir() + "pat98";
  setting.JRAV50Path = BaseDir() + "patv50";
  TPinnedClock clock(kDate + EncodeTime(16, 30, 0));
  TPatOutEnv env;
  env.Setting = &setting;
  env.DataDir = BaseDir() + "data";
  env.Clock = &clock;
  TPatOutInfo info;
  info.Date = kDate;
  info.OutYoukou = info.OutSyutuba = info.OutWeight = info.OutOdds = info.OutResult = true;
  for (auto _ : state) OutPatData(info, env);
}
BENCHMARK(BM_OutPatDataMeetingDay)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
