#include "view/StartMessages.h"

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Setting.h"

namespace vorpa {

std::string MainCaption(double date, bool demo) {
  const std::string name = demo ? "Vorpa (デモ)" : "Vorpa";
  return date == 0 ? name : name + " - " + DateToLongText(date);
}

TStartMessage MissingDataDirMessage(const std::string& dir) {
  return {"data folder not found: " + dir, Utf8ToCp932("データフォルダがありません: " + dir)};
}

TStartMessage NoRaceFilesMessage(double date, const std::string& dir) {
  return {"no race files of " + DateToIsoText(date) + " in " + dir,
          Utf8ToCp932(DateToLongText(date) + " のレースデータがありません。")};
}

TStartMessage KeptAsBadMessage(const std::string& fileName) {
  return {fileName + " holds nothing readable; kept as " + fileName + ".bad",
          Utf8ToCp932(fileName + " に読める行がないため " + fileName + ".bad として残しました。")};
}

TStartMessage SettingNotReadableMessage() {
  const std::string name = kSettingFileName;
  return {name + " cannot be read; running on the defaults without writing it",
          Utf8ToCp932(name + " を読めません。既定の設定で起動し、" + name + " には書き込みません。")};
}

}  // namespace vorpa
