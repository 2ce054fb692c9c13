#include "ipat/IPatControl.h"

#include "core/Cp932.h"
#include "core/MeetingClock.h"

namespace vorpa {

std::string StartWarning(TStartResult result) {
  switch (result) {
    case TStartResult::NoIdNoDir:
      return Utf8ToCp932("INET ID とデータ保存ディレクトリを設定してください。");
    case TStartResult::NoId: return Utf8ToCp932("INET IDを設定してください。");
    case TStartResult::NoDir: return Utf8ToCp932("データ保存ディレクトリを設定してください。");
    default: return "";
  }
}

TIPatControl::TIPatControl(const TSetting& live, const TClock& clock, TIPatSink& sink)
    : runSetting_(live),
      directSetting_(live),
      FIPat(runSetting_, clock),
      FIPatDirect(directSetting_, clock),
      live_(live),
      clock_(clock),
      sink_(sink),
      plan_(directSetting_, clock) {}

TIPatControl::~TIPatControl() {
  Stop(FIPatThread, false);
  Stop(FIPatDirectThread, false);
  Stop(FIPatThread, true);
  Stop(FIPatDirectThread, true);
}

void TIPatControl::Stop(TThreadSlot& slot, bool await, const std::function<void()>& pump) {
  // Held here: the pump may handle the thread's end and clear the slot.
  const std::shared_ptr<TIPatThread> thread = slot.Thread;
  if (!thread) return;
  thread->Terminate();
  if (await) thread->WaitEnded(pump);
}

std::shared_ptr<TIPatThread> TIPatControl::StartThread(TIPat& session) {
  return TIPatThread::Start(session, sink_, Retry);
}

TStartResult TIPatControl::StartRoutine(bool checked) {
  if (!checked) {
    Stop(FIPatThread, false);
    return TStartResult::Stopped;
  }
  const bool noId = live_.INetID.empty(), noDir = live_.MojiPath.empty();
  if (noId && noDir) return TStartResult::NoIdNoDir;
  if (noId) return TStartResult::NoId;
  if (noDir) return TStartResult::NoDir;
  const double now = clock_.Now();
  if (!AcquisitionAllowed(now)) {
    sink_.Log(Utf8ToCp932("取得停止時間帯"));
    return TStartResult::Paused;
  }
  if (Hooks.ClearPatFiles) Hooks.ClearPatFiles(CurrentMeetingDate(now));
  if (FIPatThread.IsSet()) {
    sink_.Log(Utf8ToCp932("スレッドエラー"));
    return TStartResult::ThreadError;
  }
  runSetting_ = live_;
  FIPat.Init();
  auto t = StartThread(FIPat);
  FIPatThread.Register(t, t->Id());
  return TStartResult::Started;
}

bool TIPatControl::TimerTick(bool checked) {
  const double now = clock_.Now();
  if (!checked || live_.INetID.empty() || live_.MojiPath.empty() || FIPatThread.IsSet() ||
      !AcquisitionAllowed(now))
    return false;
  const double day = CurrentMeetingDate(now);
  // The day switch comes whatever the last run of the day ended in: a race
  // that never finished must not keep the session on yesterday's plan.
  if (FIPat.MeetingDate != 0 && day > FIPat.MeetingDate) {
    FIPat.IPatState = TIPat::WaitStart;
    FIPat.SessionKey.clear();
    if (Hooks.ClearPatFiles) Hooks.ClearPatFiles(day);
  }
  if (FIPat.IPatState == TIPat::AllDone) return false;
  runSetting_ = live_;
  if (FIPat.SessionKey.empty()) {
    FIPat.Init();
  } else if (!FIPat.CheckSchedule()) {
    return false;
  }
  auto t = StartThread(FIPat);
  FIPatThread.Register(t, t->Id());
  return true;
}

void TIPatControl::NoteStatus(const TIPat& session) {
  if (&session != &FIPat) return;
  std::lock_guard<std::mutex> lock(planMutex_);
  plan_.CopyFrom(session);
}

bool TIPatControl::PrepareDirect(bool raceLoaded, bool checked, double shownDate) {
  // A direct run still going keeps its session: the copy waits for its end.
  if (!raceLoaded || !checked || FIPatDirectThread.IsSet()) return false;
  if (FIPatThread.IsSet()) {
    // The scheduled thread changes FIPat as it runs; its last status
    // update left a consistent copy of the plan.
    std::lock_guard<std::mutex> lock(planMutex_);
    if (plan_.SessionKey.empty()) return false;
    FIPatDirect.CopyFrom(plan_);
  } else {
    if (FIPat.SessionKey.empty()) return false;
    FIPatDirect.CopyFrom(FIPat);
  }
  return shownDate == FIPatDirect.MeetingDate && AcquisitionAllowed(clock_.Now());
}

bool TIPatControl::StartDirect() {
  const double now = clock_.Now();
  if (!AcquisitionAllowed(now) || CurrentMeetingDate(now) != FIPatDirect.MeetingDate) return false;
  directSetting_ = live_;
  auto t = StartThread(FIPatDirect);
  FIPatDirectThread.Register(t, t->Id());
  return true;
}

TThreadEndResult TIPatControl::ThreadEnded(std::thread::id id) {
  TThreadEndResult r;
  r.Scheduled = FIPatThread.ClearIfEnded(id);
  if (r.Scheduled) r.State = FIPat.IPatState;
  r.Direct = FIPatDirectThread.ClearIfEnded(id);
  return r;
}

}  // namespace vorpa
