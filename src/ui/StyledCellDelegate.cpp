#include "ui/StyledCellDelegate.h"

#include <QPainter>

#include "ui/ViewToQt.h"

namespace vorpa {

TStyledCellDelegate::TStyledCellDelegate(TStyleOf styleOf, QObject* parent)
    : TGridTextDelegate(parent), styleOf_(std::move(styleOf)) {}

void TStyledCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                                const QModelIndex& index) const {
  const std::string text = Utf8ToCp932(index.data().toString().toStdString());
  const TCardCellStyle style = styleOf_(index.column(), index.row() + 1, text);
  if (style.KeepsHighlight && (option.state & QStyle::State_Selected)) {
    TGridTextDelegate::paint(painter, option, index);
  } else {
    painter->save();
    painter->setClipRect(option.rect);
    painter->fillRect(option.rect, ToQColor(style.Back, option.palette));
    int x = option.rect.left() + 2;
    for (const TCellPiece& piece : style.Pieces)
      x = DrawTextAt(painter, option, x, FromCp932(piece.Text), ToQColor(piece.Color, option.palette));
    painter->restore();
  }
  if (decorate_) {
    painter->save();
    painter->setClipRect(option.rect);
    decorate_(painter, option.rect, index.column(), index.row() + 1);
    painter->restore();
  }
}

}  // namespace vorpa
