// A race weekend that runs by itself: vorpa-ipatd and `vorpa-tool fetch` in
// schedule mode on one fast clock from Saturday 08:50 to Sunday 18:00, with
// a fifth of the pages failing, a meeting cancelled from race 7 during the
// day and the fetch killed outright on Saturday afternoon and started
// again. Every race that ran must then be stored as the server served it.
#include <gtest/gtest.h>

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <nlohmann/json.hpp>
#include <chrono>
#include <filesystem>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/TextUtil.h"
#include "ipat/URLAccess.h"
#include "support/IpatdServer.h"
#include "support/TempDir.h"
#include "support/TruthCompare.h"

extern char** environ;

namespace vorpa {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

constexpr char kRate[] = "1000";  // Saturday 08:50 to Sunday 18:00 in about two minutes

double At(const std::string& text) {
  double v = 0;
  EXPECT_TRUE(TryTextToDateTime(text, &v)) << text;
  return v;
}

// The server's clock now.
double ServerNow(const test::IpatdServer& server) {
  std::string body;
  if (UrlRequest(server.Url("/control/now"), "", &body) != 200) return 0;
  double at = 0;
  return TryTextToDateTime(std::string(Trim(body)), &at) ? at : 0;
}

// `vorpa-tool fetch --status` in schedule mode on the server's clock, its
// output appended to `log`.
pid_t StartFetch(const std::string& config, const std::string& start, const std::string& log) {
  std::vector<const char*> argv = {VORPA_TOOL_PATH, "--config-dir", config.c_str(), "--clock-start", start.c_str(),
                                   "--clock-rate", kRate, "fetch", "--status", nullptr};
  posix_spawn_file_actions_t fa;
  posix_spawn_file_actions_init(&fa);
  posix_spawn_file_actions_addopen(&fa, 1, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  posix_spawn_file_actions_addopen(&fa, 2, log.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0644);
  pid_t pid = -1;
  const int rc = posix_spawn(&pid, VORPA_TOOL_PATH, &fa, nullptr, const_cast<char**>(argv.data()), environ);
  posix_spawn_file_actions_destroy(&fa);
  return rc == 0 ? pid : -1;
}

void WaitForServerTime(const test::IpatdServer& server, double when) {
  while (ServerNow(server) < when) std::this_thread::sleep_for(std::chrono::milliseconds(20));
}

size_t Count(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

// Pages decoded by both processes: the last "access N" of each, read from
// their status lines (the count starts again with the second process).
long AccessTotal(const std::string& out) {
  long total = 0, last = 0;
  for (size_t at = out.find(" access "); at != std::string::npos; at = out.find(" access ", at + 1)) {
    const long n = std::atol(out.c_str() + at + 8);
    if (n < last) total += last;
    last = n;
  }
  return total + last;
}

struct TDayFigures {
  int Stored = 0;     // races whose files were compared with the truth
  int Cancelled = 0;  // races cancelled before they ran
};

// Every race of the meetings sold on `date` against the server's truth of
// that evening.
TDayFigures CompareDay(const test::IpatdServer& server, const std::string& data, const std::string& date) {
  TDayFigures f;
  EXPECT_TRUE(server.SetNow(date + " 19:00:00"));
  const json truth = json::parse(server.Truth());
  EXPECT_EQ(truth["date"], date);
  for (const json& m : truth["meetings"]) {
    if (!m["soldToday"].get<bool>()) continue;
    for (const json& r : m["races"]) {
      const int no = r["no"].get<int>();
      SCOPED_TRACE(date + " " + m["venue"].get<std::string>() + std::to_string(no));
      const std::string path = RaceFilePath(data, Utf8ToCp932(m["venue"].get<std::string>()), no, At(date + " 00:00:00"));
      TRace rec;
      LoadRaceFile(path, Utf8ToCp932(m["venue"].get<std::string>()), no, rec, At(date + " 00:00:00"));
      if (r["cancelled"].get<bool>()) {
        EXPECT_FALSE(HasResult(rec));
        ++f.Cancelled;
        continue;
      }
      if (!fs::exists(path)) {
        ADD_FAILURE() << "no file";
        continue;
      }
      test::ExpectRaceMatchesTruth(r, rec, true, true, true);
      ++f.Stored;
    }
  }
  return f;
}

TEST(WeekendSoak, AWeekendOfFaultsACancelledMeetingAndAKillEndsWithEveryRaceStoredAsServed) {
  const auto began = std::chrono::steady_clock::now();
  const std::string venue = json::parse(test::IpatdServer({"--seed", "7", "--now", "2026-12-12 10:00:00"}).Truth())
                                ["meetings"][0]["venue"];
  test::IpatdServer server({"--seed", "7", "--clock-start", "2026-12-12 08:50:00", "--clock-rate", kRate,
                            "--fail-rate", "0.08", "--reset-rate", "0.04", "--truncate-rate", "0.04",
                            "--error-page-rate", "0.04", "--cancel-from", "2026-12-12," + venue + ",7"});
  ASSERT_GT(server.Port(), 0);
  test::TempDir config, data, logs;
  test::WriteFileBytes(config.File("Vorpa.Ini"), "[vorpa]\r\nINetID=SOAK0001\r\nMojiPath=" + data.Path() +
                                                     "\r\nIPatHost=" + server.Host() + "\r\n");
  const std::string log = logs.File("fetch.log");
  pid_t pid = StartFetch(config.Path(), DateTimeToIsoText(ServerNow(server)), log);
  ASSERT_GT(pid, 0);
  // Killed outright on Saturday afternoon, started again on the running clock.
  WaitForServerTime(server, At("2026-12-12 14:10:00"));
  kill(pid, SIGKILL);
  waitpid(pid, nullptr, 0);
  pid = StartFetch(config.Path(), DateTimeToIsoText(ServerNow(server)), log);
  ASSERT_GT(pid, 0);
  WaitForServerTime(server, At("2026-12-13 18:00:00"));
  kill(pid, SIGTERM);
  int status = -1;
  waitpid(pid, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << status;
  const double wall = std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count();

  const TDayFigures saturday = CompareDay(server, data.Path(), "2026-12-12");
  const TDayFigures sunday = CompareDay(server, data.Path(), "2026-12-13");
  EXPECT_GE(saturday.Cancelled, 6);  // races 7..12 of the first meeting
  EXPECT_GE(saturday.Stored, 12);
  EXPECT_GE(sunday.Stored, 20);  // Sunday was logged into and read

  // No file is torn, no reading out of time order.
  int files = 0;
  for (const auto& e : fs::recursive_directory_iterator(data.Path())) {
    if (e.path().extension() != ".MJO") continue;
    ++files;
    const std::string bytes = test::ReadFileBytes(e.path().string());
    TRace race;
    ClearRace(race, "", 0, 0);
    DecodeRace(bytes, race);
    EXPECT_EQ(FormatRace(race), bytes) << e.path();
    for (size_t k = 1; k < race.Snapshots.size(); ++k)
      EXPECT_LT(race.Snapshots[k - 1].WinTime(), race.Snapshots[k].WinTime()) << e.path() << " reading " << k;
  }
  const std::string out = test::ReadFileBytes(log);
  std::cout << "weekend soak: wall " << wall << " s; races stored and equal to the truth: Saturday "
            << saturday.Stored << " (cancelled " << saturday.Cancelled << "), Sunday " << sunday.Stored
            << "; files " << files << "; stores " << Count(out, "R 取得\n") << "; pages "
            << AccessTotal(out) << "; failed pages " << Count(out, "通信エラー\n") + Count(out, "接続エラー\n") +
               Count(out, "データ解析エラー") + Count(out, "認証エラー\n")
            << "; aborted runs " << Count(out, "取得中断\n") << "; runs " << Count(out, "情報取得開始\n") << "\n";
}

}  // namespace
}  // namespace vorpa
