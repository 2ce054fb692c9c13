#include "ui/HistoryForm.h"

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/Cp932.h"
#include "ui/GridText.h"
#include "ui/ViewToQt.h"
#include "view/RideList.h"

namespace vorpa {

THistoryForm::THistoryForm(QWidget* parent) : QDialog(parent) {
  setObjectName("HistoryForm");
  setAttribute(Qt::WA_DeleteOnClose);
  auto* layout = new QVBoxLayout(this);
  lblCaption = new QLabel(this);
  lblCaption->setObjectName("lblCaption");
  sgRides = NewViewGrid(this, "sgRides");
  const TRideRow& headers = RideHeaders();
  const auto& widths = RideColumnWidths();
  SetUpGrid(sgRides, std::vector<std::string>(headers.begin(), headers.end()),
            std::vector<int>(widths.begin(), widths.end()));
  layout->addWidget(lblCaption);
  layout->addWidget(sgRides);
  int width = 40;
  for (int w : widths) width += w;
  resize(width, 420);
}

void THistoryForm::ShowRides(const std::string& dataDir, TRideKey key, const std::string& name) {
  THistoryReader reader;
  std::vector<TRide> rides;
  if (reader.Open(dataDir)) rides = reader.Rides(key, name);
  setWindowTitle(FromCp932(RideMenuText(key)) + " - " + FromCp932(name));
  lblCaption->setText(rides.empty() && !reader.Error().empty()
                          ? QString::fromUtf8("履歴DBを読めません: ") + QString::fromStdString(reader.Error())
                          : FromCp932(RideCaption(key, name, rides.size())));
  SetBodyRows(sgRides, static_cast<int>(rides.size()));
  {
    TGridBatch batch(sgRides);
    for (size_t i = 0; i < rides.size(); ++i) {
      const TRideRow row = RideRowTexts(rides[i]);
      for (int c = 0; c < kRideColumns; ++c) SetCellText(sgRides, static_cast<int>(i) + 1, c, row[c]);
    }
  }
  show();
  raise();
}

}  // namespace vorpa
