#include "ui/CornerHeader.h"

#include <QPainter>
#include <QPaintEvent>

namespace vorpa {

TCornerHeader::TCornerHeader(const QString& columns, const QString& rows, QWidget* parent)
    : QHeaderView(Qt::Horizontal, parent), columns_(columns), rows_(rows) {
  // As the table's own header.
  setSectionsClickable(true);
  setHighlightSections(true);
}

void TCornerHeader::paintEvent(QPaintEvent* event) {
  QHeaderView::paintEvent(event);
  if (count() == 0) return;
  const QRect rect(sectionViewportPosition(0), 0, sectionSize(0), viewport()->height());
  QPainter painter(viewport());
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(palette().color(QPalette::Mid));
  painter.drawLine(rect.topLeft(), rect.bottomRight());
  painter.setPen(palette().color(QPalette::ButtonText));
  painter.setFont(font());
  const QRect inner = rect.adjusted(2, 1, -2, -1);
  painter.drawText(inner, Qt::AlignRight | Qt::AlignTop, columns_);
  painter.drawText(inner, Qt::AlignLeft | Qt::AlignBottom, rows_);
}

}  // namespace vorpa
