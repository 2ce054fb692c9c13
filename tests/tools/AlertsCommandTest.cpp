// vorpa-tool alerts over race files written in the test (the JSON keys,
// thresholds from the command line, the exit status of an empty date, the
// inflow from the win pools of the history database) and over a simulated
// day fetched from a real vorpa-ipatd: every planted late bet is found, and
// fetch says so as it stores the race.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <set>
#include <string>
#include <tuple>
#include <vector>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "support/IpatdServer.h"
#include "support/RaceFactory.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"

namespace vorpa {
namespace {

using nlohmann::json;
using test::RunProgram;

TRace TwoReadings(int no, double win1From, double win1To) {
  TRace race;
  ClearRace(race, Utf8ToCp932("阪神"), no, EncodeDate(2026, 12, 6));
  race.Header.RunnerCount = 3;
  for (int h = 1; h <= 3; ++h) race.Runner(h).HorseNo = h;
  for (int k = 0; k < 2; ++k) {
    OddsSnapshot s = EmptySnapshot();
    s.WinTime() = EncodeTime(14, 10 + 5 * k, 30);
    s.Win(1) = k == 0 ? win1From : win1To;
    s.Win(2) = 3.0;
    s.Win(3) = 3.0;
    race.Snapshots.push_back(s);
  }
  return race;
}

TEST(AlertsCommand, PrintsTheDaysAlertsAsJsonWithExactlyTheListedKeys) {
  test::TempDir config, data;
  StoreRace(data.Path(), TwoReadings(3, 20.0, 13.0));  // to 65 %
  StoreRace(data.Path(), TwoReadings(1, 20.0, 14.2));  // to 71 %
  auto tool = [&](std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", config.Path(), "--data-dir", data.Path(), "alerts"});
    return RunProgram(VORPA_TOOL_PATH, args);
  };
  auto r = tool({"--date", "2026-12-06", "--json", "--share", "100"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  json alerts = json::parse(r.Out);
  ASSERT_EQ(alerts.size(), 1u) << r.Out;
  const json& a = alerts[0];
  std::set<std::string> keys;
  for (const auto& [key, value] : a.items()) keys.insert(key);
  EXPECT_EQ(keys, (std::set<std::string>{"date", "venue", "race", "from_time", "to_time", "kind", "horse",
                                         "odds_from", "odds_to", "share_from", "share_to", "inflow_yen"}));
  EXPECT_EQ(a["date"], "2026-12-06");
  EXPECT_EQ(a["venue"], "阪神");
  EXPECT_EQ(a["race"], 3);
  EXPECT_EQ(a["from_time"], "14:10:30");
  EXPECT_EQ(a["to_time"], "14:15:30");
  EXPECT_EQ(a["kind"], "drop");
  EXPECT_EQ(a["horse"], 1);
  EXPECT_EQ(a["odds_from"], 20.0);
  EXPECT_EQ(a["odds_to"], 13.0);
  EXPECT_NEAR(a["share_from"].get<double>(), (1 / 20.0) / (1 / 20.0 + 2 / 3.0), 1e-6);
  EXPECT_NEAR(a["share_to"].get<double>(), (1 / 13.0) / (1 / 13.0 + 2 / 3.0), 1e-6);
  EXPECT_TRUE(a["inflow_yen"].is_null());

  // --drop 28 takes in the fall to 71 %; the shares' rise (2.6 and 3.3
  // points) passes --share 2; text lines in time order.
  r = tool({"--date", "2026-12-06", "--drop", "28", "--share", "2"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out,
            "2026-12-06 14:10:30-14:15:30 阪神 1R  1 drop     20.0 ->   14.2   7.0% ->   9.6% -\n"
            "2026-12-06 14:10:30-14:15:30 阪神 1R  1 share    20.0 ->   14.2   7.0% ->   9.6% -\n"
            "2026-12-06 14:10:30-14:15:30 阪神 3R  1 drop     20.0 ->   13.0   7.0% ->  10.3% -\n"
            "2026-12-06 14:10:30-14:15:30 阪神 3R  1 share    20.0 ->   13.0   7.0% ->  10.3% -\n");
  EXPECT_EQ(tool({"--date", "2026-12-07"}).Status, 1);
  EXPECT_EQ(tool({"--date", "2026-12-06", "--drop", "x"}).Status, 2);
  EXPECT_EQ(tool({}).Status, 2);
}

// Three readings five minutes apart with odds 4.0, 4.1 and 3.9 throughout
// (horse 1 falls to 2.0 at the third). The win pool grows from 1,000,000
// to 1,500,000 votes between the first two, so the money on horse 1 grows
// by 100 x 500,000 x 0.8 / 4.0 = 10,000,000 yen, on horse 2 by 9,756,098
// and on horse 3 by 10,256,410. The third store read no win pool.
TEST(AlertsCommand, InflowComesFromTheWinPoolsOfTheHistoryDatabase) {
  test::TempDir config, data;
  TRace race = TwoReadings(5, 4.0, 4.0);
  race.Snapshots.push_back(race.Snapshots.back());
  race.Snapshots[2].WinTime() = EncodeTime(14, 20, 30);
  for (OddsSnapshot& s : race.Snapshots) {
    s.Win(2) = 4.1;
    s.Win(3) = 3.9;
  }
  race.Snapshots[2].Win(1) = 2.0;
  test::StoreReadingByReading(data.Path(), race, {1000000, 1500000, 0});
  auto alerts = [&](std::vector<std::string> more) {
    std::vector<std::string> args = {"--config-dir", config.Path(), "--data-dir", data.Path(), "alerts",
                                     "--date", "2026-12-06", "--json", "--share", "100"};
    args.insert(args.end(), more.begin(), more.end());
    const auto r = RunProgram(VORPA_TOOL_PATH, args);
    EXPECT_EQ(r.Status, 0) << r.Err;
    return json::parse(r.Out);
  };
  auto brief = [](const json& list) {
    std::vector<std::tuple<std::string, int, std::string, json>> out;
    for (const json& a : list) out.emplace_back(a["to_time"], a["horse"], a["kind"], a["inflow_yen"]);
    return out;
  };
  using Rows = std::vector<std::tuple<std::string, int, std::string, json>>;
  // Every inflow between the first two readings; none is known between the
  // last two, where the drop has inflow_yen null.
  EXPECT_EQ(brief(alerts({"--inflow", "1"})), (Rows{{"14:15:30", 1, "inflow", 10000000},
                                                    {"14:15:30", 2, "inflow", 9756098},
                                                    {"14:15:30", 3, "inflow", 10256410},
                                                    {"14:20:30", 1, "drop", nullptr}}));
  // The default threshold of 10,000,000 yen: at and above fire, below not;
  // one yen more leaves only the one above.
  EXPECT_EQ(brief(alerts({})), (Rows{{"14:15:30", 1, "inflow", 10000000},
                                     {"14:15:30", 3, "inflow", 10256410},
                                     {"14:20:30", 1, "drop", nullptr}}));
  EXPECT_EQ(brief(alerts({"--inflow", "10000001"})),
            (Rows{{"14:15:30", 3, "inflow", 10256410}, {"14:20:30", 1, "drop", nullptr}}));

  // Without the database no pool is known.
  for (const char* suffix : {"", "-wal", "-shm"}) std::filesystem::remove(data.Path() + "/vorpa.sqlite" + suffix);
  EXPECT_EQ(brief(alerts({"--inflow", "1"})), (Rows{{"14:20:30", 1, "drop", nullptr}}));
}

TEST(AlertsCommand, FindsEveryPlantedMoveOfASimulatedDayAfterAFetch) {
  test::IpatdServer server({"--seed", "7", "--now", "2026-12-06 09:30:00"});
  test::TempDir config, data;
  test::WriteFileBytes(config.File("Vorpa.Ini"), "[vorpa]\r\nINetID=TOOL0001\r\nMojiPath=" + data.Path() +
                                                     "\r\nIPatHost=" + server.Host() + "\r\n");
  json planted = json::parse(server.Truth())["planted_moves"];
  ASSERT_GE(planted.size(), 4u);
  // In time order, so that every fetch adds a newer reading.
  std::sort(planted.begin(), planted.end(),
            [](const json& a, const json& b) { return a["time"].get<std::string>() < b["time"].get<std::string>(); });
  for (const json& move : planted) {
    const std::string race = move["venue"].get<std::string>() + std::to_string(move["race"].get<int>());
    double at = 0;
    ASSERT_TRUE(TryTextToTime(move["time"], &at));
    // One reading two minutes before the bet is in, one a minute after.
    for (double t : {at - 2 / 1440.0, at + 1 / 1440.0}) {
      const std::string now = "2026-12-06 " + TimeToText(t);
      ASSERT_TRUE(server.SetNow(now));
      const auto r = RunProgram(VORPA_TOOL_PATH, {"--config-dir", config.Path(), "--now", now, "fetch",
                                                  "--direct", race, "--retry-wait", "0"});
      ASSERT_EQ(r.Status, 0) << r.Out << r.Err;
      // The fetch after the bet tells of the fall as it stores the race.
      char said[64];
      std::snprintf(said, sizeof said, "%2dR %2d drop ", move["race"].get<int>(), move["horse"].get<int>());
      const std::string line = "\nALERT 2026-12-06 " + TimeToText(at - 2 / 1440.0).substr(0, 5);
      const size_t p = r.Out.find(line);
      if (t < at) continue;
      ASSERT_NE(p, std::string::npos) << race << "\n" << r.Out;
      EXPECT_NE(r.Out.find(move["venue"].get<std::string>() + said, p), std::string::npos) << r.Out;
    }
  }
  const auto r = RunProgram(VORPA_TOOL_PATH,
                            {"--config-dir", config.Path(), "alerts", "--date", "2026-12-06", "--json"});
  ASSERT_EQ(r.Status, 0) << r.Err;
  const json alerts = json::parse(r.Out);
  for (const json& move : planted) {
    bool found = false;
    for (const json& a : alerts)
      found |= a["venue"] == move["venue"] && a["race"] == move["race"] && a["horse"] == move["horse"] &&
               a["kind"] == "drop" && a["odds_to"].get<double>() <= std::stod(move["odds_after"].get<std::string>()) * 1.1;
    EXPECT_TRUE(found) << move.dump() << "\n" << r.Out;
  }
}

}  // namespace
}  // namespace vorpa
