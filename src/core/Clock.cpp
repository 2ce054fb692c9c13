#include "core/Clock.h"

#include <ctime>

#include "core/DayCount.h"

namespace vorpa {

double TSystemClock::Now() const {
  using namespace std::chrono;
  auto now = system_clock::now();
  std::time_t secs = system_clock::to_time_t(now);
  int ms = static_cast<int>(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  std::tm local{};
  localtime_r(&secs, &local);
  return EncodeDate(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday) +
         EncodeTime(local.tm_hour, local.tm_min, local.tm_sec, ms);
}

TPinnedClock::TPinnedClock(double at, bool running)
    : at_(at), running_(running), started_(std::chrono::steady_clock::now()) {}

double TPinnedClock::Now() const {
  if (!running_) return at_;
  auto elapsed = std::chrono::steady_clock::now() - started_;
  return at_ + std::chrono::duration<double>(elapsed).count() / 86400.0;
}

void TPinnedClock::Set(double at) {
  at_ = at;
  started_ = std::chrono::steady_clock::now();
}

}  // namespace vorpa
