#pragma once
// Paints grid body cells as a view function styles them: background and
// coloured text pieces, or the standard highlight for a current cell whose
// style keeps it.
#include <functional>
#include <string>

#include "ui/GridTextDelegate.h"
#include "view/RaceCard.h"

namespace vorpa {

class TStyledCellDelegate : public TGridTextDelegate {
  Q_OBJECT
 public:
  // The style of the cell in grid column `col` and row `row` (from 1 below
  // the header row) holding the CP932 text.
  using TStyleOf = std::function<TCardCellStyle(int col, int row, const std::string& text)>;
  explicit TStyledCellDelegate(TStyleOf styleOf, QObject* parent = nullptr);
  // Drawn over a painted body cell (grid column, row from 1), after the
  // style: the odds movement's marks and frames.
  using TDecorate = std::function<void(QPainter* painter, const QRect& cell, int col, int row)>;
  void SetDecorate(TDecorate decorate) { decorate_ = std::move(decorate); }
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 private:
  TStyleOf styleOf_;
  TDecorate decorate_;
};

}  // namespace vorpa
