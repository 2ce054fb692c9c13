#include <algorithm>

#include "server/PageHtml.h"
#include "server/Pages.h"
#include "server/SimMarket.h"
#include "server/SimResult.h"

namespace vorpa::sim {

const char* const kTitleWinPlace = "単・複・枠連オッズ";
const char* const kTitleExacta = "馬単オッズ";
const char* const kTitleTrio = "３連複オッズ";
const char* const kTitleTrifecta = "３連単オッズ";
const char* const kTitleQuinella = "馬連オッズ";
const char* const kTitleWide = "ワイドオッズ";

namespace {

// Items 2 to 5 of every odds page: title, race, navigation, odds time.
std::string OddsHead(const char* title, const TSimMeeting& meeting, const TSimRace& race, double now) {
  const std::string name = race.Title.empty() ? race.Condition : race.Title;
  return TitleTable(title) +
         Table(Row({VenueText(meeting) + " " + std::to_string(race.No) + "R", name})) +
         Table(Row({"単勝・複勝", "枠連", "馬連", "ワイド", "馬単", "3連複", "3連単"})) +
         Table(Row({OddsTimeText(meeting, race, now)}), "class=\"time\"");
}

std::string VoteTable(const TMarket& m, const std::vector<std::pair<const char*, int>>& rows) {
  std::string html;
  for (const auto& [label, kind] : rows) html += Row({label, VoteText(m, kind)});
  return Table(html, "class=\"hyosu\"");
}

const std::string& Name(const TSimRace& race, int h) { return race.Runners[size_t(h - 1)].Name; }

// Win and place: row h+1 holds frame, horse, name, win, place low, "-",
// place high.
std::string WinTable(const TSimRace& race, const TMarket& m) {
  std::string rows = Row({"枠", "馬番", "馬名", "単勝", "複勝", "", ""});
  for (const TSimRunner& r : race.Runners) {
    const size_t k = size_t(r.HorseNo - 1);
    rows += Row({std::to_string(r.FrameNo), std::to_string(r.HorseNo), r.Name, m.Win[k],
                 m.PlaceLow[k], "-", m.PlaceHigh[k]});
  }
  return Table(rows, "class=\"tanfuku\"");
}

// Bracket quinella of frames i <= j: rows 3..13, the frame of j beside each
// cell.
std::string BracketTable(const TMarket& m) {
  TGrid grid;
  for (int i = 1; i <= 4; ++i) grid[1][2 * i] = std::to_string(i);
  for (int i = 1; i <= 8; ++i)
    for (int j = i; j <= 8; ++j) {
      const int row = i <= 4 ? j - i + 3 : j + 5;
      const int col = i <= 4 ? 2 * i : (i == 5 && j == 5 ? 6 : 10 - 2 * i + j);
      grid[row][col] = m.Bracket[size_t(i)][size_t(j)];
      if (!grid[row].count(col - 1)) grid[row][col - 1] = std::to_string(j);
    }
  return Table(GridRows(grid, 13), "class=\"waku\"");
}

// Places `count` pairs at the right end of a grid row, the first of them
// rightmost: pair k (from 0) gets its value column at L - width*k - offset.
template <class Put>
void PlaceFromRight(TGrid* grid, int row, int count, int width, Put put) {
  if (count <= 0) return;
  const int last = LastColumn(*grid, row) + width * count;
  for (int k = 0; k < count; ++k) put(last - width * k);
}

}  // namespace

std::string WinPlacePage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now) {
  const TMarket m = MarketAt(day, meeting, race, now);
  const std::string odds = "<tr><td>" + WinTable(race, m) + "</td><td>" +
                           Table(Row({"枠連"})) + "</td><td>" + BracketTable(m) + "</td></tr>\r\n";
  return Page(OddsHead(kTitleWinPlace, meeting, race, now) + Table(odds, "class=\"odds\"") +
              VoteTable(m, {{"単勝", kWin}, {"複勝", kPlace}, {"枠連", kBracket}, {"合計", kGrand}}));
}

std::string ExactaPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now) {
  if (race.NoExacta) return MessagePage("お知らせ", "このレースの馬単は発売しておりません。");
  const TMarket m = MarketAt(day, meeting, race, now);
  const int n = race.RunnerCount();
  std::string tables;
  for (int first = 1; first <= n; first += 9) {
    TGrid grid;
    for (int i = first; i <= std::min(n, first + 8); ++i) {
      const int col = 2 * (i - first + 1);
      grid[1][col] = std::to_string(i) + "着";
      for (int j = 1; j <= n; ++j) {
        grid[j + 1][col - 1] = std::to_string(j);
        grid[j + 1][col] = i == j ? "" : m.Exacta[size_t(i)][size_t(j)];
      }
    }
    tables += Table(GridRows(grid, n + 1), "class=\"umatan\"");
  }
  return Page(OddsHead(kTitleExacta, meeting, race, now) + tables +
              VoteTable(m, {{"馬単", kExacta}}));
}

std::string QuinellaPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now) {
  const TMarket m = MarketAt(day, meeting, race, now);
  const int n = race.RunnerCount();
  // Table row = grid row + 1; row 1 is the heading.
  TGrid grid;
  for (int i = 1; i <= std::min(9, n - 1); ++i) {
    grid[1][2 * i] = std::to_string(i);
    for (int j = i + 1; j <= n; ++j) {
      grid[j - i + 1][2 * i - 1] = std::to_string(j);
      grid[j - i + 1][2 * i] = m.Quinella[size_t(i)][size_t(j)];
    }
  }
  // First horses 10..17: in grid row j+1, pair 10-j at the right end and
  // the later first horses leftwards of it.
  for (int j = 11; j <= n; ++j) {
    const int row = j + 2;
    PlaceFromRight(&grid, row, j - 10, 2, [&, k = 10](int col) mutable {
      grid[row][col - 1] = std::to_string(k);
      grid[row][col] = m.Quinella[size_t(k)][size_t(j)];
      ++k;
    });
  }
  int lastRow = 1;
  if (!grid.empty()) lastRow = grid.rbegin()->first;
  return Page(OddsHead(kTitleQuinella, meeting, race, now) +
              Table(GridRows(grid, lastRow), "class=\"umaren\"") +
              VoteTable(m, {{"馬連", kQuinella}}));
}

std::string WidePage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now) {
  const TMarket m = MarketAt(day, meeting, race, now);
  const int n = race.RunnerCount();
  TGrid grid;
  // One pair: label, lower bound at column c, "-", upper bound at c + 2.
  auto put = [&](int gridRow, int c, int i, int j) {
    auto& row = grid[gridRow + 1];
    row[c - 1] = std::to_string(i) + "-" + std::to_string(j);
    row[c] = m.WideLow[size_t(i)][size_t(j)];
    row[c + 1] = "-";
    row[c + 2] = m.WideHigh[size_t(i)][size_t(j)];
  };
  for (int i = 1; i <= std::min(5, n - 1); ++i)
    for (int j = i + 1; j <= n; ++j) put(j - i, 4 * i - 2, i, j);
  if (n >= 12)
    for (int i = 11; i <= std::min(n - 1, 15); ++i)
      for (int j = i + 1; j <= n; ++j) put(2 * (n - 12) + 17 + (j - i), 4 * (i - 11) + 2, i, j);
  // Sections read from the right end of their rows.
  for (int j = 7; j <= n; ++j) {
    const int gridRow = n + j - 9;
    PlaceFromRight(&grid, gridRow + 1, std::min(j - 1, 10) - 5, 4,
                   [&, i = 6](int last) mutable { put(gridRow, last - 2, i++, j); });
  }
  if (n >= 17)
    for (int j = 17; j <= n; ++j) {
      const int gridRow = 3 * (n - 17) + 32 + (j - 17);
      PlaceFromRight(&grid, gridRow + 1, std::min(j - 1, 17) - 15, 4,
                     [&, i = 16](int last) mutable { put(gridRow, last - 2, i++, j); });
    }
  grid[1][1] = "ワイド";
  return Page(OddsHead(kTitleWide, meeting, race, now) +
              Table(GridRows(grid, grid.rbegin()->first), "class=\"wide\"") +
              VoteTable(m, {{"ワイド", kWide}}));
}

std::string TrioPage(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race, double now,
                     bool trifecta, int firstHorse) {
  const TMarket m = MarketAt(day, meeting, race, now);
  const int h = std::clamp(firstHorse, 1, race.RunnerCount());
  return Page(OddsHead(trifecta ? kTitleTrifecta : kTitleTrio, meeting, race, now) +
              Table(Row({"軸馬", std::to_string(h) + "番 " + Name(race, h)})) +
              Table(Row({"組合せは人気順に表示しています"})) +
              VoteTable(m, {{trifecta ? "3連単" : "3連複", trifecta ? kTrifecta : kTrio}}));
}

}  // namespace vorpa::sim
