#pragma once
// The prepared statements with which THistoryDb writes a race's rows,
// prepared once per connection.
#include "history/Sqlite.h"

namespace vorpa {

struct THistoryDb::Statements {
  explicit Statements(TSqlite& db);
  bool Valid() const;

  TSqlite::Statement UpsertRace, DeleteRace, DeleteRunners, DeleteReadings, DeleteFinal,
      DeletePools, DeletePayouts, InsertRunner, InsertReading, InsertFinal, UpsertPool,
      InsertPayout;
};

}  // namespace vorpa
