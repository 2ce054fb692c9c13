#include "history/HistorySchema.h"

namespace vorpa {

// Texts are UTF-8, dates YYYY-MM-DD, times of day HH:MM:SS, odds REAL with
// NULL for a cell without a reading. date, venue and race_no are taken from
// the file's place (directory yyyy/mmdd, file name), file is relative to
// the data directory and file_mtime is the file's modification time in
// nanoseconds since 1970.
const char* const kHistorySchema = R"sql(
CREATE TABLE races(
  race_id INTEGER PRIMARY KEY,
  date TEXT NOT NULL,
  venue TEXT NOT NULL,
  race_no INTEGER NOT NULL,
  post_time TEXT,
  title TEXT,
  runner_count INTEGER,
  distance INTEGER,
  course TEXT,
  weather TEXT,
  going TEXT,
  file TEXT NOT NULL,
  file_mtime INTEGER,
  kai INTEGER,
  nichi INTEGER,
  condition1 TEXT,
  condition2 TEXT,
  UNIQUE(date, venue, race_no));
CREATE INDEX races_file ON races(file);

CREATE TABLE runners(
  race_id INTEGER NOT NULL,
  horse_no INTEGER NOT NULL,
  frame INTEGER,
  name TEXT,
  sex_age TEXT,
  body_weight INTEGER,
  weight_change INTEGER,
  jockey TEXT,
  burden REAL,
  trainer TEXT,
  scratched INTEGER NOT NULL,
  finish INTEGER,
  margin TEXT,
  apprentice TEXT,
  PRIMARY KEY(race_id, horse_no)) WITHOUT ROWID;
CREATE INDEX runners_name ON runners(name);
CREATE INDEX runners_jockey ON runners(jockey);
CREATE INDEX runners_trainer ON runners(trainer);

CREATE TABLE win_readings(
  race_id INTEGER NOT NULL,
  taken_at TEXT,
  horse_no INTEGER NOT NULL,
  win REAL,
  place_low REAL,
  place_high REAL,
  PRIMARY KEY(race_id, taken_at, horse_no));

CREATE TABLE final_odds(
  race_id INTEGER NOT NULL,
  bet TEXT NOT NULL,
  first INTEGER NOT NULL,
  second INTEGER,
  odds REAL,
  odds_high REAL);
CREATE INDEX final_odds_race ON final_odds(race_id, bet, first, second);

CREATE TABLE pools(
  race_id INTEGER NOT NULL,
  taken_at TEXT NOT NULL,
  bet TEXT NOT NULL,
  votes NUMERIC NOT NULL,
  PRIMARY KEY(race_id, taken_at, bet)) WITHOUT ROWID;

CREATE TABLE payouts(
  race_id INTEGER NOT NULL,
  bet TEXT NOT NULL,
  combination TEXT NOT NULL,
  yen INTEGER NOT NULL);
CREATE INDEX payouts_race ON payouts(race_id);

CREATE VIEW favourites AS
  SELECT race_id, horse_no, odds, finish FROM (
    SELECT f.race_id, f.first AS horse_no, f.odds, r.finish,
           ROW_NUMBER() OVER (PARTITION BY f.race_id ORDER BY f.odds, f.first) AS n
    FROM final_odds f JOIN runners r ON r.race_id = f.race_id AND r.horse_no = f.first
    WHERE f.bet = 'win' AND f.odds IS NOT NULL)
  WHERE n = 1;
)sql";

}  // namespace vorpa
