// The main window's analysis tabs: the odds matrices with their sorted
// lists and the distortion overlay, the odds charts, the result boxes, the
// purchase calculator, which takes the bets clicked on the card and on the
// odds tabs, and the estimates of "推定".
#include <QTabWidget>

#include "core/Cp932.h"
#include "core/Setting.h"
#include "ui/CalcTab.h"
#include "ui/ChartTabs.h"
#include "ui/EstimateTab.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "ui/ResultTab.h"
#include "view/EstimateView.h"

namespace vorpa {

void TMainForm::SetUpAnalysisTabs() {
  auto page = [this](int n) { return PageControl1->findChild<QWidget*>(QString("TabSheet%1").arg(n)); };
  for (int k = 0; k < kPairKinds; ++k)
    OddsTabs[k] = new TOddsTab(page(k + 1), static_cast<TPairKind>(k));
  ResultTab = new TResultTab(page(7));
  ChartTabs = new TChartTabs(page(5), page(6), PageControl1);
  connect(ChartTabs, &TChartTabs::RedrawRequested, this, &TMainForm::ShowOdds);
  CalcTab = new TCalcTab(page(8));
  CalcTab->SetBuyTotal(Setting.BuyTotal);
  connect(this, &TMainForm::CardBetClicked, CalcTab, &TCalcTab::AddCalcRow);
  for (TOddsTab* tab : OddsTabs) connect(tab, &TOddsTab::BetClicked, CalcTab, &TCalcTab::AddCalcRow);
  EstimateTab = new TEstimateTab(page(9));
  connect(EstimateTab, &TEstimateTab::BetClicked, CalcTab, &TCalcTab::AddCalcRow);
  connect(EstimateTab, &TEstimateTab::CountChanged, this, [this] {
    SaveViewSetting();
    ShowEstimates();
  });
  connect(PageControl1, &QTabWidget::currentChanged, this, [this, estimates = page(9)] {
    if (estimatesStale_ && PageControl1->currentWidget() == estimates) ShowEstimates();
  });
  actDistortion->setChecked(Setting.DistortionShown);
}

void TMainForm::ShowEstimates() {
  estimatesStale_ = false;
  if (!FRaceLoaded || FRace.Snapshots.empty()) {
    EstimateTab->Clear();
    return;
  }
  EstimateTab->Fill(BuildEstimateView(FRace, ReadingChoice(FRace, FOddsIndex), Setting.EstimateCount));
}

void TMainForm::actDistortionExecute() {
  Setting.DistortionShown = actDistortion->isChecked();
  SaveViewSetting();
  ShowOdds();
}

void TMainForm::SaveViewSetting() {
  if (settingsWritable_ && !SaveSetting(configDir_, Setting))
    AddLog(Utf8ToCp932("設定ファイル " + configDir_ + kSettingFileName + " に書き込めません"));
}

}  // namespace vorpa
