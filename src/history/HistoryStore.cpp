#include "history/HistoryStore.h"

#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/TextUtil.h"
#include "history/HistoryDb.h"

namespace vorpa {

std::string UpdateHistoryAfterStore(std::string_view dataDir, const TRaceHeader& h) {
  if (dataDir.empty()) return "";
  const std::string dir = DateDirPath(dataDir, h.RaceDate);
  const TRaceFileEntry entry = RaceFileEntryOf(dir, RaceFileName(h.VenueName, h.RaceNo));
  THistoryDb db;
  const bool ok = db.Open(dataDir, THistoryDb::kStoreBusyMs) && db.PutRaceFile(entry, h.RaceDate);
  std::string text;
  if (db.Renewed())
    text = "履歴DBが壊れていたため vorpa.sqlite.bad に移して作り直しました(次の同期で全レースを登録)";
  if (!ok) {
    if (!text.empty()) text += " / ";
    switch (db.Fault()) {
      case THistoryFault::Busy: text += "履歴DBが使用中のため更新を見送りました(次の同期で更新)"; break;
      case THistoryFault::NewerVersion: text += "履歴DBが新しい版のため更新しません"; break;
      default: text += "履歴DBを更新できません(次の同期で更新): " + db.Error(); break;
    }
  }
  return Utf8ToCp932(text);
}

}  // namespace vorpa
