// vorpa-tool fair: the fair odds of every combination of one reading, from
// its win odds, beside the market odds and their distortion ratio.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "analysis/FairOdds.h"
#include "tools/Json.h"
#include "tools/RaceFileArg.h"
#include "tools/ToolCommand.h"

namespace vorpa::tool {
namespace {

struct FairArgs {
  RaceFileArgs File;
  int Reading = 0;  // from 1; 0 = the last
  int Bet = -1;     // a TBetType; -1 = all eight
  long Top = -1;    // -1 = every combination
};

bool ReadCount(const std::string& option, const std::string& text, long* out) {
  char* end = nullptr;
  const long v = std::strtol(text.c_str(), &end, 10);
  if (text.empty() || *end || v < 1) {
    std::fprintf(stderr, "vorpa-tool fair: %s: not a number from 1: %s\n", option.c_str(),
                 text.c_str());
    return false;
  }
  *out = v;
  return true;
}

// Takes --reading, --bet and --top; the rest goes to the race file parser.
bool ParseFairArgs(const std::vector<std::string>& args, FairArgs* out) {
  std::vector<std::string> rest;
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool own = a == "--reading" || a == "--bet" || a == "--top";
    if (!own) {
      rest.push_back(a);
      continue;
    }
    if (i + 1 >= args.size()) {
      std::fprintf(stderr, "vorpa-tool fair: %s needs a value\n", a.c_str());
      return false;
    }
    const std::string& v = args[++i];
    long n = 0;
    if (a == "--bet") {
      TBetType bet;
      if (!BetOfName(v, &bet)) {
        std::fprintf(stderr,
                     "vorpa-tool fair: --bet: one of win, place, bracket, quinella, exacta, "
                     "wide, trio, trifecta: %s\n",
                     v.c_str());
        return false;
      }
      out->Bet = bet;
    } else if (!ReadCount(a, v, &n)) {
      return false;
    } else if (a == "--reading") {
      out->Reading = static_cast<int>(std::min(n, 1000L));
    } else {
      out->Top = n;
    }
  }
  return ParseRaceFileArgs("fair", rest, true, &out->File);
}

std::string Fixed(const char* format, double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, format, v);
  return buf;
}

void PrintText(TBetType bet, const std::vector<TFairLine>& lines, std::string& out) {
  out += std::string(BetName(bet)) + " (payout rate " + Fixed("%.3f", PayoutRate(bet)) + ")\n";
  char buf[128];
  std::snprintf(buf, sizeof buf, "  %-8s %11s %10s %10s %7s\n", "comb", "probability", "fair",
                "market", "ratio");
  out += buf;
  for (const TFairLine& l : lines) {
    const std::string market = l.HasMarket() ? Fixed("%.1f", l.MarketOdds) : "-";
    const std::string ratio = l.HasMarket() ? Fixed("%.2f", l.Ratio) : "-";
    std::snprintf(buf, sizeof buf, "  %-8s %11.6f %10.1f %10s %7s\n", CombinationText(l).c_str(),
                  l.Probability, l.FairOdds, market.c_str(), ratio.c_str());
    out += buf;
  }
}

void PrintJson(const std::vector<TFairLine>& lines, JsonOut& j) {
  for (const TFairLine& l : lines) {
    j.BeginObject().Key("bet").Utf8(BetName(l.Bet)).Key("combination").Utf8(CombinationText(l));
    j.Key("probability").Number(l.Probability).Key("fair_odds").Number(l.FairOdds);
    // Non-finite numbers are written as null.
    j.Key("market_odds").Number(l.HasMarket() ? l.MarketOdds : NAN);
    j.Key("ratio").Number(l.HasMarket() ? l.Ratio : NAN).EndObject();
  }
}

int RunFair(ToolContext&, const std::vector<std::string>& args) {
  FairArgs a;
  if (!ParseFairArgs(args, &a)) return 2;
  TRace race;
  if (!LoadRaceArg("fair", a.File, race)) return 1;
  const int count = static_cast<int>(race.Snapshots.size());
  if (count == 0) {
    std::fprintf(stderr, "vorpa-tool fair: %s holds no odds reading\n", a.File.Path.c_str());
    return 1;
  }
  if (a.Reading > count) {
    std::fprintf(stderr, "vorpa-tool fair: %s has %d readings, not %d\n", a.File.Path.c_str(),
                 count, a.Reading);
    return 1;
  }
  const int index = a.Reading == 0 ? count - 1 : a.Reading - 1;
  const TFairModel model(race, index);
  std::string text;
  JsonOut json;
  json.BeginArray();
  for (int b = 0; b < kBetTypes; ++b) {
    if (a.Bet >= 0 && a.Bet != b) continue;
    const TBetType bet = static_cast<TBetType>(b);
    std::vector<TFairLine> lines = FairLines(model, bet, &race.Snapshots[index]);
    SortByProbability(lines);
    if (a.Top >= 0 && static_cast<long>(lines.size()) > a.Top) lines.resize(a.Top);
    if (a.File.Json) PrintJson(lines, json);
    else PrintText(bet, lines, text);
  }
  if (a.File.Json) text = json.EndArray().Text() + "\n";
  std::fwrite(text.data(), 1, text.size(), stdout);
  return 0;
}

}  // namespace

VORPA_TOOL_COMMAND(fair, "fair", "fair odds and distortion of a reading from its win odds",
                   "usage: vorpa-tool fair FILE.MJO [--reading N] [--bet TYPE] [--top K]\n"
                   "                       [--date yyyy-mm-dd] [--json]\n\n"
                   "Takes the win odds of reading N (from 1, the oldest; default the last)\n"
                   "as the market's view of the race: each running horse wins with its share\n"
                   "of the summed 1/odds, and the next places go to the horses left in\n"
                   "proportion to those shares. Prints every combination of each bet type\n"
                   "with its probability, its fair odds (payout rate / probability), the\n"
                   "market odds of the reading and the ratio market / fair (above 1: the\n"
                   "pool pays more than the win market implies). TYPE is one of win, place,\n"
                   "bracket, quinella, exacta, wide, trio, trifecta (default all eight);\n"
                   "place and wide take their lower bounds as the market; trio and trifecta\n"
                   "have none. Each bet type is sorted by probability, highest first;\n"
                   "--top K keeps its first K. --json prints one JSON array of objects with\n"
                   "the keys bet, combination, probability, fair_odds, market_odds and ratio\n"
                   "(the last two null without a market). A file without readings, or\n"
                   "without reading N, is an error (exit 1).\n",
                   RunFair);

}  // namespace vorpa::tool
