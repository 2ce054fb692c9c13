#pragma once
// Small builders of the HTML the simulator serves (UTF-8; converted to CP932
// when sent). Rows end with a line break, which the client's reader drops.
#include <map>
#include <string>
#include <vector>

namespace vorpa::sim {

std::string Cell(const std::string& text);
std::string Row(const std::vector<std::string>& cells);
std::string Table(const std::string& rows, const std::string& attributes = "");

// A sparse table: [row][column] -> text, rows and columns from 1. Rows are
// written 1..lastRow, each with cells 1..its last used column; cells not
// set are empty.
using TGrid = std::map<int, std::map<int, std::string>>;
std::string GridRows(const TGrid& grid, int lastRow);
// The last column used in a row of the grid, 0 for none.
int LastColumn(const TGrid& grid, int row);

// The page around `body`: a head whose title is the first text of the page.
std::string Page(const std::string& body);
// Top-level item 2: the one-cell title table.
std::string TitleTable(const std::string& title);

}  // namespace vorpa::sim
