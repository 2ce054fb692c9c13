#include "ui/GridTextDelegate.h"

#include <QFontInfo>
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
                                  const QString& text, const QColor& color) const {
  if (option.font != laidOutFont_ || laidOut_.size() > 4096) {
    laidOut_.clear();
    laidOutFont_ = option.font;
    // The text's em box starts 2 pixels below the cell's top. Ideographs
    // rise 88 % of the em above the baseline in every Japanese font; the
    // fonts' own ascents differ (some add room above), so a static text,
    // placed by its ascent, is moved up by the difference.
    const int emAscent = qRound(QFontInfo(option.font).pixelSize() * 0.88);
    lift_ = QFontMetrics(option.font).ascent() - emAscent;
  }
  auto it = laidOut_.find(text);
  if (it == laidOut_.end()) {
    it = laidOut_.insert(text, QStaticText(text));
    it->setTextFormat(Qt::PlainText);
    it->prepare(QTransform(), option.font);
  }
  painter->setFont(option.font);
  painter->setPen(color);
  painter->drawStaticText(QPointF(x, option.rect.top() + 2 - lift_), *it);
  return x + qRound(it->size().width());
}

}  // namespace vorpa
