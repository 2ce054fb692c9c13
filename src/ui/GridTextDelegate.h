#pragma once
// Paints a grid cell as the string grids of the views do: the text at 2
// pixels right of and below the cell's top left corner, never elided, on
// the window colour or, for the current cell, the highlight.
#include <QFont>
#include <QHash>
#include <QStaticText>
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
  int DrawTextAt(QPainter* painter, const QStyleOptionViewItem& option, int x,
                 const QString& text, const QColor& color) const;

 private:
  // Texts laid out once: grids repeat the same few texts in every paint.
  mutable QHash<QString, QStaticText> laidOut_;
  mutable QFont laidOutFont_;
  mutable int lift_ = 0;  // how far the font's ascent exceeds its em box's
};

}  // namespace vorpa
