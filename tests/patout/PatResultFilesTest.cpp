// The result and payout files KS- of the three flavours, byte for byte:
// dead heats, runners without a margin, the seven-entry limit, optional
// payout entries.
#include <gtest/gtest.h>

#include "patout/PatResultFiles.h"
#include "patout/PatTestRace.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::PadR;
using test::PatRace;
using test::ReadFileBytes;
using test::Sj;
using test::TempDir;

void Finish(TRace& race, int h, int pos, const char* margin) {
  race.Runner(h).Finish = pos;
  race.Runner(h).Margin = Sj(margin);
}

// Horses 3 and 7 dead-heat for first; horse 2 has no margin; horses 5, 8
// and 9 share position 7 after six earlier entries.
TRace ResultRace() {
  TRace race = PatRace(10);
  Finish(race, 3, 1, "1:33.5");
  Finish(race, 7, 1, "1:33.5");
  Finish(race, 1, 3, "クビ");
  Finish(race, 2, 4, "");
  Finish(race, 4, 4, "1/2");
  Finish(race, 6, 5, "ハナ差だけ");
  Finish(race, 10, 6, "2");
  Finish(race, 5, 7, "大差");
  Finish(race, 8, 7, "1 1/4");
  Finish(race, 9, 7, "アタマ");
  TRaceResult& r = race.Result;
  r.WinHorse = {3, 7};
  r.WinPay = {210, 190};
  r.PlaceHorse = {3, 7, 1, 0};
  r.PlacePay = {110, 100, 230, 0};
  r.BracketPair = {{{3, 7}, {0, 0}}};
  r.BracketPay = {540, 0};
  r.QuinellaPair = {{{3, 7}, {0, 0}}};
  r.QuinellaPay = {620, 0};
  r.WidePair = {{{3, 7}, {1, 3}, {1, 7}, {0, 0}, {0, 0}}};
  r.WidePay = {250, 400, 380, 0, 0};
  r.ExactaPair = {{{3, 7}, {7, 3}}};
  r.ExactaPay = {800, 760};
  r.TrioSet = {{{1, 3, 7}, {0, 0, 0}}};
  r.TrioPay = {1200, 0};
  r.TrifectaSet = {{{3, 7, 1}, {7, 3, 1}}};
  r.TrifectaPay = {5000, 5200};
  return race;
}

std::string Head() {
  return "20261206" + Sj("東京") + "2026" + "05" + "08" + "11" + PadR(Sj("晴"), 4) + PadR(Sj("良"), 8) +
         PadR(Sj("霜月ステークス"), 28) + PadR(Sj("サラ系３歳以上オープン"), 28);
}

std::string Placings() {
  const std::string name = PadR(Sj("ﾊﾙｶｾﾞ"), 18), pad(12, ' ');
  return "1  3" + name + "1:33.5" + pad + "1  7" + name + "1:33.5" + pad + "3  1" + name + "  " + Sj("クビ") + pad +
         "4  4" + name + "   1/2" + pad + "5  6" + name + Sj("ハナ差") + pad + "6 10" + name + "     2" + pad +
         "7  5" + name + "  " + Sj("大差") + pad;
}

const std::string kCommon = " 3     210" " 7     190" + std::string(10, ' ') + " 3     110" " 7     100" " 1     230" +
                            std::string(20, ' ') + " 3-7     540" + std::string(24, ' ') + "  3- 7     620" +
                            std::string(14, ' ');
const std::string kWide = "  3- 7     250" "  1- 3     400" "  1- 7     380" + std::string(28, ' ');

TEST(WriteKsFile, ThreeFlavoursByteForByte) {
  TempDir tmp;
  const TRace race = ResultRace();
  ASSERT_EQ(Head().size(), 90u);
  ASSERT_EQ(Placings().size(), 280u);

  const std::string p95 = WriteKsFile(tmp.Path() + "95", Pat95, race);
  EXPECT_EQ(p95, tmp.Path() + "95/KS-5658B.JRA");
  EXPECT_EQ(ReadFileBytes(p95), Head() + Placings() + "1111" + kCommon + std::string(28, ' ') +
                                    "         0         0   0" + "Z\r");
  EXPECT_EQ(ReadFileBytes(p95).size(), 572u);

  const std::string p98 = ReadFileBytes(WriteKsFile(tmp.Path() + "98", Pat98, race));
  EXPECT_EQ(p98, Head() + Placings() + "11111" + kCommon + std::string(14, ' ') + kWide + std::string(83, ' ') +
                     "         0         0   0" + "Z\r");
  EXPECT_EQ(p98.size(), 712u);

  const std::string v50 = ReadFileBytes(WriteKsFile(tmp.Path() + "v50", PatV50, race));
  EXPECT_EQ(v50, Head() + Placings() + "1111111" + kCommon + std::string(14, ' ') + kWide + std::string(70, ' ') + "  3> 7     800" +
                     "  7> 3     760" + std::string(56, ' ') + "  1- 3- 7    1200" + std::string(17 + 34, ' ') +
                     "  3- 7- 1    5000" + "  7- 3- 1    5200" + std::string(34, ' ') + "     0         0   0" + "Z\r");
  EXPECT_EQ(v50.size(), 917u);
}

TEST(WriteKsFile, AbsentEntriesAreBlanksOrZeros) {
  TempDir tmp;
  TRace race = ResultRace();
  race.Result.PlaceHorse[2] = 0;  // seven runners or fewer: two places
  race.Result.WinHorse[1] = 0;    // no dead heat
  race.Result.BracketPair[0] = {0, 0};
  race.Result.BracketPay[0] = 0;
  race.Runner(7).Margin.clear();
  const std::string file = ReadFileBytes(WriteKsFile(tmp.Path(), Pat95, race));
  ASSERT_EQ(file.size(), 572u);
  EXPECT_EQ(file.substr(90 + 40, 40).substr(0, 4), "3  1") << "horse 7 without margin is left out";
  EXPECT_EQ(file.substr(90 + 5 * 40, 4), "7  5");
  EXPECT_EQ(file.substr(90 + 6 * 40, 4), "7  8") << "the next runner of position 7 moves up";
  const size_t pay = 90 + 280 + 4;
  EXPECT_EQ(file.substr(pay, 30), " 3     210" + std::string(20, ' '));
  EXPECT_EQ(file.substr(pay + 30, 50), " 3     110" " 7     100" + std::string(30, ' '));
  EXPECT_EQ(file.substr(pay + 80, 12), " 0-0       0");
}

}  // namespace
}  // namespace vorpa
