// The main window reads the settings and the remark file at start, keeping
// what it cannot read.
#include "core/ConfigFiles.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "core/TextUtil.h"
#include "ui/MainFrm.h"
#include "view/StartMessages.h"

namespace vorpa {

void TMainForm::LoadSettingFiles() {
  const std::string dir = WithSeparator(configDir_);
  switch (SettingFileState(configDir_)) {
    case TConfigFileState::NotReadable:
      settingsWritable_ = false;
      Setting = TSetting();
      AddLog(SettingNotReadableMessage().Log);
      break;
    case TConfigFileState::NothingReadable:
      if (KeepAsBad(dir + kSettingFileName)) AddLog(KeptAsBadMessage(kSettingFileName).Log);
      [[fallthrough]];
    default:
      Setting = LoadSetting(configDir_);
  }
  if (RemarkFileState(configDir_) == TConfigFileState::NothingReadable &&
      KeepAsBad(dir + kRemarkFileName))
    AddLog(KeptAsBadMessage(kRemarkFileName).Log);
  Remarks.Load(configDir_);
}

}  // namespace vorpa
