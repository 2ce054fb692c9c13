#include "view/OddsPaneNote.h"

#include <algorithm>

#include "core/Cp932.h"

namespace vorpa {

namespace {

// Whether reading `s` holds any odds of `kind` (a cell of 0 or more).
bool HasOdds(const OddsSnapshot& s, TPairKind kind) {
  const int n = MatrixSize(kind);
  for (int a = 1; a <= n; ++a)
    for (int b = kind == kPairExacta ? 1 : a; b <= n; ++b) {
      if (kind == kPairBracket && s.Bracket(a, b) >= 0) return true;
      if (a == b) continue;
      if (kind == kPairQuinella && s.Quinella(a, b) >= 0) return true;
      if (kind == kPairExacta && s.Exacta(a, b) >= 0) return true;
      if (kind == kPairWide && s.WideLow(a, b) >= 0) return true;
    }
  return false;
}

bool ShowsOdds(const TOddsView& view) {
  return std::any_of(view.Cells.begin(), view.Cells.end(), [](const std::string& c) { return !c.empty(); });
}

}  // namespace

std::string OddsPaneNote(const TRace* race, TPairKind kind, const TOddsView& view) {
  if (!race) return Utf8ToCp932("レースが選択されていません");
  if (race->Snapshots.empty()) return Utf8ToCp932("オッズはまだ取得されていません");
  const std::string name = PairKindName(kind);
  if ((kind == kPairQuinella || kind == kPairWide) && race->Header.RunnerCount <= 8)
    return kind == kPairQuinella
               ? Utf8ToCp932("8頭立て以下のレースの馬連は枠連のタブに表示されます")
               : Utf8ToCp932("8頭立て以下のレースではワイドを表示しません");
  if (ShowsOdds(view)) return "";
  const bool sold = std::any_of(race->Snapshots.begin(), race->Snapshots.end(),
                                [kind](const OddsSnapshot& s) { return HasOdds(s, kind); });
  if (!sold) return name + Utf8ToCp932("は発売されていません");
  return Utf8ToCp932("この時刻の") + name + Utf8ToCp932("オッズは取得されていません");
}

}  // namespace vorpa
