#pragma once
// Paints the body cells of the race card: frame colours, remark colours,
// odds colours and the three-piece place cell, as the view layer says.
#include "ui/StyledCellDelegate.h"

namespace vorpa {

class TCardCellDelegate : public TStyledCellDelegate {
  Q_OBJECT
 public:
  explicit TCardCellDelegate(QObject* parent = nullptr);
};

}  // namespace vorpa
