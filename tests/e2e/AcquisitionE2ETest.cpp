// Acquisition runs in their thread against a real vorpa-ipatd, steered as
// the main window and `vorpa-tool fetch` steer them: whole days compared
// with the server's truth, faults that converge, retries that give up,
// stops during an error wait, the end of a meeting day and the schedule.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <filesystem>
#include <map>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "history/HistoryReader.h"
#include "history/HistorySync.h"
#include "ipat/IPatControl.h"
#include "support/IpatdServer.h"
#include "support/TempDir.h"
#include "support/TruthCompare.h"

namespace vorpa {
namespace {

namespace fs = std::filesystem;
using json = nlohmann::json;

double At(const std::string& text) {
  double v = 0;
  EXPECT_TRUE(TryTextToDateTime(text, &v)) << text;
  return v;
}

// A sink that records what a run reports, and ends as the main window does.
class RecordingSink : public TIPatSink {
 public:
  void Log(const std::string& line) override {
    std::lock_guard<std::mutex> lock(mutex_);
    log.push_back(Cp932ToUtf8(line));
  }
  void RecvLamp(bool on) override { lamp = on; }
  void StatusUpdate(const TIPat& s) override {
    if (control) control->NoteStatus(s);
    if (onStatus) onStatus(s);
    std::lock_guard<std::mutex> lock(mutex_);
    maxWait = std::max(maxWait, s.ErrWaitCount);
  }
  void RaceInfo(const TIPat&) override { ++pages; }
  void HandOverDate(double d) override { handedOver = d; }
  // Both threads of a run at once call in: the counters are atomic.
  void ThreadEnd(std::thread::id id) override {
    std::lock_guard<std::mutex> lock(mutex_);
    ended.push_back(id);
  }

  int Count(const std::string& text) {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(std::count(log.begin(), log.end(), text));
  }
  // Lines that begin with `prefix`.
  int Starting(const std::string& prefix) {
    std::lock_guard<std::mutex> lock(mutex_);
    return static_cast<int>(
        std::count_if(log.begin(), log.end(), [&](const std::string& l) { return l.starts_with(prefix); }));
  }
  std::string Last() {
    std::lock_guard<std::mutex> lock(mutex_);
    return log.empty() ? "" : log.back();
  }

  TIPatControl* control = nullptr;
  std::function<void(const TIPat&)> onStatus;
  std::mutex mutex_;
  std::vector<std::string> log;
  std::vector<std::thread::id> ended;
  std::atomic<bool> lamp{false};
  std::atomic<int> pages{0};
  int maxWait = 0;
  std::atomic<double> handedOver{0};
};

// One acquisition set-up: server, data directory, settings, clock, control.
class Acquisition {
 public:
  explicit Acquisition(std::vector<std::string> serverFlags, const std::string& now,
                       const std::string& inetId = "E2E00001")
      : server(WithSeed(std::move(serverFlags), now)), clock(At(now)) {
    setting.INetID = inetId;
    setting.IPatHost = server.Host();
    setting.MojiPath = dir.Path();
    setting.IPatGetCycle = 0;  // due only by post time, deadlines and missing data
    control = std::make_unique<TIPatControl>(setting, clock, sink);
    sink.control = control.get();
    control->Retry = TIPatRetry::WithWait(0);
  }

  // Waits for the end of the thread in `slot` and hands it to the control.
  void Await(TThreadSlot& slot) {
    ASSERT_TRUE(slot.IsSet());
    const std::thread::id id = slot.Id;
    slot.Thread->WaitEnded();
    const TThreadEndResult r = control->ThreadEnded(id);
    EXPECT_TRUE(r.Scheduled || r.Direct);
  }

  void Now(const std::string& when) {
    clock.Set(At(when));
    ASSERT_TRUE(server.SetNow(when));
  }

  // Every race file of the data directory, by path relative to it.
  std::map<std::string, std::string> Files() const {
    std::map<std::string, std::string> files;
    for (const auto& e : fs::recursive_directory_iterator(dir.Path()))
      if (e.is_regular_file() && e.path().extension() == ".MJO")
        files[fs::relative(e.path(), dir.Path()).string()] = test::ReadFileBytes(e.path().string());
    return files;
  }

  // Every listed race of the scheduled session against the server's truth.
  int CompareWithTruth() {
    const json truth = json::parse(server.Truth());
    const TIPat& s = control->FIPat;
    int compared = 0;
    for (int v = 1; v <= kStatusSlots; ++v) {
      for (int r = 1; r <= kStatusRaces; ++r) {
        if (!s.Status[v][r].Listed) continue;
        SCOPED_TRACE("slot " + std::to_string(v) + " race " + std::to_string(r));
        const json* race = test::TruthRace(truth, s.MeetingCode[v].Code, r);
        if (!race) {
          ADD_FAILURE() << "race not in the truth";
          continue;
        }
        TRace rec;
        LoadRace(dir.Path(), s.VenueNameOfSlot(v), r, rec, s.MeetingDate);
        test::ExpectRaceMatchesTruth(*race, rec, true, !(*race)["odds"].is_null(),
                                     !(*race)["result"].is_null());
        ++compared;
      }
    }
    return compared;
  }

  test::TempDir dir;
  test::IpatdServer server;
  TSetting setting;
  TPinnedClock clock;
  RecordingSink sink;
  std::unique_ptr<TIPatControl> control;

 private:
  static std::vector<std::string> WithSeed(std::vector<std::string> flags, const std::string& now) {
    flags.insert(flags.end(), {"--seed", "7", "--now", now});
    return flags;
  }
};

TEST(Acquisition, CleanDayEndsInRunEndThenAllDoneWithEveryFileAsServed) {
  Acquisition a({}, "2026-12-06 14:30:00");
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::RunEnd);
  EXPECT_EQ(a.sink.log.front(), "情報取得開始");
  EXPECT_EQ(a.sink.Last(), "情報取得終了");
  EXPECT_EQ(a.sink.handedOver, At("2026-12-06 00:00:00"));
  EXPECT_EQ(a.sink.Count("12/06 " + Cp932ToUtf8(a.control->FIPat.VenueNameOfSlot(1)) + "1R 取得"), 1);
  EXPECT_FALSE(a.sink.lamp);
  EXPECT_GE(a.CompareWithTruth(), 20);

  a.Now("2026-12-06 18:00:00");
  ASSERT_TRUE(a.control->TimerTick(true));
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::AllDone);
  EXPECT_EQ(a.sink.Last(), "全情報取得完了");
  EXPECT_GE(a.CompareWithTruth(), 20);
  EXPECT_EQ(a.control->FIPat.ActionCount, 2);
  // All done: later ticks of the day start nothing.
  a.Now("2026-12-06 18:30:00");
  EXPECT_FALSE(a.control->TimerTick(true));
}

// The scheduled and a direct run at once on one data directory (the test
// that runs under ThreadSanitizer).
TEST(Acquisition, ScheduledAndDirectRunsAtOnce) {
  Acquisition a({}, "2026-12-06 14:30:00");
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  a.Await(a.control->FIPatThread);
  a.Now("2026-12-06 18:00:00");
  // The direct run starts while the scheduled one reads its races.
  std::mutex m;
  std::condition_variable racesBegun;
  bool begun = false;
  a.sink.onStatus = [&](const TIPat& s) {
    if (&s != &a.control->FIPat || s.IPatState < TIPat::LoadData) return;
    std::lock_guard<std::mutex> lock(m);
    begun = true;
    racesBegun.notify_all();
  };
  ASSERT_TRUE(a.control->TimerTick(true));
  {
    std::unique_lock<std::mutex> lock(m);
    ASSERT_TRUE(racesBegun.wait_for(lock, std::chrono::seconds(30), [&] { return begun; }));
  }
  ASSERT_TRUE(a.control->PrepareDirect(true, true, At("2026-12-06 00:00:00")));
  TIPat& d = a.control->FIPatDirect;
  int chosen = 0;
  for (int v = 1; v <= kStatusSlots; ++v)
    for (int r = 1; r <= kStatusRaces; ++r)
      if (d.Status[v][r].Listed && r % 2 == 0) d.Status[v][r].Selected = ++chosen > 0;
  ASSERT_GT(chosen, 0);
  // A reader of the history database (as the history window) meanwhile.
  std::atomic<bool> writing{true};
  int reads = 0;
  std::thread reader([&] {
    while (writing.load()) {
      THistoryReader r;
      if (!r.Open(a.dir.Path())) continue;
      r.Rides(TRideKey::Jockey, Utf8ToCp932("名無し"));
      r.PoolSeries(At("2026-12-06 00:00:00"), Utf8ToCp932("東京"), 11);
      ++reads;
    }
  });
  EXPECT_TRUE(a.control->StartDirect());
  EXPECT_TRUE(a.control->FIPatThread.IsSet());
  a.Await(a.control->FIPatDirectThread);
  a.Await(a.control->FIPatThread);
  writing.store(false);
  reader.join();
  EXPECT_GT(reads, 0);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::AllDone);
  EXPECT_TRUE(d.IPatState == TIPat::RunEnd || d.IPatState == TIPat::AllDone);
  EXPECT_EQ(d.Priority, 0);  // a copied session runs at the idle priority
  EXPECT_GE(a.CompareWithTruth(), 20);
  // Both writers' stores are in the database: nothing left for a sync.
  for (const std::string& line : a.sink.log) EXPECT_EQ(line.find(Utf8ToCp932("履歴DB")), std::string::npos) << line;
  const TSyncResult sync = SyncHistory(a.dir.Path());
  EXPECT_TRUE(sync.Ok) << sync.Error;
  EXPECT_EQ(sync.Files, static_cast<int>(a.Files().size()));
  EXPECT_EQ(sync.Put + sync.Removed, 0);
}

TEST(Acquisition, FaultyServerConvergesToTheCleanFiles) {
  Acquisition clean({}, "2026-12-06 18:00:00");
  ASSERT_EQ(clean.control->StartRoutine(true), TStartResult::Started);
  clean.Await(clean.control->FIPatThread);
  ASSERT_EQ(clean.control->FIPat.IPatState, TIPat::AllDone);

  // 30 % of the pages fail: 503, dropped connections, cut pages, error pages.
  Acquisition faulty({"--fail-rate", "0.1", "--reset-rate", "0.08", "--truncate-rate", "0.06",
                      "--error-page-rate", "0.06"},
                     "2026-12-06 18:00:00");
  ASSERT_EQ(faulty.control->StartRoutine(true), TStartResult::Started);
  faulty.Await(faulty.control->FIPatThread);
  int runs = 1;
  while (faulty.control->FIPat.IPatState != TIPat::AllDone && runs < 60) {
    if (faulty.control->TimerTick(true)) faulty.Await(faulty.control->FIPatThread);
    ++runs;
  }
  ASSERT_EQ(faulty.control->FIPat.IPatState, TIPat::AllDone) << runs << " runs";
  EXPECT_GT(faulty.sink.Starting("通信エラー " + faulty.server.Host() + ": ") + faulty.sink.Count("接続エラー"), 0);
  EXPECT_GT(faulty.sink.Count("取得中断"), 0);  // some runs gave up and the next tick resumed
  EXPECT_EQ(faulty.Files(), clean.Files());
  // Pages that failed to decode were dumped in the data directory.
  EXPECT_TRUE(fs::exists(faulty.dir.File("dumps")));
}

TEST(Acquisition, ARaceThatCouldNotBeStoredIsReadAgainLater) {
  Acquisition a({}, "2026-12-06 18:00:00");
  // The data directory cannot be created while a file stands in its way.
  test::WriteFileBytes(a.dir.File("blocked"), "x");
  a.setting.MojiPath = a.dir.File("blocked") + "/data/";
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::Aborted);
  EXPECT_EQ(a.sink.Count("取得中断"), 1);
  const std::string failed = a.sink.log[a.sink.log.size() - 2];
  EXPECT_NE(failed.find("R 保存エラー: " + a.setting.MojiPath + "2026/1206/"), std::string::npos) << failed;
  EXPECT_TRUE(failed.ends_with(".MJO: Not a directory。「初期設定」のデータ保存先を確かめてください")) << failed;
  fs::remove(a.dir.File("blocked"));
  ASSERT_TRUE(a.control->TimerTick(true));
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::AllDone);
  int listed = 0;
  for (int v = 1; v <= kStatusSlots; ++v)
    for (int r = 1; r <= kStatusRaces; ++r) listed += a.control->FIPat.Status[v][r].Listed;
  int stored = 0;
  for (const auto& e : fs::recursive_directory_iterator(a.setting.MojiPath))
    stored += e.path().extension() == ".MJO";
  EXPECT_EQ(stored, listed);
}

TEST(Acquisition, RefusedLoginWaitsAfterBothAttemptsAndEndsAborted) {
  Acquisition a({"--inet-id", "SOMEONE1"}, "2026-12-06 10:00:00");
  a.control->Retry.LoginWaitSeconds = 1;
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::Aborted);
  EXPECT_EQ(a.sink.Count("認証エラー: INET ID " + Cp932ToUtf8(a.setting.INetID) +
                         " は受け付けられませんでした。「初期設定」の INET ID を確かめてください"),
            2);
  EXPECT_EQ(a.sink.maxWait, 1);
  EXPECT_EQ(a.sink.Last(), "取得中断");
  EXPECT_EQ(a.sink.handedOver, 0);
  EXPECT_TRUE(a.control->FIPat.SessionKey.empty());
  // The refused page was dumped under the count of decoded pages.
  EXPECT_TRUE(fs::exists(DumpPath(a.dir.Path(), 0)));
}

TEST(Acquisition, StopDuringAnErrorWaitEndsTheRunAborted) {
  Acquisition a({"--fail-rate", "1"}, "2026-12-06 10:00:00");
  a.control->Retry = TIPatRetry();  // the waits of 600 and 60 seconds
  std::mutex m;
  std::condition_variable waiting;
  bool inWait = false;
  a.sink.onStatus = [&](const TIPat& s) {
    if (s.ErrRetryCount == 0) return;
    std::lock_guard<std::mutex> lock(m);
    inWait = true;
    waiting.notify_all();
  };
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  {
    std::unique_lock<std::mutex> lock(m);
    ASSERT_TRUE(waiting.wait_for(lock, std::chrono::seconds(30), [&] { return inWait; }));
  }
  // Switching the toggle off asks the thread to stop.
  EXPECT_EQ(a.control->StartRoutine(false), TStartResult::Stopped);
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::Aborted);
  EXPECT_EQ(a.sink.Last(), "取得中断");
  EXPECT_EQ(a.sink.Count("通信エラー " + a.server.Host() + ": HTTP 状態 503"), 1);
  EXPECT_LT(a.sink.maxWait, 600);
}

TEST(Acquisition, CardOfAnotherDayEndsTheRunWithoutRetry) {
  Acquisition a({}, "2026-12-06 10:00:00");
  // The program's clock is a day ahead of the site, which still shows the
  // cards of its day.
  a.clock.Set(At("2026-12-07 10:00:00"));
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(a.control->FIPat.IPatState, TIPat::RunEnd);
  EXPECT_EQ(a.sink.Count("開催終了?"), 1);
  EXPECT_EQ(a.sink.Last(), "情報取得終了");
  EXPECT_TRUE(a.Files().empty());
}

TEST(Acquisition, StartRoutineRefusesMissingSettingsPauseAndARegisteredThread) {
  Acquisition a({}, "2026-12-06 19:00:00");
  a.setting.INetID.clear();
  a.setting.MojiPath.clear();
  EXPECT_EQ(a.control->StartRoutine(true), TStartResult::NoIdNoDir);
  a.setting.MojiPath = a.dir.Path();
  EXPECT_EQ(a.control->StartRoutine(true), TStartResult::NoId);
  a.setting.INetID = "E2E00001";
  a.setting.MojiPath.clear();
  EXPECT_EQ(a.control->StartRoutine(true), TStartResult::NoDir);
  EXPECT_EQ(Cp932ToUtf8(StartWarning(TStartResult::NoDir)), "データ保存ディレクトリを設定してください。");
  a.setting.MojiPath = a.dir.Path();
  EXPECT_EQ(a.control->StartRoutine(true), TStartResult::Paused);  // 19:00:00 is inside
  EXPECT_EQ(a.sink.Last(), "取得停止時間帯");
  EXPECT_FALSE(a.control->FIPatThread.IsSet());

  a.Now("2026-12-06 20:00:01");
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  // The slot stays registered until the end is handled.
  a.control->FIPatThread.Thread->WaitEnded();
  EXPECT_EQ(a.control->StartRoutine(true), TStartResult::ThreadError);
  EXPECT_EQ(a.sink.Last(), "スレッドエラー");
  EXPECT_FALSE(a.control->TimerTick(true));
  a.Await(a.control->FIPatThread);
}

TEST(Acquisition, ScheduleTicksFollowPostTimesThePauseAndTheDaySwitch) {
  Acquisition a({}, "2026-12-06 09:40:00");
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  a.Await(a.control->FIPatThread);
  TIPat& s = a.control->FIPat;
  ASSERT_EQ(s.IPatState, TIPat::RunEnd);
  // The first race of slot 1 and its post time.
  int first = 1;
  while (first <= kStatusRaces && !s.Status[1][first].Listed) ++first;
  ASSERT_LE(first, kStatusRaces);
  const double post = s.Status[1][first].StartTime;
  ASSERT_GT(post, 0);
  const double day = At("2026-12-06 00:00:00");
  auto tickAt = [&](double t) {
    a.Now(DateTimeToIsoText(day + t));
    const bool started = a.control->TimerTick(true);
    if (started) a.Await(a.control->FIPatThread);
    return started;
  };
  // Unchecked, nothing happens at any hour.
  EXPECT_FALSE(a.control->TimerTick(false));
  // Morning, before any post time: no race is due.
  EXPECT_FALSE(tickAt(post - EncodeTime(0, 10, 0)));
  // Post + 3 minutes: the final odds are due.
  EXPECT_TRUE(tickAt(post + EncodeTime(0, 3, 1)));
  EXPECT_TRUE(s.Status[1][first].Selected);
  EXPECT_TRUE(s.Status[1][first].OddsDone);
  // Post + 25 minutes: the result is due.
  EXPECT_TRUE(tickAt(post + EncodeTime(0, 25, 1)));
  EXPECT_TRUE(s.RaceDone(1, first));
  // The pause window starts nothing.
  EXPECT_FALSE(tickAt(EncodeTime(19, 30, 0)));
  // Everything read by the evening.
  EXPECT_TRUE(tickAt(EncodeTime(18, 0, 0)));
  ASSERT_EQ(s.IPatState, TIPat::AllDone);
  EXPECT_FALSE(tickAt(EncodeTime(18, 50, 0)));
  // After 20:00 the meeting date is tomorrow: a new login.
  bool login = false;
  a.sink.onStatus = [&](const TIPat& x) { login = login || x.IPatState == TIPat::Login; };
  ASSERT_TRUE(tickAt(EncodeTime(20, 0, 1)));
  EXPECT_TRUE(login);
}

// A day whose last run ended in 13 (a race never finished) or 14 (a page
// kept failing) still switches: the next meeting day logs in afresh.
TEST(Acquisition, TheDaySwitchLogsInAgainWhateverTheDayEndedIn) {
  Acquisition a({}, "2026-12-06 09:40:00");
  TIPat& s = a.control->FIPat;
  int logins = 0;
  a.sink.onStatus = [&](const TIPat& x) { logins += x.IPatState == TIPat::Login; };
  ASSERT_EQ(a.control->StartRoutine(true), TStartResult::Started);
  a.Await(a.control->FIPatThread);
  ASSERT_EQ(s.IPatState, TIPat::RunEnd);
  const std::string key = s.SessionKey;
  a.Now("2026-12-06 20:00:01");
  ASSERT_TRUE(a.control->TimerTick(true));
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(logins, 2);
  EXPECT_NE(s.SessionKey, key);
  EXPECT_EQ(s.MeetingDate, At("2026-12-07 00:00:00"));
  // The evening's login already sees the next day's meetings, whose odds
  // pages on their pre-sale are refused: the run gives up.
  EXPECT_EQ(s.IPatState, TIPat::Aborted);
  a.Now("2026-12-07 20:00:01");
  ASSERT_TRUE(a.control->TimerTick(true));
  a.Await(a.control->FIPatThread);
  EXPECT_EQ(logins, 3);
  EXPECT_EQ(s.MeetingDate, At("2026-12-08 00:00:00"));
}

}  // namespace
}  // namespace vorpa
