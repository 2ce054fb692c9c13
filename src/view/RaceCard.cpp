#include "view/RaceCard.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/OddsText.h"
#include "core/Remark.h"
#include "core/TextUtil.h"
#include "view/RaceList.h"
#include "view/TextPart.h"

namespace vorpa {

namespace {

std::string Format(const char* fmt, int v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, fmt, v);
  return buf;
}


// One CP932 text per UTF-8 literal, converted once.
struct TCardTexts {
  std::string Sex[3] = {Utf8ToCp932("牝"), Utf8ToCp932("牡"), Utf8ToCp932("騙")};
  std::string SexUnknown = Utf8ToCp932("？");
  std::string First = Utf8ToCp932("初");
  std::string Scratched = Utf8ToCp932("×");
  std::string Kai = Utf8ToCp932("回"), Nichi = Utf8ToCp932("日"), Head = Utf8ToCp932("頭");
  std::string Win = Utf8ToCp932("単"), Place = Utf8ToCp932("複");
  std::string Delete1 = Utf8ToCp932("のデータを消去しますか?");
  std::string Delete2 = Utf8ToCp932("一度消去すると復活できません。");
};
const TCardTexts& Texts() {
  static const TCardTexts t;
  return t;
}

void AddItem(std::string& label, const std::string& value, const std::string& suffix) {
  if (value.empty() || value == "0") return;
  label += " " + value + suffix;
}

}  // namespace

const std::array<std::string, kCardColumns>& CardHeaders() {
  static const std::array<std::string, kCardColumns> h = [] {
    const char* utf8[kCardColumns] = {"枠", "馬", "馬　名", "性", "齢", "体重", "増減", "習",
                                      "騎手名", "負担", "調教師名", "単勝", "複勝", "馬連",
                                      "順", "着差"};
    std::array<std::string, kCardColumns> a;
    for (int i = 0; i < kCardColumns; ++i) a[i] = Utf8ToCp932(utf8[i]);
    return a;
  }();
  return h;
}

const std::array<int, kCardColumns>& CardColumnWidths() {
  static const std::array<int, kCardColumns> w = {20, 23, 124, 19, 20, 31, 29, 18,
                                                  87, 36, 87,  42, 73, 42, 20, 50};
  return w;
}

TCardRow CardRowTexts(const TRace& race, int h, int winIndex, const TRenEstimate& ren) {
  const TCardTexts& t = Texts();
  const TSyutuba& r = race.Runner(h);
  TCardRow row;
  row[kColFrame] = Format("%2d", r.FrameNo);
  row[kColHorseNo] = Format("%3d", r.HorseNo);
  if (!r.HorseName.empty()) {
    row[kColHorseName] = r.HorseName;
    row[kColSex] = (r.Sex >= 0 && r.Sex <= 2) ? t.Sex[r.Sex] : t.SexUnknown;
    row[kColAge] = Format("%2d", r.Age);
    row[kColApprentice] = r.ApprenticeMark;
    row[kColJockey] = CutToBytes(r.JockeyName, 12);
    char burden[32];
    std::snprintf(burden, sizeof burden, "%5.1f", r.Burden);
    row[kColBurden] = burden;
    row[kColTrainer] = CutToBytes(r.TrainerName, 12);
  }
  if (r.BodyWeight != 0) {
    row[kColWeight] = " " + std::to_string(r.BodyWeight);
    row[kColWeightDiff] = r.WeightDiffKnown ? Format(" %3d", r.WeightDiff) : t.First;
  }
  if (winIndex >= 0 && winIndex < static_cast<int>(race.Snapshots.size()) &&
      race.Snapshots[winIndex].Win(h) >= 0) {
    const OddsSnapshot& s = race.Snapshots[winIndex];
    row[kColWin] = OddsText(s.Win(h), 6);
    row[kColPlace] = OddsText(s.PlaceLow(h), 5) + "-" + OddsText(s.PlaceHigh(h), 5);
    row[kColRen] = OddsText(ren.Ok ? ren.Of(h) : 0.0, 6);
  }
  if (r.Finish >= 1 && r.Finish <= 5) {
    row[kColFinish] = Format("%2d", r.Finish);
    row[kColMargin] = CutToBytes(r.Margin, 7);
  } else if (r.Finish == -1) {
    row[kColFinish] = t.Scratched;
  }
  return row;
}

TCardView BuildCard(const TRace& race, int umaOrder, int selected) {
  TCardView v;
  v.Choice = ReadingChoice(race, selected);
  v.Ren = RenEstimate(race, v.Choice.Bracket, v.Choice.Quinella);
  v.Order = CardOrder(race, umaOrder, v.Choice.Win, v.Ren);
  for (int h : v.Order) v.Rows.push_back(CardRowTexts(race, h, v.Choice.Win, v.Ren));
  return v;
}

std::pair<std::string, std::string> RaceInfoTexts(const TRaceHeader& h) {
  const TCardTexts& t = Texts();
  std::string a, b;
  AddItem(a, DateToText(h.RaceDate), "");
  AddItem(a, h.VenueName, "");
  AddItem(a, std::to_string(h.Kai), t.Kai);
  AddItem(a, std::to_string(h.Nichi), t.Nichi);
  AddItem(a, std::to_string(h.RaceNo), "R");
  AddItem(a, h.RaceName, "");
  AddItem(b, h.Condition1, "");
  AddItem(b, h.Condition2, "");
  AddItem(b, std::to_string(h.RunnerCount), t.Head);
  AddItem(b, h.CourseText, "");
  AddItem(b, std::to_string(h.Distance), "m");
  AddItem(b, h.Weather, "");
  AddItem(b, h.Going, "");
  return {a, b};
}

std::vector<std::string> ReadingTimeTexts(const TRace& race) {
  std::vector<std::string> times;
  for (const OddsSnapshot& s : race.Snapshots) times.push_back(HourMinuteText(s.WinTime()));
  return times;
}

TCardCellStyle CardCellStyle(int col, int row, const std::string& text, const TSetting& s,
                             const TRemarkables& remarks) {
  TCardCellStyle st;
  TCellColors c;
  switch (col) {
    case kColFrame:
      c = FrameCellColors(text, row, s);
      st.KeepsHighlight = false;
      break;
    case kColHorseName:
    case kColJockey:
    case kColTrainer:
      c = RemarkCellColors(text, row, s, remarks);
      st.KeepsHighlight = false;
      break;
    case kColWin:
    case kColRen:
      c = {RowColor(row, s), OddsTextColor(text, s)};
      break;
    case kColPlace:
      st.Back = RowColor(row, s);
      // Low odds, the "-" between, high odds: each piece in its own colour.
      for (auto [from, len] : {std::pair{0, 5}, std::pair{5, 1}, std::pair{6, 5}}) {
        std::string piece = TextPart(text, from, len);
        st.Pieces.push_back({piece, len == 1 ? kClWindowText : OddsTextColor(piece, s)});
      }
      return st;
    default:
      c = {RowColor(row, s), kClWindowText};
  }
  st.Back = c.Back;
  st.Pieces = {{text, c.Text}};
  return st;
}

std::optional<TCalcRow> CardClickBet(int col, const TCardRow& row) {
  const std::string& cell = row[col < 0 || col >= kCardColumns ? 0 : col];
  if (col == kColWin && !cell.empty()) return TCalcRow{Texts().Win, row[kColHorseNo], cell};
  if (col == kColPlace && !cell.empty())
    return TCalcRow{Texts().Place, row[kColHorseNo], SplitFirst(cell, "-").first};
  return std::nullopt;
}

std::string DeleteReadingQuestion(const std::string& timeText) {
  return timeText + Texts().Delete1 + "\n" + Texts().Delete2;
}

bool DeleteReading(TRace& race, const OddsSnapshot& chosen) {
  std::vector<OddsSnapshot>& all = race.Snapshots;
  auto it = std::find(all.begin(), all.end(), chosen);
  if (it == all.end())
    it = std::find_if(all.begin(), all.end(), [&chosen](const OddsSnapshot& s) {
      return std::abs(s.WinTime() - chosen.WinTime()) < 0.5 / 86400;  // times are stored to the second
    });
  if (it == all.end()) return false;
  all.erase(it);
  return true;
}

}  // namespace vorpa
