#include "ui/EstimateTab.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSpinBox>
#include <QTableWidget>

#include "core/Setting.h"
#include "ui/GridText.h"

namespace vorpa {

namespace {

// As wide as the columns and the scroll bar.
void FitWidth(QTableWidget* g) {
  int width = 0;
  for (int c = 0; c < g->columnCount(); ++c) width += g->columnWidth(c);
  g->setFixedWidth(width + 20);
}

QTableWidget* NewList(QWidget* page, const char* name, const std::vector<std::string>& headers,
                      const std::vector<int>& widths) {
  QTableWidget* g = NewViewGrid(page, name);
  SetUpGrid(g, headers, widths);
  g->setSelectionBehavior(QAbstractItemView::SelectRows);
  g->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  g->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  FitWidth(g);
  return g;
}

template <size_t N>
void FillList(QTableWidget* g, const std::vector<std::array<std::string, N>>& rows) {
  SetBodyRows(g, static_cast<int>(rows.size()));
  if (rows.empty()) ClearBody(g);
  TGridBatch batch(g);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < N; ++c) SetCellText(g, static_cast<int>(r) + 1, static_cast<int>(c), rows[r][c]);
}

QLabel* Caption(QWidget* page, const char* text) {
  return new QLabel(QString::fromUtf8(text), page);
}

}  // namespace

TEstimateTab::TEstimateTab(QWidget* page)
    : QObject(page),
      sgSanrenpuku(NewList(page, "sgSanrenpuku", EstimateHeaders(), EstimateColumnWidths())),
      sgSanrentan(NewList(page, "sgSanrentan", EstimateHeaders(), EstimateColumnWidths())),
      sgHizumi(NewList(page, "sgHizumi", DistortedHeaders(), DistortedColumnWidths())),
      spnEstimateCount(new QSpinBox(page)) {
  spnEstimateCount->setObjectName("spnEstimateCount");
  spnEstimateCount->setRange(1, kEstimateCountMax);
  spnEstimateCount->setValue(Setting.EstimateCount);
  spnEstimateCount->setToolTip(QString::fromUtf8("三連複・三連単の推定オッズを確率の高い順に何件表示するか"));

  auto* layout = new QGridLayout(page);
  layout->setContentsMargins(4, 4, 4, 4);
  layout->setHorizontalSpacing(8);
  layout->setVerticalSpacing(2);
  layout->addWidget(Caption(page, "三連複 推定オッズ"), 0, 0);
  layout->addWidget(Caption(page, "三連単 推定オッズ"), 0, 1);
  layout->addWidget(Caption(page, "歪みの大きい組合せ（馬連・馬単・ワイド）"), 0, 2);
  layout->addWidget(sgSanrenpuku, 1, 0);
  layout->addWidget(sgSanrentan, 1, 1);
  layout->addWidget(sgHizumi, 1, 2);
  auto* count = new QHBoxLayout;
  count->addWidget(Caption(page, "推定表示件数："));
  count->addWidget(spnEstimateCount);
  count->addWidget(Caption(page, "件（単勝オッズから計算）"));
  count->addStretch(1);
  layout->addLayout(count, 2, 0, 1, 3);
  layout->setColumnStretch(3, 1);
  layout->setRowStretch(1, 1);

  connect(spnEstimateCount, &QSpinBox::valueChanged, this, [this](int v) {
    Setting.EstimateCount = v;
    emit CountChanged();
  });
  connect(sgHizumi, &QTableWidget::cellClicked, this, [this](int row, int) { DistortedClick(row); });
  Clear();
}

void TEstimateTab::Clear() { Fill(TEstimateView()); }

void TEstimateTab::Fill(const TEstimateView& view) {
  view_ = view;
  FillList(sgSanrenpuku, view.Trio);
  FillList(sgSanrentan, view.Trifecta);
  std::vector<std::array<std::string, 5>> rows;
  for (const TDistortedRow& r : view.Distorted) rows.push_back(r.Texts);
  FillList(sgHizumi, rows);
}

void TEstimateTab::SetZoom(int zoom) {
  for (QTableWidget* g : {sgSanrenpuku, sgSanrentan, sgHizumi}) {
    ZoomGrid(g, zoom);
    FitWidth(g);
  }
}

void TEstimateTab::DistortedClick(int row) {
  if (row >= 0 && row < static_cast<int>(view_.Distorted.size())) emit BetClicked(view_.Distorted[row].Bet);
}

}  // namespace vorpa
