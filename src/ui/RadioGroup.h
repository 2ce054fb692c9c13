#pragma once
// A titled group of radio buttons laid out in columns, filled column by
// column, with the index of the chosen item (-1: none).
#include <QGroupBox>
#include <QStringList>

class QButtonGroup;

namespace vorpa {

class TRadioGroup : public QGroupBox {
  Q_OBJECT
 public:
  TRadioGroup(const QString& title, const QStringList& items, int columns, QWidget* parent = nullptr);

  int ItemIndex() const;
  void SetItemIndex(int index);

 private:
  QButtonGroup* group_;
};

}  // namespace vorpa
