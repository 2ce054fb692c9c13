#pragma once
// A layout that puts each control at its design rectangle and grows it by
// its shares of the room that a reference widget (the main window, or the
// tab control for a tab page) has beyond that widget's design size; see
// view/FrameGeometry.h. A widget added with addWidget fills the whole area.
#include <QLayout>
#include <QList>
#include <QSize>
#include <functional>

#include "view/FrameGeometry.h"

namespace vorpa {

class TFrameLayout : public QLayout {
 public:
  // `sizer` is the widget whose growth beyond `designSize` the controls
  // share (it may be `parent` itself).
  TFrameLayout(QWidget* parent, const QWidget* sizer, QSize designSize);
  ~TFrameLayout() override;

  // Where a control goes when the sizer has `extra` beyond the design
  // size; GrownRect unless set (the main window places by its zoom).
  using TPlacer = std::function<TFrameRect(const TFrameControl& control, QSize extra)>;
  void SetPlacer(TPlacer placer);

  // Places `widget` (a child of the layout's widget) by `control`.
  void AddControl(QWidget* widget, const TFrameControl& control);

  void addItem(QLayoutItem* item) override;
  int count() const override;
  QLayoutItem* itemAt(int index) const override;
  QLayoutItem* takeAt(int index) override;
  QSize sizeHint() const override;
  QSize minimumSize() const override;
  void setGeometry(const QRect& rect) override;

 private:
  struct TPlaced {
    QLayoutItem* Item;
    TFrameControl Control;
    bool Fills;  // added with addWidget: takes the whole area
  };
  QList<TPlaced> items_;
  const QWidget* sizer_;
  QSize design_;
  TPlacer placer_;
};

}  // namespace vorpa
