#include "ui/GridTextDelegate.h"

#include <QPainter>

namespace vorpa {

void TGridTextDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  const bool current = option.state & QStyle::State_Selected;
  painter->save();
  painter->setClipRect(option.rect);
  painter->fillRect(option.rect, option.palette.color(current ? QPalette::Highlight : QPalette::Base));
  DrawTextAt(painter, option, option.rect.left() + 2, index.data().toString(),
             option.palette.color(current ? QPalette::HighlightedText : QPalette::Text));
  painter->restore();
}

int TGridTextDelegate::DrawTextAt(QPainter* painter, const QStyleOptionViewItem& option, int x,
                                  const QString& text, const QColor& color) {
  const QFontMetrics metrics(option.font);
  painter->setFont(option.font);
  painter->setPen(color);
  painter->drawText(QPoint(x, option.rect.top() + 2 + metrics.ascent()), text);
  return x + metrics.horizontalAdvance(text);
}

}  // namespace vorpa
