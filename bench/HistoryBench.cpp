// The history database over a season of stored races (98 meeting days of
// 36 races, 18 runners and 15 readings each; about 5,000 horses that run
// every few weeks): db rebuild from the race files, one horse's history as
// the history window reads it, and the database's size.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "history/HistoryDb.h"
#include "history/HistoryReader.h"
#include "history/HistorySync.h"
#include "support/RaceFactory.h"

namespace {

using namespace vorpa;

constexpr int kDays = 98;
constexpr int kHorses = 5000;
const double kFirstDay = EncodeDate(2026, 3, 1);

// A horse name of five katakana from its number.
std::string HorseName(int id) {
  static const char* const kKana[] = {"ア", "カ", "サ", "タ", "ナ", "ハ", "マ", "ヤ", "ラ", "ワ"};
  std::string utf8;
  for (int k = 0; k < 5; ++k, id /= 10) utf8 += kKana[id % 10];
  return Utf8ToCp932(utf8);
}

std::string MakeSeason() {
  std::string pattern = (std::filesystem::temp_directory_path() / "vorpa-bench-XXXXXX").string();
  const std::string dir = std::string(mkdtemp(pattern.data())) + "/";
  int start = 0;
  for (int day = 0; day < kDays; ++day) {
    for (const char* venue : {"東京", "中山", "阪神"}) {
      for (int no = 1; no <= 12; ++no) {
        test::RaceRecipe r;
        r.VenueUtf8 = venue;
        r.RaceNo = no;
        r.Date = kFirstDay + day;
        r.Seed = static_cast<uint32_t>(day * 41 + no * 7 + venue[0]);
        TRace race = test::MakeRace(r);
        for (int h = 1; h <= r.Runners; ++h) race.Runner(h).HorseName = HorseName(start++ % kHorses);
        StoreRace(dir, race);
      }
    }
  }
  return dir;
}

const std::string& SeasonDir() {
  static const std::string dir = MakeSeason();
  static const bool cleanup = std::atexit([] { std::filesystem::remove_all(SeasonDir()); }) == 0;
  (void)cleanup;
  return dir;
}

void BM_DbRebuildSeason(benchmark::State& state) {
  const std::string& dir = SeasonDir();
  TSyncResult r;
  for (auto _ : state) r = RebuildHistory(dir);
  if (!r.Ok) state.SkipWithError(r.Error.c_str());
  state.counters["races"] = r.Put;
  state.counters["races/s"] = benchmark::Counter(r.Put, benchmark::Counter::kIsIterationInvariantRate);
  std::error_code ec;
  state.counters["db_MB"] = static_cast<double>(std::filesystem::file_size(HistoryDbPath(dir), ec)) / 1e6;
}
BENCHMARK(BM_DbRebuildSeason)->Unit(benchmark::kSecond)->Iterations(1)->Repetitions(3)->UseRealTime();

// Opening the database and reading every ride of one horse, newest first.
void BM_HorseHistory(benchmark::State& state) {
  const std::string& dir = SeasonDir();
  if (!std::filesystem::exists(HistoryDbPath(dir))) RebuildHistory(dir);
  const std::string name = HorseName(1234);
  size_t rides = 0;
  for (auto _ : state) {
    THistoryReader reader;
    reader.Open(dir);
    rides = reader.Rides(TRideKey::Horse, name).size();
    benchmark::DoNotOptimize(rides);
  }
  state.counters["rides"] = static_cast<double>(rides);
}
BENCHMARK(BM_HorseHistory)->Unit(benchmark::kMillisecond);

}  // namespace
