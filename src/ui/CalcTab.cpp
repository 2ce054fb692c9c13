#include "ui/CalcTab.h"

#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QTableWidget>

#include "core/Setting.h"
#include "ui/GridText.h"
#include "ui/ViewToQt.h"
#include "view/CalcEntry.h"
#include "view/Zoom.h"

namespace vorpa {

namespace {

// The controls right of the grid sit on a panel whose left edge is at
// x = 215 of the page and whose top is at y = 4.
constexpr int kPanelLeft = 215, kPanelTop = 4;
// The grid's design size.
constexpr QSize kGridSize(207, 293);

QRect At(int left, int top, int width, int height) {
  return QRect(left - kPanelLeft, top - kPanelTop, width, height);
}

QLabel* NewLabel(QWidget* panel, const char* text, int left, int top) {
  auto* l = new QLabel(QString::fromUtf8(text), panel);
  l->move(left - kPanelLeft, top - kPanelTop);
  return l;
}

// A right-aligned result label whose right edge is at x = 445.
QLabel* NewFigure(QWidget* panel, const char* name, const char* start, int top) {
  auto* l = new QLabel(start, panel);
  l->setObjectName(name);
  l->setAlignment(Qt::AlignRight | Qt::AlignTop);
  l->setGeometry(At(445 - 100, top, 100, 16));
  return l;
}

// An unsigned whole number of at most 10 digits.
QLineEdit* NewNumberEdit(QWidget* panel, const char* name, int left, int top) {
  auto* e = new QLineEdit(panel);
  e->setObjectName(name);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression("[0-9]{0,10}"), e));
  e->setGeometry(At(left, top, 65, 20));
  return e;
}

QPushButton* NewButton(QWidget* panel, const char* name, const char* caption, int left, int top) {
  auto* b = new QPushButton(QString::fromUtf8(caption), panel);
  b->setObjectName(name);
  b->setGeometry(At(left, top, 57, 25));
  return b;
}

}  // namespace

TCalcTab::TCalcTab(QWidget* page) : QObject(page) {
  CreateControls(page);
  connect(btnOddsCalc, &QPushButton::clicked, this, &TCalcTab::btnOddsCalcClick);
  connect(btnOddsDelete, &QPushButton::clicked, this, &TCalcTab::btnOddsDeleteClick);
  connect(btnOddsClear, &QPushButton::clicked, this, &TCalcTab::btnOddsClearClick);
  connect(sgOddsCalc, &QTableWidget::cellClicked, this, &TCalcTab::sgOddsCalcClick);
  connect(edtUmaBuy, &QLineEdit::textChanged, this, &TCalcTab::edtUmaBuyChange);
  connect(btnBoxAdd, &QPushButton::clicked, this, &TCalcTab::btnBoxAddClick);
  connect(btnFormationAdd, &QPushButton::clicked, this, &TCalcTab::btnFormationAddClick);
}

void TCalcTab::CreateControls(QWidget* page) {
  sgOddsCalc = NewViewGrid(page, "sgOddsCalc");
  const auto& headers = CalcHeaders();
  const auto& widths = CalcColumnWidths();
  SetUpGrid(sgOddsCalc, {headers.begin(), headers.end()}, {widths.begin(), widths.end()});
  sgOddsCalc->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgOddsCalc->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  sgOddsCalc->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  SetZoom(kZoomMin);
  SetCurrentCellQuietly(sgOddsCalc, 1, 0);

  auto* panel = new QWidget(page);
  panel->setObjectName("pnlCalc");
  panel->setFixedSize(455 - kPanelLeft, 293);
  NewLabel(panel, "購入額：", 338, 52);
  edtBuyTotal = NewNumberEdit(panel, "edtBuyTotal", 386, 48);
  NewLabel(panel, "修正：", 338, 84);
  edtUmaBuy = NewNumberEdit(panel, "edtUmaBuy", 386, 80);
  edtUmaBuy->setText("0");
  btnOddsCalc = NewButton(panel, "btnOddsCalc", "計算", 394, 120);
  btnOddsDelete = NewButton(panel, "btnOddsDelete", "行削除", 234, 120);
  btnOddsClear = NewButton(panel, "btnOddsClear", "クリア", 234, 176);
  NewLabel(panel, "合計", 338, 180);
  lblCalcedBuyTotal = NewFigure(panel, "lblCalcedBuyTotal", "0", 180);
  NewLabel(panel, "利益", 338, 204);
  lblProfit = NewFigure(panel, "lblProfit", "0", 204);
  NewLabel(panel, "平均回収率", 338, 228);
  lblKaisyuRitu = NewFigure(panel, "lblKaisyuRitu", "0.00", 228);
  NewLabel(panel, "合成オッズ", 338, 252);
  lblGouseiOdds = NewFigure(panel, "lblGouseiOdds", "0.00", 252);

  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(4);
  layout->addWidget(sgOddsCalc);
  layout->addWidget(panel, 0, Qt::AlignTop);
  layout->addWidget(CreateEntryPanel(page), 0, Qt::AlignTop);
  layout->addStretch(1);
}

QWidget* TCalcTab::CreateEntryPanel(QWidget* page) {
  auto* box = new QGroupBox(QString::fromUtf8("まとめて入力"), page);
  box->setObjectName("grpCalcEntry");
  box->setFixedWidth(270);
  auto* form = new QFormLayout(box);
  form->setContentsMargins(6, 4, 6, 6);
  form->setVerticalSpacing(4);
  auto edit = [box](const char* name, const char* hint) {
    auto* e = new QLineEdit(box);
    e->setObjectName(name);
    e->setPlaceholderText(QString::fromUtf8(hint));
    e->setMaxLength(60);
    return e;
  };
  auto button = [box](const char* name, const char* caption) {
    auto* b = new QPushButton(QString::fromUtf8(caption), box);
    b->setObjectName(name);
    return b;
  };
  cmbEntryKind = new QComboBox(box);
  cmbEntryKind->setObjectName("cmbEntryKind");
  // Items in the order of TPairKind.
  for (const char* kind : {"枠連", "馬連", "馬単", "ワイド"}) cmbEntryKind->addItem(QString::fromUtf8(kind));
  cmbEntryKind->setCurrentIndex(kPairQuinella);
  form->addRow(QString::fromUtf8("券種："), cmbEntryKind);
  edtBoxNumbers = edit("edtBoxNumbers", "例 1-3-5");
  form->addRow(QString::fromUtf8("ボックス："), edtBoxNumbers);
  btnBoxAdd = button("btnBoxAdd", "ボックス追加");
  form->addRow(QString(), btnBoxAdd);
  edtFormFirst = edit("edtFormFirst", "1着・軸 例 1,2");
  form->addRow(QString::fromUtf8("1頭目："), edtFormFirst);
  edtFormSecond = edit("edtFormSecond", "相手 例 3-4-5");
  form->addRow(QString::fromUtf8("2頭目："), edtFormSecond);
  btnFormationAdd = button("btnFormationAdd", "フォーメーション追加");
  form->addRow(QString(), btnFormationAdd);
  auto* note = new QLabel(QString::fromUtf8("表示中のオッズで行を追加します。\n馬単は1頭目が1着です。"), box);
  note->setObjectName("lblEntryNote");
  form->addRow(note);
  return box;
}

void TCalcTab::SetZoom(int zoom) {
  ZoomGrid(sgOddsCalc, zoom);
  sgOddsCalc->setMinimumSize(Zoomed(kGridSize.width(), zoom), kGridSize.height());
  sgOddsCalc->setFixedWidth(Zoomed(kGridSize.width(), zoom));
}

TCalcLines TCalcTab::Lines() const {
  TCalcLines lines(sgOddsCalc->rowCount());
  for (size_t r = 0; r < lines.size(); ++r)
    for (int c = 0; c < kCalcColumns; ++c) lines[r][c] = CellText(sgOddsCalc, static_cast<int>(r) + 1, c);
  return lines;
}

void TCalcTab::ShowLines(const TCalcLines& lines) {
  SetBodyRows(sgOddsCalc, static_cast<int>(lines.size()));
  for (size_t r = 0; r < lines.size(); ++r)
    for (int c = 0; c < kCalcColumns; ++c)
      SetCellText(sgOddsCalc, static_cast<int>(r) + 1, c, lines[r][c]);
  lblGouseiOdds->setText(FromCp932(SyntheticOdds(lines)));
}

void TCalcTab::ShowTotals(const TCalcTotals& totals) {
  lblCalcedBuyTotal->setText(FromCp932(totals.Total));
  lblProfit->setText(FromCp932(totals.Profit));
  lblKaisyuRitu->setText(FromCp932(totals.ReturnRate));
}

int TCalcTab::CurrentLine() const { return sgOddsCalc->currentRow() + 1; }

void TCalcTab::AddCalcRow(const TCalcRow& bet) {
  TCalcLines lines = Lines();
  vorpa::AddCalcRow(lines, bet);
  ShowLines(lines);
}

void TCalcTab::SetOddsViews(const std::array<TOddsView, kPairKinds>& views) { views_ = views; }

TPairKind TCalcTab::EntryKind() const { return static_cast<TPairKind>(cmbEntryKind->currentIndex()); }

bool TCalcTab::EntryNumbers(QLineEdit* edit, std::vector<int>* out) {
  if (ParseNumberList(Utf8ToCp932(edit->text().toStdString()), MatrixSize(EntryKind()), out))
    return true;
  QMessageBox::warning(sgOddsCalc->window(), "Vorpa",
                       QString::fromUtf8(EntryKind() == kPairBracket
                                             ? "枠番を 1-3-5 のように区切って入力してください。"
                                             : "馬番を 1-3-5 のように区切って入力してください。"));
  edit->setFocus();
  return false;
}

void TCalcTab::AddBets(const std::vector<TCalcRow>& bets) {
  if (bets.empty()) {
    QMessageBox::warning(sgOddsCalc->window(), "Vorpa",
                         QString::fromUtf8("表示中のオッズにある組合せがありません。"));
    return;
  }
  TCalcLines lines = Lines();
  for (const TCalcRow& bet : bets) vorpa::AddCalcRow(lines, bet);
  ShowLines(lines);
}

void TCalcTab::btnBoxAddClick() {
  std::vector<int> numbers;
  if (!EntryNumbers(edtBoxNumbers, &numbers)) return;
  if (numbers.size() < 2) {
    QMessageBox::warning(sgOddsCalc->window(), "Vorpa",
                         QString::fromUtf8("ボックスには番号を2つ以上入力してください。"));
    return;
  }
  AddBets(BoxBets(views_[EntryKind()], EntryKind(), numbers));
}

void TCalcTab::btnFormationAddClick() {
  std::vector<int> first, second;
  if (EntryNumbers(edtFormFirst, &first) && EntryNumbers(edtFormSecond, &second))
    AddBets(FormationBets(views_[EntryKind()], EntryKind(), first, second));
}

void TCalcTab::SetBuyTotal(int buyTotal) { edtBuyTotal->setText(QString::number(buyTotal)); }

void TCalcTab::CalcProfit() {
  TCalcLines lines = Lines();
  const TCalcTotals totals = vorpa::CalcProfit(lines);
  ShowLines(lines);
  ShowTotals(totals);
}

void TCalcTab::btnOddsCalcClick() {
  TCalcLines lines = Lines();
  if (CalcIsEmpty(lines)) return;
  SpreadBudget(lines, edtBuyTotal->text().toStdString(), Setting.BuyCalc);
  ShowLines(lines);
  CalcProfit();
}

void TCalcTab::btnOddsDeleteClick() {
  TCalcLines lines = Lines();
  DeleteCalcRow(lines, CurrentLine());
  ShowLines(lines);
}

void TCalcTab::btnOddsClearClick() {
  ShowLines(EmptyCalcLines());
  ShowTotals(TCalcTotals());
}

void TCalcTab::sgOddsCalcClick() {
  const int r = CurrentLine();
  if (r < 1) return;
  const std::string stake = CellText(sgOddsCalc, r, kCalcStake);
  if (!stake.empty()) edtUmaBuy->setText(FromCp932(stake));
}

void TCalcTab::edtUmaBuyChange() {
  const int r = CurrentLine();
  if (r < 1 || CellText(sgOddsCalc, r, kCalcStake).empty()) return;
  SetCellText(sgOddsCalc, r, kCalcStake, CorrectedStake(edtUmaBuy->text().toStdString()));
  CalcProfit();
}

}  // namespace vorpa
