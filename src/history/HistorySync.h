#pragma once
// Bringing the history database up to date with the race files of a data
// directory.
#include <atomic>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/RaceIO/RaceIO.h"
#include "history/HistoryDb.h"

namespace vorpa {

// A race file of the data directory and its meeting date.
struct TDatedRaceFile {
  double Date = 0;
  TRaceFileEntry Entry;
};
// Every race file under dataDir/yyyy/mmdd/ (date directories of a valid
// date), by date and name.
std::vector<TDatedRaceFile> ListAllRaceFiles(std::string_view dataDir);

struct TSyncResult {
  bool Ok = false;       // every change is in
  int Files = 0;         // race files found
  int Put = 0;           // added or replaced
  int Removed = 0;       // rows of files that are gone
  bool Renewed = false;  // a damaged database was set aside and made anew
  std::string Error;     // why not Ok
};

// Called after each changed file with (done, to do).
using TSyncProgress = std::function<void(int done, int total)>;

// Adds or replaces every race file whose modification time differs from
// its row and removes the rows of files that are gone, one transaction per
// file. Stops early (not Ok) when *cancel becomes true.
TSyncResult SyncHistory(std::string_view dataDir, const TSyncProgress& progress = {},
                        const std::atomic<bool>* cancel = nullptr);
// Empties the database, then syncs.
TSyncResult RebuildHistory(std::string_view dataDir, const TSyncProgress& progress = {});

}  // namespace vorpa
