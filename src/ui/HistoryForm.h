#pragma once
// The history window: every stored race of a horse, jockey or trainer,
// newest first, read from the history database only.
#include <QDialog>
#include <string>

#include "history/HistoryReader.h"

class QLabel;
class QTableWidget;

namespace vorpa {

class THistoryForm : public QDialog {
  Q_OBJECT
 public:
  explicit THistoryForm(QWidget* parent);
  // Fills the window with the rides of `name` (CP932) from the database of
  // dataDir and shows it.
  void ShowRides(const std::string& dataDir, TRideKey key, const std::string& name);

  QTableWidget* sgRides = nullptr;
  QLabel* lblCaption = nullptr;
};

}  // namespace vorpa
