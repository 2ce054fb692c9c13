#pragma once
// The one injectable clock: everything that reads the local time of day
// takes it from a TClock, so tests and the command line (--now,
// --clock-start, --clock-rate) can pin it or speed it up.
#include <chrono>
#include <string>

namespace vorpa {

class TClock {
 public:
  virtual ~TClock() = default;
  // Local date and time as a day count (DayCount.h).
  virtual double Now() const = 0;
  // Seconds of this clock that pass in one real second.
  virtual double Rate() const { return 1.0; }
};

// The local wall clock.
class TSystemClock : public TClock {
 public:
  double Now() const override;
};

// Starts at a given moment; when `running`, it advances from there `rate`
// times as fast as real time, otherwise it stands still until Set is called.
class TPinnedClock : public TClock {
 public:
  explicit TPinnedClock(double at, bool running = false, double rate = 1.0);
  double Now() const override;
  double Rate() const override { return rate_; }
  void Set(double at);

 private:
  double at_;
  bool running_;
  double rate_;
  std::chrono::steady_clock::time_point started_;
};

// The real time that `seconds` of the clock take.
std::chrono::microseconds RealSpan(const TClock& clock, double seconds);

// The value of --clock-rate: a positive number up to 100000; false for
// anything else.
bool ParseClockRate(const std::string& text, double* rate);

}  // namespace vorpa
