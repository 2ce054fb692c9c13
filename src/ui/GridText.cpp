#include "ui/GridText.h"

#include <QHeaderView>
#include <QSignalBlocker>
#include <algorithm>

#include "core/Cp932.h"
#include "ui/GridTextDelegate.h"
#include "view/FrameGeometry.h"
#include "view/Zoom.h"

namespace vorpa {

QFont GridFont(int zoom) {
  QFont font("Noto Sans Mono CJK JP");
  font.setPixelSize(Zoomed(12, zoom));
  // Smoothed, so that dense kanji stay legible; fully hinted, so that
  // stems and the decimal point sit on whole pixels and a point stays a
  // point instead of smearing into a comma.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

QTableWidget* NewViewGrid(QWidget* parent, const char* name) {
  auto* g = new QTableWidget(parent);
  g->setObjectName(name);
  g->setFont(GridFont());
  g->verticalHeader()->setMinimumSectionSize(1);
  g->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
  return g;
}

namespace {

int HeaderHeight(const QTableWidget* grid, int zoom) {
  const QVariant lines = grid->property("headerLines");
  return (lines.isValid() ? lines.toInt() : 1) * Zoomed(kGridRowHeight, zoom) + 4;
}

}  // namespace

void SetUpGrid(QTableWidget* grid, const std::vector<std::string>& headers,
               const std::vector<int>& widths) {
  grid->setColumnCount(static_cast<int>(headers.size()));
  QStringList labels;
  for (const std::string& h : headers) labels << QString::fromStdString(Cp932ToUtf8(h));
  grid->setHorizontalHeaderLabels(labels);
  grid->horizontalHeader()->setMinimumSectionSize(1);
  QVariantList design;
  for (size_t c = 0; c < widths.size(); ++c) {
    grid->setColumnWidth(static_cast<int>(c), widths[c]);
    design.append(widths[c]);
  }
  grid->setProperty("designWidths", design);
  grid->horizontalHeader()->setFixedHeight(grid->verticalHeader()->defaultSectionSize() + 4);
  grid->verticalHeader()->hide();
  grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
  grid->setSelectionMode(QAbstractItemView::SingleSelection);
  grid->setWordWrap(false);
  grid->setItemDelegate(new TGridTextDelegate(grid));
  SetBodyRows(grid, 1);
}

void SetBodyRows(QTableWidget* grid, int rows) {
  QSignalBlocker block(grid);
  if (rows < 1) rows = 1;
  const int old = grid->rowCount();
  grid->setRowCount(rows);
  for (int r = old; r < rows; ++r)
    for (int c = 0; c < grid->columnCount(); ++c) grid->setItem(r, c, new QTableWidgetItem);
}

void ClearBody(QTableWidget* grid) {
  TGridBatch batch(grid);
  for (int r = 0; r < grid->rowCount(); ++r)
    for (int c = 0; c < grid->columnCount(); ++c) SetCellText(grid, r + 1, c, "");
}

void SetHeaderLines(QTableWidget* grid, int lines) {
  grid->setProperty("headerLines", lines);
  grid->horizontalHeader()->setFixedHeight(HeaderHeight(grid, GridZoom(grid)));
}

void ZoomGrid(QTableWidget* grid, int zoom) {
  const QVariant before = grid->property("zoom");
  if (before.isValid() ? before.toInt() == zoom : zoom == kZoomMin) return;
  grid->setProperty("zoom", zoom);
  grid->setFont(GridFont(zoom));
  grid->verticalHeader()->setDefaultSectionSize(Zoomed(kGridRowHeight, zoom));
  grid->horizontalHeader()->setFixedHeight(HeaderHeight(grid, zoom));
  const QVariantList widths = grid->property("designWidths").toList();
  for (qsizetype c = 0; c < widths.size(); ++c)
    grid->setColumnWidth(static_cast<int>(c), Zoomed(widths[c].toInt(), zoom));
  // At the design size every grid fits its place; a zoomed one may not:
  // where the design has no scroll bar, one shows when needed.
  if (!grid->property("designScroll").isValid())
    grid->setProperty("designScroll", QPoint(grid->horizontalScrollBarPolicy(),
                                             grid->verticalScrollBarPolicy()));
  const QPoint design = grid->property("designScroll").toPoint();
  auto policy = [zoom](int designPolicy) {
    return zoom > kZoomMin && designPolicy == Qt::ScrollBarAlwaysOff
               ? Qt::ScrollBarAsNeeded
               : static_cast<Qt::ScrollBarPolicy>(designPolicy);
  };
  grid->setHorizontalScrollBarPolicy(policy(design.x()));
  grid->setVerticalScrollBarPolicy(policy(design.y()));
}

int GridZoom(const QTableWidget* grid) {
  const QVariant zoom = grid->property("zoom");
  return zoom.isValid() ? zoom.toInt() : kZoomMin;
}

void GrowRows(QTableWidget* grid, int designHeight) {
  const int zoom = GridZoom(grid);
  const int row = Zoomed(kGridRowHeight, zoom);
  if (zoom == kZoomMin) {
    grid->verticalHeader()->setDefaultSectionSize(GrownRowHeight(row, designHeight, grid->height()));
    return;
  }
  // Zoomed, the rows share the height below the header.
  const int room = grid->height() - 2 * grid->frameWidth() - grid->horizontalHeader()->height();
  grid->verticalHeader()->setDefaultSectionSize(std::max(row, room / std::max(1, grid->rowCount())));
}

void SetCellText(QTableWidget* grid, int row, int col, const std::string& cp932) {
  QTableWidgetItem* item = grid->item(row - 1, col);
  if (!item) grid->setItem(row - 1, col, item = new QTableWidgetItem);
  item->setText(QString::fromStdString(Cp932ToUtf8(cp932)));
}

std::string CellText(const QTableWidget* grid, int row, int col) {
  const QTableWidgetItem* item = grid->item(row - 1, col);
  return item ? Utf8ToCp932(item->text().toStdString()) : std::string();
}

TGridBatch::TGridBatch(QTableWidget* grid) : grid_(grid), block_(grid->model()) {}

TGridBatch::~TGridBatch() {
  block_.unblock();
  grid_->viewport()->update();
}

void SetCurrentCellQuietly(QTableWidget* grid, int row, int col) {
  QSignalBlocker block(grid);
  grid->setCurrentCell(row - 1, col);
}

}  // namespace vorpa
