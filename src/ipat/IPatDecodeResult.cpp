// The result page: finishing order with margins, payouts and refunds.
#include <algorithm>
#include <array>
#include <string>

#include "core/Cp932.h"
#include "core/TextUtil.h"
#include "ipat/IPatDecode.h"

namespace vorpa {
namespace {

const std::string kOrder = "[5][1,1][1][2,1][1]";
const std::string kPayouts = "[5][3,1][2][2,1][1]";

// Horse number and margin texts of finishing place k (1..18).
std::string_view PlaceHorseText(const TIPatPage& page, int k) {
  return page.Table(kOrder + (k <= 9 ? Cell(k + 1, 3) : Cell(k - 8, 8)) + "<1>");
}
std::string_view PlaceMarginText(const TIPatPage& page, int k) {
  return page.Table(kOrder + (k <= 9 ? Cell(k + 1, 5) : Cell(k - 8, 10)) + "<1>");
}

// Entry k of the bet type in `section` (its cell and table after the
// payout prefix): column 1 the combination, column 2 the payout.
std::string_view EntryText(const TIPatPage& page, const char* section, int k, int col) {
  return page.Table(kPayouts + section + Cell(k, col) + "<1>");
}

int Payout(std::string_view text) { return IntBeforeNoComma(text, Utf8ToCp932("円")); }

// The numbers of a combination text cut at its separator (at most three).
std::array<int, 3> Combination(std::string_view text, const std::string& sep) {
  const std::vector<std::string> pieces = SplitFields(text, sep, 2);
  return {IntOf(Trim(pieces[0])), IntOf(Trim(pieces[1])), IntOf(Trim(pieces[2]))};
}

template <size_t N, size_t W>
void TakeCombinations(const TIPatPage& page, const char* section, const std::string& sep,
                      std::array<std::array<int, W>, N>& combos, std::array<int, N>& pays) {
  for (size_t k = 1; k <= N; ++k) {
    pays[k - 1] = Payout(EntryText(page, section, static_cast<int>(k), 2));
    if (pays[k - 1] <= 0) continue;  // no payout: the combination stays
    const std::array<int, 3> nums = Combination(EntryText(page, section, static_cast<int>(k), 1), sep);
    std::copy_n(nums.begin(), W, combos[k - 1].begin());
  }
}

template <size_t N>
void TakeSingles(const TIPatPage& page, const char* section, std::array<int, N>& horses,
                 std::array<int, N>& pays) {
  for (size_t k = 1; k <= N; ++k) {
    horses[k - 1] = IntOf(EntryText(page, section, static_cast<int>(k), 1));
    pays[k - 1] = Payout(EntryText(page, section, static_cast<int>(k), 2));
  }
}

}  // namespace

int DecodeResult(TIPat& s, const TIPatPage& page) {
  static const std::string kMinus = Utf8ToCp932("－");
  static const std::string kArrow = Utf8ToCp932("→");
  if (PlaceHorseText(page, 1).empty()) return 28;
  TRace& race = s.Race;
  const int n = std::clamp(race.Header.RunnerCount, 0, kMaxRunners);
  for (int k = 1; k <= n; ++k) {
    const int h = IntOf(PlaceHorseText(page, k));
    const std::string_view margin = PlaceMarginText(page, k);
    if (h < 1 || h > kMaxRunners || margin.empty()) continue;
    race.Runner(h).Finish = k;
    race.Runner(h).Margin = std::string(margin);
  }
  TRaceResult& res = race.Result;
  TakeSingles(page, "[2,1][1]", res.WinHorse, res.WinPay);
  TakeSingles(page, "[2,2][2]", res.PlaceHorse, res.PlacePay);
  TakeCombinations(page, "[2,3][3]", kMinus, res.BracketPair, res.BracketPay);
  TakeCombinations(page, "[2,4][4]", kMinus, res.WidePair, res.WidePay);
  TakeCombinations(page, "[4,1][6]", kMinus, res.QuinellaPair, res.QuinellaPay);
  TakeCombinations(page, "[4,2][7]", kArrow, res.ExactaPair, res.ExactaPay);
  TakeCombinations(page, "[4,3][8]", kMinus, res.TrioSet, res.TrioPay);
  TakeCombinations(page, "[4,4][9]", kArrow, res.TrifectaSet, res.TrifectaPay);
  std::string refund;
  for (int k = 1; k <= 4; ++k) {
    if (k > 1) refund += ' ';
    refund += EntryText(page, "[2,5][5]", k, 1);
  }
  res.RefundText = Trim(refund);
  return 0;
}

}  // namespace vorpa
