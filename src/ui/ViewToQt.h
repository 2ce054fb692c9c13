#pragma once
// The view layer's values as Qt values: colours (system colours from a
// palette) and CP932 texts.
#include <QColor>
#include <QPalette>
#include <QString>
#include <string>

#include "core/Cp932.h"
#include "view/Colors.h"

namespace vorpa {

inline QColor ToQColor(TColor c, const QPalette& palette) {
  if (c == kClWindow) return palette.color(QPalette::Base);
  if (c == kClWindowText) return palette.color(QPalette::Text);
  if (c == kClBtnFace) return palette.color(QPalette::Button);
  return QColor(RedOf(c), GreenOf(c), BlueOf(c));
}

inline QString FromCp932(const std::string& text) {
  return QString::fromStdString(Cp932ToUtf8(text));
}

}  // namespace vorpa
