#pragma once
// The one injectable clock: everything that reads the local time of day
// takes it from a TClock, so tests and the command line (--now) can pin it.
#include <chrono>

namespace vorpa {

class TClock {
 public:
  virtual ~TClock() = default;
  // Local date and time as a day count (DayCount.h).
  virtual double Now() const = 0;
};

// The local wall clock.
class TSystemClock : public TClock {
 public:
  double Now() const override;
};

// Starts at a given moment; when `running`, it advances with real time from
// there, otherwise it stands still until Set is called.
class TPinnedClock : public TClock {
 public:
  explicit TPinnedClock(double at, bool running = false);
  double Now() const override;
  void Set(double at);

 private:
  double at_;
  bool running_;
  std::chrono::steady_clock::time_point started_;
};

}  // namespace vorpa
