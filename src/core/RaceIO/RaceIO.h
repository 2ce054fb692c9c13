#pragma once
// The race data file (".MJO"): one file per race in a directory per
// meeting date under the data directory (the MojiPath setting). The writer
// writes version 2.1; the loader reads 2.1, 2.0 and the fixed-column 1.00
// and 1.01. Every file operation takes the shared file lock.
#include <string>
#include <string_view>
#include <vector>

#include "core/Race.h"

namespace vorpa {

// dataDir + "yyyy/mmdd/" (a separator is added to dataDir when missing).
std::string DateDirPath(std::string_view dataDir, double date);
// File name of a race: venue name (converted to UTF-8) + "%.2d" race
// number + ".MJO", e.g. "東京11.MJO".
std::string RaceFileName(std::string_view venueName, int raceNo);
// DateDirPath + RaceFileName.
std::string RaceFilePath(std::string_view dataDir, std::string_view venueName, int raceNo,
                         double date);

// The version 2.1 file of a record, byte for byte.
std::string FormatRace(const TRace& race);
// Decodes file bytes into a record already cleared (ClearRace) with no
// snapshots; keeps what was decoded before the first bad line.
void DecodeRace(std::string_view bytes, TRace& race);
// Whether file bytes hold a race: the header line "H01" of a version 2
// file, or the header of a version 1 file.
bool HoldsRaceLine(std::string_view bytes);

// Writes the record to its file (creating directories) as one whole file.
// Nothing when dataDir is empty. False when the file could not be written;
// `reason`, when given, then receives the system's reason (UTF-8).
bool StoreRace(std::string_view dataDir, const TRace& race, std::string* reason = nullptr);
// Clears the record for (venue, race, date), empties its snapshots and
// decodes the race's file when it exists. Reports nothing.
void LoadRace(std::string_view dataDir, std::string_view venueName, int raceNo, TRace& race,
              double date);
// Same for a file given by its path.
void LoadRaceFile(const std::string& path, std::string_view venueName, int raceNo, TRace& race,
                  double date);

// One race file of a date directory, as the listing takes it.
struct TRaceFileEntry {
  std::string FileName;   // as on disk (UTF-8)
  std::string Path;       // directory + FileName
  std::string VenueName;  // first four CP932 bytes of the name
  int RaceNo = 0;         // next two bytes as a number, 0 when not one
};
// Venue and race number of a file name (UTF-8), as the listing takes them.
TRaceFileEntry RaceFileEntryOf(const std::string& dir, const std::string& fileName);
// The regular files of the date directory whose names end in ".mjo" in any
// letter case, sorted by name; empty when the directory does not exist.
std::vector<TRaceFileEntry> ListRaceFiles(std::string_view dataDir, double date);

}  // namespace vorpa
