// Decoding one full visit of an 18-runner race from saved simulator pages:
// race card, the six odds pages and the result, table and form extraction
// included. Target: under 2 ms for the whole visit.
#include <benchmark/benchmark.h>

#include <string>
#include <utility>
#include <vector>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPat.h"
#include "support/SavedPages.h"

namespace {

using namespace vorpa;
using test::SavedPage;

// The pages of one visit with the state that decodes each.
const std::vector<std::pair<uint8_t, std::string>>& Visit() {
  static const std::vector<std::pair<uint8_t, std::string>> pages = {
      {TIPat::RaceCard, SavedPage("card18.html")},     {TIPat::OddsWinPlace, SavedPage("winplace18.html")},
      {TIPat::OddsExacta, SavedPage("exacta18.html")}, {TIPat::OddsTrio, SavedPage("trio18.html")},
      {TIPat::OddsTrifecta, SavedPage("trifecta18.html")},
      {TIPat::OddsQuinella, SavedPage("quinella18.html")}, {TIPat::OddsWide, SavedPage("wide18.html")},
      {TIPat::Result, SavedPage("result18.html")}};
  return pages;
}

void BM_DecodeVisit18(benchmark::State& state) {
  const TSetting setting;
  const double date = test::PagesDate();
  const TPinnedClock clock(date + EncodeTime(17, 30, 0));
  TIPat ipat(setting, clock);
  ipat.Init();
  ipat.MeetingCode[1].Code = test::kPagesCode;
  ipat.CurVenue = 1;
  ipat.CurRace = test::kPagesRace;
  ipat.MeetingDate = date;
  const std::string venue = Utf8ToCp932(test::kPagesVenueUtf8);
  for (auto _ : state) {
    ClearRace(ipat.Race, venue, test::kPagesRace, date);
    ipat.Race.Snapshots.clear();
    for (const auto& [st, page] : Visit()) {
      ipat.IPatState = st;
      if (ipat.Decode(page) != 0) state.SkipWithError("a page did not decode");
    }
    benchmark::DoNotOptimize(ipat.Race);
  }
}
BENCHMARK(BM_DecodeVisit18)->Unit(benchmark::kMicrosecond);

}  // namespace
