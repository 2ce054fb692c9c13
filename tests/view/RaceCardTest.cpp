// The race card's cell texts, cell styles, clicks, information labels and
// the deletion of a reading.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "view/RaceCard.h"

namespace vorpa {
namespace {

std::string U(const std::string& cp932) { return Cp932ToUtf8(cp932); }

TRace CardRace() {
  TRace r;
  ClearRace(r, Utf8ToCp932("東京"), 11, EncodeDate(2004, 1, 3));
  r.Header.RunnerCount = 3;
  TSyutuba& a = r.Runner(1);
  a.HorseNo = 1;
  a.FrameNo = 1;
  a.HorseName = Utf8ToCp932("ハナウタカルーセル");
  a.Sex = 1;
  a.Age = 4;
  a.BodyWeight = 486;
  a.WeightDiffKnown = true;
  a.WeightDiff = -4;
  a.JockeyName = Utf8ToCp932("野口太郎次郎三郎");  // 16 bytes: cut to 12
  a.Burden = 57;
  a.ApprenticeMark = Utf8ToCp932("☆");
  a.TrainerName = Utf8ToCp932("森野杢助");
  a.Finish = 1;
  a.Margin = Utf8ToCp932("クビハナ差");  // 10 bytes: cut to 7 without half a kanji
  TSyutuba& b = r.Runner(2);
  b.HorseNo = 2;
  b.FrameNo = 2;
  b.HorseName = Utf8ToCp932("ソヨカボレロ");
  b.Sex = 0;
  b.Age = 3;
  b.BodyWeight = 440;
  b.WeightDiffKnown = false;
  b.Burden = 55.5;
  b.ApprenticeMark = Utf8ToCp932("　");
  b.Finish = 6;
  TSyutuba& c = r.Runner(3);
  c.HorseNo = 3;
  c.FrameNo = 3;
  c.Finish = -1;  // scratched, no name either
  OddsSnapshot s = EmptySnapshot();
  s.WinTime() = EncodeTime(15, 30, 0);
  s.Win(1) = 1.8;
  s.PlaceLow(1) = 1.1;
  s.PlaceHigh(1) = 1.3;
  s.Win(2) = 123.4;
  s.PlaceLow(2) = 12.5;
  s.PlaceHigh(2) = 20.1;
  r.Snapshots = {s};
  return r;
}

TEST(CardRowTexts, EveryColumn) {
  TRace r = CardRace();
  TRenEstimate ren;
  ren.Ok = true;
  ren.Values = {2.34, 15.0};
  TCardRow a = CardRowTexts(r, 1, 0, ren);
  EXPECT_EQ(a[kColFrame], " 1");
  EXPECT_EQ(a[kColHorseNo], "  1");
  EXPECT_EQ(U(a[kColHorseName]), "ハナウタカルーセル");
  EXPECT_EQ(U(a[kColSex]), "牡");
  EXPECT_EQ(a[kColAge], " 4");
  EXPECT_EQ(a[kColWeight], " 486");
  EXPECT_EQ(a[kColWeightDiff], "  -4");
  EXPECT_EQ(U(a[kColApprentice]), "☆");
  EXPECT_EQ(U(a[kColJockey]), "野口太郎次郎");
  EXPECT_EQ(a[kColBurden], " 57.0");
  EXPECT_EQ(U(a[kColTrainer]), "森野杢助");
  EXPECT_EQ(a[kColWin], "   1.8");
  EXPECT_EQ(a[kColPlace], "  1.1-  1.3");
  EXPECT_EQ(a[kColRen], "   2.3");
  EXPECT_EQ(a[kColFinish], " 1");
  EXPECT_EQ(U(a[kColMargin]), "クビハ");

  TCardRow b = CardRowTexts(r, 2, 0, ren);
  EXPECT_EQ(U(b[kColSex]), "牝");
  EXPECT_EQ(U(b[kColWeightDiff]), "初");
  EXPECT_EQ(b[kColBurden], " 55.5");
  EXPECT_EQ(b[kColTrainer], "");
  EXPECT_EQ(b[kColWin], " 123.4");
  EXPECT_EQ(b[kColPlace], " 12.5- 20.1");
  EXPECT_EQ(b[kColRen], "  15.0");
  EXPECT_EQ(b[kColFinish], "");  // sixth: not shown
  EXPECT_EQ(b[kColMargin], "");

  TCardRow c = CardRowTexts(r, 3, 0, ren);
  EXPECT_EQ(c[kColFrame], " 3");
  EXPECT_EQ(c[kColHorseNo], "  3");
  for (int col : {kColHorseName, kColSex, kColAge, kColWeight, kColWeightDiff, kColApprentice,
                  kColJockey, kColBurden, kColTrainer, kColWin, kColPlace, kColRen, kColMargin})
    EXPECT_EQ(c[col], "") << col;
  EXPECT_EQ(U(c[kColFinish]), "×");
}

TEST(CardRowTexts, SexWeightsAndOddsRules) {
  TRace r = CardRace();
  TRenEstimate failed;
  r.Runner(1).Sex = 2;
  r.Runner(2).Sex = 9;
  r.Runner(1).WeightDiff = 12;
  TCardRow a = CardRowTexts(r, 1, 0, failed);
  EXPECT_EQ(U(a[kColSex]), "騙");
  EXPECT_EQ(a[kColWeightDiff], "  12");
  EXPECT_EQ(a[kColRen], "   0.0");  // estimate failed
  EXPECT_EQ(U(CardRowTexts(r, 2, 0, failed)[kColSex]), "？");
  // Body weight not announced: both weight columns empty.
  r.Runner(1).BodyWeight = 0;
  a = CardRowTexts(r, 1, 0, failed);
  EXPECT_EQ(a[kColWeight], "");
  EXPECT_EQ(a[kColWeightDiff], "");
  // No reading: no odds columns.
  a = CardRowTexts(r, 1, -1, failed);
  EXPECT_EQ(a[kColWin], "");
  EXPECT_EQ(a[kColPlace], "");
  EXPECT_EQ(a[kColRen], "");
  // Win odds of 0 are shown; large values cap.
  r.Snapshots[0].Win(1) = 0;
  EXPECT_EQ(CardRowTexts(r, 1, 0, failed)[kColWin], "   0.0");
  r.Snapshots[0].Win(1) = 2000000;
  EXPECT_EQ(CardRowTexts(r, 1, 0, failed)[kColWin], "999999");
}

TEST(BuildCard, OrdersAndRowsFollowTheSelection) {
  TRace r = CardRace();
  TCardView byWin = BuildCard(r, kOrderWin, 0);
  EXPECT_EQ(byWin.Order, (std::vector<int>{1, 2, 3}));
  ASSERT_EQ(byWin.Rows.size(), 3u);
  EXPECT_EQ(U(byWin.Rows[2][kColFinish]), "×");
  // 3 runners: the estimate from the bracket odds of the reading, which has
  // none, so it succeeds with 0 for every horse.
  EXPECT_TRUE(byWin.Ren.Ok);
  EXPECT_EQ(byWin.Rows[0][kColRen], "   0.0");
  TCardView none = BuildCard(r, kOrderWin, -1);
  EXPECT_EQ(none.Rows[0][kColWin], "");
  r.Snapshots.clear();
  TCardView empty = BuildCard(r, kOrderPlace, -1);
  EXPECT_EQ(empty.Order, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(empty.Rows[1][kColWin], "");
}

// A race of n runners with two readings; every horse has win odds 2.0
// and pair odds `pair0` in the first reading and `pair1` in the second.
TRace TwoReadings(int n, double pair0, double pair1) {
  TRace r;
  r.Header.RunnerCount = n;
  for (int k = 0; k < 2; ++k) {
    OddsSnapshot s = EmptySnapshot();
    s.WinTime() = s.QuinellaTime() = s.ExactaTime() = s.WideTime() = EncodeTime(10, k, 0);
    for (int i = 1; i <= n; ++i) {
      s.Win(i) = 2.0 + k;
      for (int j = i; j <= n; ++j) {
        if (j <= 8) s.Bracket(i, j) = k ? pair1 : pair0;
        if (j > i) s.Quinella(i, j) = k ? pair1 : pair0;
      }
    }
    r.Snapshots.push_back(s);
  }
  for (int h = 1; h <= n; ++h) r.Runner(h).HorseNo = h;
  return r;
}

TEST(BuildCard, EightRunnersTakeBracketOddsOfTheSelectedReadingWithoutStepBack) {
  TRace r = TwoReadings(8, 10.0, NoOdds);
  r.Snapshots[1].WinTime() = 0;  // the second round's win/place/bracket pages unread
  TCardView card = BuildCard(r, kOrderNo, 1);
  EXPECT_EQ(card.Choice.Win, 0);
  EXPECT_EQ(card.Choice.Bracket, 1);
  EXPECT_EQ(card.Rows[0][kColWin], "   2.0");  // win odds of the round before
  EXPECT_EQ(card.Rows[0][kColRen], "   0.0");  // no bracket odds in the selected one
  // With bracket odds in the selected reading: 8 equal horses give 8 x 0.8.
  card = BuildCard(TwoReadings(8, NoOdds, 10.0), kOrderNo, 1);
  EXPECT_EQ(card.Rows[7][kColRen], "   6.4");
}

TEST(BuildCard, UnreadQuinellaShowsTheRoundBefore) {
  TRace r = TwoReadings(10, 10.0, 50.0);
  EXPECT_EQ(BuildCard(r, kOrderNo, 1).Rows[0][kColRen], "   8.0");
  r.Snapshots[1].QuinellaTime() = 0;
  TCardView card = BuildCard(r, kOrderNo, 1);
  EXPECT_EQ(card.Choice.Quinella, 0);
  EXPECT_EQ(card.Rows[0][kColWin], "   3.0");
  EXPECT_EQ(card.Rows[0][kColRen], "   8.0");  // equal horses: n x 0.8 from either round
  r.Snapshots[0].Quinella(1, 2) = 5.0;  // the round before decides the values
  EXPECT_NE(BuildCard(r, kOrderNo, 1).Rows[0][kColRen], "   8.0");
}

TEST(RaceInfoTexts, ItemsSkipEmptyAndZero) {
  TRace r = CardRace();
  TRaceHeader& h = r.Header;
  h.Kai = 1;
  h.Nichi = 0;
  h.RaceName = Utf8ToCp932("シロツメカップ");
  h.Condition1 = Utf8ToCp932("サラ系３歳以上");
  h.Condition2 = "";
  h.CourseText = Utf8ToCp932("芝・左");
  h.Distance = 2400;
  h.Weather = Utf8ToCp932("晴");
  h.Going = "0";
  auto [a, b] = RaceInfoTexts(h);
  EXPECT_EQ(U(a), " 04/01/03 東京 1回 11R シロツメカップ");
  EXPECT_EQ(U(b), " サラ系３歳以上 3頭 芝・左 2400m 晴");
}

TEST(ReadingTimeTexts, OldestFirst) {
  TRace r = CardRace();
  r.Snapshots.push_back(EmptySnapshot());
  r.Snapshots.back().WinTime() = EncodeTime(15, 38, 59);
  EXPECT_EQ(ReadingTimeTexts(r), (std::vector<std::string>{"15:30", "15:38"}));
}

TEST(CardCellStyle, ColoursByColumn) {
  TSetting s;
  TRemarkables remarks;
  remarks.Parse(Utf8ToCp932("ヤマブキ,FFFFFF,800000\r\n"));
  TCardCellStyle frame = CardCellStyle(kColFrame, 2, " 3", s, remarks);
  EXPECT_EQ(frame.Back, kClRed);
  EXPECT_EQ(frame.Pieces[0].Color, kClWhite);
  EXPECT_FALSE(frame.KeepsHighlight);
  TCardCellStyle name = CardCellStyle(kColHorseName, 1, Utf8ToCp932("ヤマブキロンド"), s, remarks);
  EXPECT_EQ(name.Back, 0x800000u);
  EXPECT_EQ(name.Pieces[0].Color, 0xFFFFFFu);
  EXPECT_FALSE(name.KeepsHighlight);
  EXPECT_FALSE(CardCellStyle(kColJockey, 1, "", s, remarks).KeepsHighlight);
  EXPECT_FALSE(CardCellStyle(kColTrainer, 1, "", s, remarks).KeepsHighlight);
  TCardCellStyle win = CardCellStyle(kColWin, 2, "  12.5", s, remarks);
  EXPECT_EQ(win.Back, kClStripe);
  EXPECT_EQ(win.Pieces[0].Color, kClBlue);
  EXPECT_TRUE(win.KeepsHighlight);
  EXPECT_EQ(CardCellStyle(kColRen, 1, "   3.2", s, remarks).Pieces[0].Color, kClRed);
  TCardCellStyle place = CardCellStyle(kColPlace, 1, "  9.9- 10.5", s, remarks);
  ASSERT_EQ(place.Pieces.size(), 3u);
  EXPECT_EQ(place.Pieces[0].Text, "  9.9");
  EXPECT_EQ(place.Pieces[0].Color, kClRed);
  EXPECT_EQ(place.Pieces[1].Text, "-");
  EXPECT_EQ(place.Pieces[1].Color, kClWindowText);
  EXPECT_EQ(place.Pieces[2].Text, " 10.5");
  EXPECT_EQ(place.Pieces[2].Color, kClBlue);
  TCardCellStyle age = CardCellStyle(kColAge, 2, " 4", s, remarks);
  EXPECT_EQ(age.Back, kClStripe);
  EXPECT_EQ(age.Pieces[0].Color, kClWindowText);
  s.OddsColored = false;
  EXPECT_EQ(CardCellStyle(kColPlace, 1, "  9.9- 10.5", s, remarks).Pieces[2].Color, kClBlack);
}

TEST(CardClickBet, WinAndPlaceCells) {
  TCardRow row;
  row[kColHorseNo] = "  7";
  row[kColWin] = "  12.5";
  row[kColPlace] = "  3.1-  4.2";
  auto win = CardClickBet(kColWin, row);
  ASSERT_TRUE(win);
  EXPECT_EQ(U(win->Kind), "単");
  EXPECT_EQ(win->Combination, "  7");
  EXPECT_EQ(win->Odds, "  12.5");
  auto place = CardClickBet(kColPlace, row);
  ASSERT_TRUE(place);
  EXPECT_EQ(U(place->Kind), "複");
  EXPECT_EQ(place->Odds, "  3.1");
  EXPECT_FALSE(CardClickBet(kColRen, row));
  EXPECT_FALSE(CardClickBet(kColHorseNo, row));
  row[kColWin] = "";
  EXPECT_FALSE(CardClickBet(kColWin, row));
}

TEST(DeleteReading, TheReadingOfTheChosenTimeGoes) {
  TRace r = CardRace();
  r.Snapshots.push_back(EmptySnapshot());
  r.Snapshots[1].WinTime() = EncodeTime(15, 40, 0);
  EXPECT_EQ(U(DeleteReadingQuestion("15:30")),
            "15:30のデータを消去しますか?\n一度消去すると復活できません。");
  OddsSnapshot other = EmptySnapshot();
  other.WinTime() = EncodeTime(15, 35, 0);
  EXPECT_FALSE(DeleteReading(r, other)) << "no reading of that time";
  // Chosen before a later page filled in more of it: its time decides.
  OddsSnapshot seen = r.Snapshots[0];
  seen.Quinella(1, 2) = 99.9;
  ASSERT_TRUE(DeleteReading(r, seen));
  ASSERT_EQ(r.Snapshots.size(), 1u);
  EXPECT_EQ(ReadingTimeTexts(r)[0], "15:40");
  // Of two readings of one time the one equal in every cell goes.
  r.Snapshots.push_back(r.Snapshots[0]);
  r.Snapshots[1].Win(1) = 7.7;
  const OddsSnapshot second = r.Snapshots[1];
  ASSERT_TRUE(DeleteReading(r, second));
  ASSERT_EQ(r.Snapshots.size(), 1u);
  EXPECT_NE(r.Snapshots[0].Win(1), 7.7);
}

TEST(CardHeaders, TextsAndWidths) {
  EXPECT_EQ(U(CardHeaders()[2]), "馬　名");
  EXPECT_EQ(U(CardHeaders()[15]), "着差");
  EXPECT_EQ(CardColumnWidths()[2], 124);
  EXPECT_EQ(CardColumnWidths()[12], 73);
}

}  // namespace
}  // namespace vorpa
