// The meeting outline, race card and body weight files, byte for byte, and
// the frame rule they rest on; written into real temporary directories.
#include <gtest/gtest.h>

#include <filesystem>

#include "patout/PatFrame.h"
#include "patout/PatRaceFiles.h"
#include "patout/PatTestRace.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::PadL;
using test::PadR;
using test::PatRace;
using test::ReadFileBytes;
using test::Sj;
using test::TempDir;

const double kNow = EncodeDate(2026, 12, 6) + EncodeTime(10, 7, 33);

std::string Rep(const std::string& s, int n) {
  std::string out;
  for (int i = 0; i < n; ++i) out += s;
  return out;
}

TEST(FrameOfHorse, FollowsTheBracketRule) {
  for (int h = 1; h <= 8; ++h) EXPECT_EQ(FrameOfHorse(8, h), h);
  const int ten[] = {1, 2, 3, 4, 5, 6, 7, 7, 8, 8};
  for (int h = 1; h <= 10; ++h) EXPECT_EQ(FrameOfHorse(10, h), ten[h - 1]) << h;
  const int eighteen[] = {1, 1, 2, 2, 3, 3, 4, 4, 5, 5, 6, 6, 7, 7, 7, 8, 8, 8};
  for (int h = 1; h <= 18; ++h) EXPECT_EQ(FrameOfHorse(18, h), eighteen[h - 1]) << h;
  EXPECT_EQ(FrameOfHorse(9, 8), 8);
  EXPECT_EQ(FrameOfHorse(9, 9), 8);
  EXPECT_EQ(FrameOfHorse(9, 7), 7);
}

TEST(PatRaceFileName, UsesVenueDigitNichiAndHexRace) {
  TRace race = PatRace(9);
  EXPECT_EQ(PatRaceFileName("/x/pat", "DE-", race), "/x/pat/DE-58B.JRA");
  for (int no : {1, 9, 10, 12}) {
    race.Header.RaceNo = no;
    race.Header.VenueName = Sj("小倉");
    const char* want[] = {"", "UT-A81.JRA", "", "", "", "", "", "", "", "UT-A89.JRA", "UT-A8A.JRA", "", "UT-A8C.JRA"};
    EXPECT_EQ(PatRaceFileName("d/", "UT-", race), std::string("d/") + want[no]);
  }
}

TEST(WriteDeFile, NineRunnersByteForByte) {
  TempDir tmp;
  TRace race = PatRace(9);
  race.Runner(1).ApprenticeMark = Sj("☆");
  race.Runner(1).Burden = 57;
  race.Runner(2).JockeyName = Sj("Ｍ．ロッソ");
  race.Runner(2).Burden = 55.5;
  race.Runner(3).ApprenticeMark = Sj("▲");
  race.Runner(3).Burden = 8;
  race.Runner(4).JockeyName = Sj("ロッソ．Ｍ");
  race.Runner(4).ApprenticeMark = Sj("△");
  const std::string dir = tmp.Path() + "new/pat95";  // created with its parents, no separator given

  const std::string path = WriteDeFile(dir, race);
  EXPECT_EQ(path, dir + "/DE-58B.JRA");

  const std::string header = "20261206" + Sj("東京") + "2026" + "05" + "08" + "11" + "1540" + Sj("芝") + "  " +
                             "2400" + PadR(Sj("霜月ステークス"), 28) + PadR(Sj("サラ系３歳以上オープン"), 28) + "09";
  ASSERT_EQ(header.size(), 92u);
  const std::string name = PadR(Sj("ﾊﾙｶｾﾞ"), 18);
  std::string body = " 1 11 " + name + PadR(Sj("山田太郎"), 18) + "1" + "0" + Sj("５７");
  body += " 2 21 " + name + PadR(Sj("M.ﾛｯｿ"), 18) + "0" + "1" + "55.5";
  body += " 3 31 " + name + PadR(Sj("山田太郎"), 18) + "3" + "0" + "   8";
  body += " 4 41 " + name + PadR(Sj("ロッソ．Ｍ"), 18) + "2" + "0" + Sj("５６");
  for (int h = 5; h <= 9; ++h) {
    const std::string no = PadL(std::to_string(h), 2);
    body += PadL(std::to_string(race.Runner(h).FrameNo), 2) + no + "1 " + name + PadR(Sj("山田太郎"), 18) + "00" + Sj("５６");
  }
  body += std::string(9 * 48, ' ');
  const std::string file = ReadFileBytes(path);
  EXPECT_EQ(file, header + body + "Z\r");
  EXPECT_EQ(file.size(), 958u);
}

TEST(WriteDeFile, CutsTitleAtCharacterAndKeepsFixedLengthForAbsurdValues) {
  TempDir tmp;
  TRace race = PatRace(18);
  race.Header.RaceName = "A" + Sj("あいうえおかきくけこさしすせそ");  // byte 28 starts a kana
  race.Header.StartTime = 0;
  race.Runner(18).HorseName = Sj("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂﾃﾄ");  // 20 half-width bytes
  race.Runner(17).JockeyName = Sj("Ａ．アイウエオカキクケコサシスセソタチツ");
  const std::string file = ReadFileBytes(WriteDeFile(tmp.Path(), race));
  ASSERT_EQ(file.size(), 958u);
  EXPECT_EQ(file.substr(22, 4), "0000") << "post time not known";
  EXPECT_EQ(file.substr(34, 28), "A" + Sj("あいうえおかきくけこさしす") + " ");
  EXPECT_EQ(file.substr(92 + 17 * 48 + 6, 18), Sj("ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀﾁﾂ"));
  EXPECT_EQ(file.substr(92 + 16 * 48 + 24, 20), Sj("A.ｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ") + "01");
}

TEST(WriteUtFile, WeightsSignsAndClockTimeBeforePost) {
  TempDir tmp;
  TRace race = PatRace(9);
  race.Header.StartTime = 0;
  const std::string file = ReadFileBytes(WriteUtFile(tmp.Path(), race, kNow));
  const std::string header = "20261206" + Sj("東京") + "2026" + "05" + "08" + "11" + "1007" + "2400" +
                             PadR(Sj("霜月ステークス"), 28) + PadR(Sj("サラ系３歳以上オープン"), 28) + "09";
  ASSERT_EQ(header.size(), 88u);
  std::string body = " 11481 41 " " 21482 62 " " 31483 03 ";
  body += " 41484 41 " " 51485 62 " " 61486 03 " " 71487 41 " " 81488 62 " " 91489 03 ";
  body += std::string(90, ' ');
  EXPECT_EQ(file, header + body + "Z\r");
  EXPECT_EQ(file.size(), 270u);

  race.Header.StartTime = EncodeTime(15, 40, 0);
  race.Runner(1).BodyWeight = 0;
  race.Runner(1).WeightDiffKnown = false;
  race.Runner(1).WeightDiff = 0;
  const std::string posted = ReadFileBytes(WriteUtFile(tmp.Path(), race, kNow));
  EXPECT_EQ(posted.substr(22, 4), "1540");
  EXPECT_EQ(posted.substr(88, 10), " 11  0 03 ");
}

TEST(WriteUyFile, ThreeMeetingsWithRunnerMapsInEachLayout) {
  TempDir tmp;
  TYoukouInfo m;
  m.Date = EncodeDate(2026, 12, 6);
  m.VenueCode = 5;
  m.Kai = 5;
  m.Nichi = 8;
  for (int r = 0; r < 12; ++r) {
    m.RaceHeld[r] = true;
    m.RaceRunners[r] = 10;
  }
  m.RaceRunners[0] = 9;
  m.RaceRunners[1] = 8;
  m.RaceRunners[11] = 18;
  TYoukouInfo second = m, third = m;
  second.VenueCode = 10;
  second.Kai = 4;
  third.VenueCode = 9;
  third.Nichi = 2;

  const std::string map9 = "777777777000000000" "77777777" "00000007";
  const std::string map8 = "777777770000000000" "77777777" "00000000";
  const std::string map10 = "777777777700000000" "77777777" "00000077";
  const std::string map18 = std::string(18, '7') + "77777777" + "77777777";
  const std::string maps = map9 + map8 + Rep(map10, 9) + map18 + std::string(68, '0');
  const std::string tail = "111111111111" "00" + Rep("1000120123456000", 4) + "Z\r";
  const std::string fixed = "20261206" "1007" "900" "000" "003000" "00300000" "00000000" "00300000" "00000000";

  const TYoukouInfos meetings = {m, second, third};
  const auto files98 = WriteUyFile(tmp.Path() + "98", Pat98, meetings, kNow);
  ASSERT_EQ(files98.size(), 3u);
  EXPECT_EQ(files98[0], tmp.Path() + "98/UY-A.JRA");
  EXPECT_EQ(files98[2], tmp.Path() + "98/UY-C.JRA");
  EXPECT_EQ(ReadFileBytes(files98[0]), fixed + "1" "0" "05" "2026" "05" "08" "1" + Rep("31", 12) + "0000" + maps + tail);
  EXPECT_EQ(ReadFileBytes(files98[1]).substr(0, 69), fixed + "2" "0" "10" "2026" "04" "08" "1");
  EXPECT_EQ(ReadFileBytes(files98[2]).substr(0, 69), fixed + "3" "0" "09" "2026" "05" "02" "1");

  const std::string pat95 = ReadFileBytes(WriteUyFile(tmp.Path() + "95", Pat95, {m}, kNow)[0]);
  EXPECT_EQ(pat95.size(), 653u);
  EXPECT_EQ(pat95.substr(69, 28), Rep("15", 12) + "0000");
  const std::string v50 = ReadFileBytes(WriteUyFile(tmp.Path() + "v50", PatV50, {m}, kNow)[0]);
  EXPECT_EQ(v50.size(), 667u);
  EXPECT_EQ(v50.substr(69, 42), Rep("127", 12) + "000000");
  EXPECT_EQ(v50.substr(111), maps + tail);

  EXPECT_TRUE(WriteUyFile(tmp.Path() + "none", Pat95, {}, kNow).empty());
  EXPECT_FALSE(std::filesystem::exists(tmp.Path() + "none"));
}

TEST(WritePatRecord, UnwritableDirectoryOrFileThrowsNamingTheFileAndWhy) {
  TempDir tmp;
  test::WriteFileBytes(tmp.File("blocker"), "x");
  try {
    WriteDeFile(tmp.File("blocker") + "/sub", PatRace(9));
    FAIL() << "no error";
  } catch (const TPatFileError& e) {
    // The file that was not written; the folder that could not be made, and why.
    EXPECT_EQ(e.Path(), tmp.File("blocker") + "/sub/DE-58B.JRA");
    EXPECT_EQ(e.Reason(), tmp.File("blocker") + "/sub: Not a directory");
  }
  std::filesystem::create_directories(tmp.Path() + "taken/UT-58B.JRA");
  try {
    WriteUtFile(tmp.Path() + "taken", PatRace(9), kNow);
    FAIL() << "no error";
  } catch (const TPatFileError& e) {
    EXPECT_EQ(e.Path(), tmp.Path() + "taken/UT-58B.JRA");
    EXPECT_EQ(e.Reason(), "Is a directory");
  }
}

}  // namespace
}  // namespace vorpa
