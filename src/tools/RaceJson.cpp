#include "tools/RaceJson.h"

#include "core/DayCount.h"
#include "tools/Json.h"

namespace vorpa::tool {

namespace {

template <typename Array>
void Ints(JsonOut& j, const Array& a) {
  j.BeginArray();
  for (int v : a) j.Int(v);
  j.EndArray();
}

template <typename Array>
void Ints(JsonOut& j, const char* key, const Array& a) {
  j.Key(key);
  Ints(j, a);
}

template <typename Rows>
void IntRows(JsonOut& j, const char* key, const Rows& rows) {
  j.Key(key).BeginArray();
  for (const auto& row : rows) Ints(j, row);
  j.EndArray();
}

void Header(JsonOut& j, const TRaceHeader& h) {
  j.Key("Header").BeginObject();
  j.Key("RaceDate").Utf8(DateToIsoText(h.RaceDate));
  j.Key("VenueName").Cp932(h.VenueName);
  j.Key("RaceNo").Int(h.RaceNo);
  j.Key("StartTime").Utf8(TimeToText(h.StartTime));
  j.Key("Kai").Int(h.Kai);
  j.Key("Nichi").Int(h.Nichi);
  j.Key("RaceName").Cp932(h.RaceName);
  j.Key("Condition1").Cp932(h.Condition1);
  j.Key("Condition2").Cp932(h.Condition2);
  j.Key("CourseText").Cp932(h.CourseText);
  j.Key("Distance").Int(h.Distance);
  j.Key("RunnerCount").Int(h.RunnerCount);
  j.Key("Weather").Cp932(h.Weather);
  j.Key("Going").Cp932(h.Going);
  j.EndObject();
}

void Runner(JsonOut& j, const TSyutuba& s) {
  j.BeginObject();
  j.Key("HorseNo").Int(s.HorseNo);
  j.Key("FrameNo").Int(s.FrameNo);
  j.Key("HorseName").Cp932(s.HorseName);
  j.Key("MarkText").Cp932(s.MarkText);
  j.Key("Sex").Int(s.Sex);
  j.Key("Age").Int(s.Age);
  j.Key("BodyWeight").Int(s.BodyWeight);
  j.Key("WeightDiffKnown").Bool(s.WeightDiffKnown);
  j.Key("WeightDiff").Int(s.WeightDiff);
  j.Key("JockeyName").Cp932(s.JockeyName);
  j.Key("Burden").Number(s.Burden);
  j.Key("ApprenticeMark").Cp932(s.ApprenticeMark);
  j.Key("TrainerName").Cp932(s.TrainerName);
  j.Key("Finish").Int(s.Finish);
  j.Key("Margin").Cp932(s.Margin);
  j.EndObject();
}

void Result(JsonOut& j, const TRaceResult& r) {
  j.Key("Result").BeginObject();
  Ints(j, "WinHorse", r.WinHorse);
  Ints(j, "WinPay", r.WinPay);
  Ints(j, "PlaceHorse", r.PlaceHorse);
  Ints(j, "PlacePay", r.PlacePay);
  IntRows(j, "BracketPair", r.BracketPair);
  Ints(j, "BracketPay", r.BracketPay);
  IntRows(j, "QuinellaPair", r.QuinellaPair);
  Ints(j, "QuinellaPay", r.QuinellaPay);
  IntRows(j, "WidePair", r.WidePair);
  Ints(j, "WidePay", r.WidePay);
  IntRows(j, "ExactaPair", r.ExactaPair);
  Ints(j, "ExactaPay", r.ExactaPay);
  IntRows(j, "TrioSet", r.TrioSet);
  Ints(j, "TrioPay", r.TrioPay);
  IntRows(j, "TrifectaSet", r.TrifectaSet);
  Ints(j, "TrifectaPay", r.TrifectaPay);
  j.Key("RefundText").Cp932(r.RefundText);
  j.EndObject();
}

void Snapshot(JsonOut& j, const OddsSnapshot& s) {
  j.BeginObject();
  j.Key("WinTime").Utf8(TimeToText(s.WinTime()));
  j.Key("QuinellaTime").Utf8(TimeToText(s.QuinellaTime()));
  j.Key("ExactaTime").Utf8(TimeToText(s.ExactaTime()));
  j.Key("WideTime").Utf8(TimeToText(s.WideTime()));
  j.Key("Cells").BeginArray();
  for (double v : s.Cells) j.Number(v);
  j.EndArray();
  j.EndObject();
}

}  // namespace

std::string RaceToJson(const TRace& race) {
  JsonOut j;
  j.BeginObject();
  Header(j, race.Header);
  j.Key("Runners").BeginArray();
  for (const TSyutuba& s : race.Runners) Runner(j, s);
  j.EndArray();
  j.Key("Votes").BeginArray();
  for (int64_t v : race.Votes) j.Int(v);
  j.EndArray();
  Result(j, race.Result);
  j.Key("Snapshots").BeginArray();
  for (const OddsSnapshot& s : race.Snapshots) Snapshot(j, s);
  j.EndArray();
  j.EndObject();
  return j.Text();
}

}  // namespace vorpa::tool
