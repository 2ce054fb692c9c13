#include "ui/SettingForm.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QShowEvent>
#include <QSignalBlocker>
#include <QSlider>
#include <QTabWidget>
#include <QTableWidget>
#include <QTimeEdit>
#include <QToolButton>
#include <QVBoxLayout>

#include "core/Cp932.h"
#include "core/DayCount.h"
#include "core/Remark.h"
#include "ui/AlertSettingPage.h"
#include "ui/GridText.h"
#include "ui/RadioGroup.h"
#include "ui/ViewToQt.h"

namespace vorpa {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }
std::string Sjis(const QString& s) { return Utf8ToCp932(s.toStdString()); }

QLabel* Caption(const char* utf8) { return new QLabel(U(utf8)); }

QLineEdit* NewEdit(QWidget* parent, const char* name) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  return e;
}

// A numeric edit for unsigned whole numbers of at most `digits` digits.
QLineEdit* NewNumberEdit(QWidget* parent, const char* name, int digits) {
  QLineEdit* e = NewEdit(parent, name);
  e->setMaxLength(digits);
  e->setValidator(new QRegularExpressionValidator(
      QRegularExpression(QString("[0-9]{0,%1}").arg(digits)), e));
  e->setFixedWidth(e->fontMetrics().horizontalAdvance('0') * (digits + 1) + 14);
  e->setAlignment(Qt::AlignRight);
  return e;
}

QTimeEdit* NewTimePicker(QWidget* parent, const QString& name) {
  auto* t = new QTimeEdit(parent);
  t->setObjectName(name);
  t->setDisplayFormat("HH:mm");
  return t;
}

QCheckBox* NewCheck(QWidget* parent, const char* name, const char* caption) {
  auto* c = new QCheckBox(U(caption), parent);
  c->setObjectName(name);
  return c;
}

QPushButton* NewButton(QWidget* parent, const char* name, const char* caption) {
  auto* b = new QPushButton(U(caption), parent);
  b->setObjectName(name);
  return b;
}

QString RaceControlName(const char* word, int r, int k) {
  return QString::asprintf("%s%.2d%d", word, r, k);
}

QTime ToQTime(double t) {
  CivilTime c = DecodeTime(TimeOf(t));
  return QTime(c.Hour, c.Minute, c.Second);
}
double FromQTime(const QTime& t) { return EncodeTime(t.hour(), t.minute(), t.second()); }

// The colour buttons' picture: a small palette of four colours.
QIcon PaletteIcon() {
  QPixmap pm(16, 16);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.fillRect(1, 1, 7, 7, QColor(0xFF, 0, 0));
  p.fillRect(8, 1, 7, 7, QColor(0, 0xA0, 0));
  p.fillRect(1, 8, 7, 7, QColor(0, 0, 0xFF));
  p.fillRect(8, 8, 7, 7, QColor(0xFF, 0xD0, 0));
  p.setPen(Qt::black);
  p.drawRect(0, 0, 15, 15);
  return QIcon(pm);
}

// A row of widgets and captions, left-aligned.
QHBoxLayout* Row(std::initializer_list<QWidget*> items) {
  auto* h = new QHBoxLayout;
  for (QWidget* w : items) h->addWidget(w);
  h->addStretch();
  return h;
}

}  // namespace

TSettingForm::TSettingForm(const std::string& configDir, QWidget* parent)
    : QDialog(parent), configDir_(configDir), remarks_(TRemarkables{}) {
  setObjectName("SettingForm");
  setWindowTitle(U("初期設定"));
  PageControl1 = new QTabWidget(this);
  PageControl1->setObjectName("PageControl1");
  PageControl1->addTab(CreateIPatPage(), U("IPAT取得"));
  PageControl1->addTab(CreateTimingPage(), U("IPAT取得タイミング"));
  PageControl1->addTab(CreatePatPage(), U("PAT出力"));
  PageControl1->addTab(CreateOtherPage(), U("その他"));
  PageControl1->addTab(tsAlert = new TAlertSettingPage, U("アラート"));
  PageControl1->setCurrentIndex(0);

  btnOK = NewButton(this, "btnOK", "OK");
  btnOK->setDefault(true);
  btnCancel = NewButton(this, "btnCancel", "キャンセル");
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(btnOK);
  buttons->addWidget(btnCancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(PageControl1);
  layout->addLayout(buttons);

  connect(btnOK, &QPushButton::clicked, this, &TSettingForm::btnOKClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

QWidget* TSettingForm::CreateIPatPage() {
  auto* page = new QWidget;
  page->setObjectName("tsIPat");
  edtINetID = NewEdit(page, "edtINetID");
  edtINetID->setMaxLength(kINetIDLength);
  edtINetID->setFixedWidth(edtINetID->fontMetrics().horizontalAdvance('W') * kINetIDLength + 14);
  edtIPatHost = NewEdit(page, "edtIPatHost");
  edtIPatHost->setMaxLength(255);
  edtIPatHost->setPlaceholderText(QString::fromUtf8(kDefaultIPatHost));
  edtIPatHost->setToolTip(QString::fromUtf8("IPAT情報サーバーの「ホスト」または「ホスト:ポート」"));
  edtMojiPath = NewEdit(page, "edtMojiPath");
  btnSelMojiPath = NewButton(page, "btnSelMojiPath", "選択...");
  edtMaxOddsCnt = NewNumberEdit(page, "edtMaxOddsCnt", kMaxOddsCntDigits);
  chkAutoIPAT = NewCheck(page, "chkAutoIPAT", "自動取得開始");
  chkAutoExit = NewCheck(page, "chkAutoExit", "全情報取得後、プログラム終了");
  trkbPriority = new QSlider(Qt::Horizontal, page);
  trkbPriority->setObjectName("trkbPriority");
  trkbPriority->setRange(0, 6);
  trkbPriority->setPageStep(1);
  trkbPriority->setTickPosition(QSlider::TicksBelow);
  trkbPriority->setFixedWidth(160);
  lblPriority = new QLabel(page);
  lblPriority->setObjectName("lblPriority");
  lblPriority->setMinimumWidth(lblPriority->fontMetrics().horizontalAdvance("TimeCritical") + 4);

  auto* g = new QGridLayout(page);
  g->addWidget(Caption("INET-ID："), 0, 0);
  g->addLayout(Row({edtINetID}), 0, 1);
  g->addWidget(Caption("データ保存先："), 1, 0);
  g->addWidget(edtMojiPath, 1, 1);
  g->addWidget(btnSelMojiPath, 1, 2);
  g->addWidget(Caption("時系列オッズ記録："), 2, 0);
  g->addLayout(Row({Caption("最大"), edtMaxOddsCnt, Caption("件")}), 2, 1);
  g->addWidget(chkAutoIPAT, 3, 0, 1, 3);
  g->addWidget(chkAutoExit, 4, 0, 1, 3);
  g->addWidget(Caption("取得スレッド優先度："), 5, 0);
  g->addLayout(Row({trkbPriority, lblPriority}), 5, 1);
  g->addWidget(Caption("IPATサーバー："), 6, 0);
  g->addWidget(edtIPatHost, 6, 1);
  g->setRowStretch(7, 1);
  g->setColumnStretch(1, 1);

  connect(btnSelMojiPath, &QPushButton::clicked, this, [this] { SelectDirectory(edtMojiPath); });
  connect(trkbPriority, &QSlider::valueChanged, this, [this](int position) {
    lblPriority->setText(QString::fromStdString(PriorityName(position)));
  });
  return page;
}

QWidget* TSettingForm::CreateTimingPage() {
  auto* page = new QWidget;
  page->setObjectName("tsIPatTiming");
  edtIPatChkCycle = NewNumberEdit(page, "edtIPatChkCycle", kIPatChkCycleDigits);
  dtpIpatStartTime = NewTimePicker(page, "dtpIpatStartTime");
  edtIPatGetCycle = NewNumberEdit(page, "edtIPatGetCycle", kIPatGetCycleDigits);
  btnClearGetTime = NewButton(page, "btnClearGetTime", "クリア");

  auto* v = new QVBoxLayout(page);
  v->addLayout(Row({Caption("チェック："), edtIPatChkCycle, Caption("分間隔")}));
  v->addLayout(Row({Caption("取得タイミング："), dtpIpatStartTime, Caption("から"), edtIPatGetCycle,
                    Caption("分間隔")}));
  v->addLayout(Row({Caption("レース別オッズ取得時刻指定："), btnClearGetTime}));
  auto* races = new QGridLayout;
  races->setHorizontalSpacing(6);
  races->setVerticalSpacing(2);
  for (int r = 1; r <= kGetTimeRaces; ++r) {
    auto* label = new QLabel(QString("%1R").arg(r), page);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    races->addWidget(label, r - 1, 0);
    for (int k = 1; k <= kGetTimeSlots; ++k) {
      auto* before = new QCheckBox(U("発走前"), page);
      before->setObjectName(RaceControlName("chkIpatGetTimeBefore", r, k));
      chkIpatGetTimeBefore[r - 1][k - 1] = before;
      dtpIpatGetTime[r - 1][k - 1] = NewTimePicker(page, RaceControlName("dtpIpatGetTime", r, k));
      races->addWidget(before, r - 1, 2 * k - 1);
      races->addWidget(dtpIpatGetTime[r - 1][k - 1], r - 1, 2 * k);
    }
  }
  races->setColumnStretch(7, 1);
  v->addLayout(races);
  auto* note = Caption("(発走前：チェック＝各レースの発走時刻から指定時間前の時刻、未チェック＝指定時刻)");
  note->setWordWrap(true);
  v->addWidget(note);
  v->addStretch();

  connect(btnClearGetTime, &QPushButton::clicked, this, &TSettingForm::btnClearGetTimeClick);
  return page;
}

QWidget* TSettingForm::CreatePatPage() {
  auto* page = new QWidget;
  page->setObjectName("tsPat");
  auto* g = new QGridLayout(page);
  struct Dir {
    QLineEdit** edit;
    QPushButton** button;
    const char* editName;
    const char* buttonName;
    const char* caption;
  };
  const Dir dirs[] = {
      {&edtJRA95Path, &btnSelJRA95Path, "edtJRA95Path", "btnSelJRA95Path", "PAT 95 風データ出力先："},
      {&edtJRA98Path, &btnSelJRA98Path, "edtJRA98Path", "btnSelJRA98Path", "PAT 95/98風 データ出力先："},
      {&edtJRAV50Path, &btnSelJRAV50Path, "edtJRAV50Path", "btnSelJRAV50Path", "PAT V50 風データ出力先："},
  };
  int row = 0;
  for (const Dir& d : dirs) {
    QLineEdit* edit = *d.edit = NewEdit(page, d.editName);
    *d.button = NewButton(page, d.buttonName, "選択...");
    g->addWidget(Caption(d.caption), row, 0, 1, 2);
    g->addWidget(edit, row + 1, 0);
    g->addWidget(*d.button, row + 1, 1);
    connect(*d.button, &QPushButton::clicked, this, [this, edit] { SelectDirectory(edit); });
    row += 2;
  }
  edtOddsOutLastTime = NewNumberEdit(page, "edtOddsOutLastTime", kOddsOutLastTimeDigits);
  chkAutoPat = NewCheck(page, "chkAutoPat", "IPAT情報取得時、自動出力");
  g->addLayout(Row({Caption("オッズ自動出力最終："), Caption("発走"), edtOddsOutLastTime,
                    Caption("分前まで")}),
               row++, 0, 1, 2);
  g->addWidget(chkAutoPat, row++, 0, 1, 2);
  g->setRowStretch(row, 1);
  g->setColumnStretch(0, 1);
  return page;
}

QWidget* TSettingForm::CreateOtherPage() {
  auto* page = new QWidget;
  page->setObjectName("tsOther");
  auto* view = new QGroupBox(U("表示"), page);
  rgDispKaisaiOrder = new TRadioGroup(U("開催情報表示順"), {U("開催地順"), U("開催時刻順")}, 1, view);
  rgDispKaisaiOrder->setObjectName("rgDispKaisaiOrder");
  rgDispUmaOrder = new TRadioGroup(
      U("出馬表示順"), {U("馬番"), U("単勝オッズ"), U("複勝オッズ"), U("馬連オッズ")}, 1, view);
  rgDispUmaOrder->setObjectName("rgDispUmaOrder");
  chkGridStriped = NewCheck(view, "chkGridStriped", "グリッド縞模様");
  chkOddsColored = NewCheck(view, "chkOddsColored", "オッズ色付け");
  chkDesktopNotify = NewCheck(view, "chkDesktopNotify", "エラーと取得完了をデスクトップに通知");
  auto* vl = new QVBoxLayout(view);
  vl->addWidget(rgDispKaisaiOrder);
  vl->addWidget(rgDispUmaOrder);
  vl->addWidget(chkGridStriped);
  vl->addWidget(chkOddsColored);
  vl->addWidget(chkDesktopNotify);
  vl->addStretch();

  auto* buy = new QGroupBox(U("購入支援"), page);
  edtBuyTotal = NewNumberEdit(buy, "edtBuyTotal", kBuyTotalDigits);
  rgBuyCalc = new TRadioGroup(U("購入額意味"), {U("合計(按分)"), U("購入単位")}, 1, buy);
  rgBuyCalc->setObjectName("rgBuyCalc");
  auto* bl = new QVBoxLayout(buy);
  bl->addLayout(Row({Caption("購入額："), edtBuyTotal, Caption("円")}));
  bl->addWidget(rgBuyCalc);

  auto* left = new QVBoxLayout;
  left->addWidget(view);
  left->addWidget(buy);
  auto* h = new QHBoxLayout(page);
  h->addLayout(left);
  h->addWidget(CreateRemarkEditor(), 1);
  return page;
}

QWidget* TSettingForm::CreateRemarkEditor() {
  auto* box = new QGroupBox(U("馬/騎手/調教師 色付け"));
  sgRemarkable = new QTableWidget(box);
  sgRemarkable->setObjectName("sgRemarkable");
  SetUpGrid(sgRemarkable, {Utf8ToCp932("注目"), Utf8ToCp932("文字色"), Utf8ToCp932("背景色")},
            {110, 56, 56});
  sgRemarkable->setSelectionBehavior(QAbstractItemView::SelectRows);
  sgRemarkable->setSelectionMode(QAbstractItemView::SingleSelection);
  sgRemarkable->verticalHeader()->setDefaultSectionSize(18);
  edtRemarkName = NewEdit(box, "edtRemarkName");
  edtRemarkColor = NewEdit(box, "edtRemarkColor");
  edtRemarkBGColor = NewEdit(box, "edtRemarkBGColor");
  for (QLineEdit* e : {edtRemarkColor, edtRemarkBGColor}) e->setFixedWidth(72);
  btnRemarkColor = new QToolButton(box);
  btnRemarkColor->setObjectName("btnRemarkColor");
  btnRemarkBGColor = new QToolButton(box);
  btnRemarkBGColor->setObjectName("btnRemarkBGColor");
  for (QToolButton* b : {btnRemarkColor, btnRemarkBGColor}) b->setIcon(PaletteIcon());
  btnAddRemark = NewButton(box, "btnAddRemark", "追加/修正");
  btnDelRemark = NewButton(box, "btnDelRemark", "削除");
  btnUp = new QToolButton(box);
  btnUp->setObjectName("btnUp");
  btnUp->setArrowType(Qt::UpArrow);
  btnDown = new QToolButton(box);
  btnDown->setObjectName("btnDown");
  btnDown->setArrowType(Qt::DownArrow);
  btnColor = NewButton(box, "btnColor", "色確認");

  auto* moves = new QVBoxLayout;
  moves->addStretch();
  moves->addWidget(btnUp);
  moves->addWidget(btnDown);
  moves->addStretch();
  auto* top = new QHBoxLayout;
  top->addWidget(sgRemarkable, 1);
  top->addLayout(moves);
  auto* edits = new QGridLayout;
  edits->addWidget(Caption("注目："), 0, 0);
  edits->addWidget(edtRemarkName, 0, 1, 1, 3);
  edits->addWidget(Caption("文字："), 1, 0);
  edits->addWidget(edtRemarkColor, 1, 1);
  edits->addWidget(btnRemarkColor, 1, 2);
  edits->addWidget(btnAddRemark, 1, 3);
  edits->addWidget(Caption("背景："), 2, 0);
  edits->addWidget(edtRemarkBGColor, 2, 1);
  edits->addWidget(btnRemarkBGColor, 2, 2);
  edits->addWidget(btnDelRemark, 2, 3);
  edits->addWidget(btnColor, 3, 3);
  auto* v = new QVBoxLayout(box);
  v->addLayout(top, 1);
  v->addLayout(edits);

  connect(sgRemarkable, &QTableWidget::cellClicked, this,
          [this](int row, int) { sgRemarkableClick(row); });
  connect(sgRemarkable, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int oldRow, int) {
            if (row != oldRow) sgRemarkableClick(row);
          });
  connect(btnAddRemark, &QPushButton::clicked, this, &TSettingForm::btnAddRemarkClick);
  connect(btnDelRemark, &QPushButton::clicked, this, [this] {
    remarks_.Delete();
    ShowRemarkGrid();
  });
  connect(btnUp, &QToolButton::clicked, this, [this] {
    remarks_.Up();
    ShowRemarkGrid();
  });
  connect(btnDown, &QToolButton::clicked, this, [this] {
    remarks_.Down();
    ShowRemarkGrid();
  });
  connect(btnRemarkColor, &QToolButton::clicked, this, [this] { ChooseColor(edtRemarkColor); });
  connect(btnRemarkBGColor, &QToolButton::clicked, this, [this] { ChooseColor(edtRemarkBGColor); });
  connect(btnColor, &QPushButton::clicked, this, &TSettingForm::btnColorClick);
  return box;
}

void TSettingForm::showEvent(QShowEvent* event) {
  if (!event->spontaneous()) FormShow();
  QDialog::showEvent(event);
}

void TSettingForm::FormShow() {
  WriteControls(ControlsFromSetting(Setting));
  tsAlert->Load(Setting);
  remarks_ = TRemarkGrid(Remarks);
  ShowRemarkGrid();
  edtRemarkName->clear();
  edtRemarkColor->clear();
  edtRemarkBGColor->clear();
  edtRemarkName->setPalette(QPalette());
}

TSettingControls TSettingForm::ReadControls() const {
  TSettingControls c;
  c.INetID = Sjis(edtINetID->text());
  c.IPatHost = edtIPatHost->text().toStdString();
  c.MojiPath = edtMojiPath->text().toStdString();
  c.JRA95Path = edtJRA95Path->text().toStdString();
  c.JRA98Path = edtJRA98Path->text().toStdString();
  c.JRAV50Path = edtJRAV50Path->text().toStdString();
  c.MaxOddsCnt = edtMaxOddsCnt->text().toStdString();
  c.IPatChkCycle = edtIPatChkCycle->text().toStdString();
  c.IPatGetCycle = edtIPatGetCycle->text().toStdString();
  c.OddsOutLastTime = edtOddsOutLastTime->text().toStdString();
  c.BuyTotal = edtBuyTotal->text().toStdString();
  c.AutoIPat = chkAutoIPAT->isChecked();
  c.AutoExit = chkAutoExit->isChecked();
  c.AutoPat = chkAutoPat->isChecked();
  c.GridStriped = chkGridStriped->isChecked();
  c.OddsColored = chkOddsColored->isChecked();
  c.DesktopNotify = chkDesktopNotify->isChecked();
  c.DispKaisaiOrder = rgDispKaisaiOrder->ItemIndex();
  c.DispUmaOrder = rgDispUmaOrder->ItemIndex();
  c.BuyCalc = rgBuyCalc->ItemIndex();
  c.Priority = trkbPriority->value();
  c.IPatStartTime = FromQTime(dtpIpatStartTime->time());
  for (int r = 0; r < kGetTimeRaces; ++r)
    for (int k = 0; k < kGetTimeSlots; ++k) {
      c.GetBefore[r][k] = chkIpatGetTimeBefore[r][k]->isChecked();
      c.GetTime[r][k] = FromQTime(dtpIpatGetTime[r][k]->time());
    }
  return c;
}

void TSettingForm::WriteControls(const TSettingControls& c) {
  edtINetID->setText(FromCp932(c.INetID));
  edtIPatHost->setText(QString::fromStdString(c.IPatHost));
  edtMojiPath->setText(QString::fromStdString(c.MojiPath));
  edtJRA95Path->setText(QString::fromStdString(c.JRA95Path));
  edtJRA98Path->setText(QString::fromStdString(c.JRA98Path));
  edtJRAV50Path->setText(QString::fromStdString(c.JRAV50Path));
  edtMaxOddsCnt->setText(QString::fromStdString(c.MaxOddsCnt));
  edtIPatChkCycle->setText(QString::fromStdString(c.IPatChkCycle));
  edtIPatGetCycle->setText(QString::fromStdString(c.IPatGetCycle));
  edtOddsOutLastTime->setText(QString::fromStdString(c.OddsOutLastTime));
  edtBuyTotal->setText(QString::fromStdString(c.BuyTotal));
  chkAutoIPAT->setChecked(c.AutoIPat);
  chkAutoExit->setChecked(c.AutoExit);
  chkAutoPat->setChecked(c.AutoPat);
  chkGridStriped->setChecked(c.GridStriped);
  chkOddsColored->setChecked(c.OddsColored);
  chkDesktopNotify->setChecked(c.DesktopNotify);
  rgDispKaisaiOrder->SetItemIndex(c.DispKaisaiOrder);
  rgDispUmaOrder->SetItemIndex(c.DispUmaOrder);
  rgBuyCalc->SetItemIndex(c.BuyCalc);
  trkbPriority->setValue(c.Priority);
  lblPriority->setText(QString::fromStdString(PriorityName(c.Priority)));
  dtpIpatStartTime->setTime(ToQTime(c.IPatStartTime));
  for (int r = 0; r < kGetTimeRaces; ++r)
    for (int k = 0; k < kGetTimeSlots; ++k) {
      chkIpatGetTimeBefore[r][k]->setChecked(c.GetBefore[r][k]);
      dtpIpatGetTime[r][k]->setTime(ToQTime(c.GetTime[r][k]));
    }
}

void TSettingForm::ShowRemarkGrid() {
  const QSignalBlocker quiet(sgRemarkable);
  SetBodyRows(sgRemarkable, static_cast<int>(remarks_.Rows.size()));
  for (size_t i = 0; i < remarks_.Rows.size(); ++i) {
    const TRemarkRow& row = remarks_.Rows[i];
    const int r = static_cast<int>(i) + 1;
    SetCellText(sgRemarkable, r, 0, row.Name);
    SetCellText(sgRemarkable, r, 1, row.TextColor);
    SetCellText(sgRemarkable, r, 2, row.BackColor);
  }
  if (remarks_.Selected >= 0) {
    sgRemarkable->selectRow(remarks_.Selected);
  } else {
    sgRemarkable->clearSelection();
  }
}

void TSettingForm::ErrorBox(const std::string& cp932) {
  QMessageBox box(QMessageBox::Critical, windowTitle(), FromCp932(cp932), QMessageBox::Ok, this);
  box.setObjectName("SettingError");
  box.exec();
}

void TSettingForm::SelectDirectory(QLineEdit* edit) {
  const QString start = QDir(edit->text()).exists() && !edit->text().isEmpty() ? edit->text() : QString();
  const QString dir = QFileDialog::getExistingDirectory(this, U("選択..."), start);
  if (!dir.isEmpty()) edit->setText(dir);
}

void TSettingForm::btnClearGetTimeClick() {
  TSettingControls c = ReadControls();
  ClearGetTimes(c);
  WriteControls(c);
}

void TSettingForm::btnOKClick() {
  const TSettingControls c = ReadControls();
  std::string error = SettingControlsError(c);
  if (error.empty()) error = tsAlert->Error();
  if (!error.empty()) {
    ErrorBox(error);
    return;
  }
  StoreSettingControls(c, Setting);
  tsAlert->Store(Setting);
  Remarks = remarks_.ToRemarks();
  // The settings are in force from here; a file that cannot be written is
  // reported and keeps its old content.
  const std::string saveError = SaveSettingFiles(configDir_, Setting, Remarks);
  if (!saveError.empty()) ErrorBox(saveError);
  accept();
}

void TSettingForm::btnAddRemarkClick() {
  const std::string error = remarks_.AddOrReplace(Sjis(edtRemarkName->text()),
                                                  Sjis(edtRemarkColor->text()),
                                                  Sjis(edtRemarkBGColor->text()));
  if (!error.empty()) {
    ErrorBox(error);
    return;
  }
  ShowRemarkGrid();
}

void TSettingForm::sgRemarkableClick(int row) {
  if (row < 0 || row >= static_cast<int>(remarks_.Rows.size())) return;
  remarks_.Selected = row;
  const TRemarkRow& r = remarks_.Rows[row];
  edtRemarkName->setText(FromCp932(r.Name));
  edtRemarkColor->setText(FromCp932(r.TextColor));
  edtRemarkBGColor->setText(FromCp932(r.BackColor));
  btnColorClick();
}

void TSettingForm::ChooseColor(QLineEdit* edit) {
  // The dialog starts at the edit's colour (black when it does not read).
  const TColor current = RemarkPreviewColors(Sjis(edit->text()), "").Text;
  const QColor chosen = QColorDialog::getColor(ToQColor(current, palette()), this);
  if (!chosen.isValid()) return;
  edit->setText(QString::fromStdString(ColorText(Rgb(chosen.red(), chosen.green(), chosen.blue()))));
}

void TSettingForm::btnColorClick() {
  const TCellColors c = RemarkPreviewColors(Sjis(edtRemarkColor->text()), Sjis(edtRemarkBGColor->text()));
  QPalette pal = edtRemarkName->palette();
  pal.setColor(QPalette::Text, ToQColor(c.Text, pal));
  pal.setColor(QPalette::Base, ToQColor(c.Back, pal));
  edtRemarkName->setPalette(pal);
}

}  // namespace vorpa
