#include "view/RemarkGrid.h"

#include <cstdio>
#include <utility>

#include "core/Cp932.h"
#include "core/TextUtil.h"

namespace vorpa {

namespace {

uint32_t ColorOr(const std::string& text, uint32_t def) {
  uint32_t c = 0;
  return TryHexOf(text, &c) ? c : def;
}

}  // namespace

std::string ColorText(uint32_t color) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%.6X", color);
  return buf;
}

TRemarkGrid::TRemarkGrid(const TRemarkables& remarks) {
  for (const TRemarkable& r : remarks.Items)
    Rows.push_back({r.Name, ColorText(r.TextColor & 0xFFFFFF), ColorText(r.BackColor & 0xFFFFFF)});
  if (Rows.empty()) Rows.emplace_back();
}

std::string RemarkEditError(const std::string& name, const std::string& textColor,
                            const std::string& backColor) {
  uint32_t c = 0;
  if (name.empty()) return Utf8ToCp932("注目欄が空白です");
  if (!TryHexOf(textColor, &c)) return Utf8ToCp932("文字色欄の値が不正です");
  if (!TryHexOf(backColor, &c)) return Utf8ToCp932("背景色欄の値が不正です");
  if (SplitFirst(name, ",").first != name) return Utf8ToCp932("注目欄にカンマ\",\"は含めないでください");
  return "";
}

std::string TRemarkGrid::AddOrReplace(const std::string& name, const std::string& textColor,
                                      const std::string& backColor) {
  std::string error = RemarkEditError(name, textColor, backColor);
  if (!error.empty()) return error;
  TRemarkRow row{name, ColorText(ColorOr(textColor, 0)), ColorText(ColorOr(backColor, 0))};
  int at = -1;
  for (size_t i = 0; i < Rows.size() && at < 0; ++i)
    if (Rows[i].Name == name) at = static_cast<int>(i);
  if (at < 0 && Rows.size() == 1 && Rows[0].Name.empty()) at = 0;
  if (at < 0) {
    Rows.push_back(row);
    at = static_cast<int>(Rows.size()) - 1;
  }
  Rows[at] = row;
  Selected = at;
  return "";
}

void TRemarkGrid::Delete() {
  if (Selected < 0 || Selected >= static_cast<int>(Rows.size())) return;
  if (Rows.size() == 1) {
    Rows[0] = TRemarkRow{};
    return;
  }
  Rows.erase(Rows.begin() + Selected);
  if (Selected >= static_cast<int>(Rows.size())) Selected = static_cast<int>(Rows.size()) - 1;
}

void TRemarkGrid::Up() {
  if (Selected < 1 || Selected >= static_cast<int>(Rows.size())) return;
  std::swap(Rows[Selected], Rows[Selected - 1]);
  --Selected;
}

void TRemarkGrid::Down() {
  if (Selected < 0 || Selected + 1 >= static_cast<int>(Rows.size())) return;
  std::swap(Rows[Selected], Rows[Selected + 1]);
  ++Selected;
}

TRemarkables TRemarkGrid::ToRemarks() const {
  TRemarkables list;
  for (const TRemarkRow& row : Rows) {
    if (row.Name.empty()) continue;
    list.Items.push_back({row.Name, ColorOr(row.TextColor, 0), ColorOr(row.BackColor, 0xFFFFFF)});
  }
  return list;
}

TCellColors RemarkPreviewColors(const std::string& textColor, const std::string& backColor) {
  return {ColorOr(backColor, kClWhite) & 0xFFFFFF, ColorOr(textColor, kClBlack) & 0xFFFFFF};
}

}  // namespace vorpa
