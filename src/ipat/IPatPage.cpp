#include "ipat/IPatPage.h"

#include "ipat/HtmlTable.h"

namespace vorpa {

TIPatPage::TIPatPage(const std::string& page) {
  ExtractTables(page, &tables_);
  ExtractForms(page, &forms_);
  Index();
}

TIPatPage::TIPatPage(std::vector<std::string> tables, std::vector<std::string> forms)
    : tables_(std::move(tables)), forms_(std::move(forms)) {
  Index();
}

void TIPatPage::Index() {
  byPath_.reserve(tables_.size());
  for (size_t i = 0; i < tables_.size(); ++i) {
    std::string_view entry = tables_[i];
    size_t end = entry.find('>');
    if (end == std::string_view::npos) continue;
    byPath_[entry.substr(0, end + 1)] = {entry.substr(end + 1), static_cast<int>(i)};
  }
}

std::string_view TIPatPage::Table(std::string_view path) const {
  auto it = byPath_.find(path);
  return it == byPath_.end() ? std::string_view() : it->second.first;
}

int TIPatPage::TableIndex(std::string_view path) const {
  auto it = byPath_.find(path);
  return it == byPath_.end() ? -1 : it->second.second;
}

std::string_view TIPatPage::Form(std::string_view path) const {
  std::string_view value;
  for (const std::string& entry : forms_)
    if (std::string_view(entry).starts_with(path)) value = std::string_view(entry).substr(path.size());
  return value;
}

std::string Cell(int row, int col) {
  return "[" + std::to_string(row) + "," + std::to_string(col) + "]";
}

std::string Piece(int t) { return "<" + std::to_string(t) + ">"; }

}  // namespace vorpa
