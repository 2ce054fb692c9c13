#include "ui/CardCellDelegate.h"

#include "core/Remark.h"
#include "core/Setting.h"

namespace vorpa {

TCardCellDelegate::TCardCellDelegate(QObject* parent)
    : TStyledCellDelegate(
          [](int col, int row, const std::string& text) {
            return CardCellStyle(col, row, text, Setting, Remarks);
          },
          parent) {}

}  // namespace vorpa
