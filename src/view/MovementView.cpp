#include "view/MovementView.h"

#include <cmath>
#include <cstdio>

#include "analysis/OddsMovement.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/OddsText.h"
#include "core/Setting.h"
#include "view/NumberFormat.h"

namespace vorpa {

namespace {

std::string Sj(const char* utf8) { return Utf8ToCp932(utf8); }

// "12,345,678" with a sign when asked.
std::string Yen(double v, bool sign) {
  const long long n = std::llround(v);
  std::string digits = std::to_string(n < 0 ? -n : n);
  for (int i = static_cast<int>(digits.size()) - 3; i > 0; i -= 3) digits.insert(static_cast<size_t>(i), ",");
  return (n < 0 ? "-" : (sign ? "+" : "")) + digits;
}

std::string Hhmm(double t) { return TimeToText(t).substr(0, 5); }

TChangeMark MarkOf(const TRace& race, int index, int cell) {
  TChangeMark m;
  const TOddsChange c = CellChange(race, index, cell);
  if (c.Kind == TMoveKind::None) return m;
  m.Kind = c.Kind;
  m.Mark = Sj(c.Kind == TMoveKind::Shorter ? "▼" : "▲");
  m.Color = c.Kind == TMoveKind::Shorter ? kClShorter : kClLonger;
  m.Tooltip = Sj("前回 ") + FormatNumber("%.1f", c.Before) + " (" + Hhmm(race.Snapshots[index - 1].WinTime()) + ")";
  return m;
}

int CellOf(TPairKind kind, int a, int b) {
  const int i = std::min(a, b), j = std::max(a, b);
  switch (kind) {
    case kPairBracket: return OddsSnapshot::BracketIdx(i, j);
    case kPairQuinella: return OddsSnapshot::QuinellaIdx(i, j);
    case kPairExacta: return OddsSnapshot::ExactaIdx(a, b);
    case kPairWide: return OddsSnapshot::WideLowIdx(i, j);
  }
  return 0;
}

}  // namespace

const std::string& PopularityHeader() {
  static const std::string h = Sj("人気");
  return h;
}

std::vector<TCardMovementRow> CardMovement(const TRace& race, const std::vector<int>& order,
                                           int winIndex, const TWinPools& pools) {
  std::vector<TCardMovementRow> rows(order.size());
  if (winIndex < 0 || winIndex >= static_cast<int>(race.Snapshots.size())) return rows;
  const THorseRanks ranks = PopularityRanks(race, winIndex);
  const THorseValues now = WinShares(race, winIndex);
  const THorseValues before = winIndex > 0 ? WinShares(race, winIndex - 1) : THorseValues{};
  const double pool = winIndex < static_cast<int>(pools.size()) ? pools[winIndex] : 0;
  const double poolBefore = winIndex > 0 && winIndex <= static_cast<int>(pools.size()) ? pools[winIndex - 1] : 0;
  for (size_t k = 0; k < order.size(); ++k) {
    const int h = order[k];
    if (h < 1 || h > kMaxRunners || !RunsInRace(race, h)) continue;
    TCardMovementRow& row = rows[k];
    row.Win = MarkOf(race, winIndex, OddsSnapshot::WinIdx(h));
    row.Place = MarkOf(race, winIndex, OddsSnapshot::PlaceLowIdx(h));
    if (ranks[h - 1] == 0) continue;
    row.Popularity = FormatNumber("%2.0f", ranks[h - 1]);
    std::string tip = FormatNumber("%.0f", ranks[h - 1]) + Sj("番人気　支持率 ") + FormatNumber("%.1f%%", now[h - 1] * 100);
    if (before[h - 1] > 0) tip += Sj("（前回 ") + FormatNumber("%.1f%%", before[h - 1] * 100) + Sj("）");
    const double odds = race.Snapshots[winIndex].Win(h);
    if (pool > 0) {
      tip += Sj("\n推定投票額 ") + Yen(MoneyOn(pool, odds), false) + Sj("円");
      const double oddsBefore = winIndex > 0 ? race.Snapshots[winIndex - 1].Win(h) : 0;
      if (poolBefore > 0 && oddsBefore > 0)
        tip += Sj("（流入 ") + Yen(MoneyOn(pool, odds) - MoneyOn(poolBefore, oddsBefore), true) + Sj("円）");
    }
    row.Tooltip = tip;
  }
  return rows;
}

std::vector<bool> FallenCells(const TRace& race, TPairKind kind, int index, double percent) {
  const int n = MatrixSize(kind);
  std::vector<bool> fallen(static_cast<size_t>(n * n), false);
  if (index < 1 || index >= static_cast<int>(race.Snapshots.size())) return fallen;
  const OddsSnapshot& a = race.Snapshots[index - 1];
  const OddsSnapshot& b = race.Snapshots[index];
  for (int row = 1; row <= n; ++row)
    for (int col = 1; col <= n; ++col) {
      if (col == row && kind != kPairBracket) continue;
      const int cell = CellOf(kind, col, row);
      fallen[static_cast<size_t>((row - 1) * n + (col - 1))] = FellByPercent(a.Cells[cell], b.Cells[cell], percent);
    }
  return fallen;
}

std::vector<int> SortedRanks(const TOddsView& view) {
  std::vector<int> ranks(view.Sorted.size(), 0);
  for (size_t i = 0; i < view.Sorted.size(); ++i)
    ranks[i] = i > 0 && view.Sorted[i][1] == view.Sorted[i - 1][1] ? ranks[i - 1] : static_cast<int>(i) + 1;
  return ranks;
}

std::string RankTooltip(int rank) { return std::to_string(rank) + Sj("番人気"); }

const std::vector<std::string>& AlertHeaders() {
  static const std::vector<std::string> h = {Sj("時刻"), Sj("レース"), Sj("馬番"), Sj("種類"),
                                             Sj("単勝"), Sj("支持率"), Sj("流入(円)")};
  return h;
}

const std::vector<int>& AlertColumnWidths() {
  static const std::vector<int> w = {44, 52, 34, 38, 100, 96, 90};
  return w;
}

std::string AlertKindText(TAlertKind kind) {
  switch (kind) {
    case TAlertKind::Drop: return Sj("急落");
    case TAlertKind::Share: return Sj("支持");
    case TAlertKind::Inflow: return Sj("流入");
  }
  return "";
}

std::vector<std::vector<std::string>> AlertRows(const std::vector<TAlert>& newestFirst) {
  std::vector<std::vector<std::string>> rows;
  const std::string arrow = Sj("→");
  for (const TAlert& a : newestFirst) {
    char race[16];
    std::snprintf(race, sizeof race, "%.2d", a.Race);
    rows.push_back({Hhmm(a.ToTime), a.Venue + race, FormatNumber("%2.0f", a.Horse), AlertKindText(a.Kind),
                    FormatNumber("%.1f", a.OddsFrom) + arrow + FormatNumber("%.1f", a.OddsTo),
                    FormatNumber("%.1f", a.ShareFrom * 100) + arrow + FormatNumber("%.1f%%", a.ShareTo * 100),
                    a.InflowYen ? Yen(*a.InflowYen, true) : ""});
  }
  return rows;
}

bool AlertNotified(double postTime, double now, const TSetting& s) {
  if (!s.AlertNotify) return false;
  if (s.AlertNotifyWithin <= 0) return true;
  const double left = postTime - now;
  return postTime > 0 && left >= 0 && left * 1440.0 <= s.AlertNotifyWithin + 1e-6;
}

std::pair<std::string, std::string> AlertNotification(const TAlert& a) {
  const std::vector<std::string> row = AlertRows({a}).front();
  std::string summary = Cp932ToUtf8(a.Venue) + std::to_string(a.Race) + "R " + std::to_string(a.Horse) +
                        "番 " + Cp932ToUtf8(row[3]);
  std::string body = "単勝 " + Cp932ToUtf8(row[4]) + "（" + Hhmm(a.FromTime) + "→" + Hhmm(a.ToTime) +
                     "）\n支持率 " + Cp932ToUtf8(row[5]);
  if (a.InflowYen) body += "\n流入 " + Cp932ToUtf8(row[6]) + "円";
  return {summary, body};
}

}  // namespace vorpa
