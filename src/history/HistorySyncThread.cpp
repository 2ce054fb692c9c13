#include "history/HistorySyncThread.h"

#include "core/Cp932.h"

namespace vorpa {

std::string SyncNote(const TSyncResult& r) {
  std::string text;
  if (r.Renewed) text = "履歴DBが壊れていたため vorpa.sqlite.bad に移して作り直しました / ";
  if (!r.Ok) text += "履歴DBを同期できません: " + r.Error;
  else if (r.Put + r.Removed > 0)
    text += "履歴DBを同期しました(" + std::to_string(r.Put) + "件登録, " + std::to_string(r.Removed) +
            "件削除)";
  else if (!text.empty()) text.resize(text.size() - 3);
  return Utf8ToCp932(text);
}

THistorySyncThread::THistorySyncThread(std::string dataDir,
                                       std::function<void(const std::string&)> done)
    : thread_([this, dir = std::move(dataDir), done = std::move(done)] {
        const TSyncResult r = SyncHistory(dir, {}, &stop_);
        if (!stop_.load() && done) done(SyncNote(r));
      }) {}

THistorySyncThread::~THistorySyncThread() {
  stop_.store(true);
  thread_.join();
}

}  // namespace vorpa
