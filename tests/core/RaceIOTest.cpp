// The race data file: the 2.1 writer line by line, the 2.x and 1.xx
// loaders, stop rules, file names and the date listing, on real files.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <filesystem>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceFields.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "core/TextUtil.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::MakeRace;
using test::RaceRecipe;

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  size_t start = 0;
  for (size_t at; (at = text.find("\r\n", start)) != std::string::npos; start = at + 2)
    out.push_back(text.substr(start, at - start));
  EXPECT_EQ(start, text.size()) << "every line ends with CR LF";
  return out;
}

const std::string* LineWith(const std::vector<std::string>& lines, const std::string& prefix) {
  for (const std::string& l : lines)
    if (l.rfind(prefix, 0) == 0) return &l;
  return nullptr;
}

// Number of blank-separated values after the tag.
int Values(const std::string& line) { return static_cast<int>(std::count(line.begin(), line.end(), ' ')); }

TRace Decoded(const std::string& bytes, std::string_view venue = "V", int no = 1) {
  TRace race;
  ClearRace(race, venue, no, 0);
  DecodeRace(bytes, race);
  return race;
}

TEST(RaceFileWriter, SixteenRunnersGiveSixteenLinesAndValueCounts) {
  RaceRecipe r;
  r.Runners = 16;
  r.Readings = 2;
  const std::vector<std::string> lines = Lines(FormatRace(MakeRace(r)));
  EXPECT_EQ(lines[0], "VORPADAT 2.1");
  EXPECT_EQ(lines[1], "HC07");
  EXPECT_EQ(lines[9], "SC16");
  for (int h = 1; h <= 16; ++h) EXPECT_EQ(lines[9 + h].substr(0, 3), "S" + std::string(h < 10 ? "0" : "") + std::to_string(h));
  EXPECT_EQ(lines[26], "RC17");
  EXPECT_EQ(Values(*LineWith(lines, "Z02")), 16);
  EXPECT_EQ(Values(*LineWith(lines, "Z05")), 36);
  EXPECT_EQ(Values(*LineWith(lines, "Z07")), 120);
  EXPECT_EQ(Values(*LineWith(lines, "Z09")), 240);
  EXPECT_EQ(Values(*LineWith(lines, "Z12")), 120);
  EXPECT_NE(LineWith(lines, "DC02"), nullptr);
  EXPECT_NE(LineWith(lines, "D02 ZC12"), nullptr);
}

TEST(RaceFileWriter, HeaderAndRunnerColumns) {
  TRace race = MakeRace();
  race.Header.StartTime = EncodeTime(9, 5, 0);
  race.Header.Nichi = 12;
  TSyutuba& s = race.Runner(10);
  s.FrameNo = 5;
  s.HorseName = Utf8ToCp932("アオゾラ");
  s.Sex = 2;
  s.Age = 4;
  s.BodyWeight = 486;
  s.WeightDiffKnown = true;
  s.WeightDiff = -4;
  s.JockeyName = Utf8ToCp932("山田太郎");
  s.Burden = 57;
  s.ApprenticeMark = Utf8ToCp932("▲");
  s.TrainerName = Utf8ToCp932("林檀");
  s.Finish = -1;
  s.Margin = "";
  race.Runner(11).WeightDiff = 6;
  race.Runner(11).Burden = 55.5;
  const std::vector<std::string> lines = Lines(FormatRace(race));
  EXPECT_EQ(lines[2], "H01 20261206" + Utf8ToCp932("東京") + "11 512090500240018");
  EXPECT_EQ(lines[3], "H02 " + race.Header.RaceName);
  const std::string& l = lines[19];  // S10
  EXPECT_EQ(l.substr(0, 5), "S10 5");
  EXPECT_EQ(l.substr(5, 18), Utf8ToCp932("アオゾラ") + std::string(10, ' '));
  EXPECT_EQ(l.substr(23, 11), "-2 4486" "1-04");
  EXPECT_EQ(l.substr(52, 4), "57.0");
  EXPECT_EQ(l.substr(56, 2), Utf8ToCp932("▲"));
  EXPECT_EQ(l.substr(76, 2), "-1");
  EXPECT_EQ(l.size(), 78u);
  EXPECT_EQ(lines[20].substr(31, 3), "006");
  EXPECT_EQ(lines[20].substr(52, 4), "55.5");

  TRace back = Decoded(FormatRace(race));
  EXPECT_EQ(back.Runner(10).WeightDiff, -4);
  EXPECT_EQ(back.Runner(10).Finish, -1);
  EXPECT_EQ(back.Runner(10).Sex, 2);
  EXPECT_EQ(back.Runner(10).ApprenticeMark, Utf8ToCp932("▲"));
  EXPECT_EQ(back.Runner(11).WeightDiff, 6);
  EXPECT_EQ(back.Runner(11).Burden, 55.5);
  EXPECT_EQ(back.Header.StartTime, EncodeTime(9, 5, 0));
}

TEST(RaceFileWriter, NoResultNoSnapshotsStillNineVoteLines) {
  RaceRecipe r;
  r.Result = false;
  r.Readings = 0;
  TRace race = MakeRace(r);
  race.Votes.fill(0);
  const std::string text = FormatRace(race);
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(LineWith(lines, "RC"), nullptr);
  EXPECT_EQ(LineWith(lines, "DC"), nullptr);
  ASSERT_EQ(lines[lines.size() - 10], "TC09");
  for (int k = 1; k <= 9; ++k) EXPECT_EQ(lines[lines.size() - 10 + k], "T0" + std::to_string(k) + " 0");
}

TEST(RaceFileWriter, ValuesPrintInShortestFormAndTimesAsSixDigits) {
  TRace race;
  ClearRace(race, Utf8ToCp932("中山"), 1, EncodeDate(2026, 1, 5));
  race.Header.RunnerCount = 2;
  race.Votes[0] = 12345670000;
  race.Votes[1] = 12345;  // 1.2345 votes
  race.Snapshots.push_back(EmptySnapshot());
  race.Snapshots[0].Win(1) = 3.4;
  race.Snapshots[0].Win(2) = 12;
  race.Snapshots[0].ExactaTime() = EncodeTime(13, 2, 9);
  const std::vector<std::string> lines = Lines(FormatRace(race));
  EXPECT_NE(LineWith(lines, "T01 1234567\0"), nullptr);
  EXPECT_EQ(*LineWith(lines, "T01"), "T01 1234567");
  EXPECT_EQ(*LineWith(lines, "T02"), "T02 1.2345");
  EXPECT_EQ(*LineWith(lines, "Z01"), "Z01 000000");
  EXPECT_EQ(*LineWith(lines, "Z02"), "Z02 3.4 12");
  EXPECT_EQ(*LineWith(lines, "Z03"), "Z03 -1 -1");
  EXPECT_EQ(*LineWith(lines, "Z07"), "Z07 -1");
  EXPECT_EQ(*LineWith(lines, "Z08"), "Z08 130209");
  EXPECT_EQ(*LineWith(lines, "Z09"), "Z09 -1 -1");

  race.Header.RunnerCount = 0;
  const std::vector<std::string> bare = Lines(FormatRace(race));
  EXPECT_EQ(*LineWith(bare, "Z02"), "Z02");
  EXPECT_EQ(*LineWith(bare, "Z11"), "Z11");
  EXPECT_EQ(Values(*LineWith(bare, "Z05")), 36);
}

TEST(RaceFileWriter, NumbersMatchTheFifteenDigitGeneralForm) {
  std::vector<double> values = {0.0, -0.0, 1, -1, 3.4, 12, 0.1 + 0.2, 1e-5, 123456789012345.0,
                                1e15, 1e16, 2.5e-300, 99999.95, 1234567.8, 0.05, 1e13 - 0.1};
  uint64_t x = 88172645463325252ull;
  for (int i = 0; i < 20000; ++i) {
    x ^= x << 13, x ^= x >> 7, x ^= x << 17;
    const double r = static_cast<double>(x % 100000000) / 1000;
    values.push_back(r);
    values.push_back(std::round(r * 10) / 10);
    values.push_back(-std::round(r) / 10);
    values.push_back(static_cast<double>(x % 4000000000000000ull) / 10);
  }
  for (double v : values) {
    char want[64];
    std::snprintf(want, sizeof want, "%.15g", v);
    std::string got;
    raceio::AppendGeneral(got, v);
    ASSERT_EQ(got, want) << v;
  }
}

TEST(RaceFileWriter, MoreThan99SnapshotsKeepTheFirstAndTheNewest98) {
  RaceRecipe r;
  r.Readings = 101;
  TRace race = MakeRace(r);
  for (int k = 0; k < 101; ++k) race.Snapshots[k].WinTime() = EncodeTime(9, 0, 0) + k / 1440.0;
  TRace back = Decoded(FormatRace(race));
  ASSERT_EQ(back.Snapshots.size(), 99u);
  EXPECT_EQ(back.Snapshots[0].WinTime(), race.Snapshots[0].WinTime());
  EXPECT_EQ(back.Snapshots[1].WinTime(), race.Snapshots[3].WinTime());
  EXPECT_EQ(back.Snapshots[98].WinTime(), race.Snapshots[100].WinTime());
}

TEST(RaceFileWriter, UnfilledEntryIsWrittenAtItsSlotAndLaterEntriesLoad) {
  TRace race = MakeRace();
  race.Runner(5) = TSyutuba{};
  race.Runner(5).HorseName = "stray";
  TRace back = Decoded(FormatRace(race));
  EXPECT_EQ(back.Runner(5).HorseNo, 5);
  EXPECT_EQ(back.Runner(5).HorseName, "");
  EXPECT_EQ(back.Runner(5).Sex, 9);
  EXPECT_EQ(back.Runner(18).HorseName, race.Runner(18).HorseName);
  EXPECT_EQ(back.Snapshots.size(), race.Snapshots.size());
}

TEST(RaceFileWriter, LongHorseNameIsCutAtACharacterBoundary) {
  TRace race = MakeRace();
  race.Runner(1).HorseName = "A" + Utf8ToCp932("アイウエオカキクケコ");  // 21 bytes
  race.Runner(2).HorseName = Utf8ToCp932("アイウエオカキクケコ");        // 20 bytes
  TRace back = Decoded(FormatRace(race));
  EXPECT_EQ(back.Runner(1).HorseName, "A" + Utf8ToCp932("アイウエオカキク"));
  EXPECT_EQ(back.Runner(2).HorseName, Utf8ToCp932("アイウエオカキクケ"));
  EXPECT_EQ(back.Runner(2).MarkText, "-");
  EXPECT_EQ(back.Runner(2).JockeyName, race.Runner(2).JockeyName);
}

TEST(RaceFileWriter, LineBreaksInTextsDoNotCutTheFileShort) {
  RaceRecipe r;
  r.Readings = 2;
  TRace race = MakeRace(r);
  race.Header.RaceName = "A\r\nB";
  race.Result.RefundText = "X01 refund\nline";
  race.Runner(2).Margin = "1\r2";
  race.Runner(3).MarkText = "-*";  // wider than its column
  TRace back = Decoded(FormatRace(race));
  EXPECT_EQ(back.Header.RaceName, "A  B");
  EXPECT_EQ(back.Result.RefundText, "X01 refund line");
  EXPECT_EQ(back.Runner(2).Margin, "1 2");
  EXPECT_EQ(back.Runner(3).MarkText, "-");
  EXPECT_EQ(back.Runner(3).Sex, race.Runner(3).Sex);
  EXPECT_EQ(back.Votes, race.Votes);
  EXPECT_EQ(back.Snapshots.size(), 2u);
}

void ExpectSameRace(const TRace& a, const TRace& b) {
  EXPECT_EQ(FormatRace(a), FormatRace(b));
  EXPECT_EQ(a.Header.RaceName, b.Header.RaceName);
  EXPECT_EQ(a.Header.StartTime, b.Header.StartTime);
  for (int h = 1; h <= kMaxRunners; ++h) {
    EXPECT_EQ(a.Runner(h).HorseName, b.Runner(h).HorseName) << h;
    EXPECT_EQ(a.Runner(h).Margin, b.Runner(h).Margin) << h;
    EXPECT_EQ(a.Runner(h).Burden, b.Runner(h).Burden) << h;
  }
  EXPECT_EQ(a.Votes, b.Votes);
  EXPECT_EQ(a.Result.TrifectaSet, b.Result.TrifectaSet);
  ASSERT_EQ(a.Snapshots.size(), b.Snapshots.size());
  for (size_t k = 0; k < a.Snapshots.size(); ++k)
    EXPECT_TRUE(a.Snapshots[k].Cells == b.Snapshots[k].Cells) << "snapshot " << k;
}

TEST(RaceFileRoundTrip, RealisticRacesStoreLoadAndReproduceByteForByte) {
  test::TempDir dir;
  for (int scratched : {0, 7}) {
    RaceRecipe r;
    r.Scratched = scratched;
    r.Seed = 3 + scratched;
    TRace race = MakeRace(r);
    ASSERT_TRUE(StoreRace(dir.Path(), race));
    const std::string path = dir.File("2026/1206/東京11.MJO");
    const std::string bytes = test::ReadFileBytes(path);
    ASSERT_FALSE(bytes.empty());
    TRace back;
    back.Snapshots.resize(3);
    LoadRace(dir.Path(), Utf8ToCp932("東京"), 11, back, EncodeDate(2026, 12, 6));
    ExpectSameRace(race, back);
    EXPECT_TRUE(HasResult(back));
    ASSERT_TRUE(StoreRace(dir.Path(), back));
    EXPECT_EQ(test::ReadFileBytes(path), bytes);
  }
}

// As the session does it: load, choose the slot, fill, store, every 10
// minutes from 09:30 to 15:30, with the default limit of 15 readings.
TEST(RaceFileRoundTrip, ADayOfReadingsKeepsTheFirstAndTheNewestAmongFifteen) {
  test::TempDir dir;
  const TSetting setting;
  const std::string venue = Utf8ToCp932("東京");
  const double date = EncodeDate(2026, 12, 6);
  StoreRace(dir.Path(), MakeRace(RaceRecipe{.Readings = 0}));
  for (int m = 9 * 60 + 30; m <= 15 * 60 + 30; m += 10) {
    TRace race;
    LoadRace(dir.Path(), venue, 11, race, date);
    const double t = EncodeTime(m / 60, m % 60, 0);
    const int slot = ChooseSnapshotSlot(race, t, date + t + 30.0 / 86400, setting);
    race.Snapshots[slot].WinTime() = t;
    race.Snapshots[slot].Win(1) = m;
    ASSERT_TRUE(StoreRace(dir.Path(), race));
  }
  TRace race;
  LoadRace(dir.Path(), venue, 11, race, date);
  ASSERT_EQ(race.Snapshots.size(), 15u);
  EXPECT_EQ(race.Snapshots.front().Win(1), 9 * 60 + 30);
  EXPECT_EQ(race.Snapshots.back().Win(1), 15 * 60 + 30);
  for (size_t k = 1; k < race.Snapshots.size(); ++k)
    EXPECT_LT(race.Snapshots[k - 1].WinTime(), race.Snapshots[k].WinTime());
}

TEST(RaceFileRoundTrip, LineEndsCommentsAndEmptyLinesAreAccepted) {
  RaceRecipe r;
  r.Readings = 2;
  const TRace race = MakeRace(r);
  const std::string crlf = FormatRace(race);
  std::string lf, cr, commented;
  for (const std::string& l : Lines(crlf)) {
    lf += l + "\n";
    cr += l + "\r";
    commented += l + "\r\n\r\n# note\r\n";
  }
  ExpectSameRace(race, Decoded(lf));
  ExpectSameRace(race, Decoded(cr));
  ExpectSameRace(race, Decoded(commented));
}

TEST(RaceFileLoader, MissingFileLeavesAClearedRecord) {
  test::TempDir dir;
  TRace race = MakeRace();
  LoadRace(dir.Path(), "XX", 3, race, EncodeDate(2026, 1, 1));
  EXPECT_EQ(race.Header.VenueName, "XX");
  EXPECT_EQ(race.Header.RaceNo, 3);
  EXPECT_EQ(race.Header.RunnerCount, 0);
  EXPECT_EQ(race.Runner(1).Sex, 9);
  EXPECT_TRUE(race.Snapshots.empty());
  EXPECT_TRUE(StoreRace("", race));
  EXPECT_FALSE(std::filesystem::exists(dir.File("2026")));
}

// A 2.0 file: the 2.1 lines of a two-runner race with the payout group
// RC15 (refund in R15) and the vote group TC07.
TEST(RaceFileLoader, AnEnormousFileIsNotRead) {
  test::TempDir dir;
  const std::string path = dir.File("2026/1206/" + std::string("東京01.MJO"));
  test::WriteFileBytes(path, FormatRace(MakeRace()));
  std::filesystem::resize_file(path, 200u << 20);  // sparse: the race, then zeros
  TRace race;
  LoadRaceFile(path, "V", 1, race, 0);
  EXPECT_EQ(race.Header.RunnerCount, 0);
  std::filesystem::resize_file(path, 1u << 20);
  LoadRaceFile(path, "V", 1, race, 0);
  EXPECT_EQ(race.Header.RunnerCount, 18);
  EXPECT_EQ(race.Snapshots.size(), 15u);
}

std::string Version20File() {
  RaceRecipe r;
  r.Runners = 2;
  r.Readings = 1;
  r.Date = EncodeDate(2003, 10, 12);
  TRace race = MakeRace(r);
  race.Runner(1).WeightDiff = -2;
  race.Snapshots[0].Win(2) = 3;
  std::string out = "VORPADAT 2.0\r\n";
  for (const std::string& l : Lines(FormatRace(race))) {
    if (l.rfind("VORPADAT", 0) == 0 || l.rfind("R15", 0) == 0 || l.rfind("R16", 0) == 0 ||
        l.rfind("T08", 0) == 0 || l.rfind("T09", 0) == 0 || l.rfind("Z03", 0) == 0)
      continue;
    if (l == "RC17") out += "RC15\r\n";
    else if (l == "TC09") out += "TC07\r\n";
    else if (l.rfind("R17", 0) == 0) out += "R15 " + Utf8ToCp932("返還なし") + "\r\n";
    else out += l + "\r\n";
    if (l.rfind("Z02", 0) == 0) break;
  }
  return out;
}

TEST(RaceFileLoader, Version20ReadsRefundFromR15AndNoTrifecta) {
  TRace race = Decoded(Version20File());
  EXPECT_EQ(race.Header.RaceDate, EncodeDate(2003, 10, 12));
  EXPECT_EQ(race.Header.VenueName, Utf8ToCp932("東京"));
  EXPECT_EQ(race.Header.StartTime, EncodeTime(15, 40, 0));
  EXPECT_EQ(race.Header.RunnerCount, 2);
  EXPECT_EQ(race.Runner(1).WeightDiff, -2);
  EXPECT_FALSE(race.Runner(2).TrainerName.empty());
  EXPECT_EQ(race.Runner(2).Margin, Utf8ToCp932("クビ"));
  EXPECT_EQ(race.Result.RefundText, Utf8ToCp932("返還なし"));
  EXPECT_EQ(race.Result.TrioPay[0], 5640);
  EXPECT_EQ(race.Result.TrifectaSet[0][0], 0);
  EXPECT_EQ(race.Result.TrifectaPay[0], 0);
  EXPECT_EQ(race.Result.WidePay[0], 460);
  EXPECT_NE(race.Votes[6], 0);
  EXPECT_EQ(race.Votes[7], 0);
  EXPECT_EQ(race.Votes[8], 0);
  ASSERT_EQ(race.Snapshots.size(), 1u);
  EXPECT_EQ(race.Snapshots[0].Win(2), 3);
  EXPECT_EQ(race.Snapshots[0].PlaceLow(1), NoOdds);  // its line was cut off
  EXPECT_EQ(race.Snapshots[0].WinTime(), EncodeTime(9, 30, 0));

  // Upgraded to 2.1 it carries the trifecta lines and nine totals.
  const std::vector<std::string> lines = Lines(FormatRace(race));
  EXPECT_EQ(lines[0], "VORPADAT 2.1");
  EXPECT_EQ(*LineWith(lines, "R17"), "R17 " + Utf8ToCp932("返還なし"));
  EXPECT_EQ(*LineWith(lines, "T09"), "T09 0");
}

TEST(RaceFileLoader, MagicFollowedByABlankIsAnUnknownOldFile) {
  TRace race = Decoded("VORPADAT 2.1 \r\n" + FormatRace(MakeRace()).substr(14), "VV", 4);
  EXPECT_EQ(race.Header.VenueName, "VV");
  EXPECT_EQ(race.Header.RunnerCount, 0);
  EXPECT_EQ(race.Runner(1).HorseName, "");
  EXPECT_TRUE(race.Snapshots.empty());
}

TEST(RaceFileLoader, DecodingStopsAtTheFirstBrokenLine) {
  const std::string text = FormatRace(MakeRace());
  std::vector<std::string> lines = Lines(text);
  auto join = [](const std::vector<std::string>& ls) {
    std::string s;
    for (const auto& l : ls) s += l + "\r\n";
    return s;
  };
  std::vector<std::string> deleted = lines;
  deleted.erase(deleted.begin() + 9 + 7);  // S07
  TRace race = Decoded(join(deleted));
  EXPECT_EQ(race.Header.RunnerCount, 18);
  EXPECT_EQ(race.Runner(6).HorseNo, 6);
  EXPECT_EQ(race.Runner(8).HorseNo, 0);
  EXPECT_EQ(race.Runner(18).HorseName, "");
  EXPECT_EQ(race.Result.WinHorse[0], 0);
  EXPECT_EQ(race.Votes[0], 0);
  EXPECT_TRUE(race.Snapshots.empty());

  std::vector<std::string> unknown = lines;
  unknown.insert(unknown.begin() + 31, "X01 what");  // inside the payouts
  race = Decoded(join(unknown));
  EXPECT_NE(race.Result.WinHorse[0], 0);
  EXPECT_EQ(race.Votes[0], 0);

  std::vector<std::string> beyond = lines;
  beyond[9] = "SC05";  // six S lines follow for a count of 5
  race = Decoded(join(beyond));
  EXPECT_EQ(race.Runner(5).HorseNo, 5);
  EXPECT_EQ(race.Runner(6).HorseNo, 0);

  race = Decoded(text.substr(0, text.size() / 2));  // truncated mid-line
  EXPECT_EQ(race.Runner(18).HorseNo, 18);
  EXPECT_FALSE(race.Snapshots.empty());
}

TEST(RaceFileLoader, UnreadableNumbersBecomeZero) {
  TRace race = Decoded(
      "VORPADAT 2.1\nHC01\nH01 2026x206" + Utf8ToCp932("東京") + "1x 1 1xx00001600 9\n"
      "TC09\nT01 abc\nT02 12,5\nT03 1e30\nT04 12.34567\nDC01\nD01 ZC12\nZ01 x\nZ02 1 x nan 4\n");
  EXPECT_EQ(race.Header.RaceDate, 0);
  EXPECT_EQ(race.Header.RaceNo, 0);
  EXPECT_EQ(race.Header.StartTime, 0);
  EXPECT_EQ(race.Header.Distance, 1600);
  EXPECT_EQ(race.Header.RunnerCount, 9);
  EXPECT_EQ(race.Votes[0], 0);
  EXPECT_EQ(race.Votes[1], 0);
  EXPECT_EQ(race.Votes[2], 0);  // beyond the 64-bit total
  EXPECT_EQ(race.Votes[3], 123457);
  ASSERT_EQ(race.Snapshots.size(), 1u);
  const OddsSnapshot& s = race.Snapshots[0];
  EXPECT_EQ(s.Win(1), 1);
  EXPECT_EQ(s.Win(2), 0);
  EXPECT_EQ(s.Win(3), 0);
  EXPECT_EQ(s.Win(4), 4);
  EXPECT_EQ(s.Win(5), 0);  // missing within the runner count
  EXPECT_EQ(s.Win(10), NoOdds);
  EXPECT_EQ(Decoded("VORPADAT 2.1\nHC01\nH01 20260101xxxx 1 1 1000000100099\n").Header.RunnerCount,
            kMaxRunners);
}

// A 1.xx file: header, 18 runner lines, payout line, snapshot blocks.
std::string Pad(std::string s, size_t width) {
  s.resize(width, ' ');
  return s;
}

std::string Repeat(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

std::string Version1File(bool v101, int blocks) {
  std::string h = Pad(v101 ? "01.01" : " 1.00", 5) + "20021110" + Utf8ToCp932("京都") + "11" +
                  "153500" + " 5" + " 4";
  h = Pad(h, 29) + Pad(Utf8ToCp932("秋の特別"), 50) + Pad("C1", 20) + Pad("C2", 40) +
      Pad(Utf8ToCp932("芝・右"), 10) + "2200" + "16" + Pad(Utf8ToCp932("晴"), 6) + Utf8ToCp932("良");
  std::string text = h + "\r\n";
  for (int no = 1; no <= 18; ++no) {
    if (no > 16) {
      text += "\r\n";
      continue;
    }
    std::string l = (no < 10 ? " " : "") + std::to_string(no) + std::to_string((no + 1) / 2) +
                    Pad("NAME" + std::to_string(no), 20) + "-" + "1" +
                    (v101 ? " 5" : "5") + "478" + "1" + "-06" + Pad("JOCKEY", 18) + "57.0" +
                    Utf8ToCp932("☆") + (no == 3 ? " 1" : (no == 4 ? "-1" : " 0")) + "1:33.5";
    text += l + "\r\n";
  }
  text += " 3 0   450     0 3 4 0 0   150   210     0     0 2 3 0 0  1230     0 3 4 0 0   880     0"
          " 3 4 3 5 4 5 0 0   400   550   700     0\r\n";
  for (int b = 0; b < blocks; ++b) {
    std::string six;
    for (int k = 1; k <= 18; ++k) six += Pad(" " + std::to_string(k) + ".5", 6);
    std::string quin;
    for (int k = 0; k < 17 * 17; ++k) quin += Pad(std::to_string(k), 6);
    text += "10" + std::to_string(b) + "000\r\n" + six + "\r\n" + six + "\r\n" + six + "\r\n\r\n" +
            Repeat("   9.9", 64) + "\r\n110000\r\n" + quin + "\r\n120000\r\n" + quin + "\r\n" + quin +
            "\r\n";
  }
  return text;
}

TEST(RaceFileLoader, Version101FixedColumns) {
  TRace race = Decoded(Version1File(true, 2) + "partial block line\r\n");
  EXPECT_EQ(race.Header.RaceDate, EncodeDate(2002, 11, 10));
  EXPECT_EQ(race.Header.VenueName, Utf8ToCp932("京都"));
  EXPECT_EQ(race.Header.RaceNo, 11);
  EXPECT_EQ(race.Header.StartTime, EncodeTime(15, 35, 0));
  EXPECT_EQ(race.Header.Kai, 5);
  EXPECT_EQ(race.Header.Nichi, 4);
  EXPECT_EQ(race.Header.RaceName, Utf8ToCp932("秋の特別"));
  EXPECT_EQ(race.Header.Condition2, "C2");
  EXPECT_EQ(race.Header.Distance, 2200);
  EXPECT_EQ(race.Header.RunnerCount, 16);
  EXPECT_EQ(race.Header.Going, Utf8ToCp932("良"));
  const TSyutuba& s = race.Runner(12);
  EXPECT_EQ(s.HorseNo, 12);
  EXPECT_EQ(s.FrameNo, 6);
  EXPECT_EQ(s.HorseName, "NAME12");
  EXPECT_EQ(s.Age, 5);
  EXPECT_EQ(s.BodyWeight, 478);
  EXPECT_TRUE(s.WeightDiffKnown);
  EXPECT_EQ(s.WeightDiff, -6);
  EXPECT_EQ(s.JockeyName, "JOCKEY");
  EXPECT_EQ(s.Burden, 57);
  EXPECT_EQ(s.ApprenticeMark, Utf8ToCp932("☆"));
  EXPECT_EQ(s.Margin, "1:33.5");
  EXPECT_EQ(race.Runner(3).Finish, 1);
  EXPECT_EQ(race.Runner(4).Finish, -1);
  EXPECT_EQ(race.Runner(17).HorseNo, 0);
  EXPECT_EQ(race.Runner(17).Sex, 9);
  EXPECT_EQ(race.Result.WinHorse[0], 3);
  EXPECT_EQ(race.Result.WinPay[0], 450);
  EXPECT_EQ(race.Result.PlacePay[1], 210);
  EXPECT_EQ(race.Result.BracketPair[0][1], 3);
  EXPECT_EQ(race.Result.QuinellaPay[0], 880);
  EXPECT_EQ(race.Result.WidePair[2][1], 5);
  EXPECT_EQ(race.Result.WidePay[2], 700);
  ASSERT_EQ(race.Snapshots.size(), 2u);
  const OddsSnapshot& o = race.Snapshots[1];
  EXPECT_EQ(o.WinTime(), EncodeTime(10, 10, 0));
  EXPECT_EQ(o.Win(18), 18.5);
  EXPECT_EQ(o.PlaceHigh(2), 2.5);
  EXPECT_EQ(o.Bracket(8, 8), 9.9);
  EXPECT_EQ(o.QuinellaTime(), EncodeTime(11, 0, 0));
  EXPECT_EQ(o.Quinella(1, 2), 0);
  EXPECT_EQ(o.Quinella(2, 3), 18);  // row 2, column 2
  EXPECT_EQ(o.WideHigh(17, 18), 288);
  EXPECT_EQ(o.Exacta(1, 2), NoOdds);
}

TEST(RaceFileLoader, Version100AndShortOldFiles) {
  TRace race = Decoded(Version1File(false, 0));
  EXPECT_EQ(race.Runner(12).Age, 5);
  EXPECT_EQ(race.Runner(12).WeightDiff, -6);
  EXPECT_EQ(race.Runner(12).Margin, "1:33.5");
  EXPECT_EQ(race.Result.WinHorse[0], 3);
  EXPECT_TRUE(race.Snapshots.empty());

  std::vector<std::string> lines = Lines(Version1File(false, 0));
  std::string nineteen, eighteen;
  for (int i = 0; i < 19; ++i) nineteen += lines[i] + "\r\n";
  for (int i = 0; i < 18; ++i) eighteen += lines[i] + "\r\n";
  race = Decoded(nineteen);
  EXPECT_EQ(race.Runner(16).HorseNo, 16);
  EXPECT_EQ(race.Result.WinHorse[0], 0);
  race = Decoded(eighteen);
  EXPECT_EQ(race.Runner(1).HorseNo, 0);
  race = Decoded(" 1.02" + Version1File(false, 1).substr(5));
  EXPECT_EQ(race.Runner(1).HorseNo, 0);
  EXPECT_TRUE(race.Snapshots.empty());
}

// What tools refuse as "no race": an empty file, text without a header
// line, a magic line alone; a header line of any version is a race.
TEST(RaceFileLoader, HoldsRaceLine) {
  EXPECT_FALSE(HoldsRaceLine(""));
  EXPECT_FALSE(HoldsRaceLine("not a race file\r\n"));
  EXPECT_FALSE(HoldsRaceLine("VORPADAT 2.1\r\nHC07\r\nH02 x\r\n"));
  EXPECT_FALSE(HoldsRaceLine(" 1.02" + Version1File(false, 0).substr(5)));
  EXPECT_TRUE(HoldsRaceLine("VORPADAT 2.0\r\nHC07\r\nH01 2026120600000000\r\n"));
  EXPECT_TRUE(HoldsRaceLine(FormatRace(test::MakeRace({}))));
  EXPECT_TRUE(HoldsRaceLine(Version1File(false, 0)));
  EXPECT_TRUE(HoldsRaceLine("0" + Version1File(true, 0).substr(1)));
}

TEST(RaceFilePaths, NamesDirectoriesAndTheDateListing) {
  const double date = EncodeDate(2003, 10, 12);
  EXPECT_EQ(DateDirPath("/data", date), "/data/2003/1012/");
  EXPECT_EQ(DateDirPath("/data/", date), "/data/2003/1012/");
  EXPECT_EQ(RaceFileName(Utf8ToCp932("東京"), 11), "東京11.MJO");
  EXPECT_EQ(RaceFilePath("/d", Utf8ToCp932("小倉"), 3, date), "/d/2003/1012/小倉03.MJO");

  test::TempDir dir;
  const std::string day = DateDirPath(dir.Path(), date);
  test::WriteFileBytes(day + "東京11.MJO", "");
  test::WriteFileBytes(day + "中山02.mjo", "");
  test::WriteFileBytes(day + "阪神xy.Mjo", "");
  test::WriteFileBytes(day + "notes.txt", "");
  test::WriteFileBytes(day + "京都01.MJO.bak", "");
  std::filesystem::create_directories(day + "福島01.MJO");
  const std::vector<TRaceFileEntry> files = ListRaceFiles(dir.Path(), date);
  ASSERT_EQ(files.size(), 3u);
  EXPECT_EQ(files[0].FileName, "中山02.mjo");
  EXPECT_EQ(files[0].VenueName, Utf8ToCp932("中山"));
  EXPECT_EQ(files[0].RaceNo, 2);
  EXPECT_EQ(files[0].Path, day + "中山02.mjo");
  EXPECT_EQ(files[1].FileName, "東京11.MJO");
  EXPECT_EQ(files[1].RaceNo, 11);
  EXPECT_EQ(files[2].RaceNo, 0);
  EXPECT_TRUE(ListRaceFiles(dir.Path(), EncodeDate(2003, 10, 13)).empty());
}

}  // namespace
}  // namespace vorpa
