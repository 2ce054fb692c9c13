#pragma once
// Paints the body cells of the race card: frame colours, remark colours,
// odds colours and the three-piece place cell, as the view layer says.
#include "ui/GridTextDelegate.h"

namespace vorpa {

class TCardCellDelegate : public TGridTextDelegate {
  Q_OBJECT
 public:
  using TGridTextDelegate::TGridTextDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
};

}  // namespace vorpa
