// Table and form extraction of the simulator's largest pages (18 runners:
// wide and exacta odds), in bytes per second. bench/html_lxml_baseline.py
// measures the same pages through lxml for comparison.
#include <benchmark/benchmark.h>

#include "ipat/HtmlTable.h"
#include "support/SavedPages.h"

namespace {

using vorpa::test::SavedPage;

void Tables(benchmark::State& state, const char* name) {
  const std::string page = SavedPage(name);
  vorpa::TTextList list;
  for (auto _ : state) {
    vorpa::ExtractTables(page, &list);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(page.size()));
  state.counters["entries"] = double(list.size());
}

void Forms(benchmark::State& state, const char* name) {
  const std::string page = SavedPage(name);
  vorpa::TTextList list;
  for (auto _ : state) {
    vorpa::ExtractForms(page, &list);
    benchmark::DoNotOptimize(list.data());
  }
  state.SetBytesProcessed(int64_t(state.iterations()) * int64_t(page.size()));
}

BENCHMARK_CAPTURE(Tables, wide18, "wide18.html");
BENCHMARK_CAPTURE(Tables, exacta18, "exacta18.html");
BENCHMARK_CAPTURE(Forms, wide18, "wide18.html");
BENCHMARK_CAPTURE(Forms, exacta18, "exacta18.html");

}  // namespace
