#include "ipat/IPatDebugForm.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/FileLock.h"
#include "core/RaceIO/RaceIO.h"
#include "history/HistoryStore.h"
#include "ipat/IPat.h"
#include "ipat/IPatSink.h"
#include "ipat/ThreadSlot.h"
#include "ui/MainThreadHold.h"
#include "ui/RadioGroup.h"

namespace vorpa {

namespace {

QString U(const char* utf8) { return QString::fromUtf8(utf8); }

QStringList Texts(std::initializer_list<const char*> items) {
  QStringList list;
  for (const char* item : items) list << U(item);
  return list;
}

}  // namespace

TIPatDebugForm::TIPatDebugForm(QWidget* parent) : QDialog(parent) {
  setObjectName("IPatDebugForm");
  setWindowTitle(U("IPATデータ取得デバッグ用"));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);

  rgState = new TRadioGroup(U("状態"),
                            Texts({"開始待ち", "ログイン", "開催地", "読込", "出馬", "単複枠", "馬単",
                                   "３連複", "３連単", "馬連", "ワイド", "成績", "書込", "終了",
                                   "Err終了", "完全終了"}),
                            2, this);
  rgState->setObjectName("rgState");
  rgKaisai = new TRadioGroup(U("競馬場"), Texts({"開催地1", "開催地2", "開催地3"}), 1, this);
  rgKaisai->setObjectName("rgKaisai");
  QStringList races;
  for (int r = 1; r <= 12; ++r) races << QString::number(r);
  rgRaceNo = new TRadioGroup(U("レース"), races, 2, this);
  rgRaceNo->setObjectName("rgRaceNo");
  for (TRadioGroup* g : {rgState, rgKaisai, rgRaceNo}) g->SetItemIndex(0);

  edtFileName = new QLineEdit(this);
  edtFileName->setObjectName("edtFileName");
  auto button = [this](const char* name, const char* caption) {
    auto* b = new QPushButton(U(caption), this);
    b->setObjectName(name);
    b->setAutoDefault(false);
    return b;
  };
  btnSelectFile = button("btnSelectFile", "Select...");
  btnLoadHtml = button("btnLoadHtml", "LoadHtml");
  btnSetState = button("btnSetState", "SetState");
  btnNext = button("btnNext", "Next");
  btnGetURL = button("btnGetURL", "GetURL");
  btnDecode = button("btnDecode", "Decode");
  btnLoad = button("btnLoad", "LoadRace");
  btnWrite = button("btnWrite", "WriteRace");
  btnCancel = button("btnCancel", "閉じる");
  btnCancel->setDefault(true);

  auto* groups = new QHBoxLayout;
  groups->addWidget(rgState);
  groups->addWidget(rgKaisai, 0, Qt::AlignTop);
  groups->addWidget(rgRaceNo, 0, Qt::AlignTop);
  auto* file = new QHBoxLayout;
  file->addWidget(new QLabel("file", this));
  file->addWidget(edtFileName, 1);
  file->addWidget(btnSelectFile);
  auto* buttons = new QGridLayout;
  int k = 0;
  for (QPushButton* b : {btnLoadHtml, btnSetState, btnNext, btnGetURL, btnDecode, btnLoad, btnWrite,
                         btnCancel}) {
    buttons->addWidget(b, k / 4, k % 4);
    ++k;
  }
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("Welcome to Debug World!", this));
  layout->addLayout(groups);
  layout->addLayout(file);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);

  connect(btnSelectFile, &QPushButton::clicked, this, &TIPatDebugForm::btnSelectFileClick);
  connect(btnLoadHtml, &QPushButton::clicked, this, &TIPatDebugForm::btnLoadHtmlClick);
  connect(btnSetState, &QPushButton::clicked, this, &TIPatDebugForm::btnSetStateClick);
  connect(btnNext, &QPushButton::clicked, this, &TIPatDebugForm::btnNextClick);
  connect(btnGetURL, &QPushButton::clicked, this, &TIPatDebugForm::btnGetURLClick);
  connect(btnDecode, &QPushButton::clicked, this, &TIPatDebugForm::btnDecodeClick);
  connect(btnLoad, &QPushButton::clicked, this, &TIPatDebugForm::btnLoadClick);
  connect(btnWrite, &QPushButton::clicked, this, &TIPatDebugForm::btnWriteClick);
  connect(btnCancel, &QPushButton::clicked, this, &QDialog::close);
}

void TIPatDebugForm::SetSession(TIPat* session, const TThreadSlot* thread, TIPatStatusView* statusView) {
  session_ = session;
  thread_ = thread;
  statusView_ = statusView;
}

TIPat* TIPatDebugForm::Session() const {
  return thread_ && thread_->IsSet() ? nullptr : session_;
}

void TIPatDebugForm::btnSelectFileClick() {
  const QString name = QFileDialog::getOpenFileName(this, QString(), edtFileName->text());
  if (!name.isEmpty()) edtFileName->setText(name);
}

void TIPatDebugForm::btnLoadHtmlClick() {
  if (!LockedReadFile(edtFileName->text().toStdString(), &PageText)) PageText.clear();
}

void TIPatDebugForm::btnSetStateClick() {
  TIPat* s = Session();
  if (!s) return;
  s->IPatState = static_cast<uint8_t>(rgState->ItemIndex());
  s->CurVenue = rgKaisai->ItemIndex() + 1;
  s->CurRace = rgRaceNo->ItemIndex() + 1;
}

void TIPatDebugForm::btnNextClick() {
  TIPat* s = Session();
  if (!s) return;
  s->NextState();
  if (statusView_) statusView_->IPatStateToForm(*s);
}

void TIPatDebugForm::btnGetURLClick() {
  if (TIPat* s = Session()) PageText = s->Fetch();
}

void TIPatDebugForm::btnDecodeClick() {
  TIPat* s = Session();
  if (!s) return;
  DecodeResult = s->Decode(PageText);
  if (DecodeResult == 0 && statusView_) statusView_->ShowRaceInfo(*s);
}

void TIPatDebugForm::btnLoadClick() {
  if (TIPat* s = Session()) s->LoadRace();
}

void TIPatDebugForm::btnWriteClick() {
  TIPat* s = Session();
  if (!s) return;
  // Over the file as it is now and under the race's hold, so that what
  // another run stored meanwhile and this window did not change stays.
  const TRaceHeader& h = s->Race.Header;
  TRaceHold hold;
  TakeOnMainThread(hold, RaceFilePath(s->Settings().MojiPath, h.VenueName, h.RaceNo, h.RaceDate));
  // A run may have started on the session while the window waited.
  if (Session() != s || !s->StoreEditedRace()) return;
  // The history database follows the file; this window has no log for a failure there.
  UpdateHistoryAfterStore(s->Settings().MojiPath, s->Race.Header);
}

}  // namespace vorpa
