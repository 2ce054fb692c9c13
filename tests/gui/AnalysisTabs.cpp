// The odds tabs, the result tab and the purchase calculator of the main
// window, offscreen: the grids found by name, their cells read and painted,
// and the calculator driven by clicks on the card and the odds tabs.
#include <gtest/gtest.h>

#include <QDialog>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

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
#include "view/OddsViews.h"
#include "view/Zoom.h"
#include "view/PurchaseCalc.h"
#include "view/ResultText.h"

namespace vorpa {
namespace {

using test::U;

const double kDay = EncodeDate(2026, 12, 6);
const char* const kMatrices[] = {"sgWaku", "sgBaren", "sgUmatan", "sgWide"};
const char* const kSorted[] = {"sgSortedWaku", "sgSortedBaren", "sgSortedUmatan", "sgSortedWide"};

class AnalysisTabsTest : public test::TMainFormTest {
 protected:
  void SetUp() override {
    Setting.BuyTotal = 1000;
    TMainFormTest::SetUp();
  }

  // 東京11 with 18 runners and 東京01 with 8, two readings each; the last
  // reading of 東京11 has a few known pair odds.
  void StoreRaces() {
    test::RaceRecipe r;
    r.Readings = 2;
    TRace big = test::MakeRace(r);
    OddsSnapshot& s = big.Snapshots[1];
    s.Bracket(1, 3) = 8.4;
    s.Quinella(1, 3) = 12.0;
    s.Exacta(7, 3) = 40.8;
    s.Exacta(3, 7) = 15.2;
    s.WideLow(3, 9) = 2.1;
    s.WideHigh(3, 9) = 34.5;
    StoreRace(data_.Path(), big);
    r.RaceNo = 1;
    r.Runners = 8;
    StoreRace(data_.Path(), test::MakeRace(r));
  }
  // The window shown at its design size with 東京11 selected.
  TMainForm& ShownWithBigRace() {
    StoreRaces();
    return ShownAtDesignSize(kDay, 1);
  }
  TRace Stored(int no) const { return TMainFormTest::Stored("東京", no, kDay); }
  // The grid painted as it shows, and the pixels of one of its cells.
  static QImage CellImage(QTableWidget* g, int row, int col) {
    const QImage all = g->viewport()->grab().toImage();
    return all.copy(g->visualRect(g->model()->index(row - 1, col)));
  }
  static bool HasInk(const QImage& img, QColor c) {
    for (int y = 0; y < img.height(); ++y)
      for (int x = 0; x < img.width(); ++x)
        if (img.pixelColor(x, y) == c) return true;
    return false;
  }
  // Left of the text, which starts 2 pixels into the cell.
  static QColor Back(const QImage& img) { return img.pixelColor(1, img.height() / 2); }
};

TEST_F(AnalysisTabsTest, OddsTabsShowTheReadingOfEachBetType) {
  StoreRaces();
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(1, 0);  // 東京11
  ASSERT_EQ(f.FRace.Header.RunnerCount, 18);
  const TRace race = Stored(11);
  const auto views = BuildOddsViews(race, ReadingChoice(race, 1));
  for (int k = 0; k < kPairKinds; ++k) {
    SCOPED_TRACE(kMatrices[k]);
    ShowTab(k + 1);
    QTableWidget* m = Grid(kMatrices[k]);
    QTableWidget* s = Grid(kSorted[k]);
    ASSERT_TRUE(m && s);
    ASSERT_TRUE(m->isVisibleTo(&f));
    ASSERT_EQ(m->rowCount(), views[k].Size);
    ASSERT_EQ(m->columnCount(), views[k].Size + 1);
    EXPECT_EQ(Cell(m, 2, 0), " 2");
    for (int b = 1; b <= views[k].Size; ++b)
      for (int a = 1; a <= views[k].Size; ++a)
        ASSERT_EQ(Cell(m, b, a), FromCp932(views[k].Cell(a, b))) << a << "-" << b;
    ASSERT_EQ(s->rowCount(), static_cast<int>(views[k].Sorted.size()));
    for (int r = 1; r <= s->rowCount(); ++r) {
      ASSERT_EQ(Cell(s, r, 0), FromCp932(views[k].Sorted[r - 1][0]));
      ASSERT_EQ(Cell(s, r, 1), FromCp932(views[k].Sorted[r - 1][1]));
    }
  }
  EXPECT_EQ(Grid("sgWaku")->columnWidth(1), 33);
  EXPECT_EQ(Grid("sgBaren")->columnWidth(18), 32);
  EXPECT_EQ(Grid("sgSortedWaku")->horizontalHeaderItem(0)->text(), U("枠番"));
  EXPECT_EQ(Grid("sgSortedWide")->horizontalHeaderItem(1)->text(), U("オッズ"));
  EXPECT_EQ(Cell(Grid("sgWaku"), 3, 1), "  8.4");
  EXPECT_EQ(Cell(Grid("sgUmatan"), 7, 3), " 15.2");
  EXPECT_EQ(Cell(Grid("sgUmatan"), 3, 7), " 40.8");
  EXPECT_EQ(Cell(Grid("sgWide"), 9, 3), " 2.1-");

  // The first reading shows other odds; 8 runners leave quinella and wide empty.
  f.sgOddsTime->setCurrentCell(0, 0);
  EXPECT_NE(Cell(Grid("sgUmatan"), 7, 3), " 15.2");
  f.sgRace->setCurrentCell(0, 0);  // 東京01
  ASSERT_EQ(f.FRace.Header.RunnerCount, 8);
  EXPECT_NE(Cell(Grid("sgWaku"), 1, 1), "");
  EXPECT_GT(Grid("sgSortedUmatan")->rowCount(), 1);
  for (const char* name : {"sgBaren", "sgWide"})
    for (int b = 1; b <= 18; ++b)
      for (int a = 1; a <= 18; ++a) ASSERT_EQ(Cell(Grid(name), b, a), "") << name;
  for (const char* name : {"sgSortedBaren", "sgSortedWide"}) {
    EXPECT_EQ(Grid(name)->rowCount(), 1);
    EXPECT_EQ(Cell(Grid(name), 1, 0), "");
  }
}

// Without the exacta's odds in the reading, the snapshot as a race without
// that page read stores it.
void DropExacta(OddsSnapshot& s) {
  s.ExactaTime() = 0;
  for (int a = 1; a <= 18; ++a)
    for (int b = 1; b <= 18; ++b)
      if (a != b) s.Exacta(a, b) = NoOdds;
}

// An empty matrix says why over its body, centred and zoomed with the
// window: no race, no reading, 8 runners, no exacta on sale, no exacta in
// the two readings the chosen one can show.
TEST_F(AnalysisTabsTest, EmptyMatricesSayWhy) {
  StoreRaces();
  test::RaceRecipe r;
  r.Readings = 3;
  r.RaceNo = 2;
  TRace noExacta = test::MakeRace(r);
  for (OddsSnapshot& s : noExacta.Snapshots) DropExacta(s);
  StoreRace(data_.Path(), noExacta);
  r.RaceNo = 3;
  TRace lateExacta = test::MakeRace(r);
  DropExacta(lateExacta.Snapshots[0]);
  DropExacta(lateExacta.Snapshots[1]);
  StoreRace(data_.Path(), lateExacta);
  r.RaceNo = 4;
  r.Readings = 0;
  StoreRace(data_.Path(), test::MakeRace(r));
  TMainForm& f = *form_;
  auto notes = [&] {
    QStringList texts;
    for (TOddsTab* tab : f.OddsTabs) texts << (tab->Note->isHidden() ? QString() : tab->Note->text());
    return texts;
  };
  const QString none;
  const QString noRace = U("レースが選択されていません"), noReading = U("オッズはまだ取得されていません");
  EXPECT_EQ(notes(), QStringList({noRace, noRace, noRace, noRace}));
  ShownAtDesignSize(kDay, 4);  // 東京11
  EXPECT_EQ(notes(), QStringList({none, none, none, none}));
  f.sgRace->setCurrentCell(0, 0);  // 東京01: 8 runners
  EXPECT_EQ(notes(), QStringList({none, U("8頭立て以下のレースの馬連は枠連のタブに表示されます"), none,
                                  U("8頭立て以下のレースではワイドを表示しません")}));
  f.sgRace->setCurrentCell(1, 0);  // 東京02
  EXPECT_EQ(notes(), QStringList({none, none, U("馬単は発売されていません"), none}));
  EXPECT_EQ(Grid("sgSortedUmatan")->rowCount(), 1);
  f.sgRace->setCurrentCell(3, 0);  // 東京04
  EXPECT_EQ(notes(), QStringList({noReading, noReading, noReading, noReading}));
  f.sgRace->setCurrentCell(2, 0);  // 東京03: the newest reading shows its exacta
  EXPECT_EQ(notes(), QStringList({none, none, none, none}));
  f.sgOddsTime->setCurrentCell(1, 0);
  EXPECT_EQ(notes(), QStringList({none, none, U("この時刻の馬単オッズは取得されていません"), none}));

  // Over the matrix's body, centred, its text whole: at the design size, at
  // 200 % in a window of 1600 x 1000, and wrapped at 250 % at the design size.
  ShowTab(3);
  QTableWidget* matrix = Grid("sgUmatan");
  QLabel* note = Find<QLabel>("lblUmatanNote");
  ASSERT_TRUE(note->isVisible());
  for (auto [zoom, size] : {std::pair{100, QSize(995, 709)}, {200, QSize(1600, 1000)}, {250, QSize(995, 709)}}) {
    SCOPED_TRACE(zoom);
    f.resize(size);
    f.SetZoom(zoom);
    QApplication::processEvents();
    const QImage painted = matrix->grab().toImage();  // as it shows, laid out
    EXPECT_EQ(note->font().pixelSize(), Zoomed(15, zoom));
    const QRect body = matrix->viewport()->geometry();
    EXPECT_TRUE(body.contains(note->geometry()));
    EXPECT_LE((note->geometry().center() - body.center()).manhattanLength(), 2);
    if (zoom == 250) continue;  // wrapped
    EXPECT_GE(note->height(), note->heightForWidth(note->width()));
    EXPECT_GE(note->width(), QFontMetrics(note->font()).horizontalAdvance(note->text()));
    EXPECT_TRUE(HasInk(painted.copy(note->geometry()), note->palette().color(QPalette::WindowText)));
  }
}

// The exacta's corner says that the columns hold the winner: its two
// captions drawn inside the corner at every zoom.
TEST_F(AnalysisTabsTest, TheExactaCornerNamesTheFirstAndSecond) {
  TMainForm& f = ShownWithBigRace();
  ShowTab(3);
  QHeaderView* header = Grid("sgUmatan")->horizontalHeader();
  for (int zoom : {100, 150, 250}) {
    SCOPED_TRACE(zoom);
    f.SetZoom(zoom);
    QApplication::processEvents();
    const QFontMetrics fm(header->font());
    EXPECT_LE(fm.horizontalAdvance(U("1着")) + 4, header->sectionSize(0));
    EXPECT_LE(2 * fm.tightBoundingRect(U("着")).height() + 4, header->height());
    // Ink in the upper right and in the lower left of the corner.
    const int w = header->sectionSize(0), h = header->height();
    const QImage corner = header->viewport()->grab().toImage().copy(0, 0, w, h);
    auto dark = [&](QRect part) {
      int n = 0;
      for (int y = part.top(); y <= part.bottom(); ++y)
        for (int x = part.left(); x <= part.right(); ++x) n += corner.pixelColor(x, y).lightness() < 80;
      return n;
    };
    EXPECT_GT(dark(QRect(w / 2, 1, w / 2 - 1, h / 2 - 1)), 5);
    EXPECT_GT(dark(QRect(1, h / 2, w / 2 - 1, h / 2 - 1)), 5);
  }
  EXPECT_EQ(Grid("sgBaren")->horizontalHeader()->height(), Zoomed(kGridRowHeight, 250) + 4);  // one line
}

TEST_F(AnalysisTabsTest, CellsArePaintedInTheirColours) {
  TMainForm& f = ShownWithBigRace();
  const QColor base = f.sgSyutuba->palette().color(QPalette::Base);
  const QColor stripe(0xF0, 0xF0, 0xF0), red(0xFF, 0, 0), blue(0, 0, 0xFF);
  ShowTab(2);
  // Matrices are striped, sorted lists are not.
  QTableWidget* baren = Grid("sgBaren");
  EXPECT_EQ(Back(CellImage(baren, 1, 5)), base);
  EXPECT_EQ(Back(CellImage(baren, 2, 5)), stripe);
  EXPECT_EQ(Back(CellImage(Grid("sgSortedBaren"), 2, 1)), base);
  // 1-3 at 12.0 in blue.
  EXPECT_TRUE(HasInk(CellImage(baren, 3, 1), blue));
  EXPECT_FALSE(HasInk(CellImage(baren, 3, 1), red));
  // The wide pair 3-9: the matrix cell red by its lower bound; the sorted
  // list's bounds red and blue with the dash in the text colour.
  ShowTab(4);
  QTableWidget* wide = Grid("sgWide");
  EXPECT_TRUE(HasInk(CellImage(wide, 9, 3), red));
  EXPECT_FALSE(HasInk(CellImage(wide, 9, 3), blue));
  QTableWidget* sorted = Grid("sgSortedWide");
  int row = 0;
  for (int r = 1; r <= sorted->rowCount(); ++r)
    if (Cell(sorted, r, 0) == " 3- 9") row = r;
  ASSERT_GT(row, 0);
  EXPECT_EQ(Cell(sorted, row, 1), " 2.1- 35");
  sorted->scrollToItem(sorted->item(row - 1, 1));
  const QImage cell = CellImage(sorted, row, 1);
  const int dash = cell.width() / 2;
  EXPECT_TRUE(HasInk(cell.copy(0, 0, dash, cell.height()), red));
  EXPECT_TRUE(HasInk(cell.copy(dash, 0, cell.width() - dash, cell.height()), blue));
  EXPECT_TRUE(HasInk(cell, f.sgSyutuba->palette().color(QPalette::Text)));
  // With odds colouring off, every odds text is in the text colour.
  Setting.OddsColored = false;
  EXPECT_FALSE(HasInk(CellImage(sorted, row, 1), red));
  EXPECT_FALSE(HasInk(CellImage(wide, 9, 3), red));
}

TEST_F(AnalysisTabsTest, ResultTabShowsVotesMarginsAndPayouts) {
  StoreRaces();
  TMainForm& f = *form_;
  f.OpenDate(kDay);
  f.sgRace->setCurrentCell(1, 0);
  ShowTab(7);
  auto* votes = Find<QPlainTextEdit>("memHyousu");
  auto* margins = Find<QPlainTextEdit>("memCyakusa");
  auto* payouts = Find<QPlainTextEdit>("memResult");
  ASSERT_TRUE(votes && margins && payouts);
  const TRace race = Stored(11);
  EXPECT_EQ(votes->toPlainText(), FromCp932(JoinLines(VoteLines(race))));
  EXPECT_EQ(margins->toPlainText(), FromCp932(JoinLines(MarginLines(race))));
  EXPECT_EQ(payouts->toPlainText(), FromCp932(JoinLines(PayoutLines(race))));
  EXPECT_TRUE(payouts->toPlainText().startsWith(U("単　勝  1 / 340")));
  EXPECT_TRUE(votes->isReadOnly());
  // Full-width characters are twice as wide as half-width ones.
  const QFontMetrics fm(payouts->font());
  EXPECT_EQ(fm.horizontalAdvance(U("単")), 2 * fm.horizontalAdvance("1"));
  EXPECT_EQ(fm.horizontalAdvance("1"), fm.horizontalAdvance(" "));
  // A race without result: payouts and margins empty.
  test::RaceRecipe r;
  r.RaceNo = 11;
  r.Result = false;
  StoreRace(data_.Path(), test::MakeRace(r));
  f.actRefresh->trigger();
  EXPECT_EQ(payouts->toPlainText(), "");
  EXPECT_EQ(margins->toPlainText(), "");
  EXPECT_FALSE(votes->toPlainText().isEmpty());
}

TEST_F(AnalysisTabsTest, SettingsDialogPutsTheBudgetIntoTheCalculator) {
  auto* budget = Find<QLineEdit>("edtBuyTotal");
  ASSERT_TRUE(budget);
  Setting.BuyTotal = 3000;
  test::WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); });
  form_->actSetting->trigger();
  EXPECT_EQ(budget->text(), "1000");
  test::WhenModal([](QWidget* w) { qobject_cast<QDialog*>(w)->accept(); });
  form_->actSetting->trigger();
  EXPECT_EQ(budget->text(), "3000");
}

TEST_F(AnalysisTabsTest, ClickingTheSelectedRaceLoadsItAgain) {
  test::RaceRecipe r;
  r.Readings = 2;
  StoreRace(data_.Path(), test::MakeRace(r));
  TMainForm& f = *form_;
  f.show();
  f.OpenDate(kDay);
  ASSERT_EQ(f.sgOddsTime->rowCount(), 2);
  r.Readings = 3;
  StoreRace(data_.Path(), test::MakeRace(r));
  test::ClickCell(f.sgRace, 0, 1);
  EXPECT_EQ(f.sgOddsTime->rowCount(), 3);
  EXPECT_EQ(f.FOddsIndex, 2);
}

TEST_F(AnalysisTabsTest, CalculatorFromClicksOnTheCardAndTheOddsTabs) {
  TMainForm& f = ShownWithBigRace();
  auto* calc = Grid("sgOddsCalc");
  auto* budget = Find<QLineEdit>("edtBuyTotal");
  auto* correction = Find<QLineEdit>("edtUmaBuy");
  auto* total = Find<QLabel>("lblCalcedBuyTotal");
  auto* profit = Find<QLabel>("lblProfit");
  auto* rate = Find<QLabel>("lblKaisyuRitu");
  ASSERT_TRUE(calc && budget && correction && total && profit && rate);
  EXPECT_EQ(calc->rowCount(), 1);
  EXPECT_EQ(calc->horizontalHeaderItem(2)->text(), U("オッズ"));
  EXPECT_EQ(budget->text(), "1000");
  EXPECT_EQ(correction->text(), "0");
  EXPECT_EQ(rate->text(), "0.00");
  // The numeric fields take at most 10 digits and nothing else.
  int pos = 0;
  QString text = "12345678901";
  EXPECT_NE(budget->validator()->validate(text, pos), QValidator::Acceptable);
  text = "-5";
  EXPECT_EQ(budget->validator()->validate(text, pos), QValidator::Invalid);

  test::ClickCell(f.sgSyutuba, 2, kColWin);  // horse 3 to win
  ShowTab(1);
  test::ClickCell(Grid("sgWaku"), 0, 3);  // column 3, row 1
  test::ClickCell(Grid("sgWaku"), 0, 0);  // the fixed column: nothing
  ShowTab(2);
  test::ClickCell(Grid("sgBaren"), 0, 3);
  ShowTab(3);
  test::ClickCell(Grid("sgUmatan"), 2, 7);  // 7 first, 3 second
  ShowTab(4);
  QTableWidget* sorted = Grid("sgSortedWide");
  for (int r = 0; r < sorted->rowCount(); ++r)
    if (sorted->item(r, 0)->text() == " 3- 9") {
      sorted->scrollToItem(sorted->item(r, 0));
      test::ClickCell(sorted, r, 0);
    }
  ShowTab(8);
  ASSERT_EQ(calc->rowCount(), 5);
  const QStringList expected[] = {
      {U("単"), "3", QString(Cell(f.sgSyutuba, 3, kColWin)).remove(' '), "", ""},
      {U("枠"), "3-1", "8.4", "", ""},
      {U("馬"), "1-3", "12.0", "", ""},
      {"UT", "7-3", "40.8", "", ""},
      {U("ワ"), "3-9", "2.1", "", ""},
  };
  for (int r = 0; r < 5; ++r)
    for (int c = 0; c < kCalcColumns; ++c) EXPECT_EQ(Cell(calc, r + 1, c), expected[r][c]) << r << c;

  // "計算" spreads the budget; the figures are those of the view layer.
  TCalcLines lines;
  for (int r = 1; r <= 5; ++r) {
    TCalcLine line;
    for (int c = 0; c < kCalcColumns; ++c) line[c] = Utf8ToCp932(Cell(calc, r, c).toStdString());
    lines.push_back(line);
  }
  SpreadBudget(lines, "1000", 0);
  TCalcTotals totals = CalcProfit(lines);
  Find<QPushButton>("btnOddsCalc")->click();
  for (int r = 1; r <= 5; ++r) {
    EXPECT_EQ(Cell(calc, r, kCalcStake), FromCp932(lines[r - 1][kCalcStake]));
    EXPECT_EQ(Cell(calc, r, kCalcProfit), FromCp932(lines[r - 1][kCalcProfit]));
  }
  EXPECT_EQ(total->text(), FromCp932(totals.Total));
  EXPECT_EQ(profit->text(), FromCp932(totals.Profit));
  EXPECT_EQ(rate->text(), FromCp932(totals.ReturnRate));

  // A click on a line offers its stake; a correction recomputes.
  test::ClickCell(calc, 1, 0);
  EXPECT_EQ(correction->text(), Cell(calc, 2, kCalcStake));
  correction->setText("1000");
  EXPECT_EQ(Cell(calc, 2, kCalcStake), "1000");
  lines[1][kCalcStake] = "1000";
  totals = CalcProfit(lines);
  EXPECT_EQ(Cell(calc, 2, kCalcProfit), FromCp932(lines[1][kCalcProfit]));
  EXPECT_EQ(total->text(), FromCp932(totals.Total));

  // Deleting a line leaves the totals; clearing resets everything.
  Find<QPushButton>("btnOddsDelete")->click();
  ASSERT_EQ(calc->rowCount(), 4);
  EXPECT_EQ(Cell(calc, 2, kCalcCombination), "1-3");
  EXPECT_EQ(total->text(), FromCp932(totals.Total));
  Find<QPushButton>("btnOddsClear")->click();
  EXPECT_EQ(calc->rowCount(), 1);
  EXPECT_EQ(Cell(calc, 1, 0), "");
  EXPECT_EQ(total->text(), "0");
  EXPECT_EQ(profit->text(), "0");
  EXPECT_EQ(rate->text(), "0.00");
  // "計算" on an empty calculator does nothing.
  Find<QPushButton>("btnOddsCalc")->click();
  EXPECT_EQ(Cell(calc, 1, kCalcStake), "");
}

}  // namespace
}  // namespace vorpa
