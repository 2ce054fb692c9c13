#include "core/Clock.h"

#include <cmath>
#include <cstdlib>
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

TPinnedClock::TPinnedClock(double at, bool running, double rate)
    : at_(at), running_(running), rate_(rate), started_(std::chrono::steady_clock::now()) {}

double TPinnedClock::Now() const {
  if (!running_) return at_;
  auto elapsed = std::chrono::steady_clock::now() - started_;
  return at_ + std::chrono::duration<double>(elapsed).count() * rate_ / 86400.0;
}

void TPinnedClock::Set(double at) {
  at_ = at;
  started_ = std::chrono::steady_clock::now();
}

std::chrono::microseconds RealSpan(const TClock& clock, double seconds) {
  const double rate = clock.Rate() > 0 ? clock.Rate() : 1.0;
  return std::chrono::microseconds(std::llround(seconds / rate * 1e6));
}

bool ParseClockRate(const std::string& text, double* rate) {
  char* end = nullptr;
  const double v = std::strtod(text.c_str(), &end);
  if (text.empty() || *end != '\0' || !std::isfinite(v) || v <= 0 || v > 100000) return false;
  *rate = v;
  return true;
}

}  // namespace vorpa
