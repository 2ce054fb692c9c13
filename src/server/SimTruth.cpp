#include "server/SimTruth.h"

#include <cstdio>

#include "core/DayCount.h"
#include "server/Pages.h"
#include "server/SimMarket.h"
#include "server/SimPlanted.h"
#include "server/SimResult.h"

namespace vorpa::sim {
namespace {

std::string Str(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (static_cast<unsigned char>(c) < 0x20) {
      char buf[8];
      std::snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += c;
    }
  }
  return out + "\"";
}

std::string Bool(bool b) { return b ? "true" : "false"; }

// {"key": value, ...} from pairs whose values are already JSON.
std::string Object(const std::vector<std::pair<std::string, std::string>>& members) {
  std::string out = "{";
  for (size_t k = 0; k < members.size(); ++k)
    out += (k ? "," : "") + Str(members[k].first) + ":" + members[k].second;
  return out + "}";
}

std::string Array(const std::vector<std::string>& items) {
  std::string out = "[";
  for (size_t k = 0; k < items.size(); ++k) out += (k ? "," : "") + items[k];
  return out + "]";
}

std::string Texts(const std::vector<std::string>& texts) {
  std::vector<std::string> items;
  for (const std::string& t : texts) items.push_back(Str(t));
  return Array(items);
}

// {"i-j": text} of the combinations that exist.
std::string Pairs(const std::vector<std::vector<std::string>>& grid, bool ordered, bool same) {
  std::vector<std::pair<std::string, std::string>> members;
  const int n = int(grid.size()) - 1;
  for (int i = 1; i <= n; ++i)
    for (int j = ordered ? 1 : i; j <= n; ++j) {
      if ((i == j && !same) || grid[size_t(i)][size_t(j)].empty()) continue;
      members.push_back({std::to_string(i) + "-" + std::to_string(j), Str(grid[size_t(i)][size_t(j)])});
    }
  return Object(members);
}

std::string Runner(const TSimMeeting& m, const TSimRace& race, const TSimRunner& r, double now) {
  return Object({{"frame", std::to_string(r.FrameNo)},
                 {"horseNo", std::to_string(r.HorseNo)},
                 {"scratched", Bool(r.Scratched)},
                 {"name", Str(r.Name)},
                 {"sexAge", Str(r.SexAge)},
                 {"weight", Str(WeightText(m, race, r, now))},
                 {"weightDiff", Str(WeightDiffText(m, race, r, now))},
                 {"jockey", Str(r.Jockey)},
                 {"burden", Str(r.Burden)},
                 {"trainer", Str(r.Trainer)}});
}

std::string Odds(const TSimDay& day, const TSimMeeting& m, const TSimRace& race, double now) {
  if (race.CancelledAt(now)) return "null";
  const TMarket mk = MarketAt(day, m, race, now);
  const char* names[] = {"", "win", "place", "bracket", "quinella", "exacta", "wide", "trio", "trifecta", "total"};
  std::vector<std::pair<std::string, std::string>> votes;
  for (int k = kWin; k <= kGrand; ++k)
    if (k != kExacta || !race.NoExacta) votes.push_back({names[k], Str(VoteText(mk, k))});
  return Object({{"timeText", Str(OddsTimeText(m, race, now))},
                 {"preSale", Bool(mk.PreSale)},
                 {"final", Bool(mk.Final)},
                 {"win", Texts(mk.Win)},
                 {"placeLow", Texts(mk.PlaceLow)},
                 {"placeHigh", Texts(mk.PlaceHigh)},
                 {"bracket", Pairs(mk.Bracket, false, true)},
                 {"quinella", Pairs(mk.Quinella, false, false)},
                 {"exacta", race.NoExacta ? "null" : Pairs(mk.Exacta, true, false)},
                 {"wideLow", Pairs(mk.WideLow, false, false)},
                 {"wideHigh", Pairs(mk.WideHigh, false, false)},
                 {"votes", Object(votes)}});
}

std::string Payouts(const std::vector<TPayout>& pays) {
  std::vector<std::string> items;
  for (const TPayout& p : pays) items.push_back(Array({Str(p.Combination), Str(p.Pay)}));
  return Array(items);
}

std::string Result(const TSimDay& day, const TSimMeeting& m, const TSimRace& race, double now) {
  const TSimResult r = ResultAt(day, m, race, now);
  if (!r.Published) return "null";
  std::vector<std::string> rows;
  for (const TFinishRow& f : r.Rows)
    rows.push_back(Object({{"place", Str(f.Place)}, {"frame", Str(f.Frame)},
                           {"horseNo", Str(f.HorseNo)}, {"name", Str(f.Name)},
                           {"margin", Str(f.Margin)}}));
  return Object({{"order", Array(rows)},
                 {"win", Payouts(r.Win)},
                 {"place", Payouts(r.Place)},
                 {"bracket", Payouts(r.Bracket)},
                 {"wide", Payouts(r.Wide)},
                 {"quinella", Payouts(r.Quinella)},
                 {"exacta", Payouts(r.Exacta)},
                 {"trio", Payouts(r.Trio)},
                 {"trifecta", Payouts(r.Trifecta)},
                 {"refund", Texts(r.Refund)}});
}

std::string Meeting(const TSimDay& day, const TSimMeeting& m, double now) {
  std::vector<std::string> races;
  for (const TSimRace& r : m.Races) races.push_back(RaceTruth(day, m, r, now));
  return Object({{"code", Str(m.Code)},
                 {"venue", Str(VenueText(m))},
                 {"date", Str(DateToIsoText(m.Date))},
                 {"label", Str(MeetingLabel(m))},
                 {"soldToday", Bool(m.SoldToday)},
                 {"races", Array(races)}});
}

// The planted late bets of the day: where, which horse, from what time,
// and the horse's win odds the minute before and the minute the bet is in.
std::string PlantedMoves(const TSimDay& day) {
  std::vector<std::string> moves;
  for (const TSimMeeting& m : day.Meetings)
    for (const TSimRace& r : m.Races) {
      const TPlantedMove p = PlantedMoveOf(day, m, r);
      if (p.Horse == 0) continue;
      const double at = day.Date + DaySaleOpen() + p.Minute / 1440.0;
      const TMarket before = MarketAt(day, m, r, at - 1 / 1440.0), after = MarketAt(day, m, r, at);
      moves.push_back(Object({{"code", Str(m.Code)},
                              {"venue", Str(VenueText(m))},
                              {"race", std::to_string(r.No)},
                              {"horse", std::to_string(p.Horse)},
                              {"time", Str(TimeToText(at))},
                              {"odds_before", Str(before.Win[size_t(p.Horse - 1)])},
                              {"odds_after", Str(after.Win[size_t(p.Horse - 1)])}}));
    }
  return Array(moves);
}

}  // namespace

std::string RaceTruth(const TSimDay& day, const TSimMeeting& m, const TSimRace& race, double now) {
  std::vector<std::string> runners;
  for (const TSimRunner& r : race.Runners) runners.push_back(Runner(m, race, r, now));
  return Object({{"code", Str(m.Code)},
                 {"no", std::to_string(race.No)},
                 {"heading", Str(std::to_string(race.No) + "R")},
                 {"postTime", Str(PostTimeText(race.PostTime))},
                 {"cancelled", Bool(race.CancelledAt(now))},
                 {"exacta", Bool(!race.NoExacta)},
                 {"deadHeat", Bool(race.DeadHeat)},
                 {"oddsMark", Str(OddsMark(m, race, now))},
                 {"resultMark", Str(ResultMark(day, m, race, now))},
                 {"header", Texts(CardHeader(m, race))},
                 {"title", Str(race.Title + race.Grade)},
                 {"condition", Str(race.Condition)},
                 {"distance", std::to_string(race.Distance)},
                 {"course", Str(race.CourseText)},
                 {"runnerCount", std::to_string(race.RunnerCount())},
                 {"weather", Str(race.Weather)},
                 {"going", Str(race.Going)},
                 {"runners", Array(runners)},
                 {"odds", Odds(day, m, race, now)},
                 {"result", Result(day, m, race, now)}});
}

std::string DayTruth(const TSimDay& day, double now) {
  std::vector<std::string> meetings;
  for (const TSimMeeting& m : day.Meetings) meetings.push_back(Meeting(day, m, now));
  return Object({{"now", Str(DateTimeToIsoText(now))},
                 {"date", Str(DateToIsoText(day.Date))},
                 {"seed", std::to_string(day.Seed)},
                 {"meetings", Array(meetings)},
                 {"planted_moves", PlantedMoves(day)}}) + "\n";
}

}  // namespace vorpa::sim
