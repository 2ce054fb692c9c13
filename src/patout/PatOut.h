#pragma once
// The PAT output driver: which PAT files are written, for which races, from
// which odds reading and into which of the three flavour directories.
#include <functional>
#include <string>
#include <vector>

#include "core/Clock.h"
#include "core/PatOutInfo.h"
#include "core/Race.h"
#include "core/Setting.h"
#include "patout/PatFrame.h"
#include "patout/PatRaceFiles.h"

namespace vorpa {

class TIPat;
class TIPatControl;

// What a run reads: the directory settings and OddsOutLastTime, the data
// directory of the race files, the clock that stamps the files; and, when
// set, the list that receives the path of every file written.
struct TPatOutEnv {
  const TSetting* Setting = nullptr;
  std::string DataDir;
  const TClock* Clock = nullptr;
  std::vector<std::string>* Written = nullptr;
};

// The directory of a flavour ("" when the flavour is not enabled).
const std::string& PatDir(const TSetting& setting, PatVariant variant);
bool AnyPatDir(const TSetting& setting);

// Index of the snapshot whose odds are written, or -1.
int PickOddsSnapshot(const TPatOutInfo& info, const TRace& race, const TSetting& setting);

// Writes the files the request asks for and the race supports into every
// enabled directory; true when any was written. Throws TPatFileError.
bool OutPatRace(const TPatOutInfo& info, const TRace& race, const TPatOutEnv& env);

// The per-race output that an acquisition session is given (TIPat::PatOutput):
// OutPatRace over the settings and the clock. A file error ends the output
// of that race, which then counts as not written, and is told in `failure`.
std::function<bool(const TPatOutInfo&, const TRace&, std::string* failure)> PatRaceOutput(
    const TSetting& setting, const TClock& clock);

// Connects acquisition to the PAT output, at start-up: the start routine
// and the day switch clear the PAT files of other days (with the settings
// `live`); the scheduled session's request is cleared and, with AutoPat on,
// gets AutoOut and the card, weight, odds and result kinds (not the
// outline); both sessions are given PatRaceOutput over their own settings.
void AttachPatOut(TIPatControl& control, const TSetting& live);

// End of an acquisition run: when the session has finished (RunEnd or
// AllDone) and its request has AutoOut, the outline of its meetings by
// OutPatYoukouOnce with the session's settings and clock; true when that
// wrote (the caller logs "PAT開催要項出力"). A file error ends it and counts
// as not written; `failure` (when given) then gets the file and why
// ("path: reason", UTF-8).
bool OutPatRunEnd(const TIPat& session, std::string* failure = nullptr);

// The manual run over the race files of info.Date. Throws TPatFileError;
// files written before the error stay.
void OutPatData(const TPatOutInfo& info, const TPatOutEnv& env);

// Deletes, in every enabled directory, each "*.JRA" file (any letter case)
// whose modification date is not `day`; `day` 0 deletes them all.
void ClearPatFiles(double day, const TSetting& setting);

// The outline files of every enabled directory that has no "UY-A.JRA" yet;
// true when the writer was called for at least one. Throws TPatFileError.
bool OutPatYoukouOnce(const TYoukouInfos& meetings, const TPatOutEnv& env);

// The meeting array of a session's meeting table: one element per venue
// slot with a meeting code, races 1..12 from its Listed entries.
TYoukouInfos YoukouOfSession(const TIPat& session);

}  // namespace vorpa
