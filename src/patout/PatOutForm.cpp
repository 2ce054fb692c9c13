#include "patout/PatOutForm.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTimeEdit>
#include <QVBoxLayout>

#include "core/Clock.h"
#include "core/Cp932.h"
#include "core/DayCount.h"

namespace vorpa {
namespace {

const TSystemClock kSystemClock;

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

template <class T>
T* Named(T* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

// A group box with one radio button per item, the first checked.
QGroupBox* RadioGroup(QWidget* parent, const char* name, const char* caption,
                      std::initializer_list<const char*> items, QButtonGroup** group) {
  auto* box = Named(new QGroupBox(U(caption), parent), name);
  *group = new QButtonGroup(box);
  auto* layout = new QVBoxLayout(box);
  int id = 0;
  for (const char* item : items) {
    auto* b = new QRadioButton(U(item), box);
    (*group)->addButton(b, id++);
    layout->addWidget(b);
  }
  (*group)->button(0)->setChecked(true);
  return box;
}

}  // namespace

TPatOutForm::TPatOutForm(QWidget* parent) : QDialog(parent), clock_(&kSystemClock) {
  setObjectName("PatOutForm");
  setWindowTitle(U("PAT風データ出力"));
  setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint);

  auto* dayBox = Named(new QGroupBox(U("開催日出力"), this), "gbDay");
  cbOutYoukou = Named(new QCheckBox(U("開催要項"), dayBox), "cbOutYoukou");
  (new QVBoxLayout(dayBox))->addWidget(cbOutYoukou);
  auto* raceBox = Named(new QGroupBox(U("レース出力"), this), "gbRace");
  auto* raceLayout = new QVBoxLayout(raceBox);
  cbOutSyutuba = Named(new QCheckBox(U("出馬表"), raceBox), "cbOutSyutuba");
  cbOutWeight = Named(new QCheckBox(U("馬体重"), raceBox), "cbOutWeight");
  cbOutOdds = Named(new QCheckBox(U("オッズ"), raceBox), "cbOutOdds");
  cbOutResult = Named(new QCheckBox(U("競走成績"), raceBox), "cbOutResult");
  for (QCheckBox* c : {cbOutSyutuba, cbOutWeight, cbOutOdds, cbOutResult}) raceLayout->addWidget(c);

  rgRace = RadioGroup(this, "rgRace", "レース", {"全て", "指定RNo以降", "指定R"}, &rgRaceItems);
  rgOddsTimeRatest = RadioGroup(this, "rgOddsTimeRatest", "出力モード",
                                {"オッズ最新時刻", "オッズ指定時刻", "自動出力"}, &rgOddsTimeRatestItems);
  dtpOddsTime = Named(new QTimeEdit(this), "dtpOddsTime");
  dtpOddsTime->setDisplayFormat("HH:mm");
  btnNow = Named(new QPushButton(U("現在時刻"), this), "btnNow");
  auto* timeRow = new QHBoxLayout;
  timeRow->addWidget(dtpOddsTime);
  timeRow->addWidget(new QLabel(U("頃"), this));
  timeRow->addWidget(btnNow);
  timeRow->addStretch();
  static_cast<QVBoxLayout*>(rgOddsTimeRatest->layout())->addLayout(timeRow);

  lblSelDate = Named(new QLabel(this), "lblSelDate");
  lblSelRace = Named(new QLabel(this), "lblSelRace");
  auto* presetBox = Named(new QGroupBox(U("お勧め設定"), this), "gbPreset");
  auto* presetLayout = new QVBoxLayout(presetBox);
  btnSetStart = Named(new QPushButton(U("当日最初"), presetBox), "btnSetStart");
  btnSetAllOdds = Named(new QPushButton(U("全オッズ"), presetBox), "btnSetAllOdds");
  btnSetRace = Named(new QPushButton(U("各レース前"), presetBox), "btnSetRace");
  btnSetAuto = Named(new QPushButton(U("自動出力"), presetBox), "btnSetAuto");
  btnSetEnd = Named(new QPushButton(U("当日最終"), presetBox), "btnSetEnd");
  const TPatPreset presets[] = {PatPresetStart, PatPresetAllOdds, PatPresetRace, PatPresetAuto, PatPresetEnd};
  int k = 0;
  for (QPushButton* b : {btnSetStart, btnSetAllOdds, btnSetRace, btnSetAuto, btnSetEnd}) {
    presetLayout->addWidget(b);
    const TPatPreset p = presets[k++];
    connect(b, &QPushButton::clicked, this, [this, p] { Preset(p); });
  }
  btnOut = Named(new QPushButton(U("出力"), this), "btnOut");
  btnOut->setDefault(true);
  btnCancel = Named(new QPushButton(U("閉じる"), this), "btnCancel");

  auto* left = new QVBoxLayout;
  left->addWidget(dayBox);
  left->addWidget(raceBox);
  left->addStretch();
  auto* middle = new QVBoxLayout;
  auto* selection = new QHBoxLayout;
  selection->addWidget(lblSelDate);
  selection->addWidget(lblSelRace);
  selection->addStretch();
  middle->addLayout(selection);
  middle->addWidget(rgRace);
  middle->addWidget(rgOddsTimeRatest);
  middle->addStretch();
  auto* right = new QVBoxLayout;
  right->addWidget(presetBox);
  right->addStretch();
  right->addWidget(btnOut);
  right->addWidget(btnCancel);
  auto* layout = new QHBoxLayout(this);
  layout->addLayout(left);
  layout->addLayout(middle);
  layout->addLayout(right);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  SetChoice(TPatOutChoice{});
  connect(btnNow, &QPushButton::clicked, this, &TPatOutForm::btnNowClick);
  connect(btnOut, &QPushButton::clicked, this, &TPatOutForm::btnOutClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::reject);
}

TPatOutChoice TPatOutForm::Choice() const {
  TPatOutChoice c;
  c.Youkou = cbOutYoukou->isChecked();
  c.Syutuba = cbOutSyutuba->isChecked();
  c.Weight = cbOutWeight->isChecked();
  c.Odds = cbOutOdds->isChecked();
  c.Result = cbOutResult->isChecked();
  c.Race = rgRaceItems->checkedId();
  c.Mode = rgOddsTimeRatestItems->checkedId();
  const QTime t = dtpOddsTime->time();
  c.OddsTime = EncodeTime(t.hour(), t.minute(), t.second());
  return c;
}

void TPatOutForm::SetChoice(const TPatOutChoice& c) {
  cbOutYoukou->setChecked(c.Youkou);
  cbOutSyutuba->setChecked(c.Syutuba);
  cbOutWeight->setChecked(c.Weight);
  cbOutOdds->setChecked(c.Odds);
  cbOutResult->setChecked(c.Result);
  rgRaceItems->button(c.Race)->setChecked(true);
  rgOddsTimeRatestItems->button(c.Mode)->setChecked(true);
  const CivilTime t = DecodeTime(c.OddsTime);
  dtpOddsTime->setTime(QTime(t.Hour, t.Minute, t.Second));
}

void TPatOutForm::showEvent(QShowEvent* event) {
  lblSelDate->setText(QString::fromStdString(Cp932ToUtf8(PatSelDateText(Info))));
  lblSelRace->setText(QString::fromStdString(Cp932ToUtf8(PatSelRaceText(Info))));
  QDialog::showEvent(event);
  if (QScreen* s = screen()) move(s->availableGeometry().center() - rect().center());
}

void TPatOutForm::btnNowClick() {
  const CivilTime t = DecodeTime(TimeOf(clock_->Now()));
  dtpOddsTime->setTime(QTime(t.Hour, t.Minute, t.Second));
}

void TPatOutForm::Preset(TPatPreset preset) {
  TPatOutChoice c = Choice();
  ApplyPatPreset(c, preset);
  SetChoice(c);
}

void TPatOutForm::btnOutClick() {
  CompletePatRequest(Choice(), Info);
  accept();
}

}  // namespace vorpa
