#include "ui/OddsTab.h"

#include <QEvent>
#include <QHelpEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QStyle>
#include <QTableWidget>
#include <QToolTip>

#include "core/Setting.h"
#include "ui/CornerHeader.h"
#include "ui/DistortionLegend.h"
#include "ui/GridText.h"
#include "ui/StyledCellDelegate.h"
#include "ui/ViewToQt.h"
#include "view/MovementView.h"
#include "view/OddsPaneNote.h"
#include "view/Zoom.h"

namespace vorpa {

namespace {

struct TTabNames {
  const char* Matrix;
  const char* Sorted;
  const char* Legend;
  const char* Note;
};
constexpr TTabNames kNames[kPairKinds] = {{"sgWaku", "sgSortedWaku", "lgdWaku", "lblWakuNote"},
                                          {"sgBaren", "sgSortedBaren", "lgdBaren", "lblBarenNote"},
                                          {"sgUmatan", "sgSortedUmatan", "lgdUmatan", "lblUmatanNote"},
                                          {"sgWide", "sgSortedWide", "lgdWide", "lblWideNote"}};

// The note's text height at the design size, and its margin.
constexpr int kNotePixels = 15, kNoteMargin = 10;

// Design size of the matrix of 18 horses.
constexpr QSize kHorseMatrixSize(614, 289);

}  // namespace

TOddsTab::TOddsTab(QWidget* page, TPairKind kind)
    : QObject(page),
      Kind(kind),
      Matrix(NewViewGrid(page, kNames[kind].Matrix)),
      Sorted(NewViewGrid(page, kNames[kind].Sorted)),
      Legend(new TDistortionLegend(page)),
      Note(new QLabel(Matrix)) {
  SetUpMatrix();
  SetUpSorted();
  SetUpNote();
  // The matrix at the top left, the sorted list at the same place on every
  // tab (view/Zoom.h). The sorted list and the horse matrix grow downwards
  // with the page, the matrix's rows with it; the frame matrix keeps its
  // (zoomed) design size.
  Legend->setObjectName(kNames[kind].Legend);
  Legend->hide();
  page->installEventFilter(this);
  Place();
}

bool TOddsTab::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Matrix->viewport() && event->type() == QEvent::ToolTip) {
    auto* help = static_cast<QHelpEvent*>(event);
    const QModelIndex at = Matrix->indexAt(help->pos());
    const QString tip = at.isValid() ? CellToolTip(at.row() + 1, at.column()) : QString();
    if (tip.isEmpty()) QToolTip::hideText();
    else QToolTip::showText(help->globalPos(), tip, Matrix->viewport());
    return true;
  }
  if (watched == Matrix->parent() && event->type() == QEvent::Resize) Place();
  // Scroll bars that come or go change the body the note is centred in.
  if (watched == Matrix->viewport() && (event->type() == QEvent::Resize || event->type() == QEvent::Move))
    PlaceNote();
  return QObject::eventFilter(watched, event);
}

// The legend, while it shows, takes its room at the bottom of the sorted
// list's place.
void TOddsTab::Place() {
  const QWidget* page = Matrix->parentWidget();
  const TOddsTabRects r = OddsTabRects(page->width(), page->height(), Kind == kPairBracket, GridZoom(Matrix));
  Matrix->setGeometry(r.Matrix.Left, r.Matrix.Top, r.Matrix.Width, r.Matrix.Height);
  const int legend = distortionShown_ ? TDistortionLegend::kHeight + 4 : 0;
  Sorted->setGeometry(r.Sorted.Left, r.Sorted.Top, r.Sorted.Width, r.Sorted.Height - legend);
  Legend->setGeometry(r.Sorted.Left, r.Sorted.Top + r.Sorted.Height - TDistortionLegend::kHeight,
                      r.Sorted.Width, TDistortionLegend::kHeight);
  if (Kind != kPairBracket) GrowRows(Matrix, kHorseMatrixSize.height());
  PlaceNote();
}

void TOddsTab::SetZoom(int zoom) {
  ZoomGrid(Matrix, zoom);
  ZoomGrid(Sorted, zoom);
  QFont font = Note->font();
  font.setPixelSize(Zoomed(kNotePixels, zoom));
  Note->setFont(font);
  Note->setMargin(Zoomed(kNoteMargin, zoom));
  Place();
}

void TOddsTab::SetUpNote() {
  Note->setObjectName(kNames[Kind].Note);
  Note->setAlignment(Qt::AlignCenter);
  Note->setWordWrap(true);
  Note->setFrameShape(QFrame::Box);
  Note->setAutoFillBackground(true);
  Note->setBackgroundRole(QPalette::Window);
  Note->setForegroundRole(QPalette::WindowText);
  Note->setAttribute(Qt::WA_TransparentForMouseEvents);
  QFont font = Note->font();
  font.setPixelSize(kNotePixels);
  Note->setFont(font);
  Note->setMargin(kNoteMargin);
  SetNote(FromCp932(OddsPaneNote(nullptr, Kind, TOddsView())));
}

void TOddsTab::SetNote(const QString& text) {
  Note->setText(text);
  Note->setVisible(!text.isEmpty());
  PlaceNote();
}

// Centred in the matrix's body, at most as wide.
void TOddsTab::PlaceNote() {
  if (Note->isHidden()) return;
  const QRect body = Matrix->viewport()->geometry();
  // On one line where it fits, else wrapped to the body's width.
  const int line = QFontMetrics(Note->font()).horizontalAdvance(Note->text()) +
                   2 * (Note->margin() + Note->frameWidth()) + 2;
  const int width = std::min(line, body.width());
  const int height = std::min(Note->heightForWidth(width), body.height());
  Note->setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, QSize(width, height), body));
  Note->raise();
}

void TOddsTab::SetUpMatrix() {
  // The exacta says in its corner which number of a cell came first.
  const TCornerCaption corner = MatrixCornerCaption(Kind);
  if (!corner.Columns.empty())
    Matrix->setHorizontalHeader(new TCornerHeader(FromCp932(corner.Columns), FromCp932(corner.Rows), Matrix));
  const std::vector<std::string> headers = MatrixHeaders(Kind);
  SetUpGrid(Matrix, headers, MatrixColumnWidths(Kind));
  if (!corner.Columns.empty()) SetHeaderLines(Matrix, 2);
  SetBodyRows(Matrix, MatrixSize(Kind));
  // Column 0 is fixed: the numbers, never current.
  for (int r = 1; r <= MatrixSize(Kind); ++r) {
    SetCellText(Matrix, r, 0, headers[r]);
    Matrix->item(r - 1, 0)->setFlags(Qt::ItemIsEnabled);
  }
  Matrix->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Matrix->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Matrix->viewport()->installEventFilter(this);
  auto* delegate = new TStyledCellDelegate(
      [this](int col, int row, const std::string& text) {
        TCardCellStyle style = MatrixCellStyle(Kind, col, row, text, Setting);
        if (distortionShown_) ApplyDistortion(style, distortion_, col, row, text);
        return style;
      },
      Matrix);
  // A cell whose odds fell by the drop threshold since the reading before
  // is framed.
  delegate->SetDecorate([this](QPainter* painter, const QRect& cell, int col, int row) {
    const int n = MatrixSize(Kind);
    const size_t k = static_cast<size_t>((row - 1) * n + (col - 1));
    if (col < 1 || row < 1 || k >= fallen_.size() || !fallen_[k]) return;
    // One pixel on the cell's edge, clear of the text.
    painter->setPen(QPen(ToQColor(kClShorter, Matrix->palette()), 1));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(cell.adjusted(0, 0, -1, -1));
  });
  Matrix->setItemDelegate(delegate);
  connect(Matrix, &QTableWidget::cellClicked, this, &TOddsTab::MatrixClick);
}

void TOddsTab::SetUpSorted() {
  SetUpGrid(Sorted, SortedHeaders(Kind), SortedColumnWidths());
  Sorted->setSelectionBehavior(QAbstractItemView::SelectRows);
  Sorted->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  Sorted->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  Sorted->setItemDelegate(new TStyledCellDelegate(
      [kind = Kind](int col, int, const std::string& text) {
        return SortedCellStyle(kind, col, text, Setting);
      },
      Sorted));
  connect(Sorted, &QTableWidget::cellClicked, this, [this](int row, int) { SortedClick(row + 1); });
}

void TOddsTab::Clear() {
  {
    TGridBatch batch(Matrix);
    const int n = MatrixSize(Kind);
    for (int r = 1; r <= n; ++r)
      for (int c = 1; c <= n; ++c) {
        SetCellText(Matrix, r, c, "");
      }
  }
  SetBodyRows(Sorted, 1);
  ClearBody(Sorted);
  for (int c = 0; c < 2; ++c) Sorted->item(0, c)->setToolTip(QString());
  fallen_.clear();
}

void TOddsTab::Fill(const TOddsView& view, std::vector<bool> fallen) {
  fallen_ = std::move(fallen);
  {
    TGridBatch batch(Matrix);
    for (int r = 1; r <= view.Size; ++r)
      for (int c = 1; c <= view.Size; ++c) SetCellText(Matrix, r, c, view.Cell(c, r));
  }
  SetBodyRows(Sorted, static_cast<int>(view.Sorted.size()));
  TGridBatch batch(Sorted);
  const std::vector<int> ranks = SortedRanks(view);
  for (size_t i = 0; i < view.Sorted.size(); ++i)
    for (int c = 0; c < 2; ++c) {
      SetCellText(Sorted, static_cast<int>(i) + 1, c, view.Sorted[i][c]);
      Sorted->item(static_cast<int>(i), c)
          ->setToolTip(Setting.AlertPopularity ? FromCp932(RankTooltip(ranks[i])) : QString());
    }
}

void TOddsTab::Repaint() {
  Matrix->viewport()->update();
  Sorted->viewport()->update();
}

void TOddsTab::ShowDistortion(const TDistortionView* view) {
  const bool was = distortionShown_;
  distortionShown_ = view != nullptr;
  if (!view && !was) return;
  if (view) distortion_ = *view;
  // The sorted list gives the legend its room below it.
  Legend->setVisible(distortionShown_);
  Place();
  Repaint();
}

QString TOddsTab::CellToolTip(int row, int col) const {
  if (!distortionShown_ || row < 1 || col < 1 || row > distortion_.Size || col > distortion_.Size)
    return QString();
  if (CellText(Matrix, row, col).find_first_not_of(' ') == std::string::npos) return QString();
  return FromCp932(DistortionTip(distortion_.Cell(col, row)));
}

void TOddsTab::MatrixClick(int row, int col) {
  if (auto bet = MatrixClickBet(Kind, col, row + 1, CellText(Matrix, row + 1, col)))
    emit BetClicked(*bet);
}

void TOddsTab::SortedClick(int row) {
  if (auto bet = SortedClickBet(Kind, CellText(Sorted, row, 0), CellText(Sorted, row, 1)))
    emit BetClicked(*bet);
}

}  // namespace vorpa
