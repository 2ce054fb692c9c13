#include "ipat/IPatLog.h"

#include <cstdio>

#include "core/Cp932.h"
#include "core/DayCount.h"

namespace vorpa {
namespace {

using Lines = std::vector<std::string>;

std::string VotesText(const TRace& race, int k) { return GeneralText(race.Votes[k - 1] / 10000.0); }

std::string Header(const char* tag, const TRace& race) {
  return Utf8ToCp932(tag) + race.Header.VenueName + std::to_string(race.Header.RaceNo);
}

void MeetingBlock(const TIPat& s, Lines& out) {
  out.push_back(Utf8ToCp932("[開催地]"));
  out.push_back(DateToText(s.MeetingDate));
  out.push_back(s.SessionKey);
  out.push_back(std::to_string(s.CurVenue));
  for (int v = 1; v <= kStatusSlots; ++v)
    if (!s.MeetingCode[v].Code.empty()) out.push_back(s.MeetingCode[v].Code);
  if (s.CurVenue < 1 || s.CurVenue > kStatusSlots) return;
  for (int r = 1; r <= kStatusRaces; ++r) {
    const RaceStatus& st = s.Status[s.CurVenue][r];
    if (!st.Listed) continue;
    out.push_back(std::to_string(r) + (st.FinalMark ? " O" : "  ") + (st.ResultMark ? " S" : ""));
  }
}

void CardBlock(const TRace& race, Lines& out) {
  const TRaceHeader& h = race.Header;
  out.push_back(Header("[出馬]", race));
  out.push_back("[" + h.RaceName + "] [" + h.Condition1 + "] [" + h.Condition2 + "]");
  out.push_back(std::to_string(h.Distance) + " " + h.CourseText + " " +
                std::to_string(h.RunnerCount) + " " + h.Weather + " " + h.Going + " " +
                TimeToText(h.StartTime));
  const int n = std::min(std::max(h.RunnerCount, 0), kMaxRunners);
  for (int k = 1; k <= n; ++k) {
    const TSyutuba& u = race.Runner(k);
    out.push_back(std::to_string(u.FrameNo) + " " + std::to_string(u.HorseNo) + " " + u.HorseName +
                  " " + std::to_string(u.Sex) + " " + std::to_string(u.Age) + " " +
                  std::to_string(u.BodyWeight) + " " + std::to_string(u.WeightDiff) + " " +
                  u.JockeyName + " " + u.ApprenticeMark + " " + GeneralText(u.Burden) + " " +
                  std::to_string(u.Finish));
  }
}

// " v" for every value of a row.
template <typename F>
std::string Row(int from, int to, F value) {
  std::string line;
  for (int j = from; j <= to; ++j) line += " " + GeneralText(value(j));
  return line;
}

void WinPlaceBlock(const TRace& race, Lines& out) {
  out.push_back(Header("[単複枠]", race));
  if (!race.Snapshots.empty()) {
    const OddsSnapshot& s = race.Snapshots.back();
    out.push_back(TimeToText(s.WinTime()));
    for (int h = 1; h <= kMaxRunners; ++h)
      out.push_back(GeneralText(s.Win(h)) + " " + GeneralText(s.PlaceLow(h)) + " " +
                    GeneralText(s.PlaceHigh(h)));
    for (int i = 1; i <= kMaxFrames; ++i)
      out.push_back(Row(i, kMaxFrames, [&](int j) { return s.Bracket(i, j); }));
  }
  for (int k : {1, 2, 3}) out.push_back(VotesText(race, k));
}

void ExactaBlock(const TRace& race, Lines& out) {
  out.push_back(Header("[馬単]", race));
  if (!race.Snapshots.empty()) {
    const OddsSnapshot& s = race.Snapshots.back();
    out.push_back(TimeToText(s.ExactaTime()));
    for (int i = 1; i <= kMaxRunners; ++i)
      out.push_back(Row(1, i - 1, [&](int j) { return s.Exacta(i, j); }) +
                    Row(i + 1, kMaxRunners, [&](int j) { return s.Exacta(i, j); }));
  }
  out.push_back(VotesText(race, 5));
}

void QuinellaBlock(const TRace& race, Lines& out) {
  out.push_back(Header("[馬連]", race));
  if (!race.Snapshots.empty()) {
    const OddsSnapshot& s = race.Snapshots.back();
    out.push_back(TimeToText(s.QuinellaTime()));
    for (int i = 1; i < kMaxRunners; ++i)
      out.push_back(Row(i + 1, kMaxRunners, [&](int j) { return s.Quinella(i, j); }));
  }
  out.push_back(VotesText(race, 4));
}

void WideBlock(const TRace& race, Lines& out) {
  out.push_back(Header("[ワイド]", race));
  if (!race.Snapshots.empty()) {
    const OddsSnapshot& s = race.Snapshots.back();
    out.push_back(TimeToText(s.WideTime()));
    for (int i = 1; i < kMaxRunners; ++i) {
      out.push_back(Row(i + 1, kMaxRunners, [&](int j) { return s.WideLow(i, j); }));
      out.push_back(Row(i + 1, kMaxRunners, [&](int j) { return s.WideHigh(i, j); }));
    }
  }
  out.push_back(VotesText(race, 6));
}

template <size_t N>
std::string PairLine(const std::array<std::array<int, 2>, N>& pairs, const std::array<int, N>& pays) {
  std::string line;
  for (size_t k = 0; k < N; ++k) {
    if (k > 0) line += ' ';
    line += std::to_string(pairs[k][0]) + "-" + std::to_string(pairs[k][1]) + ":" +
            std::to_string(pays[k]);
  }
  return line;
}

template <size_t N>
std::string SingleLine(const std::array<int, N>& horses, const std::array<int, N>& pays) {
  std::string line;
  for (size_t k = 0; k < N; ++k) {
    if (k > 0) line += ' ';
    line += std::to_string(horses[k]) + ":" + std::to_string(pays[k]);
  }
  return line;
}

void ResultBlock(const TRace& race, Lines& out) {
  const TRaceResult& r = race.Result;
  out.push_back(Header("[結果]", race));
  out.push_back(SingleLine(r.WinHorse, r.WinPay));
  out.push_back(SingleLine(r.PlaceHorse, r.PlacePay));
  out.push_back(PairLine(r.BracketPair, r.BracketPay));
  out.push_back(PairLine(r.QuinellaPair, r.QuinellaPay));
  out.push_back(PairLine(r.WidePair, r.WidePay));
}

}  // namespace

std::string GeneralText(double value) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", value);
  return buf;
}

std::vector<std::string> IPatLogBlock(const TIPat& s) {
  Lines out;
  const TRace& race = s.Race;
  switch (s.IPatState) {
    case TIPat::Login:
    case TIPat::MeetingInfo: MeetingBlock(s, out); break;
    case TIPat::RaceCard: CardBlock(race, out); break;
    case TIPat::OddsWinPlace: WinPlaceBlock(race, out); break;
    case TIPat::OddsExacta: ExactaBlock(race, out); break;
    case TIPat::OddsTrio:
      out.push_back(Header("[3連複]", race));
      out.push_back(VotesText(race, 7));
      break;
    case TIPat::OddsTrifecta:
      out.push_back(Header("[3連単]", race));
      out.push_back(VotesText(race, 8));
      break;
    case TIPat::OddsQuinella: QuinellaBlock(race, out); break;
    case TIPat::OddsWide: WideBlock(race, out); break;
    case TIPat::Result: ResultBlock(race, out); break;
    default: break;
  }
  return out;
}

std::string IPatVenueLabel(const TIPat& s) {
  if (s.IPatState < TIPat::MeetingInfo || s.IPatState > TIPat::StoreData) return "";
  return s.VenueNameOfSlot(s.CurVenue);
}

std::string IPatRaceLabel(const TIPat& s) {
  if (s.IPatState < TIPat::LoadData || s.IPatState > TIPat::StoreData) return "";
  return std::to_string(s.CurRace) + "R";
}

TIPatStatusTexts IPatStatusTexts(const TIPat& s) {
  TIPatStatusTexts t;
  t.State = IPatStateLabel(s.IPatState);
  t.Venue = IPatVenueLabel(s);
  t.Race = IPatRaceLabel(s);
  t.ActionCount = std::to_string(s.ActionCount);
  t.AccessCount = std::to_string(s.AccessCount);
  t.ErrRetryCount = std::to_string(s.ErrRetryCount);
  t.ErrWaitCount = std::to_string(s.ErrWaitCount);
  return t;
}

}  // namespace vorpa
