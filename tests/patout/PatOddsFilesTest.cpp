// The odds files ZO-, UO- (three layouts) and SO-, byte for byte: final and
// interim readings, scratched horses and their frames, NoOdds cells.
#include <gtest/gtest.h>

#include "patout/PatOddsFiles.h"
#include "patout/PatTestRace.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::PadR;
using test::PatRace;
using test::ReadFileBytes;
using test::Sj;
using test::TempDir;

const std::string kTori = Sj("ﾄﾘｹｼ");

// A 10-runner race with horses 5 (frame 5) and 9 (frame 8) scratched and
// one reading: win 30 seconds before post, quinella 5 minutes before.
TRace OddsRace(int runners = 10) {
  TRace race = PatRace(runners);
  race.Runner(5).Finish = -1;
  if (runners >= 9) race.Runner(9).Finish = -1;
  OddsSnapshot s = EmptySnapshot();
  s.WinTime() = EncodeTime(15, 39, 30);
  s.QuinellaTime() = EncodeTime(15, 35, 0);
  s.WideTime() = EncodeTime(15, 35, 10);
  s.ExactaTime() = EncodeTime(15, 35, 20);
  s.Win(1) = 2.3;
  s.PlaceLow(1) = 1.1;
  s.PlaceHigh(1) = 1.5;
  s.PlaceLow(2) = 1234.4;
  s.PlaceHigh(2) = 100000;
  s.Bracket(1, 1) = 12.5;
  s.Bracket(5, 8) = 45.6;
  s.Quinella(1, 2) = 12.3;
  s.WideLow(1, 2) = 3.4;
  s.WideHigh(1, 2) = 4.5;
  s.Quinella(1, 3) = 12345.6;
  s.Exacta(1, 2) = 23.4;
  s.Exacta(2, 1) = 31.5;
  race.Snapshots.push_back(s);
  return race;
}

std::string Header(const char* status, const char* hhnn, const char* count) {
  return std::string("20261206") + "20261206" + "01" + "20261206" + "01" + Sj("東京") + "2026" + "05" + "08" + "11" +
         status + hhnn + PadR(Sj("霜月ステークス"), 28) + PadR(Sj("サラ系３歳以上オープン"), 28) +
         std::string(36, ' ') + count;
}

// Offset of bracket cell j-k in the ZO- body's bracket block.
size_t Cell(int j, int k) {
  size_t idx = 0;
  for (int f = 1; f < j; ++f) idx += 9 - f;
  return 142 + 324 + (idx + k - j) * 10;
}

TEST(IsFinalReading, PostTimeWindowAndLateReadings) {
  TRace race = PatRace(9);
  EXPECT_TRUE(IsFinalReading(race, EncodeTime(15, 39, 30)));
  EXPECT_TRUE(IsFinalReading(race, EncodeTime(15, 42, 10)));
  EXPECT_FALSE(IsFinalReading(race, EncodeTime(15, 39, 0)));
  EXPECT_FALSE(IsFinalReading(race, EncodeTime(15, 35, 0)));
  race.Header.StartTime = 0;
  EXPECT_FALSE(IsFinalReading(race, EncodeTime(15, 39, 30)));
}

TEST(WriteZoFile, WinPlaceAndBracketCellsWithScratchedFrames) {
  TempDir tmp;
  const TRace race = OddsRace();
  const std::string file = ReadFileBytes(WriteZoFile(tmp.Path(), race, 0, false));
  ASSERT_EQ(file.size(), 828u);
  EXPECT_EQ(file.substr(0, 142), Header("13", "1540", "10"));
  EXPECT_EQ(file.substr(142, 18), "0 1  2.3  1.1  1.5");
  EXPECT_EQ(file.substr(160, 18), "0 2 -1.0 123499999");
  EXPECT_EQ(file.substr(142 + 4 * 18, 18), "9 5 " + kTori + " " + kTori + " " + kTori);
  EXPECT_EQ(file.substr(142 + 10 * 18, 8 * 18), std::string(144, ' '));
  EXPECT_EQ(file.substr(Cell(1, 1), 10), "0 1-1 12.5");
  EXPECT_EQ(file.substr(Cell(1, 2), 10), "  1-2     ");
  EXPECT_EQ(file.substr(Cell(5, 5), 10), "9 5-5 " + kTori);
  EXPECT_EQ(file.substr(Cell(5, 6), 10), "  5-6     ");
  EXPECT_EQ(file.substr(Cell(5, 8), 10), "0 5-8 45.6") << "odds win over the scratch marking";
  EXPECT_EQ(file.substr(Cell(8, 8), 10), "9 8-8 " + kTori);
  EXPECT_EQ(file.substr(826), "Z\r");

  const std::string v50 = ReadFileBytes(WriteZoFile(tmp.Path() + "v50", race, 0, true));
  ASSERT_EQ(v50.size(), 861u);
  EXPECT_EQ(v50.substr(0, 826), file.substr(0, 826));
  EXPECT_EQ(v50.substr(826), "          0          0          0Z\r");
}

TEST(WriteZoFile, InterimLateAndUnknownPostTimes) {
  TempDir tmp;
  TRace race = OddsRace();
  race.Snapshots[0].WinTime() = EncodeTime(15, 35, 0);
  EXPECT_EQ(ReadFileBytes(WriteZoFile(tmp.Path(), race, 0, false)).substr(42, 6), "031535");
  race.Snapshots[0].WinTime() = EncodeTime(15, 42, 10);
  EXPECT_EQ(ReadFileBytes(WriteZoFile(tmp.Path(), race, 0, false)).substr(42, 6), "131540");
  race.Header.StartTime = 0;
  EXPECT_EQ(ReadFileBytes(WriteZoFile(tmp.Path(), race, 0, false)).substr(42, 6), "031542");
}

TEST(WriteUoFile, ThreeLayoutsPadToEighteenRunners) {
  TempDir tmp;
  const TRace race = OddsRace();
  const std::string p95 = ReadFileBytes(WriteUoFile(tmp.Path() + "95", Pat95, race, 0));
  ASSERT_EQ(p95.size(), 1980u);
  EXPECT_EQ(p95.substr(0, 142), Header("0 ", "1535", "10"));
  EXPECT_EQ(p95.substr(142, 36), "0 1- 2  12.3" "0 1- 3 12346" "0 1- 4  -1.0");
  EXPECT_EQ(p95.substr(142 + 3 * 12, 12), "9 1- 5  " + kTori);
  EXPECT_EQ(p95.substr(142 + 45 * 12), std::string(1836 - 45 * 12, ' ') + "Z\r");

  const std::string p98 = ReadFileBytes(WriteUoFile(tmp.Path() + "98", Pat98, race, 0));
  ASSERT_EQ(p98.size(), 3971u);
  EXPECT_EQ(p98.substr(0, 144), Header("0 ", "1535", "10") + "11");
  EXPECT_EQ(p98.substr(144, 25), "00 1- 2  12.3   3.4   4.5");
  EXPECT_EQ(p98.substr(144 + 3 * 25, 25), "99 1- 5  " + kTori + "  " + kTori + "  " + kTori);
  EXPECT_EQ(p98.substr(144 + 45 * 25), std::string(3825 - 45 * 25, ' ') + "Z\r");

  const std::string v50 = ReadFileBytes(WriteUoFile(tmp.Path() + "v50", PatV50, race, 0));
  ASSERT_EQ(v50.size(), 3993u);
  EXPECT_EQ(v50.substr(0, 3969), p98.substr(0, 3969));
  EXPECT_EQ(v50.substr(3969), "          0          0Z\r");
}

TEST(WriteUoFile, NineRunnersHoldThirtySixPairs) {
  TempDir tmp;
  const std::string file = ReadFileBytes(WriteUoFile(tmp.Path(), Pat95, OddsRace(9), 0));
  ASSERT_EQ(file.size(), 1980u);
  EXPECT_EQ(file.substr(142 + 35 * 12, 12), "9 8- 9  " + kTori);
  EXPECT_EQ(file.substr(142 + 36 * 12, 1836 - 36 * 12), std::string(1836 - 36 * 12, ' '));
}

TEST(WriteSoFile, OrderedPairsOfNineRunners) {
  TempDir tmp;
  const std::string file = ReadFileBytes(WriteSoFile(tmp.Path(), OddsRace(9), 0));
  ASSERT_EQ(file.size(), 3827u);
  EXPECT_EQ(file.substr(0, 142), Header("0 ", "1535", "09"));
  EXPECT_EQ(file.substr(142, 24), "0 1> 2  23.4" "0 1> 3  -1.0");
  EXPECT_EQ(file.substr(142 + 3 * 12, 12), "9 1> 5  " + kTori);
  EXPECT_EQ(file.substr(142 + 8 * 12, 12), "0 2> 1  31.5");
  EXPECT_EQ(file.substr(142 + 71 * 12, 12), "9 9> 8  " + kTori);
  EXPECT_EQ(file.substr(142 + 72 * 12), std::string(3672 - 72 * 12, ' ') + "          0Z\r");
}

TEST(WriteOddsFiles, AbsurdRecordsKeepFixedLengths) {
  TempDir tmp;
  TRace race = OddsRace();
  race.Header.RunnerCount = 0;
  race.Header.RaceName = Sj("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄﾅﾆﾇﾈﾉﾊﾋﾌﾍﾎ");
  race.Snapshots[0] = EmptySnapshot();
  EXPECT_EQ(ReadFileBytes(WriteZoFile(tmp.Path(), race, 0, true)).size(), 861u);
  EXPECT_EQ(ReadFileBytes(WriteUoFile(tmp.Path(), PatV50, race, 0)).size(), 3993u);
  EXPECT_EQ(ReadFileBytes(WriteSoFile(tmp.Path(), race, 0)).size(), 3827u);
}

}  // namespace
}  // namespace vorpa
