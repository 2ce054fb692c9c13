// The main window's analysis tabs: the odds matrices with their sorted
// lists, the odds charts, the result boxes and the purchase calculator, which takes the
// bets clicked on the card and on the odds tabs.
#include <QTabWidget>

#include "core/Setting.h"
#include "ui/CalcTab.h"
#include "ui/ChartTabs.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "ui/ResultTab.h"

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
}

}  // namespace vorpa
