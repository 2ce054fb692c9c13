#pragma once
// The meeting-day clock rules: the day switch at 19:20:00 and the blocked
// acquisition band 19:00:00..20:00:00. `now` is a local date-time day count.

namespace vorpa {

// 19:20:00 as a time of day.
double DaySwitchTime();
// False when 19:00:00 <= time of day <= 20:00:00.
bool AcquisitionAllowed(double now);
// Today (date part) until 19:20:00 inclusive, tomorrow after it.
double CurrentMeetingDate(double now);
// Timer interval in real milliseconds of a setting in minutes of a clock
// running `rate` times as fast as real time (saturating at the int range,
// at least 1).
int TimerInterval(int minutes, double rate = 1.0);

}  // namespace vorpa
