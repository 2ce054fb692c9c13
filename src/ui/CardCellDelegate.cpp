#include "ui/CardCellDelegate.h"

#include <QPainter>

#include "core/Cp932.h"
#include "core/Remark.h"
#include "core/Setting.h"
#include "ui/ViewToQt.h"
#include "view/RaceCard.h"

namespace vorpa {

void TCardCellDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                              const QModelIndex& index) const {
  // Grid rows count from 1 below the header row.
  const int row = index.row() + 1;
  const std::string text = Utf8ToCp932(index.data().toString().toStdString());
  const TCardCellStyle style = CardCellStyle(index.column(), row, text, Setting, Remarks);
  if (style.KeepsHighlight && (option.state & QStyle::State_Selected)) {
    TGridTextDelegate::paint(painter, option, index);
    return;
  }
  painter->save();
  painter->setClipRect(option.rect);
  painter->fillRect(option.rect, ToQColor(style.Back, option.palette));
  int x = option.rect.left() + 2;
  for (const TCellPiece& piece : style.Pieces)
    x = DrawTextAt(painter, option, x, QString::fromStdString(Cp932ToUtf8(piece.Text)),
                   ToQColor(piece.Color, option.palette));
  painter->restore();
}

}  // namespace vorpa
