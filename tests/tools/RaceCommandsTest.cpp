// vorpa-tool show, upgrade and export on real race files, run as a program;
// the JSON is checked by Python's own JSON reader.
#include <gtest/gtest.h>

#include <charconv>
#include <string>

#include "analysis/FairOdds.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "support/RaceFactory.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using test::RunProgram;

// Runs a Python expression over the JSON `doc` (bound to d) and returns what it prints.
std::string PyJson(const std::string& doc, const std::string& expr) {
  auto r = RunProgram("/usr/bin/python3",
                      {"-c", "import json,sys; d=json.load(sys.stdin); print(" + expr + ")"}, doc);
  EXPECT_EQ(r.Status, 0) << r.Err;
  return r.Out;
}

// How Python prints a float: the shortest round-trip digits, ".0" when whole.
std::string PyFloat(double v) {
  char buf[32];
  std::string t(buf, std::to_chars(buf, buf + sizeof buf, v).ptr);
  return t.find_first_of(".e") == std::string::npos ? t + ".0" : t;
}

class RaceCommands : public ::testing::Test {
 protected:
  void SetUp() override {
    test::RaceRecipe r;
    r.Readings = 3;
    r.Scratched = 4;
    race = test::MakeRace(r);
    ASSERT_TRUE(StoreRace(dir.Path(), race));
    file = RaceFilePath(dir.Path(), race.Header.VenueName, 11, race.Header.RaceDate);
  }
  test::TempDir dir;
  TRace race;
  std::string file;
};

TEST_F(RaceCommands, ShowJsonHasTheDocumentedShape) {
  auto r = RunProgram(VORPA_TOOL_PATH, {"show", file, "--json"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(PyJson(r.Out, "sorted(d.keys())"),
            "['Header', 'Result', 'Runners', 'Snapshots', 'Votes']\n");
  EXPECT_EQ(PyJson(r.Out, "list(d['Header'].keys())"),
            "['RaceDate', 'VenueName', 'RaceNo', 'StartTime', 'Kai', 'Nichi', 'RaceName', "
            "'Condition1', 'Condition2', 'CourseText', 'Distance', 'RunnerCount', 'Weather', "
            "'Going']\n");
  EXPECT_EQ(PyJson(r.Out, "d['Header']['RaceDate'], d['Header']['VenueName'], d['Header']['StartTime']"),
            "2026-12-06 東京 15:40:00\n");
  EXPECT_EQ(PyJson(r.Out, "len(d['Runners']), list(d['Runners'][0].keys())"),
            "18 ['HorseNo', 'FrameNo', 'HorseName', 'MarkText', 'Sex', 'Age', 'BodyWeight', "
            "'WeightDiffKnown', 'WeightDiff', 'JockeyName', 'Burden', 'ApprenticeMark', "
            "'TrainerName', 'Finish', 'Margin']\n");
  EXPECT_EQ(PyJson(r.Out, "d['Runners'][3]['Finish'], d['Runners'][1]['HorseName']"),
            "-1 " + Cp932ToUtf8(race.Runner(2).HorseName) + "\n");
  EXPECT_EQ(PyJson(r.Out, "d['Votes'][0], len(d['Votes'])"),
            std::to_string(race.Votes[0]) + " 9\n");
  EXPECT_EQ(PyJson(r.Out, "d['Result']['WinHorse'], d['Result']['WidePair'][1], d['Result']['TrioSet'][0], d['Result']['RefundText']"),
            "[1, 0] [1, 3] [1, 2, 3] \n");
  EXPECT_EQ(PyJson(r.Out, "len(d['Snapshots']), len(d['Snapshots'][2]['Cells']), d['Snapshots'][2]['WideTime']"),
            "3 1313 10:10:59\n");
  // Cells as stored: times as day fractions, NoOdds as -1, odds exactly.
  const OddsSnapshot& s = race.Snapshots[2];
  EXPECT_EQ(PyJson(r.Out, "[abs(d['Snapshots'][2]['Cells'][0] - " +
                              std::to_string(s.WinTime()) + ") < 1e-6, d['Snapshots'][2]['Cells'][4], "
                              "d['Snapshots'][2]['Cells'][411] == " + std::to_string(s.Exacta(1, 2)) + "]"),
            "[True, -1, True]\n");
}

TEST_F(RaceCommands, ShowTakesVenueRaceAndDateFromTheFileAndFolders) {
  const std::string junk = dir.File("2025/0301/阪神05.MJO");
  test::WriteFileBytes(junk, "VORPADAT 2.1\r\nH01 \r\n");
  auto r = RunProgram(VORPA_TOOL_PATH, {"show", junk, "--json"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(PyJson(r.Out, "d['Header']['VenueName'], d['Header']['RaceNo'], d['Header']['RaceDate'], "
                          "d['Header']['StartTime'], d['Runners'][0]['Sex'], d['Snapshots']"),
            "阪神 5 2025-03-01 00:00:00 9 []\n");
  r = RunProgram(VORPA_TOOL_PATH, {"show", "--date", "2024-02-03", junk, "--json"});
  EXPECT_EQ(PyJson(r.Out, "d['Header']['RaceDate']"), "2024-02-03\n");

  r = RunProgram(VORPA_TOOL_PATH, {"show", file});
  ASSERT_EQ(r.Status, 0);
  EXPECT_NE(r.Out.find(Cp932ToUtf8(race.Runner(1).HorseName)), std::string::npos);
  EXPECT_NE(r.Out.find("readings: 3"), std::string::npos);
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"show", dir.File("none.MJO")}).Status, 1);
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"show"}).Status, 2);
}

// An empty file, or one without a race line, is no race: an error on
// stderr, exit 1, nothing on stdout (upgrade likewise).
TEST_F(RaceCommands, ShowRefusesAnEmptyFileAndOneWithoutARaceLine) {
  const std::string empty = dir.File("2025/0301/阪神06.MJO");
  test::WriteFileBytes(empty, "");
  auto r = RunProgram(VORPA_TOOL_PATH, {"show", empty});
  EXPECT_EQ(r.Status, 1);
  EXPECT_TRUE(r.Out.empty());
  EXPECT_NE(r.Err.find("is empty"), std::string::npos) << r.Err;
  const std::string junk = dir.File("2025/0301/阪神07.MJO");
  test::WriteFileBytes(junk, "not a race file\r\n");
  for (const char* command : {"show", "upgrade"}) {
    r = RunProgram(VORPA_TOOL_PATH, {command, junk});
    EXPECT_EQ(r.Status, 1) << command;
    EXPECT_TRUE(r.Out.empty()) << command;
    EXPECT_NE(r.Err.find("holds no race line"), std::string::npos) << r.Err;
  }
}

TEST_F(RaceCommands, UpgradeReproducesA21FileAndConvertsA20File) {
  auto r = RunProgram(VORPA_TOOL_PATH, {"upgrade", file});
  ASSERT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out, test::ReadFileBytes(file));

  std::string old = test::ReadFileBytes(file);
  old.replace(0, 12, "VORPADAT 2.0");
  const std::string oldFile = dir.File("2026/1206/" + std::string("東京10.MJO"));
  test::WriteFileBytes(oldFile, old);
  r = RunProgram(VORPA_TOOL_PATH, {"upgrade", oldFile});
  ASSERT_EQ(r.Status, 0);
  EXPECT_EQ(r.Out.substr(0, 14), "VORPADAT 2.1\r\n");
  EXPECT_NE(r.Out.find("\r\nT08 0\r\nT09 0\r\n"), std::string::npos);  // 2.0 has no T08, T09
}

TEST_F(RaceCommands, ExportWritesTidyRowsOfEveryReading) {
  test::RaceRecipe second;
  second.VenueUtf8 = "中山";
  second.RaceNo = 2;
  second.Runners = 5;
  second.Readings = 1;
  ASSERT_TRUE(StoreRace(dir.Path(), test::MakeRace(second)));
  test::WriteFileBytes(dir.File("Vorpa.Ini"), "[vorpa]\r\nMojiPath=" + dir.Path() + "\r\n");

  auto r = RunProgram(VORPA_TOOL_PATH, {"--config-dir", dir.Path(), "export", "--date", "2026-12-06"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const std::string header = "date,venue,race,reading,time,bet_type,combination,odds\n";
  ASSERT_EQ(r.Out.substr(0, header.size()), header);
  // 5 runners, all running: 5 x 3 win/place + 36 bracket + 10 x 3 pairs + 20 exacta.
  const int small = 15 + 36 + 30 + 20;
  // 18 runners, one scratched: 17 live horses, 136 pairs, 272 exacta.
  const int big = 3 * (17 * 3 + 36 + 136 * 3 + 272);
  EXPECT_EQ(std::count(r.Out.begin(), r.Out.end(), '\n'), 1 + small + big);
  EXPECT_NE(r.Out.find("\n2026-12-06,中山,2,1,09:30:00,win,1,"), std::string::npos);
  EXPECT_NE(r.Out.find("\n2026-12-06,東京,11,3,10:10:40,exacta,2>1,"), std::string::npos);
  EXPECT_NE(r.Out.find(",10:10:59,wide_high,17_18,"), std::string::npos);
  EXPECT_NE(r.Out.find(",東京,11,1,09:30:00,win,3,"), std::string::npos);
  EXPECT_EQ(r.Out.find(",東京,11,1,09:30:00,win,4,"), std::string::npos);  // scratched: no odds

  auto j = RunProgram(VORPA_TOOL_PATH, {"--data-dir", dir.Path(), "export", "--date", "2026-12-06",
                                        "--format", "json"});
  ASSERT_EQ(j.Status, 0);
  EXPECT_EQ(PyJson(j.Out, "len(d), sorted(d[0].keys()), d[0]['venue'], d[0]['race']"),
            std::to_string(small + big) +
                " ['bet_type', 'combination', 'date', 'odds', 'race', 'reading', 'time', 'venue'] 中山 2\n");

  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"--data-dir", dir.Path(), "export"}).Status, 2);
}

// A date without race files and a data folder that does not exist are
// errors (exit 1, nothing on stdout); race files without readings are a
// valid empty export: the header alone (or []), exit 0.
TEST_F(RaceCommands, ExportAndListOfNothing) {
  for (const char* command : {"export", "list"}) {
    auto none = RunProgram(VORPA_TOOL_PATH, {"--data-dir", dir.Path(), command, "--date", "2020-01-01"});
    EXPECT_EQ(none.Status, 1) << command;
    EXPECT_TRUE(none.Out.empty()) << command;
    EXPECT_NE(none.Err.find("no race files of 2020-01-01"), std::string::npos) << none.Err;
    auto missing = RunProgram(VORPA_TOOL_PATH, {"--data-dir", dir.File("nowhere"), command, "--date",
                                                "2026-12-06"});
    EXPECT_EQ(missing.Status, 1) << command;
    EXPECT_TRUE(missing.Out.empty()) << command;
    EXPECT_NE(missing.Err.find("does not exist"), std::string::npos) << missing.Err;
  }
  test::RaceRecipe bare;
  bare.Date = EncodeDate(2026, 12, 13);
  bare.Readings = 0;
  ASSERT_TRUE(StoreRace(dir.Path(), test::MakeRace(bare)));
  auto r = RunProgram(VORPA_TOOL_PATH, {"--data-dir", dir.Path(), "export", "--date", "2026-12-13"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out, "date,venue,race,reading,time,bet_type,combination,odds\n");
  r = RunProgram(VORPA_TOOL_PATH, {"--data-dir", dir.Path(), "export", "--date", "2026-12-13", "--format", "json"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(PyJson(r.Out, "d"), "[]\n");
}

// vorpa-tool fair: the documented keys, every bet type sorted by
// probability, the market of the chosen reading, --top and the errors.
TEST_F(RaceCommands, FairPrintsEveryCombinationWithItsMarket) {
  auto r = RunProgram(VORPA_TOOL_PATH, {"fair", file, "--json"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  // 17 running horses: 17 + 17 + 35 + 136 + 272 + 136 + 680 + 4080 lines
  // (frame 2 keeps one horse, so no bracket 2-2).
  EXPECT_EQ(PyJson(r.Out, "len(d), sorted(set(tuple(sorted(x.keys())) for x in d))"),
            "5373 [('bet', 'combination', 'fair_odds', 'market_odds', 'probability', 'ratio')]\n");
  EXPECT_EQ(PyJson(r.Out, "[round(sum(x['probability'] for x in d if x['bet'] == b), 9) for b in "
                          "['win','place','bracket','quinella','exacta','wide','trio','trifecta']]"),
            "[1.0, 3.0, 1.0, 1.0, 1.0, 3.0, 1.0, 1.0]\n");
  EXPECT_EQ(PyJson(r.Out, "all(a['probability'] >= b['probability'] for a, b in zip(d, d[1:]) "
                          "if a['bet'] == b['bet'])"),
            "True\n");
  EXPECT_EQ(PyJson(r.Out, "[x for x in d if '4' in x['combination'].split('-') and x['bet'] != 'bracket']"),
            "[]\n");  // the scratched horse
  EXPECT_EQ(PyJson(r.Out, "set((x['market_odds'], x['ratio']) for x in d if x['bet'] in ('trio', 'trifecta'))"),
            "{(None, None)}\n");
  // Exacta 2-1 of the last reading: the market and the ratio market / fair.
  const double market = race.Snapshots[2].Exacta(2, 1);
  EXPECT_EQ(PyJson(r.Out, "[(float(x['market_odds']), abs(x['ratio'] - x['market_odds'] / x['fair_odds']) < 1e-12, "
                          "abs(x['fair_odds'] * x['probability'] - 0.75) < 1e-12) "
                          "for x in d if x['bet'] == 'exacta' and x['combination'] == '2-1']"),
            "[(" + PyFloat(market) + ", True, True)]\n");

  auto top = RunProgram(VORPA_TOOL_PATH, {"fair", file, "--bet", "quinella", "--top", "3",
                                          "--reading", "1", "--json"});
  ASSERT_EQ(top.Status, 0) << top.Err;
  std::vector<TFairLine> q = FairLines(TFairModel(race, 0), kBetQuinella, &race.Snapshots[0]);
  SortByProbability(q);
  EXPECT_EQ(PyJson(top.Out, "[(x['bet'], x['combination']) for x in d]"),
            "[('quinella', '" + CombinationText(q[0]) + "'), ('quinella', '" + CombinationText(q[1]) +
                "'), ('quinella', '" + CombinationText(q[2]) + "')]\n");
  EXPECT_EQ(PyJson(top.Out, "float(d[0]['market_odds'])"), PyFloat(q[0].MarketOdds) + "\n");
  auto text = RunProgram(VORPA_TOOL_PATH, {"fair", file, "--bet", "win", "--top", "1"});
  ASSERT_EQ(text.Status, 0);
  EXPECT_EQ(text.Out.substr(0, 27), "win (payout rate 0.800)\n  c");

  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"fair", file, "--reading", "4"}).Status, 1);
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"fair", file, "--bet", "place_low"}).Status, 2);
  EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, {"fair", file, "--top", "0"}).Status, 2);
  test::RaceRecipe bare;
  bare.Date = EncodeDate(2026, 12, 13);
  bare.Readings = 0;
  ASSERT_TRUE(StoreRace(dir.Path(), test::MakeRace(bare)));
  auto none = RunProgram(VORPA_TOOL_PATH, {"fair", RaceFilePath(dir.Path(), race.Header.VenueName, 11, bare.Date)});
  EXPECT_EQ(none.Status, 1);
  EXPECT_NE(none.Err.find("holds no odds reading"), std::string::npos) << none.Err;
}

}  // namespace
}  // namespace vorpa
