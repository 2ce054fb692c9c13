#pragma once
// Paints a grid cell as the string grids of the views do: the text at 2
// pixels right of and below the cell's top left corner, never elided, on
// the window colour or, for the current cell, the highlight.
#include <QStyledItemDelegate>

namespace vorpa {

class TGridTextDelegate : public QStyledItemDelegate {
  Q_OBJECT
 public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;

 protected:
  // Draws `text` at the cell's text origin in `color`; returns the x where
  // the next piece starts.
  static int DrawTextAt(QPainter* painter, const QStyleOptionViewItem& option, int x,
                        const QString& text, const QColor& color);
};

}  // namespace vorpa
