// The fair-odds model of an 18-runner reading: the win probabilities and
// Harville's orders, then every combination of all eight bet types (18 +
// 18 + 36 + 153 + 306 + 153 + 816 + 4,896) with its fair odds and market.
#include <benchmark/benchmark.h>

#include "analysis/FairOdds.h"
#include "support/RaceFactory.h"

namespace vorpa {
namespace {

void BM_FairOddsAllBetTypes(benchmark::State& state) {
  const TRace race = test::MakeRace();
  const int last = static_cast<int>(race.Snapshots.size()) - 1;
  size_t lines = 0;
  for (auto _ : state) {
    const TFairModel model(race, last);
    lines = 0;
    for (int b = 0; b < kBetTypes; ++b) {
      std::vector<TFairLine> l = FairLines(model, static_cast<TBetType>(b), &race.Snapshots[last]);
      SortByProbability(l);
      lines += l.size();
      benchmark::DoNotOptimize(l.data());
    }
  }
  state.SetLabel(std::to_string(lines) + " combinations");
}
BENCHMARK(BM_FairOddsAllBetTypes)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vorpa
