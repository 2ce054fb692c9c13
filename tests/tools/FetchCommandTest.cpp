// vorpa-tool fetch and list run as programs against a real vorpa-ipatd:
// exit statuses, the log lines on stdout and in the day's log file, a
// direct run, and repeated kill -9 during stores leaving every race file
// and the history database whole.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/Cp932.h"
#include "history/Sqlite.h"
#include "support/IpatdServer.h"
#include "support/RunProgram.h"
#include "support/TempDir.h"
#include "support/WholeDatabase.h"

extern char** environ;

namespace vorpa {
namespace {

namespace fs = std::filesystem;
using test::RunProgram;

const char kNow[] = "2026-12-06 18:00:00";

class Fetch : public ::testing::Test {
 protected:
  void Config(const std::string& inetId, const std::string& dataDir) {
    test::WriteFileBytes(config.File("Vorpa.Ini"), "[vorpa]\r\nINetID=" + inetId + "\r\nMojiPath=" + dataDir +
                                                       "\r\nIPatHost=" + server.Host() + "\r\n");
  }
  test::ProgramResult Tool(std::vector<std::string> args) {
    args.insert(args.begin(), {"--config-dir", config.Path(), "--now", kNow});
    return RunProgram(VORPA_TOOL_PATH, args, "", {"XDG_STATE_HOME=" + state.Path()});
  }
  // Every race file below the data directory, by name.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(data.Path()))
      if (e.is_regular_file() && e.path().extension() == ".MJO")
        files[fs::relative(e.path(), data.Path()).string()] = test::ReadFileBytes(e.path());
    return files;
  }

  test::IpatdServer server{{"--seed", "7", "--now", kNow}};
  test::TempDir config, data, state;
};

TEST_F(Fetch, OnceFetchesTheDayAndListShowsIt) {
  Config("TOOL0001", data.Path());
  const auto r = Tool({"fetch", "--once", "--retry-wait", "0"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_EQ(r.Out.substr(0, 28), "18:00:00 情報取得開始\n");
  EXPECT_NE(r.Out.find("18:00:00 12/06 "), std::string::npos);
  EXPECT_NE(r.Out.find("R 取得\n"), std::string::npos);
  EXPECT_EQ(r.Out.substr(r.Out.size() - 31), "18:00:00 全情報取得完了\n");
  // The same lines went to the day's log file, and a second run appends.
  const std::string logFile = state.File("vorpa/log/2026-12-06.log");
  EXPECT_EQ(test::ReadFileBytes(logFile), r.Out);
  const auto again = Tool({"fetch", "--once", "--retry-wait", "0"});
  EXPECT_EQ(test::ReadFileBytes(logFile), r.Out + again.Out);

  const auto list = Tool({"list", "--date", "2026-12-06"});
  EXPECT_EQ(list.Status, 0) << list.Err;
  const size_t lines = std::count(list.Out.begin(), list.Out.end(), '\n');
  EXPECT_EQ(lines, static_cast<size_t>(std::count(r.Out.begin(), r.Out.end(), '\n') - 2));
  // A finished race shows the popularities of its first five.
  EXPECT_NE(list.Out.find(" 10:"), std::string::npos);
  EXPECT_EQ(list.Out.find("   \n"), std::string::npos);
  EXPECT_EQ(Tool({"list", "--date", "2026-12-07"}).Status, 1);
  EXPECT_EQ(Tool({"--data-dir", data.File("missing"), "list", "--date", "2026-12-06"}).Status, 1);
}

TEST_F(Fetch, StatusShowsStateLinesAndLogBlocks) {
  Config("TOOL0001", data.Path());
  const auto r = Tool({"fetch", "--once", "--status", "--retry-wait", "0"});
  EXPECT_EQ(r.Status, 0) << r.Err;
  EXPECT_NE(r.Out.find("[ログイン]   action 1 access 0 retry 0 wait 0\n"), std::string::npos) << r.Out.substr(0, 400);
  EXPECT_NE(r.Out.find("\n[開催地]\n"), std::string::npos);
  EXPECT_NE(r.Out.find("\n[出馬]"), std::string::npos);
  EXPECT_NE(r.Out.find("\n[結果]"), std::string::npos);
}

TEST_F(Fetch, ExitStatusesOfRefusalsAndBadArguments) {
  Config("", data.Path());
  auto r = Tool({"fetch", "--once"});
  EXPECT_EQ(r.Status, 2);
  EXPECT_NE(r.Err.find("INET IDを設定してください。"), std::string::npos);
  Config("TOOL0001", data.Path());
  EXPECT_EQ(Tool({"fetch", "--retry-wait", "x"}).Status, 2);
  EXPECT_EQ(Tool({"fetch", "--direct", "東京"}).Status, 2);
  EXPECT_EQ(Tool({"fetch", "--once", "--direct", "東京11"}).Status, 2);
  // A clock rate is a positive number, and a pinned clock has none.
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"--clock-rate", "0"}, {"--clock-rate", "fast"}, {"--clock-rate", "300", "--now", kNow}})
    EXPECT_EQ(RunProgram(VORPA_TOOL_PATH, [&] {
                auto v = bad;
                v.insert(v.end(), {"--config-dir", config.Path(), "fetch", "--once"});
                return v;
              }()).Status, 2);
  // 19:30 lies in the pause window.
  r = RunProgram(VORPA_TOOL_PATH, {"--config-dir", config.Path(), "--now", "2026-12-06 19:30:00", "fetch", "--once"});
  EXPECT_EQ(r.Status, 1);
  EXPECT_NE(r.Out.find("取得停止時間帯"), std::string::npos);
  // A data directory that cannot be created: the first store fails, the run
  // ends aborted.
  test::WriteFileBytes(data.File("file"), "x");
  Config("TOOL0001", data.File("file") + "/sub");
  r = Tool({"fetch", "--once", "--retry-wait", "0"});
  EXPECT_EQ(r.Status, 1);
  // The message names the file and the system's reason.
  EXPECT_NE(r.Out.find("R 保存エラー: " + data.File("file") + "/sub/2026/1206/"), std::string::npos) << r.Out;
  EXPECT_NE(r.Out.find(".MJO: Not a directory。「初期設定」のデータ保存先を確かめてください\n"), std::string::npos)
      << r.Out;
  EXPECT_NE(r.Out.find("取得中断\n"), std::string::npos);
}

TEST_F(Fetch, DirectReadsOnlyTheNamedRaces) {
  Config("TOOL0001", data.Path());
  ASSERT_TRUE(server.SetNow("2026-12-06 14:30:00"));
  const std::vector<std::string> at = {"--config-dir", config.Path(), "--now", "2026-12-06 14:30:00"};
  auto tool = [&](std::vector<std::string> args) {
    args.insert(args.begin(), at.begin(), at.end());
    return RunProgram(VORPA_TOOL_PATH, args);
  };
  ASSERT_EQ(tool({"fetch", "--once", "--retry-wait", "0"}).Status, 0);
  const std::map<std::string, std::string> before = Files();
  // The first meeting's venue; its races 11 and 12 are still on sale.
  const std::string truth = server.Truth();
  const size_t v = truth.find("\"venue\":\"");
  ASSERT_NE(v, std::string::npos);
  const std::string venue = truth.substr(v + 9, truth.find('"', v + 9) - v - 9);
  ASSERT_TRUE(server.SetNow("2026-12-06 14:40:00"));
  const auto r = tool({"fetch", "--direct", venue + "11," + venue + "12", "--retry-wait", "0"});
  EXPECT_EQ(r.Status, 0) << r.Out << r.Err;
  EXPECT_NE(r.Out.find("12/06 " + venue + "11R 取得\n"), std::string::npos);
  EXPECT_NE(r.Out.find("12/06 " + venue + "12R 取得\n"), std::string::npos);
  std::vector<std::string> changed;
  for (const auto& [name, bytes] : Files())
    if (before.count(name) == 0 || before.at(name) != bytes) changed.push_back(name);
  EXPECT_EQ(changed, (std::vector<std::string>{"2026/1206/" + venue + "11.MJO", "2026/1206/" + venue + "12.MJO"}));
  EXPECT_EQ(tool({"fetch", "--direct", "札幌3"}).Status, 1);  // no meeting there
}

TEST_F(Fetch, KilledAtAnyMomentLeavesEveryRaceFileWhole) {
  Config("TOOL0001", data.Path());
  std::mt19937 random(7);
  for (int round = 0; round < 8; ++round) {
    const std::string cfg = config.Path();
    std::vector<const char*> argv = {VORPA_TOOL_PATH, "--config-dir", cfg.c_str(), "--now", kNow,
                                     "fetch",         "--once",       nullptr};
    posix_spawn_file_actions_t fa;
    posix_spawn_file_actions_init(&fa);
    posix_spawn_file_actions_addopen(&fa, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    ASSERT_EQ(posix_spawn(&pid, VORPA_TOOL_PATH, &fa, nullptr, const_cast<char**>(argv.data()), environ), 0);
    posix_spawn_file_actions_destroy(&fa);
    usleep(std::uniform_int_distribution<int>(20000, 600000)(random));
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
    for (const auto& [name, bytes] : Files()) {
      EXPECT_EQ(bytes.rfind("VORPADAT 2.1\r\n", 0), 0u) << name;
      EXPECT_TRUE(bytes.ends_with("\r\n")) << name;
    }
    // The history database opens whole (an unfinished transaction is
    // rolled back) and answers.
    if (fs::exists(data.File("vorpa.sqlite"))) {
      TSqlite db;
      ASSERT_TRUE(test::OpensWhole(db, data.File("vorpa.sqlite")));
      // Killed before its tables were made, the file is still empty (version 0).
      const int64_t version = db.QueryInt("PRAGMA user_version", -1);
      EXPECT_TRUE(version == 0 || version == 1) << version;
      if (version == 1) {
        EXPECT_GE(db.QueryInt("SELECT count(*) FROM races", -1), 0);
      }
    }
  }
  // A clean run afterwards finishes the day and gives the files of a run
  // that was never interrupted.
  ASSERT_EQ(Tool({"fetch", "--once", "--retry-wait", "0"}).Status, 0);
  test::TempDir clean;
  Config("TOOL0001", clean.Path());
  ASSERT_EQ(Tool({"fetch", "--once", "--retry-wait", "0"}).Status, 0);
  std::map<std::string, std::string> mjo, cleanMjo;
  for (const auto& [name, bytes] : Files())
    if (name.ends_with(".MJO")) mjo[name] = bytes;
  for (const auto& e : fs::recursive_directory_iterator(clean.Path()))
    if (e.is_regular_file() && e.path().extension() == ".MJO")
      cleanMjo[fs::relative(e.path(), clean.Path()).string()] = test::ReadFileBytes(e.path());
  EXPECT_EQ(mjo, cleanMjo);
  // A sync completes the database: one row per race file, and then nothing
  // left to do.
  const auto sync = Tool({"--data-dir", data.Path(), "db", "sync"});
  ASSERT_EQ(sync.Status, 0) << sync.Err;
  const auto count = Tool({"--data-dir", data.Path(), "db", "query", "SELECT count(*) AS n FROM races", "--csv"});
  EXPECT_EQ(count.Out, "n\r\n" + std::to_string(mjo.size()) + "\r\n");
  EXPECT_EQ(Tool({"--data-dir", data.Path(), "db", "sync"}).Out,
            std::to_string(mjo.size()) + " race files, 0 added or replaced, 0 removed\n");
}

}  // namespace
}  // namespace vorpa
