#pragma once
// Where an acquisition thread's notifications arrive. The main window
// implements it by running each call on the main thread while the thread
// waits (ThreadEnd alone is posted); the headless fetch implements it on
// the console. All texts are CP932.
#include <string>
#include <thread>

namespace vorpa {

class TIPat;
class TRace;

// The kinds of errors a run meets: a refused login, a page that did not
// come, a race file that could not be written, a page that did not decode,
// a PAT file that could not be written.
enum class TIPatError { Login, Communication, Store, Page, PatOutput };

class TIPatSink {
 public:
  virtual ~TIPatSink() = default;

  // One line for the log list.
  virtual void Log(const std::string& line) = 0;
  // An error of the run; its line says what to fix. A plain log line
  // unless the sink does more with it.
  virtual void Error(TIPatError kind, const std::string& line) {
    (void)kind;
    Log(line);
  }
  // A race has been written to its file and the history database brought
  // up to date.
  virtual void RaceStored(const TRace& race) { (void)race; }
  // The receive lamp: on before a fetch, off after it.
  virtual void RecvLamp(bool on) = 0;
  // The session's state changed (or one more second of an error wait passed).
  virtual void StatusUpdate(const TIPat& session) = 0;
  // A page of the session has just been decoded.
  virtual void RaceInfo(const TIPat& session) = 0;
  // A completed run hands over its meeting date; opened when no date is open.
  virtual void HandOverDate(double meetingDate) = 0;
  // The thread `id` has ended; posted, the caller does not wait.
  virtual void ThreadEnd(std::thread::id id) = 0;
};

// The acquisition status window's two entry points, which the main window
// calls for StatusUpdate and RaceInfo.
class TIPatStatusView {
 public:
  virtual ~TIPatStatusView() = default;
  virtual void IPatStateToForm(const TIPat& session) = 0;
  virtual void ShowRaceInfo(const TIPat& session) = 0;
};

}  // namespace vorpa
