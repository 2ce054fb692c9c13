// The output driver over real race files and output directories: race
// selection, the odds reading it picks, which files a race gets, clearing
// old files, the automatic outline.
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <utime.h>

#include <algorithm>
#include <filesystem>

#include "core/RaceIO/RaceIO.h"
#include "ipat/IPat.h"
#include "ipat/IPatControl.h"
#include "patout/PatOut.h"
#include "patout/PatTestRace.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

namespace fs = std::filesystem;
using test::MakeRace;
using test::RaceRecipe;
using test::ReadFileBytes;
using test::TempDir;

const double kDay = EncodeDate(2026, 12, 6);

// A data directory and the three flavour directories in one temporary
// directory, with a clock pinned at 16:30 of the meeting day.
class PatOutRun : public ::testing::Test {
 protected:
  PatOutRun() : clock_(kDay + EncodeTime(16, 30, 0)) {
    setting_.JRA95Path = tmp_.Path() + "pat95";
    setting_.JRA98Path = tmp_.Path() + "pat98/";
    setting_.JRAV50Path = tmp_.Path() + "v50";
    env_.Setting = &setting_;
    env_.DataDir = tmp_.Path() + "data";
    env_.Clock = &clock_;
    env_.Written = &written_;
  }

  void Store(const char* venue, int raceNo, int runners = 10, int readings = 3) {
    RaceRecipe r;
    r.VenueUtf8 = venue;
    r.RaceNo = raceNo;
    r.Date = kDay;
    r.Runners = runners;
    r.Readings = readings;
    StoreRace(env_.DataDir, MakeRace(r));
  }

  // Names of the files in a flavour directory, sorted.
  std::vector<std::string> Files(const std::string& dir) {
    std::vector<std::string> out;
    std::error_code ec;
    for (auto& e : fs::directory_iterator(dir, ec)) out.push_back(e.path().filename().string());
    std::sort(out.begin(), out.end());
    return out;
  }

  static TPatOutInfo Request(bool youkou) {
    TPatOutInfo info;
    info.Date = kDay;
    info.OutYoukou = youkou;
    info.OutSyutuba = info.OutWeight = info.OutOdds = info.OutResult = true;
    return info;
  }

  TempDir tmp_;
  TSetting setting_;
  TPinnedClock clock_;
  TPatOutEnv env_;
  std::vector<std::string> written_;
};

using Names = std::vector<std::string>;

TEST_F(PatOutRun, AllRacesWithOutlineClearsOldFilesFirst) {
  Store("東京", 11);
  Store("中山", 9, 8);
  test::WriteFileBytes(setting_.JRA95Path + "/OLD.jra", "x");
  test::WriteFileBytes(setting_.JRA95Path + "/notes.txt", "x");
  OutPatData(Request(true), env_);

  // 中山 sorts before 東京, so it is UY-A.
  EXPECT_EQ(Files(setting_.JRA95Path), (Names{"DE-58B.JRA", "DE-689.JRA", "KS-5658B.JRA", "KS-66589.JRA",
                                               "UO-58B.JRA", "UT-58B.JRA", "UT-689.JRA", "UY-A.JRA", "UY-B.JRA",
                                               "ZO-58B.JRA", "ZO-689.JRA", "notes.txt"}));
  EXPECT_EQ(Files(setting_.JRAV50Path), (Names{"DE-58B.JRA", "DE-689.JRA", "KS-5658B.JRA", "KS-66589.JRA",
                                                "SO-58B.JRA", "SO-689.JRA", "UO-58B.JRA", "UT-58B.JRA",
                                                "UT-689.JRA", "UY-A.JRA", "UY-B.JRA", "ZO-58B.JRA", "ZO-689.JRA"}));
  EXPECT_EQ(written_.size(), 11u + 11u + 13u);
  const std::string uyA = ReadFileBytes(setting_.JRA98Path + "UY-A.JRA");
  EXPECT_EQ(uyA.substr(8, 4), "1630");
  EXPECT_EQ(uyA.substr(58, 2), "06") << "中山 is venue 6";
  EXPECT_EQ(uyA.substr(69 + 16, 4), "3100") << "race 9 held, race 10 not";
  EXPECT_EQ(ReadFileBytes(setting_.JRA98Path + "UY-B.JRA").substr(69 + 20, 4), "3100");
}

TEST_F(PatOutRun, FromRaceNumberAndSelectedRace) {
  for (int no : {8, 9, 12}) Store("東京", no);
  Store("阪神", 10);
  TPatOutInfo info = Request(false);
  info.OutWeight = info.OutOdds = info.OutResult = false;
  info.RaceNo = 9;
  OutPatData(info, env_);
  EXPECT_EQ(Files(setting_.JRA95Path), (Names{"DE-589.JRA", "DE-58C.JRA", "DE-98A.JRA"}));

  fs::remove_all(tmp_.Path() + "pat95");
  info = Request(true);
  info.VenueName = test::Sj("東京");
  info.RaceNo = 12;
  OutPatData(info, env_);
  EXPECT_EQ(Files(setting_.JRA95Path), (Names{"DE-58C.JRA", "KS-5658C.JRA", "UO-58C.JRA", "UT-58C.JRA",
                                               "UY-A.JRA", "UY-B.JRA", "ZO-58C.JRA"}))
      << "every race file enters the outline, only the chosen race is written";
}

TEST_F(PatOutRun, FileKindsFollowWhatTheRaceHolds) {
  TRace eight = MakeRace({.RaceNo = 1, .Date = kDay, .Runners = 8, .Readings = 2});
  EXPECT_TRUE(OutPatRace(Request(false), eight, env_));
  EXPECT_EQ(Files(setting_.JRA98Path), (Names{"DE-581.JRA", "KS-56581.JRA", "UT-581.JRA", "ZO-581.JRA"}));

  TRace twelve = MakeRace({.RaceNo = 2, .Date = kDay, .Runners = 12, .Readings = 2, .Result = false});
  for (OddsSnapshot& s : twelve.Snapshots) s.WideTime() = 0;  // no joint quinella and wide reading
  for (int h = 1; h <= 12; ++h) twelve.Runner(h).BodyWeight = 0;
  written_.clear();
  EXPECT_TRUE(OutPatRace(Request(false), twelve, env_));
  for (const std::string& p : written_) EXPECT_NE(p.find("/DE-582.JRA"), std::string::npos) << p;

  TRace empty = MakeRace({.RaceNo = 3, .Date = kDay, .Readings = 0, .Result = false});
  for (int h = 1; h <= 18; ++h) empty.Runner(h).HorseName.clear();
  for (int h = 1; h <= 18; ++h) empty.Runner(h).BodyWeight = 0;
  written_.clear();
  EXPECT_FALSE(OutPatRace(Request(false), empty, env_));
  EXPECT_TRUE(written_.empty());

  setting_.JRA95Path.clear();
  setting_.JRA98Path.clear();
  written_.clear();
  EXPECT_TRUE(OutPatRace(Request(false), eight, env_));
  EXPECT_EQ(written_.size(), 5u) << "DE, UT, ZO, SO, KS of PATV50 only";
  setting_.JRAV50Path.clear();
  written_.clear();
  EXPECT_FALSE(OutPatRace(Request(false), eight, env_));
  OutPatData(Request(true), env_);
  EXPECT_TRUE(written_.empty());
}

// Readings of a race with post time 15:40 at the given minutes past 15:00.
TRace Readings(std::initializer_list<int> minutes) {
  TRace race = MakeRace({.Date = kDay, .Readings = 0});
  for (int m : minutes) {
    OddsSnapshot s = EmptySnapshot();
    s.WinTime() = s.QuinellaTime() = s.WideTime() = EncodeTime(15, m, 0);
    race.Snapshots.push_back(s);
  }
  return race;
}

TEST(PickOddsSnapshot, OddsOutLastTimeInManualAndAutomaticMode) {
  TSetting setting;
  TPatOutInfo info;
  EXPECT_EQ(PickOddsSnapshot(info, Readings({0, 20, 27, 35, 39}), setting), 4) << "latest";
  setting.OddsOutLastTime = 15;
  EXPECT_EQ(PickOddsSnapshot(info, Readings({0, 20, 27, 35, 39}), setting), 2) << "nearest 15:25";
  EXPECT_EQ(PickOddsSnapshot(info, Readings({0, 23, 27, 39}), setting), 2) << "the later one of a tie";
  info.OddsTime = EncodeTime(15, 1, 0);
  EXPECT_EQ(PickOddsSnapshot(info, Readings({0, 20, 27, 35, 39}), setting), 0) << "asked time wins";

  info = TPatOutInfo{};
  info.AutoOut = true;
  EXPECT_EQ(PickOddsSnapshot(info, Readings({0, 20, 27}), setting), -1) << "past the limit";
  EXPECT_EQ(PickOddsSnapshot(info, Readings({0, 20, 25}), setting), 2);
  setting.OddsOutLastTime = 75;  // hand-edited: counts as 59
  EXPECT_EQ(PickOddsSnapshot(info, Readings({0}), setting), -1);
  setting.OddsOutLastTime = 0;

  TRace late = Readings({0, 20, 39});
  late.Snapshots[2].WideTime() = 0;
  EXPECT_EQ(PickOddsSnapshot(info, late, setting), 1) << "the older of win and joint quinella/wide choice";
  late.Header.RunnerCount = 8;
  EXPECT_EQ(PickOddsSnapshot(info, late, setting), 2);
  EXPECT_EQ(PickOddsSnapshot(info, Readings({}), setting), -1);
}

TEST_F(PatOutRun, AutomaticModeStopsRewritingOddsAfterTheLimit) {
  setting_.OddsOutLastTime = 15;
  TRace race = Readings({0, 20, 27});
  TPatOutInfo info = Request(false);
  info.AutoOut = true;
  EXPECT_TRUE(OutPatRace(info, race, env_));
  for (const std::string& p : written_) EXPECT_EQ(p.find("/ZO-"), std::string::npos) << p;
  EXPECT_TRUE(fs::exists(setting_.JRA95Path + "/UT-58B.JRA"));
  EXPECT_TRUE(fs::exists(setting_.JRA95Path + "/KS-5658B.JRA"));
}

void SetModified(const std::string& path, double day) {
  const CivilDate d = DecodeDate(day);
  std::tm tm{};
  tm.tm_year = d.Year - 1900;
  tm.tm_mon = d.Month - 1;
  tm.tm_mday = d.Day;
  tm.tm_hour = 12;
  tm.tm_isdst = -1;
  utimbuf t{std::mktime(&tm), std::mktime(&tm)};
  ASSERT_EQ(::utime(path.c_str(), &t), 0);
}

TEST_F(PatOutRun, ClearPatFilesByModificationDate) {
  const std::string dir = setting_.JRA98Path;
  for (const char* name : {"TODAY.JRA", "old.jra", "OLD.Jra", "old.txt", "JRA"}) {
    test::WriteFileBytes(dir + name, "x");
    SetModified(dir + name, std::string(name).rfind("TODAY", 0) == 0 ? kDay : kDay - 1);
  }
  fs::create_directories(dir + "SUB.JRA");
  test::WriteFileBytes(tmp_.Path() + "elsewhere/old.JRA", "x");
  SetModified(tmp_.Path() + "elsewhere/old.JRA", kDay - 1);

  ClearPatFiles(kDay, setting_);
  EXPECT_EQ(Files(dir), (Names{"JRA", "SUB.JRA", "TODAY.JRA", "old.txt"}));
  ClearPatFiles(0, setting_);
  EXPECT_EQ(Files(dir), (Names{"JRA", "SUB.JRA", "old.txt"}));
  EXPECT_TRUE(fs::exists(tmp_.Path() + "elsewhere/old.JRA"));
}

TEST_F(PatOutRun, OutlineOnceOnlyWhereUyAIsMissing) {
  TIPat session(setting_, clock_);
  session.Init();
  session.MeetingDate = kDay;
  session.MeetingCode[1].Code = "50158";
  session.MeetingCode[3].Code = "A0142";
  session.Status[1][1].Listed = true;
  session.Status[1][1].RunnerCount = 9;
  session.Status[3][12].Listed = true;
  session.Status[3][12].RunnerCount = 16;
  const TYoukouInfos meetings = YoukouOfSession(session);
  ASSERT_EQ(meetings.size(), 2u);
  EXPECT_EQ(meetings[1].VenueCode, 10);
  EXPECT_EQ(meetings[1].Kai, 4);
  EXPECT_EQ(meetings[1].Nichi, 2);
  EXPECT_TRUE(meetings[1].RaceHeld[11]);
  EXPECT_EQ(meetings[1].RaceRunners[11], 16);
  EXPECT_FALSE(meetings[0].RaceHeld[1]);

  test::WriteFileBytes(setting_.JRA98Path + "UY-A.JRA", "kept");
  TPatOutInfo automatic;
  automatic.AutoOut = true;
  session.IPatState = TIPat::Aborted;
  session.SetPatOut(automatic);
  EXPECT_FALSE(OutPatRunEnd(session)) << "an aborted run hands over nothing";
  session.IPatState = TIPat::RunEnd;
  session.SetPatOut(TPatOutInfo{});
  EXPECT_FALSE(OutPatRunEnd(session)) << "nor one without automatic output";
  session.SetPatOut(automatic);
  EXPECT_TRUE(OutPatRunEnd(session));
  EXPECT_EQ(Files(setting_.JRA95Path), (Names{"UY-A.JRA", "UY-B.JRA"}));
  EXPECT_EQ(ReadFileBytes(setting_.JRA98Path + "UY-A.JRA"), "kept");
  EXPECT_EQ(ReadFileBytes(setting_.JRAV50Path + "/UY-B.JRA").substr(0, 8), "20261206");
  session.IPatState = TIPat::AllDone;
  EXPECT_FALSE(OutPatRunEnd(session));
  EXPECT_FALSE(OutPatYoukouOnce(meetings, env_));
}

// Acquisition without a window: no thread is started here.
struct QuietSink : TIPatSink {
  void Log(const std::string&) override {}
  void RecvLamp(bool) override {}
  void StatusUpdate(const TIPat&) override {}
  void RaceInfo(const TIPat&) override {}
  void HandOverDate(double) override {}
  void ThreadEnd(std::thread::id) override {}
};

TEST_F(PatOutRun, AttachedSessionsOutputTheirRaceWithTheRequestKey) {
  QuietSink sink;
  TIPatControl control(setting_, clock_, sink);
  TIPat& session = control.FIPat;
  EXPECT_FALSE(session.OutputRace()) << "no output function given";
  AttachPatOut(control, setting_);
  EXPECT_FALSE(session.PatOut().AutoOut);
  session.Race = MakeRace({.VenueUtf8 = "阪神", .RaceNo = 4, .Date = kDay, .Readings = 2});
  EXPECT_FALSE(session.OutputRace()) << "AutoPat off: no automatic output";
  setting_.AutoPat = true;
  AttachPatOut(control, setting_);
  const TPatOutInfo info = session.PatOut();
  EXPECT_TRUE(info.AutoOut && info.OutSyutuba && info.OutWeight && info.OutOdds && info.OutResult);
  EXPECT_FALSE(info.OutYoukou);

  EXPECT_TRUE(session.OutputRace());
  EXPECT_EQ(session.PatOut().VenueName, test::Sj("阪神"));
  EXPECT_EQ(session.PatOut().RaceNo, 4);
  EXPECT_TRUE(fs::exists(setting_.JRA98Path + "ZO-984.JRA"));
  control.FIPatDirect.CopyFrom(session);
  control.FIPatDirect.Race = session.Race;
  control.FIPatDirect.Race.Header.RaceNo = 6;
  EXPECT_TRUE(control.FIPatDirect.OutputRace()) << "the direct session writes with the copied request";
  EXPECT_TRUE(fs::exists(setting_.JRA98Path + "ZO-986.JRA"));

  fs::create_directories(setting_.JRA95Path + "/DE-985.JRA");
  session.Race.Header.RaceNo = 5;
  std::string failure;
  EXPECT_FALSE(session.OutputRace(&failure)) << "a file error ends the race's output";
  EXPECT_EQ(failure, setting_.JRA95Path + "/DE-985.JRA: Is a directory");
  // An output folder that is a file: the file not written, the folder and why.
  fs::remove_all(setting_.JRA95Path);
  test::WriteFileBytes(setting_.JRA95Path, "");
  session.Race.Header.RaceNo = 7;
  failure.clear();
  EXPECT_FALSE(session.OutputRace(&failure));
  EXPECT_EQ(failure, setting_.JRA95Path + "/DE-987.JRA: " + setting_.JRA95Path + ": Not a directory");

  SetModified(setting_.JRA98Path + "ZO-984.JRA", kDay - 1);
  control.Hooks.ClearPatFiles(kDay);
  EXPECT_FALSE(fs::exists(setting_.JRA98Path + "ZO-984.JRA"));
}

TEST_F(PatOutRun, FileErrorEndsTheRunAndKeepsEarlierFiles) {
  Store("東京", 1);
  Store("東京", 2);
  fs::create_directories(setting_.JRA98Path + "DE-582.JRA");  // a directory where the file goes
  TPatOutInfo info = Request(false);
  try {
    OutPatData(info, env_);
    FAIL() << "no error";
  } catch (const TPatFileError& e) {
    EXPECT_EQ(e.Path(), setting_.JRA98Path + "DE-582.JRA");
  }
  EXPECT_TRUE(fs::exists(setting_.JRAV50Path + "/ZO-581.JRA"));
  EXPECT_FALSE(fs::exists(setting_.JRAV50Path + "/DE-582.JRA"));
}

}  // namespace
}  // namespace vorpa
