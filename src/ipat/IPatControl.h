#pragma once
// How acquisition is started and steered, shared by the main window and
// `vorpa-tool fetch`: the scheduled session and the direct session with
// their thread slots, the start routine of the acquisition toggle, the
// timer tick of the schedule, the direct run and the end of a thread. All
// of it runs on one thread (the main window's), the acquisition threads
// aside.
#include <functional>
#include <memory>
#include <mutex>
#include <string>
#include <thread>

#include "core/Clock.h"
#include "core/Setting.h"
#include "ipat/IPat.h"
#include "ipat/IPatSink.h"
#include "ipat/IPatThread.h"
#include "ipat/ThreadSlot.h"

namespace vorpa {

// What the PAT output adds to acquisition beside the sessions' per-race
// output; empty functions do nothing.
struct TIPatHooks {
  // Deletes the PAT files of other days than the meeting date.
  std::function<void(double meetingDate)> ClearPatFiles;
};

enum class TStartResult {
  Stopped,      // the toggle was switched off
  NoIdNoDir,    // warnings: settings missing
  NoId,
  NoDir,
  Paused,       // within 19:00..20:00, logged
  ThreadError,  // a scheduled thread is still registered, logged
  Started,
};

// The warning box text of a start result ("" when it has none), CP932.
std::string StartWarning(TStartResult result);

// What the end of a thread asks of its owner.
struct TThreadEndResult {
  bool Scheduled = false;  // the scheduled slot was cleared
  bool Direct = false;     // the direct slot was cleared
  uint8_t State = 0;       // the scheduled session's state when Scheduled
};

class TIPatControl {
 public:
  // `live` is the settings record the user edits; every run works on a
  // copy taken when it starts.
  TIPatControl(const TSetting& live, const TClock& clock, TIPatSink& sink);
  // Asks both threads to stop and waits for them.
  ~TIPatControl();
  TIPatControl(const TIPatControl&) = delete;
  TIPatControl& operator=(const TIPatControl&) = delete;

  TIPatRetry Retry;
  TIPatHooks Hooks;

 private:
  // Declared before the sessions, which read them.
  TSetting runSetting_;
  TSetting directSetting_;

 public:
  TIPat FIPat;        // the scheduled session
  TIPat FIPatDirect;  // the session of direct acquisitions
  TThreadSlot FIPatThread;
  TThreadSlot FIPatDirectThread;

  // The start routine of the acquisition toggle, `checked` its new state.
  TStartResult StartRoutine(bool checked);
  // One tick of the schedule timer; true when a thread was started.
  bool TimerTick(bool checked);

  // Direct acquisition, first half: copies the scheduled session into the
  // direct one when a race is shown (`raceLoaded`), the toggle is on, the
  // scheduled session is logged in, no direct run is active, `shownDate` is
  // its meeting date and the hour allows acquisition; false otherwise.
  bool PrepareDirect(bool raceLoaded, bool checked, double shownDate);
  // Second half, once the caller has set the chosen races Selected: starts
  // the run unless the hour now lies in the pause window or the meeting
  // date has moved past the direct session's (a dialog left open across
  // 19:00); true when it started.
  bool StartDirect();

  // A thread has ended: clears its slot.
  TThreadEndResult ThreadEnded(std::thread::id id);
  // Keeps the scheduled session's plan for PrepareDirect while a scheduled
  // thread runs; called from the thread's status updates.
  void NoteStatus(const TIPat& session);

  // Asks the thread of the slot to stop; with `await`, waits for its end,
  // running `pump` between short waits.
  static void Stop(TThreadSlot& slot, bool await, const std::function<void()>& pump = {});

 private:
  std::shared_ptr<TIPatThread> StartThread(TIPat& session);

  const TSetting& live_;
  const TClock& clock_;
  TIPatSink& sink_;
  std::mutex planMutex_;
  TIPat plan_;  // the scheduled session's plan as of its last status update
};

}  // namespace vorpa
