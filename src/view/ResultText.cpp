#include "view/ResultText.h"

#include <span>

#include "core/Cp932.h"
#include "view/FormatText.h"
#include "view/NumberPattern.h"
#include "view/ReadingChoice.h"

namespace vorpa {

namespace {

// Every prefix is 7 bytes: three full-width characters and a blank.
struct TResultTexts {
  std::string Next = Utf8ToCp932("　　　 ");
  std::string Margin = Utf8ToCp932("着　差 ");
  std::string Win = Utf8ToCp932("単　勝 "), Place = Utf8ToCp932("複　勝 ");
  std::string Bracket = Utf8ToCp932("枠　連 "), Quinella = Utf8ToCp932("馬　連 ");
  std::string Exacta = Utf8ToCp932("馬　単 "), Wide = Utf8ToCp932("ワイド ");
  std::string Trio = Utf8ToCp932("３連複 "), Trifecta = Utf8ToCp932("３連単 ");
  std::string Refund = Utf8ToCp932("返　還 ");
  std::string Votes[8] = {Utf8ToCp932("単勝　票数"), Utf8ToCp932("複勝　票数"),
                          Utf8ToCp932("枠連　票数"), Utf8ToCp932("馬連　票数"),
                          Utf8ToCp932("馬単　票数"), Utf8ToCp932("ワイド票数"),
                          Utf8ToCp932("３連複票数"), Utf8ToCp932("３連単票数")};
  std::string Total = Utf8ToCp932("総票数合計");
};
const TResultTexts& Texts() {
  static const TResultTexts t;
  return t;
}

std::string Combination(int a) { return FormatText("%2d / ", a); }
std::string Combination(const std::array<int, 2>& p) { return FormatText("%2d-%2d / ", p[0], p[1]); }
std::string Combination(const std::array<int, 3>& p) {
  return FormatText("%2d-%2d-%2d / ", p[0], p[1], p[2]);
}
int FirstOf(int a) { return a; }
template <size_t N>
int FirstOf(const std::array<int, N>& p) { return p[0]; }

// One payout block: nothing when its first combination is absent; lines
// 1..always are written, the later ones only when present.
template <typename Combo>
void AddBlock(std::vector<std::string>& out, bool first, const std::string& prefix,
              std::span<const Combo> combos, std::span<const int> pays, size_t always) {
  if (FirstOf(combos[0]) == 0) return;
  if (!first) out.emplace_back();
  for (size_t i = 0; i < combos.size(); ++i) {
    if (i >= always && FirstOf(combos[i]) == 0) continue;
    out.push_back((i == 0 ? prefix : Texts().Next) + Combination(combos[i]) +
                  ThousandsText(pays[i]));
  }
}

std::string Right15(const std::string& text) { return FormatText("%15s", text.c_str()); }

}  // namespace

std::vector<std::string> VoteLines(const TRace& race) {
  std::vector<std::string> out;
  int64_t total = race.Votes[8];
  // Totals beyond the range (only a damaged file has them) stay at its end.
  if (total == 0)
    for (int j = 0; j < 8; ++j)
      if (__builtin_add_overflow(total, race.Votes[j], &total)) total = INT64_MAX;
  if (total <= 0) return out;
  for (int j = 0; j < 8; ++j) {
    const int64_t v = race.Votes[j];
    if (v <= 0) continue;
    out.push_back(Texts().Votes[j] + Right15(ThousandsText(v / 10000.0)) +
                  PercentText(v * 100.0 / total));
  }
  out.emplace_back();
  out.push_back(Texts().Total + Right15(ThousandsText(total / 10000.0)));
  return out;
}

std::vector<std::string> MarginLines(const TRace& race) {
  std::vector<std::string> out;
  const int n = RunnerCountOf(race);
  for (int k = 1; k <= n; ++k)
    for (int h = 1; h <= n; ++h) {
      const TSyutuba& r = race.Runner(h);
      if (r.Finish != k || r.Margin.empty()) continue;
      out.push_back((out.empty() ? Texts().Margin : Texts().Next) +
                    FormatText("%2d%3d  ", k, h) + r.Margin);
    }
  return out;
}

std::vector<std::string> PayoutLines(const TRace& race) {
  const TRaceResult& p = race.Result;
  const TResultTexts& t = Texts();
  std::vector<std::string> out;
  AddBlock<int>(out, true, t.Win, p.WinHorse, p.WinPay, 1);
  AddBlock<int>(out, false, t.Place, p.PlaceHorse, p.PlacePay, 2);
  AddBlock<std::array<int, 2>>(out, false, t.Bracket, p.BracketPair, p.BracketPay, 1);
  AddBlock<std::array<int, 2>>(out, false, t.Quinella, p.QuinellaPair, p.QuinellaPay, 1);
  AddBlock<std::array<int, 2>>(out, false, t.Exacta, p.ExactaPair, p.ExactaPay, 1);
  AddBlock<std::array<int, 2>>(out, false, t.Wide, p.WidePair, p.WidePay, 3);
  AddBlock<std::array<int, 3>>(out, false, t.Trio, p.TrioSet, p.TrioPay, 1);
  AddBlock<std::array<int, 3>>(out, false, t.Trifecta, p.TrifectaSet, p.TrifectaPay, 1);
  if (!p.RefundText.empty()) {
    out.emplace_back();
    out.push_back(t.Refund + p.RefundText);
  }
  return out;
}

std::string JoinLines(const std::vector<std::string>& lines) {
  std::string text;
  for (size_t i = 0; i < lines.size(); ++i) text += (i ? "\n" : "") + lines[i];
  return text;
}

}  // namespace vorpa
