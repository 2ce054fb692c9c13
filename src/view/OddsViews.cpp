#include "view/OddsViews.h"

#include <algorithm>

#include "core/Cp932.h"
#include "core/OddsText.h"
#include "view/FormatText.h"
#include "view/TextPart.h"

namespace vorpa {

namespace {

struct TPairTexts {
  std::string Kind[kPairKinds] = {Utf8ToCp932("枠"), Utf8ToCp932("馬"), "UT", Utf8ToCp932("ワ")};
  std::string Frames = Utf8ToCp932("枠番"), Horses = Utf8ToCp932("馬番");
  std::string Odds = Utf8ToCp932("オッズ");
  std::string Names[kPairKinds] = {Utf8ToCp932("枠連"), Utf8ToCp932("馬連"), Utf8ToCp932("馬単"),
                                   Utf8ToCp932("ワイド")};
  TCornerCaption Exacta{Utf8ToCp932("1着"), Utf8ToCp932("2着")};
};
const TPairTexts& Texts() {
  static const TPairTexts t;
  return t;
}

// Sort line "%8.1f%2d-%2d": odds in characters 1-8, combination in 9-13.
std::string OddsLine(double odds, int a, int b) { return FormatText("%8.1f%2d-%2d", odds, a, b); }
// Sort line "%6.1f%8s%2d-%2d": wide text in characters 7-14, combination in 15-19.
std::string WideLine(double low, const std::string& wide, int a, int b) {
  return FormatText("%6.1f%8s%2d-%2d", low, wide.c_str(), a, b);
}

void FillBracket(const OddsSnapshot& s, TOddsView& v, std::vector<std::string>& lines) {
  for (int a = 1; a <= kMaxFrames; ++a)
    for (int b = a; b <= kMaxFrames; ++b) {
      const double o = s.Bracket(a, b);
      if (o >= 0) v.Cell(a, b) = v.Cell(b, a) = OddsText(o, 5);
      if (o > 0) lines.push_back(OddsLine(o, a, b));
    }
}

void FillQuinella(const OddsSnapshot& s, TOddsView& v, std::vector<std::string>& lines) {
  for (int a = 1; a < kMaxRunners; ++a)
    for (int b = a + 1; b <= kMaxRunners; ++b) {
      const double o = s.Quinella(a, b);
      if (o >= 0) v.Cell(a, b) = v.Cell(b, a) = " " + OddsText(o, 4);
      if (o > 0) lines.push_back(OddsLine(o, a, b));
    }
}

// The winner in the column, the second in the row.
void FillExacta(const OddsSnapshot& s, TOddsView& v, std::vector<std::string>& lines) {
  for (int a = 1; a <= kMaxRunners; ++a)
    for (int b = 1; b <= kMaxRunners; ++b) {
      const double o = s.Exacta(a, b);
      if (o >= 0) v.Cell(a, b) = " " + OddsText(o, 4);
      if (o > 0) lines.push_back(OddsLine(o, a, b));
    }
}

void FillWide(const OddsSnapshot& s, TOddsView& v, std::vector<std::string>& lines) {
  for (int a = 1; a < kMaxRunners; ++a)
    for (int b = a + 1; b <= kMaxRunners; ++b) {
      const double low = s.WideLow(a, b);
      if (low < 0) continue;
      const std::string wide = WideText(low, s.WideHigh(a, b));
      v.Cell(a, b) = v.Cell(b, a) = wide.substr(0, 5);
      if (low > 0) lines.push_back(WideLine(low, wide, a, b));
    }
}

// The lowest-numbered of the two first, for the unordered pair types.
std::string PairText(TPairKind kind, int col, int row) {
  const bool ordered = kind == kPairBracket || kind == kPairExacta;
  const int a = ordered ? col : std::min(col, row), b = ordered ? row : std::max(col, row);
  return std::to_string(a) + "-" + std::to_string(b);
}

}  // namespace

std::string PairKindName(TPairKind kind) { return Texts().Names[kind]; }

int MatrixSize(TPairKind kind) { return kind == kPairBracket ? kMaxFrames : kMaxRunners; }

std::vector<std::string> MatrixHeaders(TPairKind kind) {
  std::vector<std::string> h{""};
  for (int i = 1; i <= MatrixSize(kind); ++i) h.push_back(FormatText("%2d", i));
  return h;
}

std::vector<int> MatrixColumnWidths(TPairKind kind) {
  // 28: the caption's two texts side by side, and still one pixel to spare
  // in the design width at every zoom.
  std::vector<int> w{kind == kPairExacta ? 28 : 15};
  w.resize(MatrixSize(kind) + 1, kind == kPairBracket ? 33 : 32);
  return w;
}

TCornerCaption MatrixCornerCaption(TPairKind kind) {
  return kind == kPairExacta ? Texts().Exacta : TCornerCaption{};
}

std::vector<std::string> SortedHeaders(TPairKind kind) {
  return {kind == kPairBracket ? Texts().Frames : Texts().Horses, Texts().Odds};
}

std::vector<int> SortedColumnWidths() { return {34, 52}; }

std::string WideText(double low, double high) {
  return " " + OddsText(low, 3) + "-" + OddsText(high, 3);
}

TOddsView BuildOddsView(const TRace& race, TPairKind kind, int index) {
  TOddsView v;
  v.Size = MatrixSize(kind);
  v.Cells.resize(v.Size * v.Size);
  if (index < 0 || index >= static_cast<int>(race.Snapshots.size())) return v;
  const OddsSnapshot& s = race.Snapshots[index];
  std::vector<std::string> lines;
  switch (kind) {
    case kPairBracket: FillBracket(s, v, lines); break;
    case kPairQuinella: FillQuinella(s, v, lines); break;
    case kPairExacta: FillExacta(s, v, lines); break;
    case kPairWide: FillWide(s, v, lines); break;
  }
  // Every field has a fixed width: the text order is ascending odds, then
  // ascending combination.
  std::sort(lines.begin(), lines.end());
  for (const std::string& line : lines) {
    if (kind == kPairWide)
      v.Sorted.push_back({TextPart(line, 14, 5), TextPart(line, 6, 8)});
    else
      v.Sorted.push_back({TextPart(line, 8, 5), TextPart(line, 0, 8)});
  }
  return v;
}

std::array<TOddsView, kPairKinds> BuildOddsViews(const TRace& race, const TReadingChoice& choice) {
  const bool pairs = race.Header.RunnerCount > 8;
  return {BuildOddsView(race, kPairBracket, choice.Bracket),
          BuildOddsView(race, kPairQuinella, pairs ? choice.Quinella : -1),
          BuildOddsView(race, kPairExacta, choice.Exacta),
          BuildOddsView(race, kPairWide, pairs ? choice.Wide : -1)};
}

TCardCellStyle MatrixCellStyle(TPairKind kind, int col, int row, const std::string& text,
                               const TSetting& s) {
  TCardCellStyle st;
  if (col == 0) {
    st.Back = kClBtnFace;
    st.Pieces = {{text, kClWindowText}};
    st.KeepsHighlight = false;
    return st;
  }
  st.Back = RowColor(row, s);
  const std::string value = kind == kPairWide ? TextPart(text, 0, 4) : text;
  st.Pieces = {{text, OddsTextColor(value, s)}};
  return st;
}

TCardCellStyle SortedCellStyle(TPairKind kind, int col, const std::string& text,
                               const TSetting& s) {
  TCardCellStyle st;
  if (col == 0) {
    st.Pieces = {{text, kClWindowText}};
  } else if (kind != kPairWide) {
    st.Pieces = {{text, OddsTextColor(text, s)}};
  } else {
    const std::string low = TextPart(text, 0, 4), high = TextPart(text, 5, 3);
    st.Pieces = {{low, OddsTextColor(low, s)},
                 {TextPart(text, 4, 1), kClWindowText},
                 {high, OddsTextColor(high, s)}};
  }
  return st;
}

std::optional<TCalcRow> MatrixClickBet(TPairKind kind, int col, int row, const std::string& text) {
  if (col < 1 || row < 1 || text.empty()) return std::nullopt;
  const std::string odds = kind == kPairWide ? TextPart(text, 0, 4) : text;
  return TCalcRow{Texts().Kind[kind], PairText(kind, col, row), odds};
}

std::optional<TCalcRow> SortedClickBet(TPairKind kind, const std::string& combination,
                                       const std::string& odds) {
  if (combination.empty()) return std::nullopt;
  return TCalcRow{Texts().Kind[kind], combination,
                  kind == kPairWide ? TextPart(odds, 0, 4) : odds};
}

}  // namespace vorpa
