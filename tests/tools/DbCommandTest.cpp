// vorpa-tool db against a day fetched from a real vorpa-ipatd: every row of
// a rebuilt database checked against the race files, sync after changed,
// deleted and damaged files, the read-only query and its formats, and
// kill -9 during a rebuild.
#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <nlohmann/json.hpp>
#include <random>
#include <string>
#include <vector>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "history/HistoryDb.h"
#include "history/HistorySync.h"
#include "history/Sqlite.h"
#include "support/IpatdServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "support/WholeDatabase.h"

extern char** environ;

namespace vorpa {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;
using test::RunProgram;

const char kNow[] = "2026-12-06 18:00:00";

class Db : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteFileBytes(config.File("Vorpa.Ini"), "[vorpa]\r\nINetID=TOOL0001\r\nMojiPath=" + data.Path() +
                                                       "\r\nIPatHost=" + server.Host() + "\r\n");
    const auto r = Tool({"fetch", "--once", "--retry-wait", "0"});
    ASSERT_EQ(r.Status, 0) << r.Err;
    files = ListAllRaceFiles(data.Path());
    ASSERT_GE(files.size(), 20u);
  }
  test::ProgramResult Tool(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", config.Path(), "--now", kNow});
    return RunProgram(VORPA_TOOL_PATH, args);
  }
  json Query(const std::string& sql) {
    const auto r = Tool({"db", "query", sql, "--json"});
    EXPECT_EQ(r.Status, 0) << sql << ": " << r.Err;
    return r.Status == 0 ? json::parse(r.Out) : json::array();
  }
  std::string SyncLine(const char* verb = "sync") { return Tool({"db", verb}).Out; }

  test::IpatdServer server{{"--seed", "7", "--now", kNow}};
  test::TempDir config, data;
  std::vector<TDatedRaceFile> files;
};

json TextOrNull(const std::string& cp932) { return cp932.empty() ? json() : json(Cp932ToUtf8(cp932)); }
json OddsOrNull(double v) { return v >= 0 ? json(v) : json(); }
json PositiveOrNull(int v) { return v > 0 ? json(v) : json(); }

TEST_F(Db, RebuildHoldsEveryRowOfTheRaceFiles) {
  ASSERT_EQ(SyncLine("rebuild"), std::to_string(files.size()) + " race files, " +
                                     std::to_string(files.size()) + " added or replaced, 0 removed\n");
  std::map<std::string, TRace> races;  // by file
  for (const TDatedRaceFile& f : files)
    LoadRaceFile(f.Entry.Path, f.Entry.VenueName, f.Entry.RaceNo,
                 races[RelativeRaceFile(f.Date, f.Entry.FileName)], f.Date);

  std::map<std::string, int64_t> ids;
  const json rows = Query("SELECT * FROM races");
  ASSERT_EQ(rows.size(), races.size());
  for (const json& row : rows) {
    const std::string file = row["file"];
    ASSERT_EQ(races.count(file), 1u) << file;
    const TRaceHeader& h = races[file].Header;
    ids[file] = row["race_id"];
    EXPECT_EQ(row["date"], DateToIsoText(h.RaceDate));
    EXPECT_EQ(row["venue"], Cp932ToUtf8(h.VenueName));
    EXPECT_EQ(row["race_no"], h.RaceNo);
    EXPECT_EQ(row["post_time"], TimeToText(h.StartTime));
    EXPECT_EQ(row["title"], TextOrNull(h.RaceName));
    EXPECT_EQ(row["runner_count"], h.RunnerCount);
    EXPECT_EQ(row["distance"], h.Distance);
    EXPECT_EQ(row["course"], TextOrNull(h.CourseText));
    EXPECT_EQ(row["weather"], TextOrNull(h.Weather));
    EXPECT_EQ(row["going"], TextOrNull(h.Going));
    EXPECT_EQ(row["file_mtime"], FileMtimeNs(data.Path() + file));
  }
  auto raceOf = [&](const json& row) -> const TRace& {
    for (const auto& [file, id] : ids)
      if (id == row["race_id"]) return races[file];
    ADD_FAILURE() << row;
    return races.begin()->second;
  };

  size_t runners = 0, readings = 0, finals = 0, pools = 0, payouts = 0;
  for (const auto& [file, race] : races) {
    const int n = race.Header.RunnerCount;
    runners += n;
    readings += race.Snapshots.size() * n;
    if (!race.Snapshots.empty()) finals += 2 * n + 36 + n * (n - 1) * 2;
    for (int k = 0; k < kVoteTypes; ++k) pools += race.Votes[k] > 0 && !race.Snapshots.empty();
    for (int p : race.Result.PlacePay) payouts += p > 0;
  }
  const json runnerRows = Query("SELECT * FROM runners");
  ASSERT_EQ(runnerRows.size(), runners);
  for (const json& row : runnerRows) {
    const TSyutuba& r = raceOf(row).Runner(row["horse_no"]);
    EXPECT_EQ(row["frame"], r.FrameNo);
    EXPECT_EQ(row["name"], Cp932ToUtf8(r.HorseName));
    EXPECT_EQ(row["jockey"], TextOrNull(r.JockeyName));
    EXPECT_EQ(row["trainer"], TextOrNull(r.TrainerName));
    EXPECT_EQ(row["body_weight"], PositiveOrNull(r.BodyWeight));
    EXPECT_EQ(row["weight_change"], r.WeightDiffKnown && r.BodyWeight > 0 ? json(r.WeightDiff) : json());
    EXPECT_DOUBLE_EQ(row["burden"].get<double>(), r.Burden);
    EXPECT_EQ(row["scratched"], r.Finish == -1 ? 1 : 0);
    EXPECT_EQ(row["finish"], PositiveOrNull(r.Finish));
    EXPECT_EQ(row["margin"], TextOrNull(r.Margin));
  }
  const json readingRows = Query("SELECT * FROM win_readings");
  ASSERT_EQ(readingRows.size(), readings);
  for (const json& row : readingRows) {
    const TRace& race = raceOf(row);
    const int h = row["horse_no"];
    int matches = 0;
    for (const OddsSnapshot& s : race.Snapshots)
      matches += TimeToText(s.WinTime()) == row["taken_at"] && OddsOrNull(s.Win(h)) == row["win"] &&
                 OddsOrNull(s.PlaceLow(h)) == row["place_low"] && OddsOrNull(s.PlaceHigh(h)) == row["place_high"];
    EXPECT_EQ(matches, 1) << row;
  }
  const json finalRows = Query("SELECT * FROM final_odds");
  ASSERT_EQ(finalRows.size(), finals);
  for (const json& row : finalRows) {
    const OddsSnapshot& s = raceOf(row).Snapshots.back();
    const std::string bet = row["bet"];
    const int i = row["first"];
    const int j = row["second"].is_null() ? 0 : row["second"].get<int>();
    if (bet == "win") {
      EXPECT_EQ(row["odds"], OddsOrNull(s.Win(i)));
    }
    if (bet == "place") {
      EXPECT_EQ(row["odds_high"], OddsOrNull(s.PlaceHigh(i)));
    }
    if (bet == "bracket") {
      EXPECT_EQ(row["odds"], OddsOrNull(s.Bracket(i, j)));
    }
    if (bet == "quinella") {
      EXPECT_EQ(row["odds"], OddsOrNull(s.Quinella(i, j)));
    }
    if (bet == "exacta") {
      EXPECT_EQ(row["odds"], OddsOrNull(s.Exacta(i, j)));
    }
    if (bet == "wide") {
      EXPECT_EQ(row["odds"], OddsOrNull(s.WideLow(i, j)));
      EXPECT_EQ(row["odds_high"], OddsOrNull(s.WideHigh(i, j)));
    }
    EXPECT_EQ(row["second"].is_null(), bet == "win" || bet == "place") << row;
  }
  const json poolRows = Query("SELECT * FROM pools");
  ASSERT_EQ(poolRows.size(), pools);
  const char* const bets[] = {"win", "place", "bracket", "quinella", "exacta", "wide", "trio", "trifecta", "total"};
  for (const json& row : poolRows) {
    const TRace& race = raceOf(row);
    const int k = static_cast<int>(std::find(std::begin(bets), std::end(bets), row["bet"]) - std::begin(bets));
    ASSERT_LT(k, kVoteTypes) << row;
    EXPECT_DOUBLE_EQ(row["votes"].get<double>(), race.Votes[k] / 10000.0);
    EXPECT_EQ(row["taken_at"], TimeToText(race.Snapshots.back().WinTime()));
  }
  // Place payouts: one row per paid horse, combination and yen as the result holds them.
  const json placeRows = Query("SELECT * FROM payouts WHERE bet = 'place'");
  ASSERT_EQ(placeRows.size(), payouts);
  for (const json& row : placeRows) {
    const TRaceResult& r = raceOf(row).Result;
    int matches = 0;
    for (int p = 0; p < 4; ++p)
      matches += std::to_string(r.PlaceHorse[p]) == row["combination"] && r.PlacePay[p] == row["yen"];
    EXPECT_EQ(matches, 1) << row;
  }
  for (const json& row : Query("SELECT * FROM payouts WHERE bet = 'trifecta'")) {
    const TRaceResult& r = raceOf(row).Result;
    int matches = 0;
    for (int k = 0; k < 2; ++k) {
      const auto& t = r.TrifectaSet[k];
      matches += std::to_string(t[0]) + "-" + std::to_string(t[1]) + "-" + std::to_string(t[2]) ==
                     row["combination"] && r.TrifectaPay[k] == row["yen"];
    }
    EXPECT_EQ(matches, 1) << row;
  }
  // The favourite of each race: the lowest final win odds.
  const json favourites = Query("SELECT * FROM favourites");
  EXPECT_EQ(favourites.size(), races.size());
  for (const json& row : favourites) {
    const TRace& race = raceOf(row);
    const double odds = race.Snapshots.back().Win(row["horse_no"]);
    for (int h = 1; h <= race.Header.RunnerCount; ++h)
      if (race.Snapshots.back().Win(h) >= 0) {
        EXPECT_LE(odds, race.Snapshots.back().Win(h));
      }
    EXPECT_EQ(row["finish"], PositiveOrNull(race.Runner(row["horse_no"]).Finish));
  }
}

TEST_F(Db, SyncFollowsChangedDeletedAndDamagedFiles) {
  const std::string n = std::to_string(files.size());
  // Every store of the fetch updated the database already.
  EXPECT_EQ(SyncLine(), n + " race files, 0 added or replaced, 0 removed\n");
  EXPECT_EQ(Query("SELECT count(*) AS n FROM races")[0]["n"], files.size());

  TRace race;
  const TDatedRaceFile& changed = files[0];
  LoadRaceFile(changed.Entry.Path, changed.Entry.VenueName, changed.Entry.RaceNo, race, changed.Date);
  race.Header.RaceName = Utf8ToCp932("書き換え特別");
  race.Header.RunnerCount -= 1;
  ASSERT_TRUE(StoreRace(data.Path(), race));
  fs::remove(files[1].Entry.Path);
  const std::string rest = std::to_string(files.size() - 1);
  EXPECT_EQ(SyncLine(), rest + " race files, 1 added or replaced, 1 removed\n");
  const std::string file = RelativeRaceFile(changed.Date, changed.Entry.FileName);
  const json row = Query("SELECT title, runner_count, (SELECT count(*) FROM runners u WHERE u.race_id = r.race_id) "
                         "AS runners FROM races r WHERE file = '" + file + "'");
  ASSERT_EQ(row.size(), 1u);
  EXPECT_EQ(row[0]["title"], "書き換え特別");
  EXPECT_EQ(row[0]["runners"], race.Header.RunnerCount);
  EXPECT_TRUE(Query("SELECT * FROM runners u JOIN races r USING(race_id) WHERE r.file = '" +
                    RelativeRaceFile(files[1].Date, files[1].Entry.FileName) + "'").empty());

  // A damaged database is set aside and rebuilt by the next sync.
  const std::string db = data.File("vorpa.sqlite");
  fs::remove(db + "-wal");
  fs::remove(db + "-shm");
  test::WriteFileBytes(db, std::string(8192, 'x'));
  const auto r = Tool({"db", "sync"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_NE(r.Err.find("vorpa.sqlite.bad"), std::string::npos);
  EXPECT_EQ(test::ReadFileBytes(db + ".bad"), std::string(8192, 'x'));
  EXPECT_EQ(r.Out, rest + " race files, " + rest + " added or replaced, 0 removed\n");
  EXPECT_EQ(Query("SELECT count(*) AS n FROM races")[0]["n"], files.size() - 1);
}

TEST_F(Db, QueryIsReadOnlyAndWritesTextCsvAndJson) {
  const std::string before = Tool({"db", "query", "SELECT count(*) FROM runners"}).Out;
  auto r = Tool({"db", "query", "DELETE FROM runners"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("readonly"), std::string::npos) << r.Err;
  r = Tool({"db", "query", "ATTACH '" + data.File("other.sqlite") + "' AS o"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_FALSE(fs::exists(data.File("other.sqlite")));
  EXPECT_EQ(Tool({"db", "query", "SELECT count(*) FROM runners"}).Out, before);

  const std::string sql = "SELECT 'a,\"b' AS x, NULL AS y, 1.5 AS z, 7 AS \"n n\", '東京' AS v "
                          "UNION ALL SELECT 'c', 'd', 2, -3, 'e'";
  EXPECT_EQ(Tool({"db", "query", sql, "--csv"}).Out,
            "x,y,z,n n,v\r\n\"a,\"\"b\",,1.5,7,東京\r\nc,d,2,-3,e\r\n");
  EXPECT_EQ(Tool({"db", "query", sql, "--json"}).Out,
            "[\n{\"x\":\"a,\\\"b\",\"y\":null,\"z\":1.5,\"n n\":7,\"v\":\"東京\"},\n"
            "{\"x\":\"c\",\"y\":\"d\",\"z\":2,\"n n\":-3,\"v\":\"e\"}\n]\n");
  EXPECT_EQ(Tool({"db", "query", sql}).Out,
            "x     y     z    n n  v\n"
            "a,\"b  NULL  1.5  7    東京\n"
            "c     d     2    -3   e\n");
  EXPECT_EQ(Tool({"db", "query", "SELECT 1 WHERE 0", "--json"}).Out, "[]\n");
  r = Tool({"db", "query", "SELEKT 1"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Err.find("syntax error"), std::string::npos);
  EXPECT_EQ(Tool({"db", "query", "SELECT 1", "--xml"}).Status, 2);
  EXPECT_EQ(Tool({"db", "path"}).Out, data.File("vorpa.sqlite") + "\n");
  test::TempDir empty;
  r = Tool({"--data-dir", empty.Path(), "db", "query", "SELECT 1"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_FALSE(fs::exists(empty.File("vorpa.sqlite")));  // a query never makes one
}

TEST_F(Db, KilledDuringRebuildLeavesADatabaseThatAnswersAndASyncCompletesIt) {
  // Forty more meeting days of the fetched races.
  for (int d = 1; d <= 40; ++d) {
    const std::string day = data.Path() + std::to_string(1980 + d) + "/1206/";
    fs::create_directories(day);
    for (const TDatedRaceFile& f : files) fs::copy_file(f.Entry.Path, day + f.Entry.FileName);
  }
  const size_t all = ListAllRaceFiles(data.Path()).size();
  ASSERT_EQ(all, files.size() * 41);
  std::mt19937 random(3);
  const std::string cfg = config.Path();
  for (int round = 0; round < 6; ++round) {
    std::vector<const char*> argv = {VORPA_TOOL_PATH, "--config-dir", cfg.c_str(), "db", "rebuild", nullptr};
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, VORPA_TOOL_PATH, nullptr, nullptr, const_cast<char**>(argv.data()), environ), 0);
    usleep(std::uniform_int_distribution<int>(30000, 900000)(random));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    TSqlite db;
    ASSERT_TRUE(test::OpensWhole(db, data.File("vorpa.sqlite")));
    const int64_t races = db.QueryInt("SELECT count(*) FROM races", -1);
    EXPECT_GE(races, 0);
    // Whole races only: every race row has all its runners.
    EXPECT_EQ(db.QueryInt("SELECT count(*) FROM races r WHERE runner_count <> "
                          "(SELECT count(*) FROM runners u WHERE u.race_id = r.race_id)", -1), 0);
  }
  const auto r = Tool({"db", "sync"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(Query("SELECT count(*) AS n FROM races")[0]["n"], all);
  EXPECT_EQ(SyncLine(), std::to_string(all) + " race files, 0 added or replaced, 0 removed\n");
}

}  // namespace
}  // namespace vorpa
