#pragma once
// A hand-made race for the PAT writer tests: every field that a PAT file
// shows is set to a value the expectations spell out.
#include <string>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Race.h"

namespace vorpa::test {

inline std::string Sj(const char* utf8) { return Utf8ToCp932(utf8); }
// `text` padded with blanks on the right (left when `right` is false) to n bytes.
inline std::string PadR(const std::string& text, size_t n) {
  return text.size() >= n ? text : text + std::string(n - text.size(), ' ');
}
inline std::string PadL(const std::string& text, size_t n) {
  return text.size() >= n ? text : std::string(n - text.size(), ' ') + text;
}

// 東京 race 11 of 2026-12-06 (a Sunday), 5th meeting, day 8, post 15:40,
// `runners` runners numbered in order.
inline TRace PatRace(int runners) {
  TRace race;
  ClearRace(race, Sj("東京"), 11, EncodeDate(2026, 12, 6));
  TRaceHeader& h = race.Header;
  h.StartTime = EncodeTime(15, 40, 0);
  h.Kai = 5;
  h.Nichi = 8;
  h.RaceName = Sj("霜月ステークス");
  h.Condition1 = Sj(" サラ系３歳以上 ");
  h.Condition2 = Sj("オープン\t");
  h.CourseText = Sj("芝・左");
  h.Distance = 2400;
  h.RunnerCount = runners;
  h.Weather = Sj("晴");
  h.Going = Sj("良");
  for (int no = 1; no <= runners; ++no) {
    TSyutuba& s = race.Runner(no);
    s.HorseNo = no;
    s.FrameNo = no <= 8 ? no : 8;
    s.HorseName = Sj("ハルカゼ");
    s.JockeyName = Sj("山田太郎");
    s.ApprenticeMark = Sj("　");
    s.Burden = 56;
    s.BodyWeight = 480 + no;
    s.WeightDiffKnown = true;
    s.WeightDiff = no % 3 == 0 ? 0 : no % 3 == 1 ? 4 : -6;
  }
  return race;
}

}  // namespace vorpa::test
