#include "core/ConfigFiles.h"

#include <filesystem>
#include <system_error>

#include "core/FileLock.h"
#include "core/IniFile.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "core/TextUtil.h"

namespace vorpa {
namespace {

// The state of the file at `path`, `readable` telling whether its bytes
// hold something the program reads.
template <class Readable>
TConfigFileState FileState(const std::string& path, Readable readable) {
  std::error_code ec;
  const auto status = std::filesystem::status(path, ec);
  if (!std::filesystem::exists(status)) return TConfigFileState::Missing;
  std::string bytes;
  if (std::filesystem::is_directory(status) || !LockedReadFile(path, &bytes))
    return TConfigFileState::NotReadable;
  return bytes.empty() || readable(bytes) ? TConfigFileState::Readable
                                          : TConfigFileState::NothingReadable;
}

}  // namespace

TConfigFileState SettingFileState(const std::string& dir) {
  return FileState(WithSeparator(dir) + kSettingFileName, [](const std::string& bytes) {
    const TIniFile ini = TIniFile::Parse(bytes);
    return ini.KeyCount("vorpa") + ini.KeyCount("WindowInfo") > 0;
  });
}

TConfigFileState RemarkFileState(const std::string& dir) {
  return FileState(WithSeparator(dir) + kRemarkFileName, [](const std::string& bytes) {
    TRemarkables remarks;
    return remarks.Parse(bytes) > 0;
  });
}

bool KeepAsBad(const std::string& path) {
  std::string bytes;
  return LockedReadFile(path, &bytes) && AtomicWriteFile(path + ".bad", bytes);
}

}  // namespace vorpa
