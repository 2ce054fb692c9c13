// The rows of one race: what THistoryDb writes for a race file.
#include <array>
#include <cstdio>
#include <string>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "history/HistoryDb.h"
#include "history/HistoryStatements.h"

namespace vorpa {

THistoryDb::Statements::Statements(TSqlite& db)
    : UpsertRace(db.Prepare(
          "INSERT INTO races(date, venue, race_no, post_time, title, runner_count, distance, "
          "course, weather, going, file, file_mtime, kai, nichi, condition1, condition2) "
          "VALUES(?1,?2,?3,?4,?5,?6,?7,?8,?9,?10,?11,?12,?13,?14,?15,?16) "
          "ON CONFLICT(date, venue, race_no) DO UPDATE SET post_time=?4, title=?5, "
          "runner_count=?6, distance=?7, course=?8, weather=?9, going=?10, file=?11, "
          "file_mtime=?12, kai=?13, nichi=?14, condition1=?15, condition2=?16 "
          "RETURNING race_id")),
      DeleteRace(db.Prepare("DELETE FROM races WHERE race_id = ?")),
      DeleteRunners(db.Prepare("DELETE FROM runners WHERE race_id = ?")),
      DeleteReadings(db.Prepare("DELETE FROM win_readings WHERE race_id = ?")),
      DeleteFinal(db.Prepare("DELETE FROM final_odds WHERE race_id = ?")),
      DeletePools(db.Prepare("DELETE FROM pools WHERE race_id = ?")),
      DeletePayouts(db.Prepare("DELETE FROM payouts WHERE race_id = ?")),
      InsertRunner(db.Prepare(
          "INSERT OR REPLACE INTO runners(race_id, horse_no, frame, name, sex_age, body_weight, "
          "weight_change, jockey, burden, trainer, scratched, finish, margin, apprentice) "
          "VALUES(?,?,?,?,?,?,?,?,?,?,?,?,?,?)")),
      InsertReading(db.Prepare(
          "INSERT OR REPLACE INTO win_readings(race_id, taken_at, horse_no, win, place_low, "
          "place_high) VALUES(?,?,?,?,?,?)")),
      InsertFinal(db.Prepare(
          "INSERT INTO final_odds(race_id, bet, first, second, odds, odds_high) "
          "VALUES(?,?,?,?,?,?)")),
      UpsertPool(db.Prepare(
          "INSERT INTO pools(race_id, taken_at, bet, votes) VALUES(?1,?2,?3,?4) "
          "ON CONFLICT DO UPDATE SET votes=?4")),
      InsertPayout(db.Prepare(
          "INSERT INTO payouts(race_id, bet, combination, yen) VALUES(?,?,?,?)")) {}

bool THistoryDb::Statements::Valid() const {
  for (const TSqlite::Statement* s :
       {&UpsertRace, &DeleteRace, &DeleteRunners, &DeleteReadings, &DeleteFinal, &DeletePools,
        &DeletePayouts, &InsertRunner, &InsertReading, &InsertFinal, &UpsertPool, &InsertPayout})
    if (!s->Valid()) return false;
  return true;
}

namespace {

using Stmt = TSqlite::Statement;

// Empty texts, unknown numbers and cells without a reading are NULL.
void BindText(Stmt& s, int i, const std::string& cp932) {
  if (cp932.empty()) s.BindNull(i);
  else s.Bind(i, Cp932ToUtf8(cp932));
}
void BindPositive(Stmt& s, int i, int v) {
  if (v > 0) s.Bind(i, v);
  else s.BindNull(i);
}
void BindOdds(Stmt& s, int i, double odds) {
  if (odds >= 0) s.Bind(i, odds);
  else s.BindNull(i);
}
void BindTime(Stmt& s, int i, double time) {
  if (time > 0) s.Bind(i, TimeToText(time));
  else s.BindNull(i);
}

std::string SexAge(const TSyutuba& r) {
  static const std::array<const char*, 3> kSex = {"牝", "牡", "騙"};
  std::string out = r.Sex >= 0 && r.Sex <= 2 ? kSex[static_cast<size_t>(r.Sex)] : "";
  if (r.Age > 0) out += std::to_string(r.Age);
  return out;
}

bool RunRow(Stmt& s) {
  const bool ok = s.Run();
  s.Reset();
  return ok;
}

bool WriteRunners(Stmt& s, int64_t id, const TRace& race) {
  for (int h = 1; h <= race.Header.RunnerCount; ++h) {
    const TSyutuba& r = race.Runner(h);
    s.Bind(1, id).Bind(2, h);
    BindPositive(s, 3, r.FrameNo);
    BindText(s, 4, r.HorseName);
    const std::string sexAge = SexAge(r);
    if (sexAge.empty()) s.BindNull(5);
    else s.Bind(5, sexAge);
    BindPositive(s, 6, r.BodyWeight);
    if (r.WeightDiffKnown && r.BodyWeight > 0) s.Bind(7, r.WeightDiff);
    else s.BindNull(7);
    BindText(s, 8, r.JockeyName);
    if (r.Burden > 0) s.Bind(9, r.Burden);
    else s.BindNull(9);
    BindText(s, 10, r.TrainerName);
    s.Bind(11, r.Finish == -1 ? 1 : 0);
    BindPositive(s, 12, r.Finish);
    BindText(s, 13, r.Margin);
    const bool apprentice = !r.ApprenticeMark.empty() && r.ApprenticeMark != "\x81\x40";
    if (apprentice) BindText(s, 14, r.ApprenticeMark);
    else s.BindNull(14);
    if (!RunRow(s)) return false;
  }
  return true;
}

bool WriteReadings(Stmt& s, int64_t id, const TRace& race) {
  for (const OddsSnapshot& snap : race.Snapshots) {
    for (int h = 1; h <= race.Header.RunnerCount; ++h) {
      s.Bind(1, id);
      BindTime(s, 2, snap.WinTime());
      s.Bind(3, h);
      BindOdds(s, 4, snap.Win(h));
      BindOdds(s, 5, snap.PlaceLow(h));
      BindOdds(s, 6, snap.PlaceHigh(h));
      if (!RunRow(s)) return false;
    }
  }
  return true;
}

bool FinalRow(Stmt& s, int64_t id, const char* bet, int first, int second, double odds,
              double high, bool withHigh) {
  s.Bind(1, id).Bind(2, bet).Bind(3, first);
  if (second > 0) s.Bind(4, second);
  else s.BindNull(4);
  BindOdds(s, 5, odds);
  if (withHigh) BindOdds(s, 6, high);
  else s.BindNull(6);
  return RunRow(s);
}

bool WriteFinalOdds(Stmt& s, int64_t id, const TRace& race) {
  if (race.Snapshots.empty()) return true;
  const OddsSnapshot& o = race.Snapshots.back();
  const int n = race.Header.RunnerCount;
  bool ok = true;
  for (int h = 1; ok && h <= n; ++h) ok = FinalRow(s, id, "win", h, 0, o.Win(h), 0, false);
  for (int h = 1; ok && h <= n; ++h)
    ok = FinalRow(s, id, "place", h, 0, o.PlaceLow(h), o.PlaceHigh(h), true);
  for (int i = 1; ok && i <= kMaxFrames; ++i)
    for (int j = i; ok && j <= kMaxFrames; ++j)
      ok = FinalRow(s, id, "bracket", i, j, o.Bracket(i, j), 0, false);
  for (int i = 1; ok && i < n; ++i)
    for (int j = i + 1; ok && j <= n; ++j)
      ok = FinalRow(s, id, "quinella", i, j, o.Quinella(i, j), 0, false);
  for (int i = 1; ok && i <= n; ++i)
    for (int j = 1; ok && j <= n; ++j)
      if (j != i) ok = FinalRow(s, id, "exacta", i, j, o.Exacta(i, j), 0, false);
  for (int i = 1; ok && i < n; ++i)
    for (int j = i + 1; ok && j <= n; ++j)
      ok = FinalRow(s, id, "wide", i, j, o.WideLow(i, j), o.WideHigh(i, j), true);
  return ok;
}

// The newest reading time of the record, 0 when none is known.
double NewestReading(const TRace& race) {
  double t = 0;
  for (const OddsSnapshot& snap : race.Snapshots) t = std::max(t, snap.WinTime());
  return t;
}

bool WritePools(Stmt& s, int64_t id, const TRace& race) {
  static const std::array<const char*, kVoteTypes> kBets = {
      "win", "place", "bracket", "quinella", "exacta", "wide", "trio", "trifecta", "total"};
  const double at = NewestReading(race);
  if (at <= 0) return true;
  const std::string takenAt = TimeToText(at);
  for (size_t k = 0; k < kBets.size(); ++k) {
    if (race.Votes[k] <= 0) continue;
    s.Bind(1, id).Bind(2, takenAt).Bind(3, kBets[k]);
    s.Bind(4, static_cast<double>(race.Votes[k]) / 10000.0);
    if (!RunRow(s)) return false;
  }
  return true;
}

bool PayoutRow(Stmt& s, int64_t id, const char* bet, const std::string& combo, int yen) {
  s.Bind(1, id).Bind(2, bet).Bind(3, combo).Bind(4, yen);
  return RunRow(s);
}

std::string ComboText(int a) { return std::to_string(a); }
template <size_t N>
std::string ComboText(const std::array<int, N>& p) {
  std::string out;
  for (size_t i = 0; i < N; ++i) out += (i ? "-" : "") + std::to_string(p[i]);
  return out;
}
int FirstOf(int a) { return a; }
template <size_t N>
int FirstOf(const std::array<int, N>& p) { return p[0]; }

template <typename Combos, typename Pays>
bool PayoutRows(Stmt& s, int64_t id, const char* bet, const Combos& combos, const Pays& pays) {
  for (size_t i = 0; i < combos.size(); ++i)
    if (FirstOf(combos[i]) != 0 && !PayoutRow(s, id, bet, ComboText(combos[i]), pays[i]))
      return false;
  return true;
}

bool WritePayouts(Stmt& s, int64_t id, const TRaceResult& r) {
  return PayoutRows(s, id, "win", r.WinHorse, r.WinPay) &&
         PayoutRows(s, id, "place", r.PlaceHorse, r.PlacePay) &&
         PayoutRows(s, id, "bracket", r.BracketPair, r.BracketPay) &&
         PayoutRows(s, id, "quinella", r.QuinellaPair, r.QuinellaPay) &&
         PayoutRows(s, id, "exacta", r.ExactaPair, r.ExactaPay) &&
         PayoutRows(s, id, "wide", r.WidePair, r.WidePay) &&
         PayoutRows(s, id, "trio", r.TrioSet, r.TrioPay) &&
         PayoutRows(s, id, "trifecta", r.TrifectaSet, r.TrifectaPay);
}

}  // namespace

bool THistoryDb::DeleteRows(int64_t raceId, bool withPools) {
  Statements& st = *st_;
  for (Stmt* s : {&st.DeleteRunners, &st.DeleteReadings, &st.DeleteFinal, &st.DeletePayouts}) {
    s->Bind(1, raceId);
    if (!RunRow(*s)) return false;
  }
  if (!withPools) return true;
  for (Stmt* s : {&st.DeletePools, &st.DeleteRace}) {
    s->Bind(1, raceId);
    if (!RunRow(*s)) return false;
  }
  return true;
}

bool THistoryDb::WriteRace(const TRace& race, const std::string& relFile, int64_t mtime) {
  if (!db_.Exec("BEGIN IMMEDIATE")) return Fail();
  const TRaceHeader& h = race.Header;
  Stmt& up = st_->UpsertRace;
  up.Bind(1, DateToIsoText(h.RaceDate)).Bind(2, Cp932ToUtf8(h.VenueName)).Bind(3, h.RaceNo);
  BindTime(up, 4, h.StartTime);
  BindText(up, 5, h.RaceName);
  up.Bind(6, h.RunnerCount);
  BindPositive(up, 7, h.Distance);
  BindText(up, 8, h.CourseText);
  BindText(up, 9, h.Weather);
  BindText(up, 10, h.Going);
  up.Bind(11, relFile).Bind(12, mtime);
  BindPositive(up, 13, h.Kai);
  BindPositive(up, 14, h.Nichi);
  BindText(up, 15, h.Condition1);
  BindText(up, 16, h.Condition2);
  const bool haveId = up.Step();
  const int64_t id = haveId ? up.Int(0) : 0;
  bool ok = haveId && up.Run();
  up.Reset();
  ok = ok && DeleteRows(id, false) && WriteRunners(st_->InsertRunner, id, race) &&
       WriteReadings(st_->InsertReading, id, race) && WriteFinalOdds(st_->InsertFinal, id, race) &&
       WritePools(st_->UpsertPool, id, race) && WritePayouts(st_->InsertPayout, id, race.Result);
  if (ok && db_.Exec("COMMIT")) return true;
  Fail();
  db_.Exec("ROLLBACK");
  return false;
}

}  // namespace vorpa
