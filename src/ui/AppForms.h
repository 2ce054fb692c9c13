#pragma once
// The windows the program creates after its main window, all living until
// the program ends.
namespace vorpa {

class TMainForm;
class TIPatDebugForm;
class TSelDateForm;
class TIPatDirectForm;
class TAboutBox;
class TPatOutForm;
class TIPatForm;
class TSettingForm;

struct TAppForms {
  TIPatDebugForm* IPatDebug = nullptr;
  TSelDateForm* SelDate = nullptr;
  TIPatDirectForm* IPatDirect = nullptr;
  TAboutBox* About = nullptr;
  TPatOutForm* PatOut = nullptr;
  TIPatForm* IPat = nullptr;
  TSettingForm* Setting = nullptr;
};

// Creates the windows in the program's order, owned by the main window,
// and hands them to it.
TAppForms CreateAppForms(TMainForm* main);

}  // namespace vorpa
