// The six odds pages: win/place/bracket quinella, exacta, trio, trifecta,
// quinella and wide.
#include <algorithm>
#include <string>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/TextUtil.h"
#include "ipat/IPatDecode.h"

namespace vorpa {
namespace {

std::string_view Title(const TIPatPage& page) { return page.Table("[2][1,1]<1>"); }

// The reading's time from the odds time text; false when the text is
// refused (empty, the final odds of the day before, or no time in it).
bool ReadingTime(const TIPatPage& page, const TRace& race, double* time) {
  static const std::string kFinal = Utf8ToCp932("確定");
  static const std::string kDayBefore = Utf8ToCp932("前日売最終");
  const std::string_view text = page.Table("[5][1,1]<1>");
  if (text.empty() || text == kDayBefore) return false;
  const std::vector<std::string> words = SplitFields(text, " ", 6);
  if (words[2] == kFinal) {
    *time = race.Header.StartTime;
    return true;
  }
  if (words[2].size() <= 4) return false;
  return TryTextToTime(words[2].substr(0, words[2].size() - 4), time);
}

// A cell is taken unless it is empty or scratched.
bool Taken(std::string_view cell) {
  static const std::string kScratched = Utf8ToCp932("取消");
  return !cell.empty() && cell != kScratched;
}

void TakeOdds(std::string_view cell, double* out) {
  if (Taken(cell)) *out = NumberOf(cell, 0);
}

void TakeVotes(std::string_view text, int64_t* total) {
  if (!text.empty()) *total = FixedPointOf(text);
}

int64_t& Votes(TRace& race, int k) { return race.Votes[k - 1]; }

int RunnerCountOf(const TRace& race) { return std::clamp(race.Header.RunnerCount, 0, kMaxRunners); }

// Cell (row, col) of the grid read from table 6, "" off the grid.
std::string_view GridCell(const TIPatPage& page, int rows, int cols, int r, int c) {
  if (r < 1 || r > rows || c < 1 || c > cols) return {};
  return page.Table("[6]" + Cell(r + 1, c) + "<1>");
}

// Last non-empty column of a grid row, 0 when the row is empty.
int LastColumn(const TIPatPage& page, int rows, int cols, int r) {
  for (int c = cols; c >= 1; --c)
    if (!GridCell(page, rows, cols, r, c).empty()) return c;
  return 0;
}

// The result codes of a later odds page.
struct TOddsCodes {
  int NoTitle, NoPost, NoRunners, BadTime;
};
constexpr int kNotSold = -1;

// The checks of the later odds pages, in order: title empty, another title
// (the bet type is not sold: its flag is cleared, kNotSold), no post time,
// no runners. 0 when the page is to be read.
int CheckPage(TIPat& s, const TIPatPage& page, const char* title, bool* want,
              const TOddsCodes& codes) {
  const std::string_view t = Title(page);
  if (t.empty()) return codes.NoTitle;
  if (t != Utf8ToCp932(title)) {
    *want = false;
    return kNotSold;
  }
  if (s.Race.Header.StartTime == 0) return codes.NoPost;
  if (RunnerCountOf(s.Race) == 0) return codes.NoRunners;
  return 0;
}

// CheckPage, then the reading time of an odds matrix page: refused, or no
// snapshot of this visit to fill (the win/place page makes it), gives
// BadTime. On 0, *time is the reading's time and *snap the last snapshot.
int CheckMatrixPage(TIPat& s, const TIPatPage& page, const char* title, bool* want,
                    const TOddsCodes& codes, double* time, OddsSnapshot** snap) {
  if (int code = CheckPage(s, page, title, want, codes); code != 0) return code;
  if (!ReadingTime(page, s.Race, time) || s.Race.Snapshots.empty()) return codes.BadTime;
  *snap = &s.Race.Snapshots.back();
  return 0;
}

// A decoder's return value: kNotSold is a success.
int Outcome(int code) { return code == kNotSold ? 0 : code; }

// Where bracket pair i-j (i <= j) sits in the nested bracket table.
void BracketPlace(int i, int j, int* row, int* col) {
  if (i <= 4) {
    *row = j - i + 3;
    *col = 2 * i;
  } else {
    *row = j + 5;
    *col = (i == 5 && j == 5) ? 6 : 10 - 2 * i + j;
  }
}

}  // namespace

int DecodeOddsWinPlace(TIPat& s, const TIPatPage& page) {
  if (Title(page) != Utf8ToCp932("単・複・枠連オッズ")) return 33;
  if (s.Race.Header.StartTime == 0) return 15;
  double time = 0;
  if (!ReadingTime(page, s.Race, &time)) return 16;
  OddsSnapshot block = EmptySnapshot();
  block.WinTime() = time;
  for (int h = 1; h <= kMaxRunners; ++h) {
    const std::string row = "[6][1,1][1]" + Cell(h + 1, 4) + "<1>";
    const std::string_view win = page.Table(row);
    if (!Taken(win)) continue;
    block.Win(h) = NumberOf(win, 0);
    block.PlaceLow(h) = NumberOf(page.Table("[6][1,1][1]" + Cell(h + 1, 5) + "<1>"), 0);
    block.PlaceHigh(h) = NumberOf(page.Table("[6][1,1][1]" + Cell(h + 1, 7) + "<1>"), 0);
  }
  for (int i = 1; i <= kMaxFrames; ++i) {
    for (int j = i; j <= kMaxFrames; ++j) {
      int row = 0, col = 0;
      BracketPlace(i, j, &row, &col);
      TakeOdds(page.Table("[6][1,3][3]" + Cell(row, col) + "<1>"), &block.Bracket(i, j));
    }
  }
  TakeVotes(page.Table("[7][1,2]<1>"), &Votes(s.Race, 1));
  TakeVotes(page.Table("[7][2,2]<1>"), &Votes(s.Race, 2));
  TakeVotes(page.Table("[7][3,2]<1>"), &Votes(s.Race, 3));
  TakeVotes(page.Table("[7][4,2]<1>"), &Votes(s.Race, 9));
  const int slot = ChooseSnapshotSlot(s.Race, time, s.Clock().Now(), s.Settings());
  OddsSnapshot& snap = s.Race.Snapshots[slot];
  snap.WinTime() = block.WinTime();
  std::copy(block.Cells.begin() + OddsSnapshot::WinIdx(1),
            block.Cells.begin() + OddsSnapshot::BracketIdx(8, 8) + 1,
            snap.Cells.begin() + OddsSnapshot::WinIdx(1));
  return 0;
}

int DecodeOddsExacta(TIPat& s, const TIPatPage& page) {
  double time = 0;
  OddsSnapshot* last = nullptr;
  const int code =
      CheckMatrixPage(s, page, "馬単オッズ", &s.CurStatus().WantExacta, {34, 17, 18, 19}, &time, &last);
  if (code != 0) return Outcome(code);
  const int n = RunnerCountOf(s.Race);
  OddsSnapshot& snap = *last;
  snap.ExactaTime() = time;
  for (int i = 1; i <= kMaxRunners; ++i)
    for (int j = 1; j <= kMaxRunners; ++j)
      if (i != j) snap.Exacta(i, j) = NoOdds;
  for (int i = 1; i <= n; ++i) {
    const std::string table = i <= 9 ? "[6]" : "[7]";
    const int col = i <= 9 ? 2 * i : 2 * (i - 9);
    for (int j = 1; j <= n; ++j)
      if (i != j) TakeOdds(page.Table(table + Cell(j + 1, col) + "<1>"), &snap.Exacta(i, j));
  }
  TakeVotes(page.Table(n > 9 ? "[8][1,2]<1>" : "[7][1,2]<1>"), &Votes(s.Race, 5));
  return 0;
}

int DecodeOddsTrio(TIPat& s, const TIPatPage& page) {
  const int code = CheckPage(s, page, "３連複オッズ", &s.CurStatus().WantTrio, {35, 20, 21, 0});
  if (code != 0) return Outcome(code);
  TakeVotes(page.Table("[8][1,2]<1>"), &Votes(s.Race, 7));
  return 0;
}

int DecodeOddsTrifecta(TIPat& s, const TIPatPage& page) {
  const int code = CheckPage(s, page, "３連単オッズ", &s.CurStatus().WantTrifecta, {36, 31, 32, 0});
  if (code != 0) return Outcome(code);
  TakeVotes(page.Table("[8][1,2]<1>"), &Votes(s.Race, 8));
  return 0;
}

int DecodeOddsQuinella(TIPat& s, const TIPatPage& page) {
  constexpr int kRows = 19, kCols = 18;
  double time = 0;
  OddsSnapshot* last = nullptr;
  const int code = CheckMatrixPage(s, page, "馬連オッズ", &s.CurStatus().WantQuinella,
                                   {37, 22, 23, 24}, &time, &last);
  if (code != 0) return Outcome(code);
  const int n = RunnerCountOf(s.Race);
  OddsSnapshot& snap = *last;
  snap.QuinellaTime() = time;
  for (int i = 1; i < kMaxRunners; ++i)
    for (int j = i + 1; j <= kMaxRunners; ++j) snap.Quinella(i, j) = NoOdds;
  for (int i = 1; i <= 9; ++i)
    for (int j = i + 1; j <= n; ++j)
      TakeOdds(GridCell(page, kRows, kCols, j - i, 2 * i), &snap.Quinella(i, j));
  for (int i = 10; i <= std::min(n - 1, 17); ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const int last = LastColumn(page, kRows, kCols, j + 1);
      if (last == 0) continue;
      TakeOdds(GridCell(page, kRows, kCols, j + 1, last - 2 * (i - 10)), &snap.Quinella(i, j));
    }
  }
  TakeVotes(page.Table("[7][1,2]<1>"), &Votes(s.Race, 4));
  return 0;
}

int DecodeOddsWide(TIPat& s, const TIPatPage& page) {
  constexpr int kRows = 37, kCols = 20;
  double time = 0;
  OddsSnapshot* last = nullptr;
  const int code =
      CheckMatrixPage(s, page, "ワイドオッズ", &s.CurStatus().WantWide, {38, 25, 26, 27}, &time, &last);
  if (code != 0) return Outcome(code);
  const int n = RunnerCountOf(s.Race);
  OddsSnapshot& snap = *last;
  snap.WideTime() = time;
  for (int i = 1; i < kMaxRunners; ++i) {
    for (int j = i + 1; j <= kMaxRunners; ++j) {
      snap.WideLow(i, j) = NoOdds;
      snap.WideHigh(i, j) = NoOdds;
    }
  }
  auto take = [&](int i, int j, int row, int col) {
    const std::string_view low = GridCell(page, kRows, kCols, row, col);
    if (!Taken(low)) return;
    snap.WideLow(i, j) = NumberOf(low, 0);
    snap.WideHigh(i, j) = NumberOf(GridCell(page, kRows, kCols, row, col + 2), 0);
  };
  // The section of a first horse is a column block; sections 2 and 4 are
  // right-aligned, so their columns count back from the row's last cell.
  for (int i = 1; i <= std::min(5, n - 1); ++i)
    for (int j = i + 1; j <= n; ++j) take(i, j, j - i, 4 * i - 2);
  for (int i = 6; i <= std::min(n - 1, 10); ++i) {
    for (int j = i + 1; j <= n; ++j) {
      const int row = n + j - 9;
      const int last = LastColumn(page, kRows, kCols, row);
      if (last != 0) take(i, j, row, last - 4 * (i - 6) - 2);
    }
  }
  if (n >= 12)
    for (int i = 11; i <= std::min(n - 1, 15); ++i)
      for (int j = i + 1; j <= n; ++j) take(i, j, 2 * (n - 12) + 17 + (j - i), 4 * (i - 11) + 2);
  if (n >= 17) {
    for (int i = 16; i <= std::min(n - 1, 17); ++i) {
      for (int j = i + 1; j <= n; ++j) {
        const int row = 3 * (n - 17) + 32 + (j - 17);
        const int last = LastColumn(page, kRows, kCols, row);
        if (last != 0) take(i, j, row, last - 4 * (i - 16) - 2);
      }
    }
  }
  TakeVotes(page.Table("[7][1,2]<1>"), &Votes(s.Race, 6));
  return 0;
}

}  // namespace vorpa
