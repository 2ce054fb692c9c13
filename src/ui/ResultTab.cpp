#include "ui/ResultTab.h"

#include <QHBoxLayout>
#include <QPlainTextEdit>

#include "ui/GridText.h"
#include "ui/ViewToQt.h"
#include "view/ResultText.h"

namespace vorpa {

namespace {

// A box at its design width and height, growing with the page.
QPlainTextEdit* NewMemo(QWidget* page, const char* name, int width) {
  auto* m = new QPlainTextEdit(page);
  m->setObjectName(name);
  m->setReadOnly(true);
  m->setFont(GridFont());
  m->setLineWrapMode(QPlainTextEdit::NoWrap);
  m->setMinimumSize(width, 290);
  return m;
}

}  // namespace

TResultTab::TResultTab(QWidget* page)
    : QObject(page),
      memHyousu(NewMemo(page, "memHyousu", 218)),
      memCyakusa(NewMemo(page, "memCyakusa", 196)),
      memResult(NewMemo(page, "memResult", 299)) {
  // An empty box says why.
  memHyousu->setPlaceholderText(QString::fromUtf8("票数は未取得です"));
  memCyakusa->setPlaceholderText(QString::fromUtf8("結果は未確定です"));
  memResult->setPlaceholderText(QString::fromUtf8("結果は未確定です"));
  auto* layout = new QHBoxLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setSpacing(7);
  layout->addWidget(memHyousu, 218);
  layout->addWidget(memCyakusa, 196);
  layout->addWidget(memResult, 299);
}

void TResultTab::ShowResult(const TRace& race) {
  memHyousu->setPlainText(FromCp932(JoinLines(VoteLines(race))));
  memCyakusa->setPlainText(FromCp932(JoinLines(MarginLines(race))));
  memResult->setPlainText(FromCp932(JoinLines(PayoutLines(race))));
}

}  // namespace vorpa

namespace vorpa {

void TResultTab::SetZoom(int zoom) {
  for (QPlainTextEdit* m : {memHyousu, memCyakusa, memResult}) m->setFont(GridFont(zoom));
}

}  // namespace vorpa
