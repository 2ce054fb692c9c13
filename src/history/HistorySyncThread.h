#pragma once
// The sync of the history database at program start, in a thread of its
// own so that the window and acquisition never wait for it.
#include <atomic>
#include <functional>
#include <string>
#include <thread>

#include "history/HistorySync.h"

namespace vorpa {

// The CP932 log text of a sync: "" when nothing changed and all went well.
std::string SyncNote(const TSyncResult& r);

class THistorySyncThread {
 public:
  // Runs SyncHistory(dataDir); `done` gets SyncNote of its result, on the
  // sync's thread, unless the sync was stopped.
  THistorySyncThread(std::string dataDir, std::function<void(const std::string&)> done);
  // Stops the sync after the file it is at (that file's transaction
  // completes) and waits for the thread.
  ~THistorySyncThread();
  THistorySyncThread(const THistorySyncThread&) = delete;
  THistorySyncThread& operator=(const THistorySyncThread&) = delete;

 private:
  std::atomic<bool> stop_{false};
  std::thread thread_;
};

}  // namespace vorpa
