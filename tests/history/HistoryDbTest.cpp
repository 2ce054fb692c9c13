// The history database on race files written by the test: a partly read
// file, names without a Unicode form, the pools time series across stores,
// and a store while another writer holds the database.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/Cp932.h"
#include "core/FileLock.h"
#include "core/RaceIO/RaceIO.h"
#include "history/HistoryDb.h"
#include "history/HistoryReader.h"
#include "history/HistoryStore.h"
#include "history/HistorySync.h"
#include "history/Sqlite.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

const double kDay = EncodeDate(2026, 12, 6);

int64_t Count(const std::string& dataDir, const std::string& sql) {
  TSqlite db;
  EXPECT_TRUE(db.Open(HistoryDbPath(dataDir), TSqlite::Mode::ReadOnly, 2000));
  return db.QueryInt(sql, -1);
}

std::string Text(const std::string& dataDir, const std::string& sql) {
  TSqlite db;
  EXPECT_TRUE(db.Open(HistoryDbPath(dataDir), TSqlite::Mode::ReadOnly, 2000));
  TSqlite::Statement s = db.Prepare(sql);
  return s.Step() ? s.Text(0) : "<none>";
}

TEST(HistoryDb, PartlyReadFileGivesWhatWasReadAndUnmappableNamesStayAsConverted) {
  test::TempDir data;
  TRace race = test::MakeRace();
  // 0x85 0x40 is a CP932 code without a Unicode character.
  race.Runner(2).HorseName = Utf8ToCp932("ミナモ") + "\x85\x40";
  std::string bytes = FormatRace(race);
  // Cut the S group after horse 7: later runners, payouts and readings are lost.
  const size_t cut = bytes.find("\r\nS08");
  ASSERT_NE(cut, std::string::npos);
  bytes = bytes.substr(0, cut + 2) + "X99 damaged\r\n" + bytes.substr(cut + 2);
  const std::string path = RaceFilePath(data.Path(), race.Header.VenueName, 11, kDay);
  std::filesystem::create_directories(DateDirPath(data.Path(), kDay));
  ASSERT_TRUE(LockedWriteFile(path, bytes));
  const TSyncResult r = SyncHistory(data.Path());
  ASSERT_TRUE(r.Ok) << r.Error;
  EXPECT_EQ(r.Put, 1);
  EXPECT_EQ(Count(data.Path(), "SELECT count(*) FROM runners WHERE name IS NOT NULL"), 7);
  EXPECT_EQ(Count(data.Path(), "SELECT count(*) FROM win_readings"), 0);
  EXPECT_EQ(Count(data.Path(), "SELECT count(*) FROM payouts"), 0);
  EXPECT_EQ(Text(data.Path(), "SELECT title FROM races"), "雪灯ステークス");
  const std::string converted = Cp932ToUtf8(race.Runner(2).HorseName);
  EXPECT_NE(converted.find("\xEF\xBF\xBD"), std::string::npos);  // U+FFFD
  EXPECT_EQ(Text(data.Path(), "SELECT name FROM runners WHERE horse_no = 2"), converted);
  // The history of such a name is found from the card's CP932 text.
  THistoryReader reader;
  ASSERT_TRUE(reader.Open(data.Path()));
  EXPECT_EQ(reader.Rides(TRideKey::Horse, race.Runner(2).HorseName).size(), 1u);
}

TEST(HistoryDb, EveryStoreAddsToThePoolsAndALockedDatabaseIsCaughtUpBySync) {
  test::TempDir data;
  test::RaceRecipe recipe;
  recipe.Readings = 1;
  recipe.Result = false;
  TRace race = test::MakeRace(recipe);
  const int64_t firstVotes = race.Votes[0];
  ASSERT_TRUE(StoreRace(data.Path(), race));
  EXPECT_EQ(UpdateHistoryAfterStore(data.Path(), race.Header), "");
  // A later reading with more money on win.
  race.Snapshots.push_back(race.Snapshots.back());
  race.Snapshots.back().WinTime() += EncodeTime(0, 20, 0);
  race.Votes[0] += 5000000 * int64_t{10000};
  ASSERT_TRUE(StoreRace(data.Path(), race));
  EXPECT_EQ(UpdateHistoryAfterStore(data.Path(), race.Header), "");
  THistoryReader reader;
  ASSERT_TRUE(reader.Open(data.Path()));
  std::vector<TPoolVotes> win = reader.PoolSeries(kDay, race.Header.VenueName, 11);
  ASSERT_EQ(win.size(), 2u);
  EXPECT_EQ(TimeToText(win[0].TakenAt), "09:30:00");
  EXPECT_EQ(TimeToText(win[1].TakenAt), "09:50:00");
  EXPECT_EQ(win[0].Votes, firstVotes);
  EXPECT_EQ(win[1].Votes, race.Votes[0]);
  EXPECT_EQ(reader.PoolSeries(kDay, race.Header.VenueName, 11, "total").size(), 2u);
  EXPECT_TRUE(reader.PoolSeries(kDay, race.Header.VenueName, 12).empty());

  // Another program holds the write lock: the store's update gives up and
  // says so; the file is written all the same and a sync catches up.
  TSqlite other;
  ASSERT_TRUE(other.Open(HistoryDbPath(data.Path()), TSqlite::Mode::ReadWrite, 0));
  ASSERT_TRUE(other.Exec("BEGIN IMMEDIATE"));
  race.Header.RaceName = Utf8ToCp932("灯火賞");
  ASSERT_TRUE(StoreRace(data.Path(), race));
  EXPECT_EQ(Cp932ToUtf8(UpdateHistoryAfterStore(data.Path(), race.Header)),
            "履歴DBが使用中のため更新を見送りました(次の同期で更新)");
  ASSERT_TRUE(other.Exec("COMMIT"));
  EXPECT_EQ(Text(data.Path(), "SELECT title FROM races"), "雪灯ステークス");
  const TSyncResult r = SyncHistory(data.Path());
  EXPECT_EQ(r.Put, 1);
  EXPECT_EQ(Text(data.Path(), "SELECT title FROM races"), "灯火賞");
  // The sync keeps the series the stores made.
  EXPECT_EQ(reader.PoolSeries(kDay, race.Header.VenueName, 11).size(), 2u);
}

}  // namespace
}  // namespace vorpa
