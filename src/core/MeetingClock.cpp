#include "core/MeetingClock.h"

#include <algorithm>
#include <climits>
#include <cmath>

#include "core/DayCount.h"

namespace vorpa {
namespace {
// Compare times of day in whole milliseconds, so 19:20:00 is exactly the
// switch and 19:20:00.001 is past it.
long Msec(double timeOfDay) {
  CivilTime t = DecodeTime(timeOfDay);
  return ((t.Hour * 60L + t.Minute) * 60 + t.Second) * 1000 + t.Msec;
}
}  // namespace

double DaySwitchTime() { return EncodeTime(19, 20, 0); }

bool AcquisitionAllowed(double now) {
  long t = Msec(TimeOf(now));
  return !(t >= Msec(EncodeTime(19, 0, 0)) && t <= Msec(EncodeTime(20, 0, 0)));
}

double CurrentMeetingDate(double now) {
  double today = DateOf(now);
  return Msec(TimeOf(now)) <= Msec(DaySwitchTime()) ? today : today + 1;
}

int TimerInterval(int minutes, double rate) {
  // A hand-edited cycle beyond the int range of milliseconds saturates.
  const double ms = minutes * 60000.0 / (rate > 0 ? rate : 1.0);
  return static_cast<int>(std::clamp<double>(std::round(ms), 1, INT_MAX));
}

}  // namespace vorpa
