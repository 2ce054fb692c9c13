#include "history/HistoryReader.h"

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "history/HistoryDb.h"

namespace vorpa {

namespace {

// Day count or time of day of the database's YYYY-MM-DD and HH:MM:SS texts.
double DateOfIso(const std::string& text) {
  double d = 0;
  return TryTextToDate(text, &d) ? d : 0;
}
double TimeOfIso(const std::string& text) {
  double t = 0;
  return TryTextToTime(text, &t) ? t : 0;
}

constexpr const char* kRidesSql = R"sql(
SELECT r.date, r.venue, r.race_no, r.title, r.distance, r.course, u.horse_no, u.name,
       u.jockey, u.trainer, f.odds,
       CASE WHEN f.odds IS NULL THEN NULL ELSE
         (SELECT 1 + COUNT(*) FROM final_odds p
          WHERE p.race_id = u.race_id AND p.bet = 'win' AND p.odds < f.odds) END,
       u.finish, u.scratched, u.margin, u.body_weight, u.weight_change
FROM runners u JOIN races r ON r.race_id = u.race_id
LEFT JOIN final_odds f ON f.race_id = u.race_id AND f.bet = 'win' AND f.first = u.horse_no
WHERE u.%s = ?1
ORDER BY r.date DESC, r.post_time DESC, r.race_no DESC, r.venue)sql";

}  // namespace

bool THistoryReader::Open(std::string_view dataDir) {
  if (!db_.Open(HistoryDbPath(dataDir), TSqlite::Mode::ReadOnly, THistoryDb::kBusyMs)) {
    error_ = db_.ErrorText();
    return false;
  }
  return true;
}

std::vector<TPoolVotes> THistoryReader::PoolSeries(double date, std::string_view venueName,
                                                   int raceNo, std::string_view bet) {
  std::vector<TPoolVotes> out;
  TSqlite::Statement s = db_.Prepare(
      "SELECT p.taken_at, p.votes FROM pools p JOIN races r ON r.race_id = p.race_id "
      "WHERE r.date = ?1 AND r.venue = ?2 AND r.race_no = ?3 AND p.bet = ?4 "
      "ORDER BY p.taken_at");
  s.Bind(1, DateToIsoText(date)).Bind(2, Cp932ToUtf8(venueName)).Bind(3, raceNo).Bind(4, bet);
  while (s.Step())
    out.push_back({TimeOfIso(s.Text(0)), static_cast<int64_t>(s.Real(1) * 10000.0 + 0.5)});
  if (s.Failed()) error_ = db_.ErrorText();
  return out;
}

std::vector<TRide> THistoryReader::Rides(TRideKey key, std::string_view name) {
  const char* column = key == TRideKey::Horse ? "name" : key == TRideKey::Jockey ? "jockey" : "trainer";
  char sql[1400];
  std::snprintf(sql, sizeof sql, kRidesSql, column);
  std::vector<TRide> out;
  TSqlite::Statement s = db_.Prepare(sql);
  s.Bind(1, Cp932ToUtf8(name));
  auto text = [&](int c) { return Utf8ToCp932(s.Text(c)); };
  while (s.Step()) {
    TRide r;
    r.Date = DateOfIso(s.Text(0));
    r.Venue = text(1);
    r.RaceNo = static_cast<int>(s.Int(2));
    r.Title = text(3);
    r.Distance = static_cast<int>(s.Int(4));
    r.Course = text(5);
    r.HorseNo = static_cast<int>(s.Int(6));
    r.HorseName = text(7);
    r.Jockey = text(8);
    r.Trainer = text(9);
    r.WinOdds = s.IsNull(10) ? -1 : s.Real(10);
    r.Popularity = static_cast<int>(s.Int(11));
    r.Finish = s.Int(13) ? -1 : static_cast<int>(s.Int(12));
    r.Margin = text(14);
    r.BodyWeight = static_cast<int>(s.Int(15));
    r.WeightChangeKnown = !s.IsNull(16);
    r.WeightChange = static_cast<int>(s.Int(16));
    out.push_back(std::move(r));
  }
  if (s.Failed()) error_ = db_.ErrorText();
  return out;
}

}  // namespace vorpa
