#include "server/SimResult.h"

#include <algorithm>
#include <cmath>

#include "server/SimMarket.h"
#include "server/SimRandom.h"

namespace vorpa::sim {
namespace {

const char* const kMargins[] = {"ハナ", "アタマ", "クビ", "1/2", "3/4", "1", "1 1/4",
                                "1 1/2", "1 3/4", "2", "2 1/2", "3", "4", "5", "大差"};
const char kDash[] = "－";
const char kArrow[] = "→";

std::string Yen(double odds, double share) {
  const long long pay = std::max(100LL, (long long)(std::floor(odds * 100.0 / share / 10.0 + 1e-9)) * 10);
  return Grouped(pay) + "円";
}

std::string Joined(std::vector<int> horses, const char* sep, bool sorted) {
  if (sorted) std::sort(horses.begin(), horses.end());
  std::string s;
  for (size_t k = 0; k < horses.size(); ++k) s += (k ? sep : "") + std::to_string(horses[k]);
  return s;
}

// Odds as a number again (the text the odds page showed).
double Odds(const std::string& text) { return std::atof(text.c_str()); }

// A place payout between the lower and upper odds.
double Between(const std::string& low, const std::string& high) {
  return Odds(low) + (Odds(high) - Odds(low)) * 0.4;
}

// Race time of the winner, "1:33.5".
std::string RaceTime(TDraws& d, int distance) {
  const double seconds = distance / 1000.0 * 61.0 + d.Next() * 3.0;
  const int tenths = int(std::lround(seconds * 10));
  char buf[16];
  std::snprintf(buf, sizeof buf, "%d:%02d.%d", tenths / 600, tenths / 10 % 60, tenths % 10);
  return buf;
}

// Finishing order by Harville draws from the win shares.
std::vector<int> Order(TDraws& d, std::vector<double> p) {
  std::vector<int> order;
  for (;;) {
    double total = 0;
    for (double s : p) total += s;
    if (total <= 0) return order;
    double u = d.Next() * total;
    size_t h = 0;
    while (h + 1 < p.size() && (p[h] <= 0 || u >= p[h])) {
      if (p[h] > 0) u -= p[h];
      ++h;
    }
    order.push_back(int(h) + 1);
    p[h] = 0;
  }
}

void AddPayouts(const TSimRace& race, const TMarket& m, const std::vector<int>& order,
                TSimResult* r) {
  const int first = order[0], second = order[1], third = order[2];
  auto frame = [&](int h) { return race.Runners[size_t(h - 1)].FrameNo; };
  const std::vector<double>& p = m.Shares;
  r->Win.push_back({std::to_string(first), Yen(Odds(m.Win[size_t(first - 1)]), 1)});
  // With a dead heat for second, the horses in rows 2 and 3 share it.
  const bool dead = race.DeadHeat;
  const double split = dead ? 2 : 1;
  for (int h : {first, second, third})
    r->Place.push_back({std::to_string(h),
                        Yen(Between(m.PlaceLow[size_t(h - 1)], m.PlaceHigh[size_t(h - 1)]), 1)});
  std::vector<int> seconds = {second};
  if (dead) seconds.push_back(third);
  for (int s : seconds) {
    const int a = std::min(frame(first), frame(s)), b = std::max(frame(first), frame(s));
    const std::string pair = Joined({a, b}, kDash, true);
    if (r->Bracket.empty() || r->Bracket.back().Combination != pair)
      r->Bracket.push_back({pair, Yen(Odds(m.Bracket[size_t(a)][size_t(b)]), split)});
    const int lo = std::min(first, s), hi = std::max(first, s);
    r->Quinella.push_back({Joined({first, s}, kDash, true),
                           Yen(Odds(m.Quinella[size_t(lo)][size_t(hi)]), split)});
    if (!race.NoExacta)
      r->Exacta.push_back({Joined({first, s}, kArrow, false),
                           Yen(Odds(m.Exacta[size_t(first)][size_t(s)]), split)});
  }
  for (auto [i, j] : {std::pair{first, second}, {first, third}, {second, third}}) {
    const int lo = std::min(i, j), hi = std::max(i, j);
    r->Wide.push_back({Joined({i, j}, kDash, true),
                       Yen(Between(m.WideLow[size_t(lo)][size_t(hi)], m.WideHigh[size_t(lo)][size_t(hi)]), 1)});
  }
  r->Trio.push_back({Joined({first, second, third}, kDash, true),
                     Yen(FairOdds(TrioChance(p, first, second, third)), 1)});
  r->Trifecta.push_back({Joined({first, second, third}, kArrow, false),
                         Yen(FairOdds(TrifectaChance(p, first, second, third)), split)});
  if (dead)
    r->Trifecta.push_back({Joined({first, third, second}, kArrow, false),
                           Yen(FairOdds(TrifectaChance(p, first, third, second)), split)});
}

}  // namespace

std::string Grouped(long long value) {
  std::string digits = std::to_string(value < 0 ? -value : value);
  std::string out;
  for (size_t k = 0; k < digits.size(); ++k) {
    if (k && (digits.size() - k) % 3 == 0) out += ',';
    out += digits[k];
  }
  return value < 0 ? "-" + out : out;
}

TSimResult ResultAt(const TSimDay& day, const TSimMeeting& meeting, const TSimRace& race,
                    double now) {
  TSimResult r;
  r.Refund.assign(4, "");
  if (race.CancelledAt(now) || now < meeting.Date + race.PostTime + race.ResultDelay) return r;
  const TMarket final = MarketAt(day, meeting, race, meeting.Date + race.PostTime);
  TDraws d(Hash({day.Seed, uint64_t(meeting.Date), uint64_t(meeting.Venue), uint64_t(race.No), 77}));
  const std::vector<int> order = Order(d, final.Shares);
  if (order.size() < 3) return r;
  r.Published = true;
  for (size_t k = 0; k < order.size(); ++k) {
    const TSimRunner& runner = race.Runners[size_t(order[k] - 1)];
    TFinishRow row;
    const bool sharesSecond = race.DeadHeat && k == 2;
    row.Place = std::to_string(sharesSecond ? 2 : k + 1);
    row.Frame = std::to_string(runner.FrameNo);
    row.HorseNo = std::to_string(runner.HorseNo);
    row.Name = runner.Name;
    row.Margin = k == 0 ? RaceTime(d, race.Distance) : sharesSecond ? "同着" : d.Pick(kMargins);
    r.Rows.push_back(row);
  }
  AddPayouts(race, final, order, &r);
  for (const TSimRunner& runner : race.Runners)
    if (runner.Scratched) r.Refund[0] = std::to_string(runner.HorseNo) + "番 出走取消 返還";
  return r;
}

}  // namespace vorpa::sim
