// The result tab's lines: vote totals with shares, finishing order with
// margins, payout blocks and the refund line.
#include <gtest/gtest.h>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "view/NumberPattern.h"
#include "view/ResultText.h"

namespace vorpa {
namespace {

std::vector<std::string> U(const std::vector<std::string>& lines) {
  std::vector<std::string> out;
  for (const std::string& l : lines) out.push_back(Cp932ToUtf8(l));
  return out;
}

TRace EmptyRace(int runners) {
  TRace r;
  ClearRace(r, Utf8ToCp932("京都"), 3, EncodeDate(2026, 12, 6));
  r.Header.RunnerCount = runners;
  return r;
}

TEST(NumberPattern, ThousandsAndPercent) {
  EXPECT_EQ(ThousandsText(0), "0");
  EXPECT_EQ(ThousandsText(999.5), "1,000");
  EXPECT_EQ(ThousandsText(1234567), "1,234,567");
  EXPECT_EQ(ThousandsText(-1234.4), "-1,234");
  EXPECT_EQ(ThousandsText(-0.2), "0");
  EXPECT_EQ(PercentText(60), " (60.0%)");
  EXPECT_EQ(PercentText(33.333), " (33.3%)");
}

TEST(ResultText, VoteTotalsAndShares) {
  TRace r = EmptyRace(10);
  EXPECT_TRUE(VoteLines(r).empty());
  // Without a grand total the sum is the total, and the shares add up to 100 %.
  r.Votes[0] = 1234567LL * 10000;
  r.Votes[1] = 822'000LL * 10000 + 4000;  // 822,000.4 tickets
  EXPECT_EQ(U(VoteLines(r)), (std::vector<std::string>{
                                 "単勝　票数      1,234,567 (60.0%)",
                                 "複勝　票数        822,000 (40.0%)",
                                 "",
                                 "総票数合計      2,056,567",
                             }));
  // A grand total, when read, is the base of the shares.
  r.Votes[8] = 4'113'134LL * 10000;
  EXPECT_EQ(U(VoteLines(r))[0], "単勝　票数      1,234,567 (30.0%)");
  EXPECT_EQ(U(VoteLines(r))[3], "総票数合計      4,113,134");
  r.Votes[5] = 5000LL * 10000;
  EXPECT_EQ(U(VoteLines(r))[2], "ワイド票数          5,000 (0.1%)");
  // Totals of a damaged file that overflow the sum do not wrap around.
  r.Votes[8] = 0;
  r.Votes[2] = r.Votes[3] = INT64_MAX / 2 + 1;
  EXPECT_EQ(U(VoteLines(r)).back(), "総票数合計922,337,203,685,478");
}

TEST(ResultText, MarginsWithDeadHeats) {
  TRace r = EmptyRace(5);
  EXPECT_TRUE(MarginLines(r).empty());
  auto set = [&](int h, int finish, const char* margin) {
    r.Runner(h).Finish = finish;
    r.Runner(h).Margin = Utf8ToCp932(margin);
  };
  set(4, 1, "1:34.5");
  set(2, 1, "1:34.5");  // dead heat: listed by horse number
  set(1, 3, "ハナ");
  set(5, 4, "");      // no margin: not listed
  set(3, -1, "");
  EXPECT_EQ(U(MarginLines(r)), (std::vector<std::string>{
                                   "着　差  1  2  1:34.5",
                                   "　　　  1  4  1:34.5",
                                   "　　　  3  1  ハナ",
                               }));
}

TEST(ResultText, PayoutBlocks) {
  TRace r = EmptyRace(12);
  EXPECT_TRUE(PayoutLines(r).empty());
  TRaceResult& p = r.Result;
  p.WinHorse = {3, 7};  // dead heat for first
  p.WinPay = {450, 1230};
  p.PlaceHorse = {3, 7, 0, 0};  // only two paid: still two lines
  p.PlacePay = {150, 380, 0, 0};
  p.WidePair = {{{3, 7}, {0, 0}, {0, 0}, {0, 0}, {0, 0}}};
  p.WidePay = {980, 0, 0, 0, 0};
  p.TrifectaSet = {{{3, 7, 11}, {7, 3, 11}}};
  p.TrifectaPay = {123456, 98765};
  EXPECT_EQ(U(PayoutLines(r)), (std::vector<std::string>{
                                   "単　勝  3 / 450",
                                   "　　　  7 / 1,230",
                                   "",
                                   "複　勝  3 / 150",
                                   "　　　  7 / 380",
                                   "",
                                   "ワイド  3- 7 / 980",
                                   "　　　  0- 0 / 0",
                                   "　　　  0- 0 / 0",
                                   "",
                                   "３連単  3- 7-11 / 123,456",
                                   "　　　  7- 3-11 / 98,765",
                               }));
  // A third place line only when that horse is set.
  p.PlaceHorse[2] = 11;
  p.PlacePay[2] = 560;
  EXPECT_EQ(U(PayoutLines(r))[5], "　　　 11 / 560");
}

TEST(ResultText, RefundAfterAnEmptyLineEvenWithoutPayouts) {
  TRace r = EmptyRace(12);
  r.Result.RefundText = Utf8ToCp932("馬番 5");
  EXPECT_EQ(U(PayoutLines(r)), (std::vector<std::string>{"", "返　還 馬番 5"}));
  EXPECT_EQ(Cp932ToUtf8(JoinLines(PayoutLines(r))), "\n返　還 馬番 5");
}

}  // namespace
}  // namespace vorpa
