// Arbitrary pages through every decoder of every session state, on a race
// record with the runner count and snapshots chosen by the first bytes, and
// the log block of each state afterwards.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPat.h"
#include "ipat/IPatLog.h"
#include "ipat/IPatPage.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vorpa;
  if (size < 2) return 0;
  static const TSetting setting;
  static const TPinnedClock clock(EncodeDate(2026, 12, 6) + EncodeTime(14, 0, 0));
  static const std::string venue = Utf8ToCp932("東京");
  const int runners = static_cast<int>(data[0] % 24) - 3;  // -3 .. 20
  const bool snapshot = data[1] & 1;
  const std::string page(reinterpret_cast<const char*>(data + 2), size - 2);
  const TIPatPage lists(page);
  for (uint8_t state = 0; state <= 15; ++state) {
    TIPat ipat(setting, clock);
    ipat.Init();
    ipat.MeetingCode[1].Code = "50323";
    ipat.CurVenue = 1;
    ipat.CurRace = 11;
    ipat.MeetingDate = EncodeDate(2026, 12, 6);
    ClearRace(ipat.Race, venue, 11, ipat.MeetingDate);
    ipat.Race.Header.RunnerCount = runners;
    ipat.Race.Header.StartTime = (data[1] & 2) ? EncodeTime(15, 40, 0) : 0;
    if (snapshot) ipat.Race.Snapshots.push_back(EmptySnapshot());
    ipat.IPatState = state;
    ipat.Decode(lists);
    IPatLogBlock(ipat);
    ipat.UpdateStatus();
    ipat.BuildRequest();
    ipat.NextState();
  }
  return 0;
}
