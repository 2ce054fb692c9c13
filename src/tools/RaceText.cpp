// The readable form of a race record for `vorpa-tool show`.
#include <cstdarg>
#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "tools/Json.h"
#include "tools/RaceJson.h"

namespace vorpa::tool {

namespace {

[[gnu::format(printf, 2, 3)]] void Line(std::string& out, const char* fmt, ...) {
  char buf[1024];
  va_list ap;
  va_start(ap, fmt);
  std::vsnprintf(buf, sizeof buf, fmt, ap);
  va_end(ap);
  out += buf;
  out += '\n';
}

std::string U(const std::string& cp932) { return Cp932ToUtf8(cp932); }

std::string Odds(double v) { return v == NoOdds ? "-" : ShortestNumber(v); }

void Header(std::string& out, const TRaceHeader& h) {
  Line(out, "%s %s %dR  %s  post %s", DateToIsoText(h.RaceDate).c_str(), U(h.VenueName).c_str(),
       h.RaceNo, U(h.RaceName).c_str(), TimeToText(h.StartTime).c_str());
  Line(out, "meeting %d, day %d  %s %s  %dm %s  weather %s  going %s  runners %d", h.Kai, h.Nichi,
       U(h.Condition1).c_str(), U(h.Condition2).c_str(), h.Distance, U(h.CourseText).c_str(),
       U(h.Weather).c_str(), U(h.Going).c_str(), h.RunnerCount);
}

// The table is laid out in CP932, where a character's bytes are its width
// on a terminal, and converted afterwards, so that its columns line up.
void Runners(std::string& out, const TRace& race) {
  Line(out, "\n%2s %2s %-18s %-2s %3s %3s %6s %4s %-18s %6s %-2s %-18s %3s %s", "No", "Fr",
       "Horse", "Mk", "Sex", "Age", "Weight", "Diff", "Jockey", "Burden", "Ap", "Trainer", "Fin",
       "Margin");
  for (const TSyutuba& s : race.Runners) {
    if (s.HorseNo == 0) continue;
    const std::string diff = s.WeightDiffKnown ? std::to_string(s.WeightDiff) : "new";
    std::string row;
    Line(row, "%2d %2d %-18s %-2s %3d %3d %6d %4s %-18s %6.1f %-2s %-18s %3d %s", s.HorseNo,
         s.FrameNo, s.HorseName.c_str(), s.MarkText.c_str(), s.Sex, s.Age, s.BodyWeight,
         diff.c_str(), s.JockeyName.c_str(), s.Burden, s.ApprenticeMark.c_str(),
         s.TrainerName.c_str(), s.Finish, s.Margin.c_str());
    out += U(row);
  }
}

void Votes(std::string& out, const TRace& race) {
  static const char* const kNames[] = {"win", "place", "bracket", "quinella", "exacta",
                                       "wide", "trio", "trifecta", "total"};
  out += "\nvotes:";
  for (int k = 0; k < kVoteTypes; ++k)
    out += std::string(" ") + kNames[k] + " " + ShortestNumber(race.Votes[k] / 10000.0);
  out += '\n';
}

template <typename Combos, typename Pays>
void Payout(std::string& out, const char* name, const Combos& combos, const Pays& pays) {
  std::string line;
  for (size_t i = 0; i < pays.size(); ++i) {
    if (combos[i][0] == 0) continue;
    std::string c;
    for (int v : combos[i]) c += (c.empty() ? "" : "-") + std::to_string(v);
    line += "  " + c + " " + std::to_string(pays[i]) + " yen";
  }
  if (!line.empty()) Line(out, "%-9s%s", name, line.c_str());
}

template <size_t N>
std::array<std::array<int, 1>, N> Singles(const std::array<int, N>& horses) {
  std::array<std::array<int, 1>, N> out{};
  for (size_t i = 0; i < N; ++i) out[i][0] = horses[i];
  return out;
}

void Result(std::string& out, const TRaceResult& r) {
  if (r.WinHorse[0] == 0) {
    Line(out, "\nno result");
    return;
  }
  Line(out, "\nresult:");
  Payout(out, "win", Singles(r.WinHorse), r.WinPay);
  Payout(out, "place", Singles(r.PlaceHorse), r.PlacePay);
  Payout(out, "bracket", r.BracketPair, r.BracketPay);
  Payout(out, "quinella", r.QuinellaPair, r.QuinellaPay);
  Payout(out, "wide", r.WidePair, r.WidePay);
  Payout(out, "exacta", r.ExactaPair, r.ExactaPay);
  Payout(out, "trio", r.TrioSet, r.TrioPay);
  Payout(out, "trifecta", r.TrifectaSet, r.TrifectaPay);
  if (!r.RefundText.empty()) Line(out, "refund   %s", U(r.RefundText).c_str());
}

void Snapshots(std::string& out, const TRace& race) {
  const int n = std::min(std::max(race.Header.RunnerCount, 0), kMaxRunners);
  Line(out, "\nreadings: %zu", race.Snapshots.size());
  for (size_t k = 0; k < race.Snapshots.size(); ++k) {
    const OddsSnapshot& s = race.Snapshots[k];
    Line(out, "%2zu win %s quinella %s exacta %s wide %s", k + 1, TimeToText(s.WinTime()).c_str(),
         TimeToText(s.QuinellaTime()).c_str(), TimeToText(s.ExactaTime()).c_str(),
         TimeToText(s.WideTime()).c_str());
    std::string win = "   win:", place = "   place:";
    for (int h = 1; h <= n; ++h) {
      win += " " + std::to_string(h) + ":" + Odds(s.Win(h));
      place += " " + std::to_string(h) + ":" + Odds(s.PlaceLow(h)) + "-" + Odds(s.PlaceHigh(h));
    }
    out += win + "\n" + place + "\n";
  }
}

}  // namespace

std::string RaceToText(const TRace& race) {
  std::string out;
  Header(out, race.Header);
  Runners(out, race);
  Votes(out, race);
  Result(out, race.Result);
  Snapshots(out, race);
  return out;
}

}  // namespace vorpa::tool
