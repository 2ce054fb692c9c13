#include "ui/AppForms.h"

#include "ipat/IPatDebugForm.h"
#include "ipat/IPatDirectForm.h"
#include "ipat/IPatForm.h"
#include "patout/PatOutForm.h"
#include "ui/AboutBox.h"
#include "ui/MainFrm.h"
#include "ui/SelDateForm.h"
#include "ui/SettingForm.h"

namespace vorpa {

TAppForms CreateAppForms(TMainForm* main) {
  TAppForms f;
  f.IPatDebug = new TIPatDebugForm(main);
  f.SelDate = new TSelDateForm(main);
  f.IPatDirect = new TIPatDirectForm(main);
  f.About = new TAboutBox(main);
  f.PatOut = new TPatOutForm(main);
  f.IPat = new TIPatForm(main);
  f.Setting = new TSettingForm(main->ConfigDir(), main);
  main->AttachForms(f);
  return f;
}

}  // namespace vorpa
