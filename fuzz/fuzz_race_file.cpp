// Race data file bytes: the 2.x and 1.xx loaders, and the writer on what
// they decoded.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/RaceIO/RaceIO.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view bytes(reinterpret_cast<const char*>(data), size);
  vorpa::TRace race;
  vorpa::ClearRace(race, "V", 1, 0);
  vorpa::DecodeRace(bytes, race);
  if (race.Snapshots.size() > 99 || race.Header.RunnerCount < 0 || race.Header.RunnerCount > 18)
    __builtin_trap();
  // What was decoded is written whole and reads back with the same shape.
  const std::string once = vorpa::FormatRace(race);
  vorpa::TRace back;
  vorpa::ClearRace(back, "V", 1, 0);
  vorpa::DecodeRace(once, back);
  if (back.Snapshots.size() != race.Snapshots.size() ||
      back.Header.RunnerCount != race.Header.RunnerCount)
    __builtin_trap();
  return 0;
}
