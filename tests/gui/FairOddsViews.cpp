// The fair-odds views of the main window, offscreen: the distortion overlay
// of the pair matrices (colours, legend, tooltips, kept in Vorpa.Ini), the
// tab "推定", and the calculator's boxes, formations and synthetic odds.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>

#include "analysis/FairOdds.h"
#include "core/Cp932.h"
#include "core/RaceIO/RaceIO.h"
#include "core/Setting.h"
#include "support/GuiHelpers.h"
#include "support/GuiMainForm.h"
#include "support/RaceFactory.h"
#include "support/TempDir.h"
#include "ui/MainFrm.h"
#include "ui/OddsTab.h"
#include "ui/ViewToQt.h"
#include "view/DistortionView.h"

namespace vorpa {
namespace {

using test::U;

const double kDay = EncodeDate(2026, 12, 6);

class FairOddsViewsTest : public test::TMainFormTest {
 protected:
  // 東京11 (18 runners, two readings) with markets planted against the
  // fair odds of the last reading: quinella 1-2 at 2.5 times fair, 1-3 at
  // 0.4 times, exacta 7-3 at 5 times and 3-7 at 0.3 times; and 東京01 of 8
  // runners, which has no quinella odds.
  void StoreRaces() {
    test::RaceRecipe r;
    r.Readings = 2;
    TRace big = test::MakeRace(r);
    const TFairModel m(big, 1);
    OddsSnapshot& s = big.Snapshots[1];
    auto at = [](double fair, double times) { return std::round(fair * times * 10) / 10; };
    s.Quinella(1, 2) = at(0.775 / m.Quinella(1, 2), 2.5);
    s.Quinella(1, 3) = at(0.775 / m.Quinella(1, 3), 0.4);
    s.Exacta(7, 3) = at(0.75 / m.Exacta(7, 3), 5);
    s.Exacta(3, 7) = at(0.75 / m.Exacta(3, 7), 0.3);
    StoreRace(data_.Path(), big);
    r.RaceNo = 1;
    r.Runners = 8;
    StoreRace(data_.Path(), test::MakeRace(r));
  }
  TMainForm& Shown() {
    StoreRaces();
    return ShownAtDesignSize(kDay, 1);  // 東京11
  }
  TRace Stored(int no) const { return TMainFormTest::Stored("東京", no, kDay); }
  // The background of matrix cell (column a, row b), left of its text.
  static QColor Back(QTableWidget* g, int a, int b) {
    const QImage all = g->viewport()->grab().toImage();
    const QImage cell = all.copy(g->visualRect(g->model()->index(b - 1, a)));
    return cell.pixelColor(1, cell.height() / 2);
  }
  static QColor Q(TColor c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
  std::string Ini() { return test::ReadFileBytes(config_.File("Vorpa.Ini")); }
};

TEST_F(FairOddsViewsTest, OverlayColoursCellsByRatioWithLegendAndTooltips) {
  TMainForm& f = Shown();
  const TRace race = Stored(11);
  const auto overlay = BuildDistortionViews(race, ReadingChoice(race, 1));
  QTableWidget* baren = Grid("sgBaren");
  QTableWidget* umatan = Grid("sgUmatan");
  QWidget* legend = Find<QWidget>("lgdWaku");
  ShowTab(2);
  // Off at first: plain striped cells, no legend, no tooltips.
  EXPECT_FALSE(f.actDistortion->isChecked());
  const QColor base = baren->palette().color(QPalette::Base);
  EXPECT_EQ(Back(baren, 2, 1), base);
  EXPECT_TRUE(f.OddsTabs[kPairQuinella]->CellToolTip(1, 2).isEmpty());

  f.actDistortion->trigger();
  QApplication::processEvents();
  EXPECT_TRUE(Setting.DistortionShown);
  EXPECT_NE(Ini().find("DistortionShown=1\r\n"), std::string::npos);
  // Quinella 1-2 pays 2.5 times fair: the top of the scale, on both
  // halves of the matrix; 1-3 at 0.4 times the bottom.
  EXPECT_EQ(Back(baren, 2, 1), Q(kDistortionHighColor));
  EXPECT_EQ(Back(baren, 1, 2), Q(kDistortionHighColor));
  EXPECT_EQ(Back(baren, 3, 1), Q(kDistortionLowColor));
  // Every other cell in the colour of its own ratio.
  const TDistortionCell& c58 = overlay[kPairQuinella].Cell(5, 8);
  ASSERT_GT(c58.Ratio, 0);
  EXPECT_EQ(Back(baren, 5, 8), Q(DistortionColor(c58.Ratio)));
  EXPECT_EQ(f.OddsTabs[kPairQuinella]->CellToolTip(8, 5),
            QString("理論オッズ %1 / 歪み %2").arg(c58.Fair, 0, 'f', 1).arg(c58.Ratio, 0, 'f', 2));
  EXPECT_NE(Back(baren, 5, 8), Back(baren, 2, 1));
  // Exacta: the winner in the column, each order its own colour.
  ShowTab(3);
  EXPECT_EQ(Back(umatan, 7, 3), Q(kDistortionHighColor));
  EXPECT_EQ(Back(umatan, 3, 7), Q(kDistortionLowColor));
  // The legend shows beside every matrix, running from low to high.
  ShowTab(1);
  ASSERT_TRUE(legend && legend->isVisible());
  const QImage img = legend->grab().toImage();
  const QColor top = img.pixelColor(14, 24), middle = img.pixelColor(14, 55), bottom = img.pixelColor(14, 86);
  EXPECT_GT(top.red() - top.blue(), 100);
  EXPECT_GT(bottom.blue() - bottom.red(), 100);
  EXPECT_GT(middle.lightness(), 240);
  // The colour scale: white at 1, clamped beyond 2/3 and 1.5, in between
  // neither end.
  EXPECT_EQ(DistortionColor(1.0), kClWhite);
  EXPECT_EQ(DistortionColor(1.6), kDistortionHighColor);
  EXPECT_EQ(DistortionColor(0.6), kDistortionLowColor);
  EXPECT_NE(DistortionColor(1.2), DistortionColor(1.4));
  EXPECT_GT(RedOf(DistortionColor(1.2)), BlueOf(DistortionColor(1.2)));
  EXPECT_GT(BlueOf(DistortionColor(0.8)), RedOf(DistortionColor(0.8)));

  // Off again, and so it stays at the next start.
  f.actDistortion->trigger();
  ShowTab(2);
  EXPECT_EQ(Back(baren, 2, 1), base);
  EXPECT_TRUE(f.OddsTabs[kPairQuinella]->CellToolTip(8, 5).isEmpty());
  EXPECT_FALSE(legend->isVisible());
  EXPECT_NE(Ini().find("DistortionShown=0\r\n"), std::string::npos);
  f.actDistortion->trigger();
  form_.reset();
  Setting = TSetting();
  TMainForm again(config_.Path());
  EXPECT_TRUE(again.actDistortion->isChecked());
  EXPECT_TRUE(Setting.DistortionShown);
}

TEST_F(FairOddsViewsTest, EstimateTabListsTheLikeliestTriosAndTheMostDistortedPairs) {
  TMainForm& f = Shown();
  const TRace race = Stored(11);
  QTableWidget* trio = Grid("sgSanrenpuku");
  QTableWidget* trifecta = Grid("sgSanrentan");
  QTableWidget* distorted = Grid("sgHizumi");
  auto* count = Find<QSpinBox>("spnEstimateCount");
  ASSERT_TRUE(trio && trifecta && distorted && count);
  EXPECT_EQ(f.PageControl1->tabText(8), U("推定"));
  EXPECT_EQ(count->value(), 50);
  ShowTab(9);
  // The 50 likeliest trios and trifectas of the last reading, most likely
  // first, with the fair odds of each.
  const TFairModel m(race, 1);
  std::vector<TFairLine> trios = FairLines(m, kBetTrio, nullptr);
  SortByProbability(trios);
  ASSERT_EQ(trio->rowCount(), 50);
  ASSERT_EQ(trifecta->rowCount(), 50);
  EXPECT_EQ(Cell(trio, 1, 0).toStdString(), CombinationText(trios[0]));
  EXPECT_EQ(Cell(trio, 50, 0).toStdString(), CombinationText(trios[49]));
  EXPECT_EQ(Cell(trio, 1, 1), QString::number(trios[0].Probability * 100, 'f', 2) + "%");
  EXPECT_EQ(Cell(trio, 1, 2), QString::number(0.75 / trios[0].Probability, 'f', 1));
  double last = 100;
  for (int r = 1; r <= 50; ++r) {
    const double p = Cell(trifecta, r, 1).chopped(1).toDouble();
    EXPECT_LE(p, last) << r;
    last = p;
    EXPECT_EQ(Cell(trifecta, r, 0).split('-').size(), 3);
  }
  // The 20 most distorted pairs: exacta 7-3 at five times fair leads.
  ASSERT_EQ(distorted->rowCount(), 20);
  EXPECT_EQ(Cell(distorted, 1, 0), U("馬単"));
  EXPECT_EQ(Cell(distorted, 1, 1), "7-3");
  EXPECT_NEAR(Cell(distorted, 1, 4).toDouble(), 5, 0.05);
  EXPECT_EQ(Cell(distorted, 2, 1), "1-2");  // quinella at 2.5 times
  for (int r = 2; r <= 20; ++r) EXPECT_LE(Cell(distorted, r, 4).toDouble(), Cell(distorted, r - 1, 4).toDouble());
  // A click puts the bet into the calculator.
  test::ClickCell(distorted, 0, 1);
  EXPECT_EQ(Cell(Grid("sgOddsCalc"), 1, 0), "UT");
  EXPECT_EQ(Cell(Grid("sgOddsCalc"), 1, 1), "7-3");
  EXPECT_EQ(Cell(Grid("sgOddsCalc"), 1, 2).toDouble(), race.Snapshots[1].Exacta(7, 3));

  // The count is a setting, kept in Vorpa.Ini.
  count->setValue(10);
  EXPECT_EQ(trio->rowCount(), 10);
  EXPECT_EQ(Setting.EstimateCount, 10);
  EXPECT_NE(Ini().find("EstimateCount=10\r\n"), std::string::npos);
  // The first reading shown: its own estimates, and none of the planted
  // markets of the last.
  f.sgOddsTime->setCurrentCell(0, 0);
  std::vector<TFairLine> first = FairLines(TFairModel(race, 0), kBetTrifecta, nullptr);
  SortByProbability(first);
  EXPECT_EQ(Cell(trifecta, 1, 0).toStdString(), CombinationText(first[0]));
  EXPECT_NE(Cell(distorted, 1, 1), "7-3");
  // A race of 8 runners: trios still, the pairs from the exacta alone.
  ShowTab(1);
  f.sgRace->setCurrentCell(0, 0);  // 東京01
  ShowTab(9);
  EXPECT_EQ(trio->rowCount(), 10);
  EXPECT_EQ(Cell(trio, 1, 0).split('-').size(), 3);
  for (int r = 1; r <= distorted->rowCount(); ++r) EXPECT_EQ(Cell(distorted, r, 0), U("馬単")) << r;
}

TEST_F(FairOddsViewsTest, CalculatorTakesBoxesAndFormationsAndShowsSyntheticOdds) {
  TMainForm& f = Shown();
  ShowTab(8);
  QTableWidget* calc = Grid("sgOddsCalc");
  auto* kind = Find<QComboBox>("cmbEntryKind");
  auto* box = Find<QLineEdit>("edtBoxNumbers");
  auto* first = Find<QLineEdit>("edtFormFirst");
  auto* second = Find<QLineEdit>("edtFormSecond");
  auto* synthetic = Find<QLabel>("lblGouseiOdds");
  ASSERT_TRUE(calc && kind && box && first && second && synthetic);
  EXPECT_EQ(synthetic->text(), "0.00");
  QTableWidget* baren = Grid("sgBaren");
  QTableWidget* umatan = Grid("sgUmatan");
  auto odds = [](QTableWidget* g, int a, int b) { return Cell(g, b, a).remove(' '); };

  // Quinella box 1-3-5 (typed in full width): its three pairs.
  kind->setCurrentText(U("馬連"));
  box->setText(U("１－３－５"));
  Find<QPushButton>("btnBoxAdd")->click();
  // Exacta formation 1,2 x 3 4: four ordered pairs, the first leg first.
  kind->setCurrentText(U("馬単"));
  first->setText("2,1");
  second->setText("3 4");
  Find<QPushButton>("btnFormationAdd")->click();
  // Quinella formation 1 x 1-2: a horse is not paired with itself.
  kind->setCurrentText(U("馬連"));
  first->setText("1");
  second->setText("1-2");
  Find<QPushButton>("btnFormationAdd")->click();
  const std::vector<std::array<QString, 3>> expected = {
      {U("馬"), "1-3", odds(baren, 1, 3)},  {U("馬"), "1-5", odds(baren, 1, 5)},
      {U("馬"), "3-5", odds(baren, 3, 5)},  {"UT", "1-3", odds(umatan, 1, 3)},
      {"UT", "1-4", odds(umatan, 1, 4)},    {"UT", "2-3", odds(umatan, 2, 3)},
      {"UT", "2-4", odds(umatan, 2, 4)},    {U("馬"), "1-2", odds(baren, 1, 2)}};
  ASSERT_EQ(calc->rowCount(), 8);
  double sum = 0;
  for (int r = 1; r <= 8; ++r) {
    for (int c = 0; c < 3; ++c) EXPECT_EQ(Cell(calc, r, c), expected[r - 1][c]) << r << " " << c;
    EXPECT_FALSE(expected[r - 1][2].isEmpty());
    sum += 1 / expected[r - 1][2].toDouble();
  }
  // 合成オッズ: 1 / Σ(1/o), beside the totals, as soon as the lines change.
  EXPECT_EQ(synthetic->text(), QString::number(1 / sum, 'f', 2));
  // "計算" spreads the budget over all of them as over clicked lines.
  Find<QPushButton>("btnOddsCalc")->click();
  long total = 0;
  for (int r = 1; r <= 8; ++r) {
    EXPECT_GT(Cell(calc, r, 3).toLong(), 0) << r;
    total += Cell(calc, r, 3).toLong();
  }
  EXPECT_EQ(Find<QLabel>("lblCalcedBuyTotal")->text(), QLocale(QLocale::English).toString(qlonglong(total)));
  Find<QPushButton>("btnOddsDelete")->click();
  EXPECT_EQ(calc->rowCount(), 7);
  EXPECT_EQ(synthetic->text(), QString::number(1 / (sum - 1 / expected[0][2].toDouble()), 'f', 2));

  // Bad numbers and combinations without odds: a message, no line.
  auto refused = [&](QLineEdit* edit, const char* text, const char* button) {
    edit->setText(QString::fromUtf8(text));
    QString message;
    test::WhenModal([&](QWidget* w) {
      auto* m = qobject_cast<QMessageBox*>(w);
      ASSERT_TRUE(m);
      message = m->text();
      m->accept();
    });
    Find<QPushButton>(button)->click();
    EXPECT_EQ(calc->rowCount(), 7) << text;
    return message;
  };
  EXPECT_EQ(refused(box, "1-x", "btnBoxAdd"), U("馬番を 1-3-5 のように区切って入力してください。"));
  EXPECT_EQ(refused(box, "1-19", "btnBoxAdd"), U("馬番を 1-3-5 のように区切って入力してください。"));
  EXPECT_EQ(refused(box, "7", "btnBoxAdd"), U("ボックスには番号を2つ以上入力してください。"));
  f.sgRace->setCurrentCell(0, 0);  // 東京01: 8 runners, no quinella odds
  EXPECT_EQ(refused(box, "1-2-3", "btnBoxAdd"), U("表示中のオッズにある組合せがありません。"));
  // Bracket quinella box of frames: pairs of different frames.
  kind->setCurrentText(U("枠連"));
  box->setText("1-2-3");
  Find<QPushButton>("btnBoxAdd")->click();
  ASSERT_EQ(calc->rowCount(), 10);
  EXPECT_EQ(Cell(calc, 8, 0), U("枠"));
  EXPECT_EQ(Cell(calc, 10, 1), "2-3");
  EXPECT_EQ(Cell(calc, 10, 2), Cell(Grid("sgWaku"), 3, 2).remove(' '));
  Find<QPushButton>("btnOddsClear")->click();
  EXPECT_EQ(synthetic->text(), "0.00");
}

}  // namespace
}  // namespace vorpa
