#pragma once
// The day's log: every line the program logs, stamped with the time of day
// on the program clock, kept for the day and appended to the day's file
// "YYYY-MM-DD.log" (UTF-8, one line each) in the log folder. When a day
// begins, the kept lines start afresh and files older than kLogKeepDays
// days are deleted. Several threads, and several programs, may log at once.
#include <mutex>
#include <string>
#include <vector>

#include "core/Clock.h"

namespace vorpa {

constexpr int kLogKeepDays = 30;

struct TLogEntry {
  double At = 0;      // date and time (day count)
  std::string Text;   // CP932, without the time
  bool Error = false; // an error: shown in red
};

// "hh:mm:ss " followed by the text (CP932).
std::string TimedLogLine(const TLogEntry& entry);
// "YYYY-MM-DD.log" of a date.
std::string DayLogFileName(double date);
// Deletes the day files in `dir` whose date lies kLogKeepDays days or more
// before `today`; other files stay.
void PruneDayLogs(const std::string& dir, double today);

class TDayLog {
 public:
  // `dir` (with a trailing "/") holds the day files; "" writes none.
  TDayLog(const TClock& clock, std::string dir);

  // Stamps the line with the clock's time, keeps it and appends it to the
  // day's file; the entry.
  TLogEntry Add(const std::string& text, bool error = false);
  // The day's entries, oldest first.
  std::vector<TLogEntry> Entries() const;
  // Once after a write of the file failed: the file and the system's
  // reason (UTF-8); "" otherwise, until a write succeeds and fails again.
  std::string TakeWriteFailure();
  const std::string& Dir() const { return dir_; }

 private:
  void Write(const TLogEntry& entry);

  const TClock& clock_;
  std::string dir_;
  mutable std::mutex mutex_;
  double day_ = 0;
  std::vector<TLogEntry> entries_;
  std::string failure_;
  bool failureTaken_ = false;
};

}  // namespace vorpa
