// A race record decoded from damaged race-file bytes, run through every PAT
// writer of every flavour into a temporary directory: whatever a race file
// holds reaches the fixed-width formatting.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/RaceIO/RaceIO.h"
#include "patout/PatOddsFiles.h"
#include "patout/PatRaceFiles.h"
#include "patout/PatResultFiles.h"

namespace {

// On tmpfs, so that the flush of every write costs nothing; removed at exit.
char outDir[] = "/dev/shm/vorpa-fuzz-pat-XXXXXX";

const std::string& OutDir() {
  static const std::string dir = [] {
    if (!mkdtemp(outDir)) __builtin_trap();
    std::atexit([] { std::filesystem::remove_all(outDir); });
    return std::string(outDir) + "/";
  }();
  return dir;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorpa;
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  TRace race;
  ClearRace(race, "\x93\x8C\x8B\x9E", 11, 46362);  // 東京
  DecodeRace(bytes, race);
  const std::string& dir = OutDir();
  const double now = 46362.6;
  TYoukouInfo m;
  m.Date = race.Header.RaceDate;
  m.VenueCode = race.Header.Kai;
  m.Kai = race.Header.Kai;
  m.Nichi = race.Header.Nichi;
  for (int r = 0; r < kYoukouRaces; ++r) {
    m.RaceHeld[r] = (race.Header.Distance >> r) & 1;
    m.RaceRunners[r] = race.Header.RunnerCount + r - 7;
  }
  for (PatVariant v : {Pat95, Pat98, PatV50}) {
    WriteUyFile(dir, v, {m}, now);
    WriteKsFile(dir, v, race);
    for (int i = 0; i < static_cast<int>(race.Snapshots.size()); ++i) {
      WriteZoFile(dir, race, i, v == PatV50);
      WriteUoFile(dir, v, race, i);
    }
  }
  WriteDeFile(dir, race);
  WriteUtFile(dir, race, now);
  for (int i = 0; i < static_cast<int>(race.Snapshots.size()); ++i) WriteSoFile(dir, race, i);
  return 0;
}
