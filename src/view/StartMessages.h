#pragma once
// What the main window says about what it was given: its caption, and the
// messages about a data folder or meeting date without race files and about
// a settings or remark file it cannot read. Messages come in two forms: a
// UTF-8 line for stderr and a CP932 line for the log list.
#include <string>

namespace vorpa {

// "Vorpa", or "Vorpa - yyyy/mm/dd" while a date is open (date not 0); the
// demonstration's caption is "Vorpa (デモ)" ... (UTF-8).
std::string MainCaption(double date, bool demo = false);

struct TStartMessage {
  std::string Stderr;  // UTF-8, without "vorpa: "
  std::string Log;     // CP932
};
// A data folder (UTF-8 path) that does not exist.
TStartMessage MissingDataDirMessage(const std::string& dir);
// A meeting date whose folder under `dir` holds no race file.
TStartMessage NoRaceFilesMessage(double date, const std::string& dir);
// A settings or remark file (its name) that held nothing readable and was
// kept as name + ".bad".
TStartMessage KeptAsBadMessage(const std::string& fileName);
// "Vorpa.Ini" is a folder or cannot be read: the program runs on the
// defaults and does not write it. UTF-8 box text in Log's place too.
TStartMessage SettingNotReadableMessage();

}  // namespace vorpa
