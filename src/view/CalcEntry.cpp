#include "view/CalcEntry.h"

#include <algorithm>
#include <set>
#include <utility>

#include "core/TextUtil.h"

namespace vorpa {

namespace {

// The bet of cell (a, b) as a click gives it; none for an empty cell.
void AddBet(const TOddsView& view, TPairKind kind, int a, int b, std::vector<TCalcRow>& out) {
  if (view.Size == 0 || a < 1 || b < 1 || a > view.Size || b > view.Size) return;
  if (auto bet = MatrixClickBet(kind, a, b, view.Cell(a, b))) out.push_back(*bet);
}

}  // namespace

bool ParseNumberList(const std::string& cp932, int max, std::vector<int>* out) {
  const std::string text = ToHalfWidth(cp932);
  std::set<int> numbers;
  int n = -1;
  auto flush = [&] {
    if (n < 0) return true;
    if (n < 1 || n > max) return false;
    numbers.insert(n);
    n = -1;
    return true;
  };
  for (char c : text) {
    if (c >= '0' && c <= '9') {
      n = std::min((n < 0 ? 0 : n) * 10 + (c - '0'), 1000);
    } else if (c == '-' || c == ',' || c == ' ' || c == '.' || c == '/') {
      if (!flush()) return false;
    } else {
      return false;
    }
  }
  if (!flush() || numbers.empty()) return false;
  out->assign(numbers.begin(), numbers.end());
  return true;
}

std::vector<TCalcRow> BoxBets(const TOddsView& view, TPairKind kind,
                              const std::vector<int>& numbers) {
  std::vector<TCalcRow> out;
  for (int a : numbers)
    for (int b : numbers) {
      if (a == b || (kind != kPairExacta && b < a)) continue;
      AddBet(view, kind, a, b, out);
    }
  return out;
}

std::vector<TCalcRow> FormationBets(const TOddsView& view, TPairKind kind,
                                    const std::vector<int>& first,
                                    const std::vector<int>& second) {
  std::vector<TCalcRow> out;
  std::set<std::pair<int, int>> seen;
  for (int a : first)
    for (int b : second) {
      if (a == b && kind != kPairBracket) continue;
      const std::pair<int, int> pair =
          kind == kPairExacta ? std::pair{a, b} : std::pair{std::min(a, b), std::max(a, b)};
      if (seen.insert(pair).second) AddBet(view, kind, pair.first, pair.second, out);
    }
  return out;
}

}  // namespace vorpa
