// Store and load of a realistic race file (18 runners, 15 readings), and
// the load of a whole meeting day of 36 such files.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/RaceIO/RaceIO.h"
#include "support/RaceFactory.h"

namespace {

using namespace vorpa;

const double kDate = EncodeDate(2026, 12, 6);

// A data directory holding a meeting day of 36 races, made below `base`
// for the run and removed at exit.
std::string MakeDataDir(const std::filesystem::path& base) {
  std::string pattern = (base / "vorpa-bench-XXXXXX").string();
  std::string made = mkdtemp(pattern.data());
  test::StoreMeetingDay(made, kDate);
  return made + "/";
}

// On the disk (the system's temporary directory).
const std::string& DataDir() {
  static const std::string dir = MakeDataDir(std::filesystem::temp_directory_path());
  static const bool cleanup = std::atexit([] { std::filesystem::remove_all(DataDir()); }) == 0;
  (void)cleanup;
  return dir;
}

// In memory (tmpfs), where the flush before the rename costs nothing: the
// difference to the disk figure is the flush.
const std::string& MemoryDataDir() {
  static const std::string dir = MakeDataDir("/dev/shm");
  static const bool cleanup = std::atexit([] { std::filesystem::remove_all(MemoryDataDir()); }) == 0;
  (void)cleanup;
  return dir;
}

void BM_FormatRace(benchmark::State& state) {
  const TRace race = test::MakeRace();
  for (auto _ : state) benchmark::DoNotOptimize(FormatRace(race));
}
BENCHMARK(BM_FormatRace)->Unit(benchmark::kMicrosecond);

void BM_DecodeRace(benchmark::State& state) {
  const std::string bytes = FormatRace(test::MakeRace());
  TRace race;
  for (auto _ : state) {
    ClearRace(race, "V", 1, kDate);
    race.Snapshots.clear();
    DecodeRace(bytes, race);
    benchmark::DoNotOptimize(race.Snapshots.data());
  }
}
BENCHMARK(BM_DecodeRace)->Unit(benchmark::kMicrosecond);

void StoreOften(benchmark::State& state, const std::string& dir) {
  const TRace race = test::MakeRace();
  for (auto _ : state)
    if (!StoreRace(dir, race)) state.SkipWithError("the race could not be stored");
}

void BM_StoreRace(benchmark::State& state) { StoreOften(state, DataDir()); }
BENCHMARK(BM_StoreRace)->Unit(benchmark::kMicrosecond);

void BM_StoreRaceTmpfs(benchmark::State& state) { StoreOften(state, MemoryDataDir()); }
BENCHMARK(BM_StoreRaceTmpfs)->Unit(benchmark::kMicrosecond);

void BM_LoadRace(benchmark::State& state) {
  const std::string& dir = DataDir();
  const std::string venue = Utf8ToCp932("東京");
  TRace race;
  for (auto _ : state) {
    LoadRace(dir, venue, 11, race, kDate);
    benchmark::DoNotOptimize(race.Snapshots.data());
  }
  if (race.Snapshots.size() != 15) state.SkipWithError("the stored race did not load");
}
BENCHMARK(BM_LoadRace)->Unit(benchmark::kMicrosecond);

void BM_LoadDateFolder36(benchmark::State& state) {
  const std::string& dir = DataDir();
  TRace race;
  size_t files = 0;
  for (auto _ : state) {
    const std::vector<TRaceFileEntry> list = ListRaceFiles(dir, kDate);
    files = list.size();
    for (const TRaceFileEntry& f : list) {
      LoadRaceFile(f.Path, f.VenueName, f.RaceNo, race, kDate);
      benchmark::DoNotOptimize(race.Snapshots.data());
    }
  }
  if (files != 36) state.SkipWithError("the meeting day does not hold 36 files");
}
BENCHMARK(BM_LoadDateFolder36)->Unit(benchmark::kMillisecond);

}  // namespace
