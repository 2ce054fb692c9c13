#pragma once
// The one process-wide file lock: every read, write and delete of a race
// data file, PAT file or page dump takes it around that single operation.
// Whole-file writes go to a temporary file in the same directory, are
// flushed and renamed over the target, so a crash never leaves half a file.
#include <string>
#include <vector>

namespace vorpa {

// Writes `bytes` as the whole file `path`; false (old file intact) on error,
// and errno then says why.
bool LockedWriteFile(const std::string& path, const std::string& bytes);
// Reads the whole file; false when it cannot be read.
bool LockedReadFile(const std::string& path, std::string* bytes);
// Reads a text file as lines (CR LF, LF or CR ends a line; the line end is
// not kept); false when it cannot be read.
bool LockedReadLines(const std::string& path, std::vector<std::string>* lines);
// Writes the lines, each followed by CR LF, as one whole file.
bool LockedWriteLines(const std::string& path, const std::vector<std::string>& lines);
// Deletes the file; false when it did not exist or could not be deleted.
bool LockedDeleteFile(const std::string& path);

// Unlocked whole-file write through a temporary file and a rename, for the
// settings and remark files that only the main thread writes.
bool AtomicWriteFile(const std::string& path, const std::string& bytes);

}  // namespace vorpa
