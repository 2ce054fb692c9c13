#include "patout/PatResultFiles.h"

#include "core/DayCount.h"
#include "core/TextUtil.h"
#include "core/Venue.h"

namespace vorpa {
namespace {

constexpr char kKsHeader[] = "%8s%4s%4s%.2d%.2d%2d%-4s%-8s%-28s%-28s";
constexpr char kKsPlacing[] = "%1d%3d%-18s%6s%12s";
constexpr int kKsPlacings = 7;
constexpr int kKsPlacingBytes = 40;
constexpr char kKsHorsePay[] = "%2d%8d";            // win, place
constexpr char kKsBracketPay[] = "%2d-%1d%8d";      // bracket quinella
constexpr char kKsPairPay[] = "%3d-%2d%8d";         // quinella, wide
constexpr char kKsExactaPay[] = "%3d>%2d%8d";       // exacta
constexpr char kKsTriplePay[] = "%3d-%2d-%2d%8d";   // trio, trifecta
constexpr char kKsTrailer[] = "%10d%10d%4d";
constexpr char kKsTrailerV50[] = "%6d%10d%4d";

std::string Placings(const TRace& race) {
  const int n = PatRunners(race);
  std::string out;
  int entries = 0;
  for (int p = 1; p <= kKsPlacings; ++p) {
    for (int h = 1; h <= n && entries < kKsPlacings; ++h) {
      const TSyutuba& s = race.Runner(h);
      if (s.Finish != p || s.Margin.empty()) continue;
      out += PatFormat(kKsPlacing, p, h, CutToBytes(ToHalfWidth(s.HorseName), 18).c_str(),
                       CutToBytes(s.Margin, 6).c_str(), "");
      ++entries;
    }
  }
  return out + Blanks((kKsPlacings - entries) * kKsPlacingBytes);
}

// An entry of a payout block: written when `always` or when its first
// number is set, else as blanks of its width.
std::string Entry(bool always, int first, const std::string& text) {
  return always || first != 0 ? text : Blanks(static_cast<int>(text.size()));
}

std::string HorsePay(bool always, int horse, int pay) {
  return Entry(always, horse, PatFormat(kKsHorsePay, horse, pay));
}
std::string PairPay(const char* format, bool always, const std::array<int, 2>& pair, int pay) {
  return Entry(always, pair[0], PatFormat(format, pair[0], pair[1], pay));
}
std::string TriplePay(bool always, const std::array<int, 3>& set, int pay) {
  return Entry(always, set[0], PatFormat(kKsTriplePay, set[0], set[1], set[2], pay));
}

std::string Payouts(PatVariant variant, const TRaceResult& r) {
  std::string out = variant == Pat95 ? "1111" : variant == Pat98 ? "11111" : "1111111";
  out += HorsePay(true, r.WinHorse[0], r.WinPay[0]) + HorsePay(false, r.WinHorse[1], r.WinPay[1]) + Blanks(10);
  for (int k = 0; k < 3; ++k) out += HorsePay(k < 2, r.PlaceHorse[k], r.PlacePay[k]);
  out += Blanks(20);
  out += PatFormat(kKsBracketPay, r.BracketPair[0][0], r.BracketPair[0][1], r.BracketPay[0]) + Blanks(24);
  for (int k = 0; k < 2; ++k) out += PairPay(kKsPairPay, k == 0, r.QuinellaPair[k], r.QuinellaPay[k]);
  out += Blanks(variant == Pat95 ? 28 : 14);
  if (variant == Pat95) return out;
  for (int k = 0; k < 5; ++k) out += PairPay(kKsPairPay, k < 3, r.WidePair[k], r.WidePay[k]);
  out += Blanks(variant == Pat98 ? 83 : 70);
  if (variant == Pat98) return out;
  for (int k = 0; k < 2; ++k) out += PairPay(kKsExactaPay, k == 0, r.ExactaPair[k], r.ExactaPay[k]);
  out += Blanks(56);
  for (int k = 0; k < 2; ++k) out += TriplePay(k == 0, r.TrioSet[k], r.TrioPay[k]);
  out += Blanks(34);
  for (int k = 0; k < 2; ++k) out += TriplePay(k == 0, r.TrifectaSet[k], r.TrifectaPay[k]);
  return out + Blanks(34);
}

}  // namespace

std::string PatResultFileName(const std::string& dir, const TRace& race) {
  const TRaceHeader& h = race.Header;
  return WithSeparator(dir) + "KS-" + VenueCodeText(h.VenueName) +
         PatFormat("%d%d%d%X.JRA", DecodeDate(h.RaceDate).Year % 10, h.Kai, h.Nichi,
                   static_cast<unsigned>(h.RaceNo));
}

std::string WriteKsFile(const std::string& dir, PatVariant variant, const TRace& race) {
  const TRaceHeader& h = race.Header;
  std::string out = PatFormat(kKsHeader, PatYmd(h.RaceDate).c_str(), CutToBytes(h.VenueName, 4).c_str(),
                              PatYear(h.RaceDate).c_str(), h.Kai, h.Nichi, h.RaceNo,
                              CutToBytes(h.Weather, 4).c_str(), CutToBytes(h.Going, 8).c_str(),
                              PatTitle(h).c_str(), PatConditions(h).c_str());
  out += Placings(race);
  out += Payouts(variant, race.Result);
  out += PatFormat(variant == PatV50 ? kKsTrailerV50 : kKsTrailer, 0, 0, 0);
  std::string path = PatResultFileName(dir, race);
  WritePatRecord(path, std::move(out));
  return path;
}

}  // namespace vorpa
