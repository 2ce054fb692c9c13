#include "ui/FrameLayout.h"

#include <QWidget>
#include <QWidgetItem>

namespace vorpa {

TFrameLayout::TFrameLayout(QWidget* parent, const QWidget* sizer, QSize designSize)
    : QLayout(parent), sizer_(sizer), design_(designSize) {
  setContentsMargins(0, 0, 0, 0);
  setSpacing(0);
}

TFrameLayout::~TFrameLayout() {
  while (QLayoutItem* item = takeAt(0)) delete item;
}

void TFrameLayout::SetPlacer(TPlacer placer) {
  placer_ = std::move(placer);
  invalidate();
}

void TFrameLayout::AddControl(QWidget* widget, const TFrameControl& control) {
  addChildWidget(widget);
  items_.append({new QWidgetItem(widget), control, false});
  invalidate();
}

void TFrameLayout::addItem(QLayoutItem* item) { items_.append({item, {"", {}, {}}, true}); }

int TFrameLayout::count() const { return static_cast<int>(items_.size()); }

QLayoutItem* TFrameLayout::itemAt(int index) const {
  return index >= 0 && index < items_.size() ? items_[index].Item : nullptr;
}

QLayoutItem* TFrameLayout::takeAt(int index) {
  if (index < 0 || index >= items_.size()) return nullptr;
  return items_.takeAt(index).Item;
}

QSize TFrameLayout::sizeHint() const { return minimumSize(); }

// The design rectangles' extent; the window itself holds the design size
// as its minimum.
QSize TFrameLayout::minimumSize() const {
  QSize size(0, 0);
  for (const TPlaced& p : items_) {
    if (p.Fills) continue;
    const TFrameRect& d = p.Control.Design;
    size = size.expandedTo(QSize(d.Left + d.Width, d.Top + d.Height));
  }
  return size;
}

void TFrameLayout::setGeometry(const QRect& rect) {
  QLayout::setGeometry(rect);
  const QSize extra = sizer_->size() - design_;
  for (const TPlaced& p : items_) {
    if (p.Fills) {
      p.Item->setGeometry(rect);
      continue;
    }
    // Straight onto the widget: the rectangle is exact, whatever the
    // widget's own size hints say.
    const TFrameRect r = placer_ ? placer_(p.Control, extra)
                                 : GrownRect(p.Control, extra.width(), extra.height());
    p.Item->widget()->setGeometry(rect.left() + r.Left, rect.top() + r.Top, r.Width, r.Height);
  }
}

}  // namespace vorpa
