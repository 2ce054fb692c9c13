#include "core/DayLog.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/Cp932.h"
#include "core/DayCount.h"

namespace vorpa {
namespace fs = std::filesystem;

std::string TimedLogLine(const TLogEntry& entry) { return TimeToText(TimeOf(entry.At)) + " " + entry.Text; }

std::string DayLogFileName(double date) { return DateToIsoText(date) + ".log"; }

namespace {

// The date of a day file's name, 0 for any other name.
double DateOfLogName(const std::string& name) {
  if (name.size() != 14 || name.compare(10, 4, ".log") != 0 || name[4] != '-' || name[7] != '-')
    return 0;
  for (int i : {0, 1, 2, 3, 5, 6, 8, 9})
    if (name[i] < '0' || name[i] > '9') return 0;
  return EncodeDate(std::stoi(name.substr(0, 4)), std::stoi(name.substr(5, 2)),
                    std::stoi(name.substr(8, 2)));
}

}  // namespace

void PruneDayLogs(const std::string& dir, double today) {
  std::error_code ec;
  for (fs::directory_iterator it(dir, ec), end; !ec && it != end; it.increment(ec)) {
    const double date = DateOfLogName(it->path().filename().string());
    if (date != 0 && date <= DateOf(today) - kLogKeepDays && it->is_regular_file(ec))
      fs::remove(it->path(), ec);
  }
}

TDayLog::TDayLog(const TClock& clock, std::string dir) : clock_(clock), dir_(std::move(dir)) {}

TLogEntry TDayLog::Add(const std::string& text, bool error) {
  TLogEntry e{clock_.Now(), text, error};
  std::lock_guard<std::mutex> lock(mutex_);
  if (DateOf(e.At) != day_) {
    day_ = DateOf(e.At);
    entries_.clear();
    if (!dir_.empty()) PruneDayLogs(dir_, day_);
  }
  entries_.push_back(e);
  Write(e);
  return e;
}

std::vector<TLogEntry> TDayLog::Entries() const {
  std::lock_guard<std::mutex> lock(mutex_);
  return entries_;
}

std::string TDayLog::TakeWriteFailure() {
  std::lock_guard<std::mutex> lock(mutex_);
  if (failure_.empty() || failureTaken_) return "";
  failureTaken_ = true;
  return failure_;
}

void TDayLog::Write(const TLogEntry& entry) {
  if (dir_.empty()) return;
  const std::string path = dir_ + DayLogFileName(entry.At);
  const std::string line = Cp932ToUtf8(TimedLogLine(entry)) + "\n";
  std::error_code ec;
  fs::create_directories(dir_, ec);
  // One write of the whole line on a file opened for appending: lines of
  // several writers never mix.
  const int fd = ::open(path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  bool ok = fd >= 0;
  int why = errno;
  if (ok) {
    ok = ::write(fd, line.data(), line.size()) == static_cast<ssize_t>(line.size());
    why = errno;
    ::close(fd);
  }
  if (ok) {
    failure_.clear();
    failureTaken_ = false;
  } else if (failure_.empty()) {
    failure_ = path + ": " + std::strerror(why);
  }
}

}  // namespace vorpa
