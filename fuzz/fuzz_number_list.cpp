// Numbers typed into the calculator's box and formation fields, and the
// bets built from them over a filled odds matrix.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "view/CalcEntry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  for (int max : {8, 18}) {
    std::vector<int> numbers;
    if (!vorpa::ParseNumberList(text, max, &numbers)) continue;
    // Distinct, ascending, within 1..max.
    for (size_t i = 0; i < numbers.size(); ++i)
      if (numbers[i] < 1 || numbers[i] > max || (i && numbers[i] <= numbers[i - 1])) __builtin_trap();
    vorpa::TOddsView view;
    view.Size = max;
    view.Cells.assign(max * max, " 12.3");
    const auto kind = max == 8 ? vorpa::kPairBracket : vorpa::kPairExacta;
    const size_t n = numbers.size();
    if (vorpa::BoxBets(view, kind, numbers).size() != (kind == vorpa::kPairExacta ? n * (n - 1) : n * (n - 1) / 2))
      __builtin_trap();
    vorpa::FormationBets(view, kind, numbers, numbers);
  }
  return 0;
}
