// vorpa-tool fetch: acquisition without a window, on the same thread and
// session code as the program: one run, the timer loop of the schedule
// until a signal, or a direct run of named races.
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <csignal>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

#include "analysis/OddsAlerts.h"
#include "analysis/WinPools.h"
#include "core/AppDirs.h"
#include "core/Cp932.h"
#include "core/DayLog.h"
#include "core/DayCount.h"
#include "core/MeetingClock.h"
#include "core/Setting.h"
#include "core/TextUtil.h"
#include "ipat/IPatControl.h"
#include "ipat/IPatErrorText.h"
#include "ipat/IPatLog.h"
#include "patout/PatOut.h"
#include "tools/AlertText.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

std::atomic<bool> gStop{false};

void OnSignal(int) { gStop = true; }

// The sink on the console: log lines with their time, also into the day's
// log file as the program writes them, and with --status the status line
// and the log blocks; thread ends are queued for the loop.
class TConsoleSink : public TIPatSink {
 public:
  TConsoleSink(const TClock& clock, bool status) : dayLog_(clock, LogDir()), status_(status) {}

  void Log(const std::string& line) override {
    Print(Cp932ToUtf8(TimedLogLine(dayLog_.Add(line))));
    const std::string failure = dayLog_.TakeWriteFailure();
    if (!failure.empty()) std::fprintf(stderr, "vorpa-tool fetch: cannot write the log: %s\n", failure.c_str());
  }
  void RecvLamp(bool) override {}
  void StatusUpdate(const TIPat& session) override {
    if (control) control->NoteStatus(session);
    if (&session == stopAtRaceWalk_ && session.IPatState == TIPat::LoadData) {
      std::unique_lock<std::mutex> lock(mutex_);
      changed_.wait(lock, [this] { return stopThread_ != nullptr; });
      stopThread_->Terminate();
    }
    if (!status_) return;
    const std::string line = StatusLine(session);
    std::lock_guard<std::mutex> lock(mutex_);
    if (line == lastStatus_) return;
    lastStatus_ = line;
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  }
  void RaceInfo(const TIPat& session) override {
    if (!status_) return;
    for (const std::string& l : IPatLogBlock(session)) Print(Cp932ToUtf8(l));
  }
  void HandOverDate(double) override {}
  // The alerts of a stored race's newest reading not printed before; the
  // pools are read from the history database as the store left it.
  void RaceStored(const TRace& race) override {
    const TWinPools pools = RaceWinPools(dataDir_, race);
    std::vector<TAlert> fresh;
    {
      std::lock_guard<std::mutex> lock(mutex_);
      fresh = newAlerts_.Take(race, thresholds_, pools);
    }
    for (const TAlert& a : fresh) Print("ALERT " + AlertLine(a));
  }
  void WatchAlerts(const TAlertThresholds& t, const std::string& dataDir) {
    thresholds_ = t;
    dataDir_ = dataDir;
  }
  void ThreadEnd(std::thread::id id) override {
    std::lock_guard<std::mutex> lock(mutex_);
    ended_.push_back(id);
    changed_.notify_all();
  }

  // Waits up to `ms` for a thread end or a signal; the ended thread's id,
  // or a default id.
  std::thread::id WaitEnd(int ms) {
    std::unique_lock<std::mutex> lock(mutex_);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(ms);
    // A signal cannot notify: it is looked for every 100 ms.
    while (ended_.empty() && !gStop && std::chrono::steady_clock::now() < until)
      changed_.wait_until(lock, std::min(until, std::chrono::steady_clock::now() + std::chrono::milliseconds(100)));
    if (ended_.empty()) return {};
    std::thread::id id = ended_.front();
    ended_.pop_front();
    return id;
  }

  // The run of `session` is stopped once its menu pages are read: set
  // before the run starts, then the run's thread once it has started.
  void StopAtRaceWalk(const TIPat* session) { stopAtRaceWalk_ = session; }
  void SetStopThread(std::shared_ptr<TIPatThread> thread) {
    std::lock_guard<std::mutex> lock(mutex_);
    stopThread_ = std::move(thread);
    changed_.notify_all();
  }

  TIPatControl* control = nullptr;

 private:
  // The status window's labels on one line.
  static std::string StatusLine(const TIPat& s) {
    const TIPatStatusTexts t = IPatStatusTexts(s);
    return "[" + Cp932ToUtf8(t.State) + "] " + Cp932ToUtf8(t.Venue) + " " + Cp932ToUtf8(t.Race) +
           " action " + t.ActionCount + " access " + t.AccessCount + " retry " + t.ErrRetryCount +
           " wait " + t.ErrWaitCount;
  }
  void Print(const std::string& utf8) {
    std::lock_guard<std::mutex> lock(mutex_);
    std::printf("%s\n", utf8.c_str());
    std::fflush(stdout);
  }

  TDayLog dayLog_;
  bool status_;
  const TIPat* stopAtRaceWalk_ = nullptr;
  std::shared_ptr<TIPatThread> stopThread_;
  std::mutex mutex_;
  std::condition_variable changed_;
  std::deque<std::thread::id> ended_;
  std::string lastStatus_;
  TAlertThresholds thresholds_;
  std::string dataDir_;
  TNewAlerts newAlerts_;
};

struct TFetchArgs {
  bool Once = false;
  bool Status = false;
  int RetryWait = -1;  // -1: the normal waits
  std::vector<std::pair<std::string, int>> Direct;  // venue name (CP932), race
};

// "東京11,阪神12" into venue names and race numbers.
bool ParseDirect(const std::string& text, TFetchArgs* a) {
  size_t from = 0;
  while (from <= text.size()) {
    size_t comma = text.find(',', from);
    if (comma == std::string::npos) comma = text.size();
    const std::string name = Utf8ToCp932(text.substr(from, comma - from));
    from = comma + 1;
    if (name.size() < 5) return false;
    const std::string venue = name.substr(0, 4), digits = name.substr(4);
    if (digits.find_first_not_of("0123456789") != std::string::npos || digits.size() > 2)
      return false;
    const int race = IntOf(digits);
    if (race < 1 || race > 12) return false;
    a->Direct.emplace_back(venue, race);
  }
  return !a->Direct.empty();
}

bool ParseArgs(const std::vector<std::string>& args, TFetchArgs* a) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& s = args[i];
    if (s == "--once") {
      a->Once = true;
    } else if (s == "--status") {
      a->Status = true;
    } else if ((s == "--retry-wait" || s == "--direct") && i + 1 < args.size()) {
      const std::string& v = args[++i];
      if (s == "--direct") {
        if (!ParseDirect(v, a)) {
          std::fprintf(stderr, "vorpa-tool fetch: --direct: not a race list: %s\n", v.c_str());
          return false;
        }
        continue;
      }
      if (v.empty() || v.size() > 6 || v.find_first_not_of("0123456789") != std::string::npos) {
        std::fprintf(stderr, "vorpa-tool fetch: --retry-wait: not a number of seconds: %s\n", v.c_str());
        return false;
      }
      a->RetryWait = IntOf(v);
    } else {
      std::fprintf(stderr, "vorpa-tool fetch: unexpected argument: %s\n", s.c_str());
      return false;
    }
  }
  if (a->Once && !a->Direct.empty()) {
    std::fprintf(stderr, "vorpa-tool fetch: --once and --direct exclude each other\n");
    return false;
  }
  return true;
}

// A thread has ended: its slot is cleared; a scheduled run hands its
// meetings to the PAT output.
void ThreadEnded(TIPatControl& control, TConsoleSink& sink, std::thread::id id) {
  if (id == std::thread::id() || !control.ThreadEnded(id).Scheduled) return;
  std::string failure;
  if (OutPatRunEnd(control.FIPat, &failure)) sink.Log(Utf8ToCp932("PAT開催要項出力"));
  if (!failure.empty()) sink.Error(TIPatError::PatOutput, PatOutErrorText("", failure));
}

// Waits for the end of the thread in `slot`, passing on a signal as a stop
// request; handles every thread end on the way.
void AwaitSlot(TIPatControl& control, TConsoleSink& sink, TThreadSlot& slot) {
  while (slot.IsSet()) {
    if (gStop) TIPatControl::Stop(slot, false);
    ThreadEnded(control, sink, sink.WaitEnd(200));
  }
}

int ExitOfState(uint8_t state) {
  return state == TIPat::RunEnd || state == TIPat::AllDone ? 0 : 1;
}

// Reports a start routine that started no thread; the exit status.
int StartFailure(TStartResult r) {
  const std::string warning = StartWarning(r);
  if (!warning.empty()) {
    std::fprintf(stderr, "vorpa-tool fetch: %s\n", Cp932ToUtf8(warning).c_str());
    return 2;
  }
  return 1;  // pause window or a thread still registered, logged
}

int RunDirect(TIPatControl& control, TConsoleSink& sink, const TFetchArgs& a) {
  // Log in and read the menu pages; the run stops where the races begin.
  sink.StopAtRaceWalk(&control.FIPat);
  const TStartResult r = control.StartRoutine(true);
  if (r != TStartResult::Started) return StartFailure(r);
  sink.SetStopThread(control.FIPatThread.Thread);
  AwaitSlot(control, sink, control.FIPatThread);
  if (gStop) return 1;
  // What is stored already, as the program knows it from its earlier runs:
  // races whose card and final odds are in are read only when named.
  TIPat& s = control.FIPat;
  for (s.CurVenue = 1; s.CurVenue <= kStatusSlots; ++s.CurVenue)
    for (s.CurRace = 1; s.CurRace <= kStatusRaces; ++s.CurRace)
      if (s.Status[s.CurVenue][s.CurRace].Listed) s.LoadRace();
  if (!control.PrepareDirect(true, true, s.MeetingDate)) {
    std::fprintf(stderr, "vorpa-tool fetch: not logged in, or acquisition is paused at this hour\n");
    return 1;
  }
  for (const auto& [venue, race] : a.Direct) {
    int slot = 0;
    for (int v = 1; v <= kStatusSlots; ++v)
      if (control.FIPatDirect.VenueNameOfSlot(v) == venue) slot = v;
    if (slot == 0) {
      std::fprintf(stderr, "vorpa-tool fetch: no meeting at %s on %s\n", Cp932ToUtf8(venue).c_str(),
                   DateToIsoText(control.FIPat.MeetingDate).c_str());
      return 1;
    }
    control.FIPatDirect.Status[slot][race].Selected = true;
  }
  if (!control.StartDirect()) {
    std::fprintf(stderr, "vorpa-tool fetch: acquisition is paused at this hour\n");
    return 1;
  }
  AwaitSlot(control, sink, control.FIPatDirectThread);
  return gStop ? 1 : ExitOfState(control.FIPatDirect.IPatState);
}

// The schedule: the start routine, then a tick every IPatChkCycle minutes
// of the clock until a signal.
int RunLoop(TIPatControl& control, TConsoleSink& sink, const TSetting& setting, const TClock& clock) {
  const TStartResult r = control.StartRoutine(true);
  if (r != TStartResult::Started && r != TStartResult::Paused) return StartFailure(r);
  const auto cycle = std::chrono::milliseconds(TimerInterval(setting.IPatChkCycle, clock.Rate()));
  auto next = std::chrono::steady_clock::now() + cycle;
  while (!gStop) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        next - std::chrono::steady_clock::now());
    ThreadEnded(control, sink, sink.WaitEnd(static_cast<int>(std::max<long long>(left.count(), 0))));
    const auto now = std::chrono::steady_clock::now();
    if (now >= next) {
      control.TimerTick(true);
      // Like the window's timer: ticks missed meanwhile are not made up.
      while (next <= now) next += cycle;
    }
  }
  // A running page finishes; nothing is torn.
  TIPatControl::Stop(control.FIPatThread, false);
  AwaitSlot(control, sink, control.FIPatThread);
  return 0;
}

int Fetch(ToolContext& ctx, const std::vector<std::string>& args) {
  TFetchArgs a;
  if (!ParseArgs(args, &a)) return 2;
  TSetting setting = LoadSetting(ctx.ConfigDir);
  if (!ctx.DataDir.empty()) setting.MojiPath = ctx.DataDir;
  TConsoleSink sink(*ctx.Clock, a.Status);
  TIPatControl control(setting, *ctx.Clock, sink);
  AttachPatOut(control, setting);
  sink.control = &control;
  sink.WatchAlerts(AlertThresholdsOf(setting), setting.MojiPath);
  if (a.RetryWait >= 0) control.Retry = TIPatRetry::WithWait(a.RetryWait);
  gStop = false;
  std::signal(SIGINT, OnSignal);
  std::signal(SIGTERM, OnSignal);
  if (!a.Direct.empty()) return RunDirect(control, sink, a);
  if (!a.Once) return RunLoop(control, sink, setting, *ctx.Clock);
  const TStartResult r = control.StartRoutine(true);
  if (r != TStartResult::Started) return StartFailure(r);
  AwaitSlot(control, sink, control.FIPatThread);
  return gStop ? 1 : ExitOfState(control.FIPat.IPatState);
}

const char kUsage[] =
    "usage: vorpa-tool fetch [--once] [--status] [--retry-wait SECONDS] [--direct 東京11,阪神12,...]\n"
    "\n"
    "Fetches race data from the IPAT information server (IPatHost) into the data\n"
    "directory, as the program's acquisition does.\n"
    "  --once          one run (login, menus, every race due), then exit:\n"
    "                  0 when it ends in 13 or 15, 1 when it ends in 14 or is stopped\n"
    "  (no --once)     the schedule: a run now, then a timer tick every IPatChkCycle\n"
    "                  minutes, until SIGINT or SIGTERM (exit 0)\n"
    "  --direct LIST   log in, then a direct run of the named races, then exit\n"
    "  --retry-wait S  every error wait lasts S seconds instead of 600/60\n"
    "  --status        also print the status line and the log blocks of each page\n"
    "With AutoPat set, the PAT-style files are written as the program writes them\n"
    "(each stored race, the outline at the end of a run; see vorpa-tool pat).\n"
    "Each stored race whose newest reading raises odds alerts (see vorpa-tool alerts)\n"
    "prints one line per new alert: \"ALERT \" and the alert's line.\n"
    "Missing INetID or data directory, or bad arguments: exit 2.\n";

VORPA_TOOL_COMMAND(fetch, "fetch", "fetch race data from the IPAT server (one run, schedule, direct)",
                   kUsage, Fetch);

}  // namespace
}  // namespace vorpa::tool
