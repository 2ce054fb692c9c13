#pragma once
// One acquisition run of an IPAT session in the background: the thread
// drives the session's state machine page by page, retries failed pages
// after a wait, dumps pages that fail to decode, stores the races and
// reports to its sink. The thread keeps its own object alive while it
// runs; the main window's slot shares it, so asking it to stop or waiting
// for it is safe at any moment, also after the run has ended.
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "ipat/IPat.h"
#include "ipat/IPatSink.h"

namespace vorpa {

// Attempts and waits of one page step. The one place they come from:
// tests and `vorpa-tool fetch --retry-wait` shorten the waits here.
struct TIPatRetry {
  int LoginAttempts = 2;
  int LoginWaitSeconds = 600;
  int PageAttempts = 3;
  int PageWaitSeconds = 60;

  // Every wait lasting `seconds` instead.
  static TIPatRetry WithWait(int seconds);
};

class TIPatThread {
 public:
  // Starts a run of `session` reporting to `sink`; the session's
  // ActionCount is increased first. The session and the sink are used
  // until the run has ended (see WaitEnded).
  static std::shared_ptr<TIPatThread> Start(TIPat& session, TIPatSink& sink,
                                            const TIPatRetry& retry);
  ~TIPatThread();
  TIPatThread(const TIPatThread&) = delete;
  TIPatThread& operator=(const TIPatThread&) = delete;

  std::thread::id Id() const { return id_; }
  // Asks the run to stop: an error wait ends at once, a running fetch
  // completes first.
  void Terminate();
  bool Terminated() const;
  bool Ended() const;
  // Waits until the run has ended and no longer touches its session or
  // sink; `pump` runs between short waits (the main window processes the
  // thread's synchronous calls there).
  void WaitEnded(const std::function<void()>& pump = {});

 private:
  TIPatThread(TIPat& session, TIPatSink& sink, const TIPatRetry& retry);
  void Execute();
  void PageStep();
  void StoreStep();
  // One error wait; false when the step has used its attempts.
  bool ErrorWait(int attempts, int waitSeconds);
  void Dump(const std::string& page);
  void Log(const std::string& line);

  TIPat& session_;
  TIPatSink& sink_;
  TIPatRetry retry_;
  std::thread::id id_;
  mutable std::mutex mutex_;
  std::condition_variable changed_;
  bool terminated_ = false;
  bool ended_ = false;
};

// The log text of a run's start and end, by the session's state:
// "情報取得開始", "情報取得終了", "取得中断", "全情報取得完了", "情報取得停止".
std::string RunStateText(int state);
// "mm/dd 東京11R " of the session's race, the prefix of its log lines.
std::string RaceLogPrefix(const TRace& race);
// The dump file of a page that failed to decode: "recv_0012.html" in the
// folder "dumps" of the data directory.
std::string DumpPath(const std::string& dataDir, int accessCount);
// The per-thread nice value of a priority 0 (idle) .. 6 (time-critical).
int NiceOfPriority(int priority);

}  // namespace vorpa
