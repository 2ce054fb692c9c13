#pragma once
// A grid's column header whose corner section (column 0) is split by a
// diagonal into two captions: what the columns hold at the upper right,
// what the rows hold at the lower left.
#include <QHeaderView>
#include <QString>

namespace vorpa {

class TCornerHeader : public QHeaderView {
 public:
  TCornerHeader(const QString& columns, const QString& rows, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const QString columns_, rows_;
};

}  // namespace vorpa
