#include "ipat/IPatThread.h"

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <filesystem>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/FileLock.h"
#include "core/RaceIO/RaceIO.h"
#include "history/HistoryStore.h"
#include "ipat/IPatErrorText.h"
#include "ipat/RaceHold.h"

namespace vorpa {

TIPatRetry TIPatRetry::WithWait(int seconds) {
  TIPatRetry r;
  r.LoginWaitSeconds = seconds;
  r.PageWaitSeconds = seconds;
  return r;
}

std::string RunStateText(int state) {
  switch (state) {
    case TIPat::WaitStart:
    case TIPat::MeetingInfo: return Utf8ToCp932("情報取得開始");
    case TIPat::RunEnd: return Utf8ToCp932("情報取得終了");
    case TIPat::Aborted: return Utf8ToCp932("取得中断");
    case TIPat::AllDone: return Utf8ToCp932("全情報取得完了");
    default: return Utf8ToCp932("情報取得停止");
  }
}

std::string RaceLogPrefix(const TRace& race) {
  const CivilDate d = DecodeDate(race.Header.RaceDate);
  char date[16];
  std::snprintf(date, sizeof date, "%02d/%02d ", d.Month, d.Day);
  return date + race.Header.VenueName + std::to_string(race.Header.RaceNo) + "R ";
}

std::string DumpPath(const std::string& dataDir, int accessCount) {
  char name[32];
  std::snprintf(name, sizeof name, "recv_%04d.html", accessCount);
  std::string dir = dataDir;
  if (!dir.empty() && dir.back() != '/') dir += '/';
  return dir + "dumps/" + name;
}

int NiceOfPriority(int priority) {
  static constexpr int kNice[] = {19, 15, 5, 0, -5, -10, -15};
  if (priority < 0) priority = 0;
  if (priority > 6) priority = 6;
  return kNice[priority];
}

std::shared_ptr<TIPatThread> TIPatThread::Start(TIPat& session, TIPatSink& sink,
                                                const TIPatRetry& retry) {
  std::shared_ptr<TIPatThread> t(new TIPatThread(session, sink, retry));
  ++session.ActionCount;
  // The id is recorded before the body can report its end with it.
  std::lock_guard<std::mutex> lock(t->mutex_);
  std::thread worker([self = t] { self->Execute(); });
  t->id_ = worker.get_id();
  worker.detach();
  return t;
}

TIPatThread::TIPatThread(TIPat& session, TIPatSink& sink, const TIPatRetry& retry)
    : session_(session), sink_(sink), retry_(retry) {}

TIPatThread::~TIPatThread() = default;

void TIPatThread::Terminate() {
  std::lock_guard<std::mutex> lock(mutex_);
  terminated_ = true;
  changed_.notify_all();
}

bool TIPatThread::Terminated() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return terminated_;
}

bool TIPatThread::Ended() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return ended_;
}

void TIPatThread::WaitEnded(const std::function<void()>& pump) {
  std::unique_lock<std::mutex> lock(mutex_);
  while (!ended_) {
    if (!pump) {
      changed_.wait(lock);
      continue;
    }
    changed_.wait_for(lock, std::chrono::milliseconds(10));
    lock.unlock();
    pump();
    lock.lock();
  }
}

void TIPatThread::Log(const std::string& line) { sink_.Log(line); }

void TIPatThread::Execute() {
  { std::lock_guard<std::mutex> lock(mutex_); }  // Start has recorded the id
  // A lower priority is always allowed; a higher one only with the right to
  // it, and its refusal is ignored.
  setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), NiceOfPriority(session_.Priority));
  TIPat& s = session_;
  Log(RunStateText(s.IPatState));
  TRaceHold race;  // the race between its load and its store
  while (!Terminated() && s.IPatState < TIPat::RunEnd) {
    s.NextState();
    s.ErrRetryCount = 0;
    s.ErrWaitCount = 0;
    sink_.StatusUpdate(s);
    switch (s.IPatState) {
      case TIPat::LoadData:
        if (!race.Take(RaceFilePath(s.Settings().MojiPath, s.VenueNameOfSlot(s.CurVenue), s.CurRace,
                                    s.MeetingDate),
                       [this] { return Terminated(); }))
          break;
        s.LoadRace();
        break;
      case TIPat::StoreData:
        StoreStep();
        race.Release();
        break;
      case TIPat::Login:
      case TIPat::MeetingInfo:
      case TIPat::RaceCard:
      case TIPat::OddsWinPlace:
      case TIPat::OddsExacta:
      case TIPat::OddsTrio:
      case TIPat::OddsTrifecta:
      case TIPat::OddsQuinella:
      case TIPat::OddsWide:
      case TIPat::Result: PageStep(); break;
      default: break;
    }
  }
  race.Release();
  sink_.StatusUpdate(s);
  Log(RunStateText(s.IPatState));
  if (s.IPatState == TIPat::RunEnd || s.IPatState == TIPat::AllDone) sink_.HandOverDate(s.MeetingDate);
  sink_.ThreadEnd(id_);
  std::lock_guard<std::mutex> lock(mutex_);
  ended_ = true;
  changed_.notify_all();
}

void TIPatThread::StoreStep() {
  TIPat& s = session_;
  const std::string prefix = RaceLogPrefix(s.Race);
  std::string reason;
  if (!s.StoreRace(&reason)) {
    // Nothing was written and the old file stays; the race is read again
    // by the next run.
    RaceStatus& st = s.CurStatus();
    st.LastFetch = 0;
    st.OddsDone = false;
    st.ResultDone = false;
    const TRaceHeader& h = s.Race.Header;
    sink_.Error(TIPatError::Store,
                StoreErrorText(prefix, RaceFilePath(s.Settings().MojiPath, h.VenueName, h.RaceNo, h.RaceDate),
                               reason));
    s.IPatState = TIPat::Aborted;
    return;
  }
  Log(prefix + Utf8ToCp932("取得"));
  std::string patFailure;
  if (s.OutputRace(&patFailure)) Log(prefix + Utf8ToCp932("PAT出力"));
  if (!patFailure.empty()) sink_.Error(TIPatError::PatOutput, PatOutErrorText(prefix, patFailure));
  // The history database follows the file; a failure there only logs.
  const std::string note = UpdateHistoryAfterStore(s.Settings().MojiPath, s.Race.Header);
  if (!note.empty()) Log(prefix + note);
  // Told last, so that the watchers find the database up to date (the
  // pools of the alerts).
  sink_.RaceStored(s.Race);
}

void TIPatThread::PageStep() {
  TIPat& s = session_;
  s.BuildRequest();
  const bool login = s.IPatState == TIPat::Login;
  const int attempts = login ? retry_.LoginAttempts : retry_.PageAttempts;
  const int wait = login ? retry_.LoginWaitSeconds : retry_.PageWaitSeconds;
  for (;;) {
    if (Terminated()) break;
    sink_.RecvLamp(true);
    TUrlFailure failure;
    const std::string page = s.Fetch(&failure);
    sink_.RecvLamp(false);
    if (page.empty()) {
      sink_.Error(TIPatError::Communication, CommErrorText(failure));
    } else {
      const int code = s.Decode(page);
      if (code == 0) {
        ++s.AccessCount;
        sink_.RaceInfo(s);
        return;
      }
      if (code == 5) {
        Log(TIPat::ErrorText(code));
        s.IPatState = TIPat::RunEnd;
        return;
      }
      Dump(page);
      if (code == 1 && login)
        sink_.Error(TIPatError::Login, LoginErrorText(s.Settings().INetID));
      else
        sink_.Error(TIPatError::Page, TIPat::ErrorText(code));
    }
    if (!ErrorWait(attempts, wait)) break;
  }
  s.IPatState = TIPat::Aborted;
}

bool TIPatThread::ErrorWait(int attempts, int waitSeconds) {
  TIPat& s = session_;
  ++s.ErrRetryCount;
  s.ErrWaitCount = 0;
  while (s.ErrWaitCount < waitSeconds) {
    {
      std::unique_lock<std::mutex> lock(mutex_);
      // One second of the session's clock, which may run faster than real time.
      if (changed_.wait_for(lock, RealSpan(s.Clock(), 1), [this] { return terminated_; })) break;
    }
    ++s.ErrWaitCount;
    sink_.StatusUpdate(s);
  }
  return s.ErrRetryCount < attempts && !Terminated();
}

void TIPatThread::Dump(const std::string& page) {
  const std::string path = DumpPath(session_.Settings().MojiPath, session_.AccessCount);
  std::error_code ec;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path(), ec);
  LockedWriteFile(path, page);  // a dump that cannot be written is only lost
}

}  // namespace vorpa
