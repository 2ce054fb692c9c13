#include "ui/AlertSettingPage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

#include "view/AlertSettingEdit.h"

namespace vorpa {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QLineEdit* NumberEdit(QWidget* parent, const char* name, int digits) {
  auto* e = new QLineEdit(parent);
  e->setObjectName(name);
  e->setMaxLength(digits);
  e->setValidator(new QRegularExpressionValidator(QRegularExpression(QString("[0-9]{0,%1}").arg(digits)), e));
  e->setFixedWidth(e->fontMetrics().horizontalAdvance('0') * (digits + 1) + 14);
  e->setAlignment(Qt::AlignRight);
  return e;
}

QCheckBox* Check(QWidget* parent, const char* name, const char* caption) {
  auto* c = new QCheckBox(U(caption), parent);
  c->setObjectName(name);
  return c;
}

std::string Text(const QLineEdit* e) { return e->text().toStdString(); }

}  // namespace

TAlertSettingPage::TAlertSettingPage(QWidget* parent) : QWidget(parent) {
  setObjectName("tsAlert");
  auto* view = new QGroupBox(U("表示"), this);
  chkAlertMarks = Check(view, "chkAlertMarks", "前回からの変化を表示（出馬表の▼▲、急落したオッズの枠、レース一覧の印）");
  chkAlertPopularity = Check(view, "chkAlertPopularity", "人気順を表示（出馬表の「人気」列、オッズ順一覧のヒント）");
  auto* vv = new QVBoxLayout(view);
  vv->addWidget(chkAlertMarks);
  vv->addWidget(chkAlertPopularity);

  auto* rules = new QGroupBox(U("アラートの条件（前回の取得との比較）"), this);
  edtAlertDropPercent = NumberEdit(rules, "edtAlertDropPercent", 2);
  edtAlertDropOddsLimit = NumberEdit(rules, "edtAlertDropOddsLimit", 5);
  edtAlertSharePoints = NumberEdit(rules, "edtAlertSharePoints", 3);
  edtAlertInflowYen = NumberEdit(rules, "edtAlertInflowYen", 10);
  auto* g = new QGridLayout(rules);
  auto row = [&](int r, const char* head, QLineEdit* edit, const char* tail) {
    g->addWidget(new QLabel(U(head), rules), r, 0);
    g->addWidget(edit, r, 1);
    g->addWidget(new QLabel(U(tail), rules), r, 2);
  };
  row(0, "急落：単勝オッズが", edtAlertDropPercent, "%以上下がり、");
  row(1, "　　　下がった後のオッズが", edtAlertDropOddsLimit, "未満");
  row(2, "支持：単勝の支持率が", edtAlertSharePoints, "ポイント以上上昇");
  row(3, "流入：推定投票額が", edtAlertInflowYen, "円以上増加（票数が分かるときのみ）");
  g->setColumnStretch(3, 1);

  auto* notify = new QGroupBox(U("通知"), this);
  chkAlertNotify = Check(notify, "chkAlertNotify", "取得中、新しいアラートをデスクトップに通知");
  edtAlertNotifyWithin = NumberEdit(notify, "edtAlertNotifyWithin", 3);
  auto* nh = new QGridLayout(notify);
  nh->addWidget(chkAlertNotify, 0, 0, 1, 4);
  nh->addWidget(new QLabel(U("発走"), notify), 1, 0);
  nh->addWidget(edtAlertNotifyWithin, 1, 1);
  nh->addWidget(new QLabel(U("分前以内のレースのみ（0：すべてのレース）"), notify), 1, 2);
  nh->setColumnStretch(3, 1);

  auto* v = new QVBoxLayout(this);
  v->addWidget(view);
  v->addWidget(rules);
  v->addWidget(notify);
  v->addStretch();
}

void TAlertSettingPage::Load(const TSetting& s) {
  const TAlertControls c = AlertControlsFromSetting(s);
  chkAlertMarks->setChecked(c.Marks);
  chkAlertPopularity->setChecked(c.Popularity);
  chkAlertNotify->setChecked(c.Notify);
  edtAlertDropPercent->setText(QString::fromStdString(c.DropPercent));
  edtAlertDropOddsLimit->setText(QString::fromStdString(c.DropOddsLimit));
  edtAlertSharePoints->setText(QString::fromStdString(c.SharePoints));
  edtAlertInflowYen->setText(QString::fromStdString(c.InflowYen));
  edtAlertNotifyWithin->setText(QString::fromStdString(c.NotifyWithin));
}

namespace {

TAlertControls ControlsOf(const TAlertSettingPage& p) {
  TAlertControls c;
  c.Marks = p.chkAlertMarks->isChecked();
  c.Popularity = p.chkAlertPopularity->isChecked();
  c.Notify = p.chkAlertNotify->isChecked();
  c.DropPercent = Text(p.edtAlertDropPercent);
  c.DropOddsLimit = Text(p.edtAlertDropOddsLimit);
  c.SharePoints = Text(p.edtAlertSharePoints);
  c.InflowYen = Text(p.edtAlertInflowYen);
  c.NotifyWithin = Text(p.edtAlertNotifyWithin);
  return c;
}

}  // namespace

std::string TAlertSettingPage::Error() const { return AlertControlsError(ControlsOf(*this)); }

void TAlertSettingPage::Store(TSetting& s) const { StoreAlertControls(ControlsOf(*this), s); }

}  // namespace vorpa
