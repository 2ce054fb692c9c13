// The result page decoder.
#include <gtest/gtest.h>

#include "core/Clock.h"
#include "core/DayCount.h"
#include "core/Setting.h"
#include "ipat/IPatDecode.h"
#include "support/IPatPageBuilder.h"

namespace vorpa {
namespace {

using test::Sj;
using test::TPageBuilder;

const std::string kOrder = "[5][1,1][1][2,1][1]";
const std::string kPay = "[5][3,1][2][2,1][1]";

class ResultTest : public ::testing::Test {
 protected:
  ResultTest() : clock(EncodeDate(2026, 12, 6) + 0.7), ipat(setting, clock) {
    ipat.Init();
    ClearRace(ipat.Race, Sj("東京"), 11, EncodeDate(2026, 12, 6));
    ipat.Race.Header.RunnerCount = 12;
  }
  int Run(const TPageBuilder& b) {
    TIPatPage page(b.Tables(), b.Forms());
    return DecodeResult(ipat, page);
  }
  // Finishing place k: horse h with a margin.
  static void Place(TPageBuilder& b, int k, const std::string& horse, const std::string& margin) {
    b.T(kOrder + (k <= 9 ? Cell(k + 1, 3) : Cell(k - 8, 8)) + "<1>", horse);
    b.T(kOrder + (k <= 9 ? Cell(k + 1, 5) : Cell(k - 8, 10)) + "<1>", margin);
  }
  static void Entry(TPageBuilder& b, const std::string& section, int k, const std::string& combo,
                    const std::string& pay) {
    b.T(kPay + section + Cell(k, 1) + "<1>", combo);
    b.T(kPay + section + Cell(k, 2) + "<1>", pay);
  }
  TSetting setting;
  TPinnedClock clock;
  TIPat ipat;
};

TEST_F(ResultTest, OrderAndPayouts) {
  TPageBuilder b;
  Place(b, 1, "3", "");  // a winner without margin is not recorded
  Place(b, 2, "12", "クビ");
  Place(b, 3, "5", "1/2");
  for (int k = 4; k <= 14; ++k) Place(b, k, std::to_string(k == 12 ? 1 : k + 20), "1");
  Entry(b, "[2,1][1]", 1, "3", "1,230円");
  Entry(b, "[2,2][2]", 1, "3", "150円");
  Entry(b, "[2,2][2]", 2, "12", "320円");
  Entry(b, "[2,3][3]", 1, "2－7", "2,050円");
  Entry(b, "[2,4][4]", 1, "3－12", "880円");
  Entry(b, "[4,1][6]", 1, "3－12", "4,560");  // no "円": payout 0
  Entry(b, "[4,2][7]", 1, "3→12", "9,870円");
  Entry(b, "[4,3][8]", 1, "1－5－9", "12,340円");
  Entry(b, "[4,4][9]", 1, "3→12→5", "123,450円");
  ipat.Race.Result.QuinellaPair[0] = {7, 8};
  ipat.Race.Runner(4).Finish = -1;
  ASSERT_EQ(Run(b), 0);
  const TRaceResult& r = ipat.Race.Result;
  EXPECT_EQ(ipat.Race.Runner(3).Finish, 0);
  EXPECT_EQ(ipat.Race.Runner(12).Finish, 2);
  EXPECT_EQ(ipat.Race.Runner(12).Margin, Sj("クビ"));
  EXPECT_EQ(ipat.Race.Runner(5).Finish, 3);
  EXPECT_EQ(ipat.Race.Runner(1).Finish, 12);  // place 12 is read
  EXPECT_EQ(ipat.Race.Runner(4).Finish, -1);  // scratched, not listed
  EXPECT_EQ(r.WinHorse[0], 3);
  EXPECT_EQ(r.WinPay[0], 1230);
  EXPECT_EQ(r.WinHorse[1], 0);
  EXPECT_EQ(r.PlaceHorse[1], 12);
  EXPECT_EQ(r.PlacePay[1], 320);
  EXPECT_EQ(r.BracketPair[0], (std::array<int, 2>{2, 7}));
  EXPECT_EQ(r.BracketPay[0], 2050);
  EXPECT_EQ(r.WidePair[0], (std::array<int, 2>{3, 12}));
  EXPECT_EQ(r.QuinellaPay[0], 0);
  EXPECT_EQ(r.QuinellaPair[0], (std::array<int, 2>{7, 8}));  // kept
  EXPECT_EQ(r.ExactaPair[0], (std::array<int, 2>{3, 12}));
  EXPECT_EQ(r.ExactaPay[0], 9870);
  EXPECT_EQ(r.TrioSet[0], (std::array<int, 3>{1, 5, 9}));
  EXPECT_EQ(r.TrifectaSet[0], (std::array<int, 3>{3, 12, 5}));
  EXPECT_EQ(r.TrifectaPay[0], 123450);
  EXPECT_EQ(r.RefundText, "");
  EXPECT_FALSE(HasResult(ipat.Race));
}

TEST_F(ResultTest, OnlyTheFirstRunnerCountPlacesAreRead) {
  TPageBuilder b;
  for (int k = 1; k <= 14; ++k) Place(b, k, std::to_string(k), "1");
  ASSERT_EQ(Run(b), 0);
  EXPECT_EQ(ipat.Race.Runner(12).Finish, 12);
  EXPECT_EQ(ipat.Race.Runner(13).Finish, 0);
  EXPECT_EQ(ipat.Race.Runner(10).Finish, 10);  // second column block
}

TEST_F(ResultTest, RefundsAndAbsurdNumbers) {
  TPageBuilder b;
  Place(b, 1, "40", "1");  // no such runner entry
  Place(b, 2, "-3", "1");
  Entry(b, "[2,5][5]", 1, "", "");
  Entry(b, "[2,5][5]", 2, "取消 5番", "");
  Entry(b, "[2,4][4]", 5, "1－99999999999", "100円");
  ASSERT_EQ(Run(b), 0);
  EXPECT_EQ(ipat.Race.Result.RefundText, Sj("取消 5番"));
  EXPECT_EQ(ipat.Race.Result.WidePair[4], (std::array<int, 2>{1, 0}));
  for (int h = 1; h <= 18; ++h) EXPECT_EQ(ipat.Race.Runner(h).Finish, 0);
}

TEST_F(ResultTest, NoFirstPlaceIsCode28) {
  TPageBuilder b;
  b.T("[2][1,1]<1>", "単・複・枠連オッズ");
  EXPECT_EQ(Run(b), 28);
}

}  // namespace
}  // namespace vorpa
