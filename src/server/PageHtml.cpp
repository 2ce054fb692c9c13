#include "server/PageHtml.h"

namespace vorpa::sim {

std::string Cell(const std::string& text) { return "<td>" + text + "</td>"; }

std::string Row(const std::vector<std::string>& cells) {
  std::string row = "<tr>";
  for (const std::string& c : cells) row += Cell(c);
  return row + "</tr>\r\n";
}

std::string Table(const std::string& rows, const std::string& attributes) {
  return "<table" + (attributes.empty() ? "" : " " + attributes) + ">\r\n" + rows + "</table>\r\n";
}

int LastColumn(const TGrid& grid, int row) {
  const auto it = grid.find(row);
  return it == grid.end() || it->second.empty() ? 0 : it->second.rbegin()->first;
}

std::string GridRows(const TGrid& grid, int lastRow) {
  std::string rows;
  for (int r = 1; r <= lastRow; ++r) {
    std::vector<std::string> cells(size_t(LastColumn(grid, r)));
    const auto it = grid.find(r);
    if (it != grid.end())
      for (const auto& [c, text] : it->second) cells[size_t(c - 1)] = text;
    rows += Row(cells);
  }
  return rows;
}

std::string Page(const std::string& body) {
  return "<html>\r\n<head>\r\n<meta http-equiv=\"Content-Type\" content=\"text/html; "
         "charset=Shift_JIS\">\r\n<title>IPAT情報サービス</title>\r\n</head>\r\n"
         "<body bgcolor=\"#FFFFFF\">\r\n" + body + "</body>\r\n</html>\r\n";
}

std::string TitleTable(const std::string& title) {
  return Table(Row({title}), "width=\"100%\" class=\"title\"");
}

}  // namespace vorpa::sim
